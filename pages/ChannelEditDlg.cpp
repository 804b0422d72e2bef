#include "pages/ChannelEditDlg.h"

#include "radio/Codecs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A ticked box enables the choice beside it; the choice is named for screen readers.
QCheckBox* AddChoice(QFormLayout& form, const QString& text, QWidget* choice, const QString& name) {
    auto* box = new QCheckBox(text, choice->parentWidget());
    choice->setAccessibleName(name);
    choice->setEnabled(false);
    QObject::connect(box, &QCheckBox::toggled, choice, &QWidget::setEnabled);
    form.addRow(box, choice);
    return box;
}

} // namespace

CChannelEditDlg::CChannelEditDlg(int channels, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Edit Channels"));
    auto* form = new QFormLayout;

    mode = new QComboBox(this);
    mode->addItems(ModeNames());
    setMode = AddChoice(*form, tr("Set &mode"), mode, tr("Mode"));
    preferential = new QComboBox(this);
    preferential->addItems({tr("Off"), tr("On")});
    setPreferential =
        AddChoice(*form, tr("Set &preferential scan"), preferential, tr("Preferential scan"));
    bank = new QComboBox(this);
    for (int b = 0; b < 10; ++b)
        bank->addItem(tr("Bank %1").arg(b));
    setBank = AddChoice(*form, tr("Move to &bank"), bank, tr("Bank"));

    nameKind = new QComboBox(this);
    nameKind->addItems(
        {tr("Keep"), tr("Replace with"), tr("Add prefix"), tr("Add suffix"), tr("Pattern")});
    form->addRow(tr("&Name"), nameKind);
    nameText = new QLineEdit(this);
    nameText->setPlaceholderText(tr("AIR {n:02}"));
    nameText->setToolTip(tr("In a pattern, {n} is a counter; {n:02} counts in two digits"));
    form->addRow(tr("Name &text"), nameText);
    firstCounter = new QSpinBox(this);
    firstCounter->setRange(0, 99'999'999);
    firstCounter->setValue(1);
    form->addRow(tr("&Counter starts at"), firstCounter);
    const auto nameChosen = [this](int kind) {
        nameText->setEnabled(kind != bulk::NameEdit::Keep);
        firstCounter->setEnabled(kind == bulk::NameEdit::Pattern);
    };
    connect(nameKind, &QComboBox::currentIndexChanged, this, nameChosen);
    nameChosen(0);

    offsetKHz = new QDoubleSpinBox(this);
    offsetKHz->setRange(-1'300'000, 1'300'000);
    offsetKHz->setDecimals(2);
    offsetKHz->setSuffix(tr(" kHz"));
    form->addRow(tr("Frequency &offset"), offsetKHz);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Channels selected: %1. Only those in use change.").arg(channels), this));
    layout->addLayout(form);
    layout->addWidget(buttons);
}

bulk::ChannelEdit CChannelEditDlg::Edit() const {
    bulk::ChannelEdit edit;
    if (setMode->isChecked())
        edit.modeCode = mode->currentIndex() + 1;
    if (setPreferential->isChecked())
        edit.preferential = preferential->currentIndex() == 1;
    if (setBank->isChecked())
        edit.bank = bank->currentIndex();
    edit.name = {static_cast<bulk::NameEdit::Kind>(nameKind->currentIndex()), nameText->text(),
                 firstCounter->value()};
    edit.offsetHz = static_cast<int>(std::lround(offsetKHz->value() * 1000));
    return edit;
}
