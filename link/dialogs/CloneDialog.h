#pragma once
// What the read and write dialogs share: the steps into clone mode, the progress bar, and a
// transfer session over the port that reports back to the dialog.

#include "link/CloneEngine.h"

#include <QDialog>
#include <memory>

class CCommPort;
class CRadio;
class CloneSession;
class Prompt;
class QDialogButtonBox;
class QProgressBar;

class CloneDialog : public QDialog {
    Q_OBJECT
protected:
    // lastStep is the one instruction that differs between reading and writing.
    CloneDialog(CRadio& radio, CCommPort& port, Prompt& prompt, const QString& title,
                const QString& lastStep, QWidget* parent);

    // Starts a transfer with engine; OnFinished runs once it has ended.
    void StartSession(std::unique_ptr<CloneEngine> engine);
    virtual void OnFinished() = 0;
    // Shows the ended transfer's failure message.
    void ShowFailure();
    // Closing the window is the same as Cancel.
    void closeEvent(QCloseEvent* event) override;

    CRadio& radio_;
    CCommPort& port_;
    Prompt& prompt_;
    QProgressBar* progress_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    CloneSession* session_ = nullptr;
};
