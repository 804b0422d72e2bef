#pragma once
// "Read data from VR-500": receives the receiver's clone image into EditImage.

#include <QDialog>

class CCommPort;
class CRadio;
class CloneSession;
class Prompt;
class QProgressBar;
class QPushButton;

class CCloneReadDlg : public QDialog {
    Q_OBJECT
public:
    // Results of exec().
    static constexpr int kDone = 1;      // the end frame was acknowledged
    static constexpr int kFailed = -1;   // time-out, checksum error, cancelled after data began
    static constexpr int kCancelled = 2; // cancelled before anything arrived: nothing changed

    // The port must be open. prompt shows the failure messages.
    CCloneReadDlg(CRadio& radio, CCommPort& port, Prompt& prompt, QWidget* parent = nullptr);
    ~CCloneReadDlg() override;

    // Copies EditImage to SavedImage so the caller can undo the read, then waits for the
    // receiver. On kFailed the caller copies SavedImage back over EditImage.
    int exec() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnFinished();

    CRadio& radio_;
    CCommPort& port_;
    Prompt& prompt_;
    QProgressBar* progress_ = nullptr;
    CloneSession* session_ = nullptr;
    bool userCancelled_ = false;
};
