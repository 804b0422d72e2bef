#include "link/dialogs/CommSetupDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kNumberedPorts = 9;

bool LooksLikeDevice(const QString& text) {
#ifdef Q_OS_WIN
    return text.startsWith(QLatin1String("COM"), Qt::CaseInsensitive);
#else
    return text.startsWith(QLatin1Char('/'));
#endif
}
} // namespace

CCommSetupDlg::CCommSetupDlg(QWidget* parent, const QStringList& devices)
    : QDialog(parent), combo_(new QComboBox(this)), devices_(devices) {
    setWindowTitle(tr("Comm Port Setup"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Select the communications (serial) &port."), this);
    label->setBuddy(combo_);
    layout->addWidget(label);
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->addItem(tr("None"));
    for (int n = 1; n <= kNumberedPorts; ++n)
        combo_->addItem(tr("Com %1").arg(n));
    combo_->addItems(devices_);
    layout->addWidget(combo_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString CCommSetupDlg::PortAt(int index) const {
    if (index <= kNumberedPorts)
        return QString::number(index);
    return devices_.value(index - kNumberedPorts - 1);
}

int CCommSetupDlg::IndexOf(const QString& port) const {
    for (int i = 0; i < combo_->count(); ++i)
        if (PortAt(i) == port)
            return i;
    return -1;
}

std::optional<QString> CCommSetupDlg::Choose(const QString& current) {
    const int index = IndexOf(current);
    if (index >= 0)
        combo_->setCurrentIndex(index);
    else
        combo_->setEditText(current);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Chosen();
}

std::optional<QString> CCommSetupDlg::Chosen() const {
    const QString text = combo_->currentText().trimmed();
    const int index = combo_->findText(text, Qt::MatchFixedString);
    if (index >= 0)
        return PortAt(index);
    if (LooksLikeDevice(text))
        return text;
    return std::nullopt;
}
