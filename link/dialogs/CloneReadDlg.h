#pragma once
// "Read data from VR-500": receives the receiver's clone image into EditImage.

#include "link/dialogs/CloneDialog.h"

class CCloneReadDlg : public CloneDialog {
    Q_OBJECT
public:
    // Results of exec().
    static constexpr int kDone = 1;      // the end frame was acknowledged
    static constexpr int kFailed = -1;   // time-out, checksum error, cancelled after data began
    static constexpr int kCancelled = 2; // cancelled before anything arrived: nothing changed

    // The port must be open. prompt shows the failure messages.
    CCloneReadDlg(CRadio& radio, CCommPort& port, Prompt& prompt, QWidget* parent = nullptr);

    // Waits for the receiver, which writes into radio's EditImage as it sends: give it a
    // data set of its own and take it over only on kDone.
    int exec() override;
    void reject() override;

private:
    void KeepBackup();
    void TellIfVersionNotStored();
    void OnFinished() override;

    bool userCancelled_ = false;
};
