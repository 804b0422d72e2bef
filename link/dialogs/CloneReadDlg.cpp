#include "link/dialogs/CloneReadDlg.h"

#include "link/CloneReceiver.h"
#include "link/CloneSession.h"
#include "link/dialogs/CloneSteps.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char kReadHelp[] =
    "The receiver sends its whole memory when you press 2 in clone mode; this window waits "
    "for it as long as it takes.\n\nIf the bar does not move, check that the cable sits firmly "
    "in the speaker jack and that Comport Setup names the port the cable is on, then start "
    "the receiver's transmission again.";
} // namespace

CCloneReadDlg::CCloneReadDlg(CRadio& radio, CCommPort& port, Prompt& prompt, QWidget* parent)
    : QDialog(parent), radio_(radio), port_(port), prompt_(prompt) {
    setWindowTitle(QStringLiteral("Read data from VR-500"));
    // No close box: the read ends by the receiver, a failure or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QVBoxLayout* layout = AddCloneSteps(
        *this, QStringLiteral("4. Press the 2 key to start reading the data."), progress_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setDefault(true);
    buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCloneReadDlg::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] {
        prompt_.Message(QString::fromLatin1(kReadHelp), QStringLiteral("Help"), PromptButtons::Ok,
                        PromptIcon::Information);
    });
    layout->addWidget(buttons);
}

CCloneReadDlg::~CCloneReadDlg() = default;

int CCloneReadDlg::exec() {
    radio_.SavedImage = radio_.EditImage;
    userCancelled_ = false;
    progress_->setValue(0);
    delete session_;
    session_ = new CloneSession(port_, std::make_unique<CloneReceiver>(radio_.EditRadio()), this);
    connect(session_, &CloneSession::progressChanged, progress_, &QProgressBar::setValue);
    connect(session_, &CloneSession::finished, this, &CCloneReadDlg::OnFinished,
            Qt::QueuedConnection);
    session_->Start();
    return QDialog::exec();
}

void CCloneReadDlg::reject() {
    userCancelled_ = true;
    if (session_ && session_->IsRunning())
        session_->Cancel(); // finished() ends the dialog
    else if (!session_ || session_->State() == CloneState::Idle)
        done(kCancelled);
}

void CCloneReadDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

void CCloneReadDlg::OnFinished() {
    switch (session_->State()) {
    case CloneState::Succeeded:
        return done(kDone);
    case CloneState::Cancelled:
        return done(kCancelled);
    default:
        break;
    }
    if (!userCancelled_)
        prompt_.Message(session_->Message(), session_->Caption(), PromptButtons::Ok,
                        PromptIcon::Stop);
    done(kFailed);
}
