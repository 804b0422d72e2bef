#pragma once
// "Write data to the VR-500": sends the clone image of EditImage to the receiver.

#include "link/dialogs/CloneDialog.h"

class CCloneWriteDlg : public CloneDialog {
    Q_OBJECT
public:
    static constexpr int kEnded = 1;     // sent, refused or failed: the dialog ended itself
    static constexpr int kCancelled = 2; // the user's Cancel

    // The port must be open. prompt shows refusals and failures.
    CCloneWriteDlg(CRadio& radio, CCommPort& port, Prompt& prompt, QWidget* parent = nullptr);

    // Whether the transfer ended well; meaningful after exec() returned kEnded.
    bool Succeeded() const;

public slots:
    // Clears the set-mode bytes the receiver must get as zero and starts sending; pressed
    // again during a transfer it only clears them again.
    void accept() override;
    void reject() override;

protected:
    // The close box ends the dialog as the dialog's own endings do, not as "Cancel".
    void closeEvent(QCloseEvent* event) override;

private:
    void AddChangesSummary();
    void OnFinished() override;
    // Cancel or the close box: stops a running transfer, ends the dialog with result, and
    // says when the receiver was left with part of the data.
    void StopByUser(int result);
    // Whether the receiver has begun to take the data in.
    bool FramesWent() const;
};
