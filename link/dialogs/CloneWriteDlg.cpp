#include "link/dialogs/CloneWriteDlg.h"

#include "link/CloneSender.h"
#include "link/CloneSession.h"
#include "link/dialogs/CloneSteps.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

void ClearBytesBeforeWrite(unsigned char* radioImage) {
    for (int offset : layout::ri::kClearedBeforeWrite)
        radioImage[offset] = 0;
}

CCloneWriteDlg::CCloneWriteDlg(CRadio& radio, CCommPort& port, Prompt& prompt, QWidget* parent)
    : QDialog(parent), radio_(radio), port_(port), prompt_(prompt) {
    setWindowTitle(QStringLiteral("Write data to the VR-500"));
    QVBoxLayout* layout = AddCloneSteps(
        *this, QStringLiteral("4. Press the 1 key then click OK to start writing the data."),
        progress_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCloneWriteDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCloneWriteDlg::reject);
    layout->addWidget(buttons);
}

CCloneWriteDlg::~CCloneWriteDlg() = default;

bool CCloneWriteDlg::Succeeded() const {
    return session_ && session_->State() == CloneState::Succeeded;
}

void CCloneWriteDlg::accept() {
    ClearBytesBeforeWrite(radio_.EditRadio());
    if (session_)
        return;
    int country = 0;
    int wideband = 0;
    ReadCountrySettings(country, wideband);
    session_ = new CloneSession(
        port_, std::make_unique<CloneSender>(radio_.EditRadio(), country, wideband), this);
    connect(session_, &CloneSession::progressChanged, progress_, &QProgressBar::setValue);
    connect(session_, &CloneSession::finished, this, &CCloneWriteDlg::OnFinished,
            Qt::QueuedConnection);
    session_->Start();
}

void CCloneWriteDlg::reject() {
    if (session_ && session_->IsRunning())
        session_->Cancel();
    done(kCancelled);
}

void CCloneWriteDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

void CCloneWriteDlg::OnFinished() {
    if (result() == kCancelled && !isVisible())
        return; // the user's Cancel already ended the dialog
    if (session_->State() == CloneState::Failed)
        prompt_.Message(session_->Message(), session_->Caption(), PromptButtons::Ok,
                        PromptIcon::Stop);
    done(session_->State() == CloneState::Cancelled ? kCancelled : kEnded);
}
