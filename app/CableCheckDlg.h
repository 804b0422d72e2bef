#pragma once
// "Check Cable...": the cable check's report in a window, to read, run again or copy into a
// help request.

#include <QDialog>

class CCommPort;
class QPlainTextEdit;

class CCableCheckDlg : public QDialog {
    Q_OBJECT
public:
    // port: the window's port, used for the echo test while it holds the device (may be null).
    CCableCheckDlg(const QString& device, CCommPort* port, QWidget* parent = nullptr);

    QString Report() const;
    // Runs every check again and shows the new report.
    void Check();

private:
    QString device_;
    CCommPort* port_;
    QPlainTextEdit* report_;
};
