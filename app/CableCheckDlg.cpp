#include "app/CableCheckDlg.h"

#include "app/MainFrame.h"
#include "link/CableDoctor.h"
#include "link/CommPort.h"
#include "link/TransferTrace.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CCableCheckDlg::CCableCheckDlg(const QString& device, CCommPort* port, QWidget* parent)
    : QDialog(parent), device_(device), port_(port), report_(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Check Cable"));
    report_->setReadOnly(true);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setAccessibleName(tr("Cable check report"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* copy = buttons->addButton(tr("&Copy Report"), QDialogButtonBox::ActionRole);
    auto* again = buttons->addButton(tr("Check &Again"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(Report()); });
    connect(again, &QPushButton::clicked, this, &CCableCheckDlg::Check);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(report_);
    layout->addWidget(buttons);
    const QFontMetrics metrics(report_->font());
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 96, metrics.lineSpacing() * 28);
    Check();
}

QString CCableCheckDlg::Report() const {
    return report_->toPlainText();
}

void CCableCheckDlg::Check() {
    // The echo test waits up to a second for the cable.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    report_->setPlainText(doctor::Run(device_, port_).report);
    QApplication::restoreOverrideCursor();
}

// ---- The window's commands ------------------------------------------------------------------

void CMainFrame::OnCheckCable() {
    const QString device = port_ ? port_->DeviceName() : DeviceForPort(ReadCommPort());
    CCableCheckDlg dialog(device, port_, this);
    dialog.exec();
}

void CMainFrame::OnSaveDiagnostics() {
    const TransferTrace& trace = TransferTrace::Last();
    if (trace.IsEmpty()) {
        prompt_.Message(tr("No transfer has run since Corvinel started.\nAfter Get "
                           "Data or Send Data, this saves what crossed the cable."),
                        QString(), PromptButtons::Ok, PromptIcon::Information);
        return;
    }
    const QString path = prompt_.SaveFileName({tr("Save Diagnostics"),
                                               radio_.DataDir(),
                                               QStringLiteral("corvinel-trace.txt"),
                                               {tr("Text files (*.txt)"), tr("All files (*)")},
                                               QStringLiteral("txt")});
    if (path.isEmpty())
        return;
    const QString failure = trace.SaveTo(path);
    if (!failure.isEmpty())
        prompt_.Message(tr("Cannot create file:\n%1\n%2").arg(path, failure), QString(),
                        PromptButtons::Ok, PromptIcon::Stop);
}
