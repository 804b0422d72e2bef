#include "link/dialogs/CloneReadDlg.h"

#include "link/CloneReceiver.h"
#include "link/CloneSession.h"
#include "radio/Backups.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {
const char kReadHelp[] = QT_TRANSLATE_NOOP(
    "CCloneReadDlg",
    "The receiver sends its whole memory when you press 2 in clone mode; this window waits "
    "for it as long as it takes.\n\nIf the bar does not move, check that the cable sits firmly "
    "in the speaker jack and that Comport Setup names the port the cable is on, then start "
    "the receiver's transmission again.");
} // namespace

CCloneReadDlg::CCloneReadDlg(CRadio& radio, CCommPort& port, Prompt& prompt, QWidget* parent)
    : CloneDialog(radio, port, prompt, tr("Read data from VR-500"),
                  QCoreApplication::translate("wire", wire::kReadStep), parent) {
    // No close box: the read ends by the receiver, a failure or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buttons_->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)->setDefault(true);
    buttons_->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CCloneReadDlg::reject);
    connect(buttons_, &QDialogButtonBox::helpRequested, this, [this] {
        prompt_.Message(tr(kReadHelp), tr("Help"), PromptButtons::Ok, PromptIcon::Information);
    });
}

int CCloneReadDlg::exec() {
    radio_.MarkSaved();
    userCancelled_ = false;
    StartSession(std::make_unique<CloneReceiver>(radio_.EditRadio()));
    return QDialog::exec();
}

void CCloneReadDlg::reject() {
    userCancelled_ = true;
    if (session_ && session_->IsRunning())
        session_->Cancel(); // OnFinished ends the dialog
    else if (!session_ || session_->State() == CloneState::Idle)
        done(kCancelled);
}

// What the receiver sent is kept before anything can overwrite it; a backup that cannot be
// written is told, and the read still counts.
void CCloneReadDlg::KeepBackup() {
    const backups::Written written = backups::Write(radio_.EditImage());
    if (!written.failure.isEmpty())
        prompt_.Message(tr("The data were read, but no backup of them could be "
                           "kept:\n") +
                            written.failure,
                        QString(), PromptButtons::Ok, PromptIcon::Exclamation);
}

// The next write sends the stored version: a read that could not store it must say so.
void CCloneReadDlg::TellIfVersionNotStored() {
    if (session_->VersionStored())
        return;
    prompt_.Message(tr("The data were read. ") +
                        VersionNotStoredMessage(radio_.Country(), radio_.Wideband()),
                    QString(), PromptButtons::Ok, PromptIcon::Exclamation);
}

void CCloneReadDlg::OnFinished() {
    switch (session_->State()) {
    case CloneState::Succeeded:
        KeepBackup();
        TellIfVersionNotStored();
        return done(kDone);
    case CloneState::Cancelled:
        return done(kCancelled);
    default:
        if (!userCancelled_)
            ShowFailure();
        return done(kFailed);
    }
}
