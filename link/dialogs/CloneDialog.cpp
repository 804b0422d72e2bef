#include "link/dialogs/CloneDialog.h"

#include "link/CloneFrames.h"
#include "link/CloneSession.h"
#include "link/TransferTrace.h"
#include "radio/Prompt.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

CloneDialog::CloneDialog(CRadio& radio, CCommPort& port, Prompt& prompt, const QString& title,
                         const QString& lastStep, QWidget* parent)
    : QDialog(parent), radio_(radio), port_(port), prompt_(prompt) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    const QStringList steps =
        QCoreApplication::translate("wire", wire::kCloneModeSteps).split(QLatin1Char('\n'))
        << lastStep;
    for (const QString& text : steps)
        layout->addWidget(new QLabel(text, this));
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setAccessibleName(tr("Transfer progress"));
    layout->addSpacing(8);
    layout->addWidget(progress_);
    buttons_ = new QDialogButtonBox(this);
    layout->addWidget(buttons_);
}

void CloneDialog::StartSession(std::unique_ptr<CloneEngine> engine) {
    delete session_;
    progress_->setValue(0);
    session_ = new CloneSession(port_, std::move(engine), this);
    connect(session_, &CloneSession::progressChanged, progress_, &QProgressBar::setValue);
    // Kept for "Save Diagnostics..." once the dialog has gone.
    connect(session_, &CloneSession::finished, this,
            [session = session_] { TransferTrace::Last() = session->Trace(); });
    // Queued, so the dialog ends from its own event loop, never inside the session's call.
    connect(session_, &CloneSession::finished, this, &CloneDialog::OnFinished,
            Qt::QueuedConnection);
    session_->Start();
}

void CloneDialog::ShowFailure() {
    prompt_.Message(session_->Message(), session_->Caption(), PromptButtons::Ok, PromptIcon::Stop);
}

void CloneDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}
