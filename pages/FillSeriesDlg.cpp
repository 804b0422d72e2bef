#include "pages/FillSeriesDlg.h"

#include "radio/Codecs.h"
#include "radio/Layout.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Enough for every channel with refused frequencies between them.
constexpr int kMostFrequencies = 10'000;

} // namespace

CFillSeriesDlg::CFillSeriesDlg(const CVR500Radio& radio, int first, QWidget* parent)
    : QDialog(parent), radio_(radio) {
    setWindowTitle(tr("Fill Series"));
    auto* form = new QFormLayout;
    start = new QLineEdit(this);
    form->addRow(tr("&Start frequency (MHz)"), start);
    stepKHz = new QDoubleSpinBox(this);
    stepKHz->setRange(0.05, 1'300'000);
    stepKHz->setDecimals(2);
    stepKHz->setValue(12.5);
    stepKHz->setSuffix(tr(" kHz"));
    form->addRow(tr("S&tep"), stepKHz);

    byCount = new QRadioButton(tr("&Count"), this);
    count = new QSpinBox(this);
    count->setRange(1, kMostFrequencies);
    count->setValue(10);
    count->setAccessibleName(tr("Count"));
    form->addRow(byCount, count);
    byEnd = new QRadioButton(tr("&End frequency (MHz)"), this);
    end = new QLineEdit(this);
    end->setAccessibleName(tr("End frequency"));
    form->addRow(byEnd, end);
    byCount->setChecked(true);

    firstChannel = new QSpinBox(this);
    firstChannel->setRange(1, layout::ri::kChannelCount);
    firstChannel->setValue(first);
    form->addRow(tr("&First channel"), firstChannel);
    namePattern = new QLineEdit(this);
    namePattern->setPlaceholderText(tr("AIR {n:02}"));
    namePattern->setToolTip(tr("{n} is a counter from 1; {n:02} counts in two digits"));
    form->addRow(tr("&Name pattern"), namePattern);

    skipUsed = new QRadioButton(tr("S&kip channels in use"), this);
    overwrite = new QRadioButton(tr("&Overwrite channels in use"), this);
    skipUsed->setChecked(true);
    auto* occupied = new QHBoxLayout;
    occupied->addWidget(skipUsed);
    occupied->addWidget(overwrite);
    form->addRow(tr("Channels in use"), occupied);

    preview = new QListWidget(this);
    preview->setAccessibleName(tr("Preview"));
    summary = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(summary);
    layout->addWidget(preview, 1);
    layout->addWidget(buttons);

    for (QLineEdit* edit : {start, end, namePattern})
        connect(edit, &QLineEdit::textChanged, this, &CFillSeriesDlg::UpdatePreview);
    for (QSpinBox* spin : {count, firstChannel})
        connect(spin, &QSpinBox::valueChanged, this, &CFillSeriesDlg::UpdatePreview);
    connect(stepKHz, &QDoubleSpinBox::valueChanged, this, &CFillSeriesDlg::UpdatePreview);
    for (QRadioButton* button : {byCount, byEnd, skipUsed, overwrite})
        connect(button, &QRadioButton::toggled, this, &CFillSeriesDlg::UpdatePreview);
    UpdatePreview();
}

bulk::SeriesPlan CFillSeriesDlg::Plan() const {
    bulk::SeriesPlan plan;
    plan.startHz = ParseFrequency(start->text());
    plan.stepHz = static_cast<int>(std::lround(stepKHz->value() * 1000));
    plan.count =
        byCount->isChecked()
            ? count->value()
            : std::min(kMostFrequencies,
                       bulk::SeriesCount(plan.startHz, ParseFrequency(end->text()), plan.stepHz));
    if (plan.startHz == 0)
        plan.count = 0;
    plan.firstChannel = firstChannel->value();
    plan.namePattern = namePattern->text();
    plan.overwrite = overwrite->isChecked();
    return plan;
}

void CFillSeriesDlg::UpdatePreview() {
    count->setEnabled(byCount->isChecked());
    end->setEnabled(byEnd->isChecked());
    rows_ = bulk::PlanSeries(radio_, Plan());
    preview->clear();
    int written = 0;
    for (const bulk::SeriesRow& row : rows_) {
        if (row.kind == bulk::SeriesRow::Write) {
            ++written;
            preview->addItem(tr("Channel %1: %2 %3 %4")
                                 .arg(row.channel)
                                 .arg(FrequencyText(row.hz), ModeName(row.modeCode), row.name)
                                 .trimmed());
        } else {
            preview->addItem(tr("Refused: %1").arg(row.reason));
        }
    }
    const int refused = static_cast<int>(rows_.size()) - written;
    summary->setText(
        tr("Channels to write: %1; frequencies refused: %2").arg(written).arg(refused));
    ok->setEnabled(written > 0);
}
