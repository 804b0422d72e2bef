#pragma once
// "Write data to the VR-500": sends the clone image of EditImage to the receiver.

#include <QDialog>

class CCommPort;
class CRadio;
class CloneSession;
class Prompt;
class QProgressBar;

class CCloneWriteDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kEnded = 1;     // sent, refused or failed: the dialog ended itself
    static constexpr int kCancelled = 2; // the user's Cancel

    // The port must be open. prompt shows refusals and failures.
    CCloneWriteDlg(CRadio& radio, CCommPort& port, Prompt& prompt, QWidget* parent = nullptr);
    ~CCloneWriteDlg() override;

    // Whether the transfer ended well; meaningful after exec() returned kEnded.
    bool Succeeded() const;

public slots:
    // Clears the set-mode bytes the receiver must get as zero and starts sending; pressed
    // again during a transfer it only clears them again.
    void accept() override;
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
};

// Sets the bytes every clone write sends as zero in radioImage (the 15618-byte clone image).
void ClearBytesBeforeWrite(unsigned char* radioImage);
