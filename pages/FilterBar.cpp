#include "pages/FilterBar.h"

#include "radio/Codecs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// A label naming the control for the keyboard and for screen readers.
QLabel* LabelFor(QWidget* control, const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(name);
    return label;
}

int HzOf(const QLineEdit* field) {
    return ParseFrequency(field->text().trimmed());
}

} // namespace

CFilterBar::CFilterBar(QWidget* parent) : QWidget(parent) {
    text_ = new QLineEdit(this);
    text_->setPlaceholderText(tr("Name or frequency"));
    text_->setClearButtonEnabled(true);
    bank_ = new QComboBox(this);
    bank_->addItem(tr("All"));
    for (int bank = 0; bank < 10; ++bank)
        bank_->addItem(QString::number(bank));
    mode_ = new QComboBox(this);
    mode_->addItem(tr("All"));
    mode_->addItems(ModeNames());
    from_ = new QLineEdit(this);
    to_ = new QLineEdit(this);
    for (QLineEdit* edge : {from_, to_}) {
        edge->setPlaceholderText(tr("MHz"));
        edge->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.00000")) * 3 /
                              2);
    }
    inUse_ = new QCheckBox(tr("Onl&y in use"), this);
    sinceOpened_ = new QCheckBox(tr("Chan&ged since opened"), this);
    sinceOpened_->setToolTip(tr("Channels that differ from the file as it was opened or saved"));
    sinceRead_ = new QCheckBox(tr("Changed since l&ast read"), this);
    sinceRead_->setToolTip(tr("Channels that differ from the newest backup of a read"));

    auto* choices = new QHBoxLayout;
    choices->setContentsMargins(0, 0, 0, 0);
    choices->addWidget(LabelFor(text_, tr("Fi&lter:"), tr("Filter text"), this));
    choices->addWidget(text_, 2);
    choices->addWidget(LabelFor(bank_, tr("Ban&k:"), tr("Filter bank"), this));
    choices->addWidget(bank_);
    choices->addWidget(LabelFor(mode_, tr("Recei&ve mode:"), tr("Filter mode"), this));
    choices->addWidget(mode_);
    choices->addWidget(LabelFor(from_, tr("&Band:"), tr("Band from (MHz)"), this));
    choices->addWidget(from_, 1);
    choices->addWidget(LabelFor(to_, tr("u&p to"), tr("Band up to (MHz)"), this));
    choices->addWidget(to_, 1);
    auto* switches = new QHBoxLayout;
    switches->setContentsMargins(0, 0, 0, 0);
    for (QCheckBox* box : {inUse_, sinceOpened_, sinceRead_})
        switches->addWidget(box);
    switches->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choices);
    layout->addLayout(switches);

    const auto changed = [this] {
        if (!setting_)
            emit Changed();
    };
    for (QLineEdit* field : {text_, from_, to_})
        connect(field, &QLineEdit::textChanged, this, changed);
    for (QComboBox* list : {bank_, mode_})
        connect(list, &QComboBox::currentIndexChanged, this, changed);
    for (QCheckBox* box : {inUse_, sinceOpened_, sinceRead_})
        connect(box, &QCheckBox::toggled, this, changed);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &CFilterBar::Clear);
}

ChannelFilter CFilterBar::Filter() const {
    ChannelFilter filter;
    filter.text = text_->text();
    filter.bank = bank_->currentIndex() - 1;
    if (mode_->currentIndex() > 0)
        filter.mode = mode_->currentText();
    filter.fromHz = HzOf(from_);
    filter.toHz = HzOf(to_);
    filter.inUse = inUse_->isChecked();
    filter.changedSinceOpened = sinceOpened_->isChecked();
    filter.changedSinceRead = sinceRead_->isChecked();
    return filter;
}

void CFilterBar::SetFilter(const ChannelFilter& filter) {
    const ChannelFilter before = Filter();
    setting_ = true;
    text_->setText(filter.text);
    bank_->setCurrentIndex(filter.bank >= 0 && filter.bank < 10 ? filter.bank + 1 : 0);
    mode_->setCurrentIndex(std::max(0, mode_->findText(filter.mode)));
    from_->setText(filter.fromHz ? FrequencyText(filter.fromHz) : QString());
    to_->setText(filter.toHz ? FrequencyText(filter.toHz) : QString());
    inUse_->setChecked(filter.inUse);
    sinceOpened_->setChecked(filter.changedSinceOpened);
    sinceRead_->setChecked(filter.changedSinceRead);
    setting_ = false;
    if (Filter() != before)
        emit Changed();
}

void CFilterBar::FocusText() {
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}
