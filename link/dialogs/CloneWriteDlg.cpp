#include "link/dialogs/CloneWriteDlg.h"

#include "link/CloneFrames.h"
#include "link/CloneSender.h"
#include "link/CloneSession.h"
#include "link/dialogs/CompareDlg.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char kWritten[] =
    QT_TRANSLATE_NOOP("CCloneWriteDlg", "The data were written to the receiver.");
const char kPartlyWritten[] = QT_TRANSLATE_NOOP(
    "CCloneWriteDlg", "The receiver now holds a partly written image.\nTo recover, put "
                      "it in clone mode again and write the data again.");
} // namespace

CCloneWriteDlg::CCloneWriteDlg(CRadio& radio, CCommPort& port, Prompt& prompt, QWidget* parent)
    : CloneDialog(radio, port, prompt, tr("Write data to the VR-500"),
                  tr("4. Press the 1 key then click OK to start writing the data."), parent) {
    AddChangesSummary();
    buttons_->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons_->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CCloneWriteDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CCloneWriteDlg::reject);
}

// Before anything is sent: how many channels and settings the receiver will see changed,
// judged against the data last read from it, with the list a click away.
void CCloneWriteDlg::AddChangesSummary() {
    const CCompareDlg::SendSummary summary = CCompareDlg::SummaryBeforeSending(radio_);
    auto* text = new QLabel(summary.text, this);
    text->setWordWrap(true);
    text->setObjectName(QStringLiteral("changesSummary"));
    // Above the progress bar and the buttons.
    auto* box = static_cast<QVBoxLayout*>(layout());
    box->insertWidget(box->indexOf(progress_), text);
    if (!summary.available)
        return;
    QPushButton* show = buttons_->addButton(tr("Show &Changes..."), QDialogButtonBox::ActionRole);
    connect(show, &QPushButton::clicked, this, [this, summary] {
        CCompareDlg list(summary.differences,
                         tr("the data last read from the receiver (%1)").arg(summary.backupName),
                         tr("the data to send"), this);
        list.exec();
    });
}

bool CCloneWriteDlg::Succeeded() const {
    return session_ && session_->State() == CloneState::Succeeded;
}

void CCloneWriteDlg::accept() {
    wire::ClearBeforeWrite(radio_.EditRadio());
    if (session_)
        return;
    int country = 0;
    int wideband = 0;
    ReadCountrySettings(country, wideband);
    StartSession(std::make_unique<CloneSender>(radio_.EditRadio(), country, wideband));
}

void CCloneWriteDlg::reject() {
    StopByUser(kCancelled);
}

void CCloneWriteDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    StopByUser(kEnded);
}

void CCloneWriteDlg::StopByUser(int result) {
    const bool stopped = session_ && session_->IsRunning();
    if (stopped)
        session_->Cancel();
    done(result);
    if (stopped && FramesWent())
        prompt_.Message(tr("Cancelled. ") + tr(kPartlyWritten), QString(), PromptButtons::Ok,
                        PromptIcon::Exclamation);
}

bool CCloneWriteDlg::FramesWent() const {
    const auto* sender = session_ ? dynamic_cast<const CloneSender*>(&session_->Engine()) : nullptr;
    // A refused start frame leaves the receiver as it was; once it took the start, it writes.
    return sender && sender->CurrentPhase() != CloneSender::StartPhase;
}

void CCloneWriteDlg::OnFinished() {
    if (!isVisible())
        return; // the user's Cancel or the close box already ended the dialog
    switch (session_->State()) {
    case CloneState::Succeeded:
        prompt_.Message(tr(kWritten), QString(), PromptButtons::Ok, PromptIcon::Information);
        break;
    case CloneState::Failed:
        if (FramesWent())
            prompt_.Message(session_->Message() + QStringLiteral("\n\n") + tr(kPartlyWritten),
                            session_->Caption(), PromptButtons::Ok, PromptIcon::Stop);
        else
            ShowFailure();
        break;
    default:
        break;
    }
    done(session_->State() == CloneState::Cancelled ? kCancelled : kEnded);
}
