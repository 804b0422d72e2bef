#include "pages/PrintSetupDlg.h"

#include "radio/Prompt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

int PrintSetup::MarginTwips(const QString& inches) {
    bool ok = false;
    const double value = inches.trimmed().toDouble(&ok);
    if (!ok || value != value || value < 0 || value > 100)
        return 0;
    return static_cast<int>(value * 1440);
}

int PrintSetup::PageNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? static_cast<short>(value) : 0;
}

CPrintSetupDlg::CPrintSetupDlg(Prompt* prompt, QWidget* parent, const QStringList& columnNames)
    : QDialog(parent), prompt_(prompt) {
    setWindowTitle(tr("Print Setup"));

    auto* rangeBox = new QGroupBox(tr("Print Range"), this);
    all = new QRadioButton(tr("&All"), rangeBox);
    pages = new QRadioButton(tr("&Pages"), rangeBox);
    selection = new QRadioButton(tr("&Selection"), rangeBox);
    firstPage = new QLineEdit(rangeBox);
    lastPage = new QLineEdit(rangeBox);
    for (QLineEdit* edit : {firstPage, lastPage}) {
        edit->setMaxLength(2);
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    }
    firstPage->setAccessibleName(tr("First page"));
    auto* toLabel = new QLabel(tr("&To"), rangeBox);
    toLabel->setBuddy(lastPage);
    lastPage->setAccessibleName(tr("Last page"));
    auto* pagesRow = new QHBoxLayout;
    pagesRow->addWidget(pages);
    pagesRow->addWidget(firstPage);
    pagesRow->addWidget(toLabel);
    pagesRow->addWidget(lastPage);
    pagesRow->addStretch();
    auto* rangeLayout = new QVBoxLayout(rangeBox);
    rangeLayout->addWidget(all);
    rangeLayout->addLayout(pagesRow);
    rangeLayout->addWidget(selection);

    auto* lookBox = new QGroupBox(tr("Options"), this);
    columnHeaders = new QCheckBox(tr("&Column Headers"), lookBox);
    rowHeaders = new QCheckBox(tr("&Row Headers"), lookBox);
    gridLines = new QCheckBox(tr("&Grid Lines"), lookBox);
    gridBorder = new QCheckBox(tr("Grid &Border"), lookBox);
    emptyChannels = new QCheckBox(tr("&Empty channels too"), lookBox);
    auto* lookLayout = new QVBoxLayout(lookBox);
    for (QCheckBox* box : {columnHeaders, rowHeaders, gridLines, gridBorder, emptyChannels})
        lookLayout->addWidget(box);

    auto* columnBox = new QGroupBox(tr("Columns"), this);
    auto* columnLayout = new QVBoxLayout(columnBox);
    for (const QString& name : columnNames) {
        columns << new QCheckBox(QString(name).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                                 columnBox);
        columns.back()->setChecked(true);
        columnLayout->addWidget(columns.back());
    }
    columnBox->setVisible(!columnNames.isEmpty());

    auto* marginBox = new QGroupBox(tr("Margins (inches)"), this);
    auto* marginLayout = new QFormLayout(marginBox);
    marginLeft = new QLineEdit(marginBox);
    marginRight = new QLineEdit(marginBox);
    marginTop = new QLineEdit(marginBox);
    marginBottom = new QLineEdit(marginBox);
    marginLayout->addRow(tr("&Left"), marginLeft);
    marginLayout->addRow(tr("R&ight"), marginRight);
    marginLayout->addRow(tr("T&op"), marginTop);
    marginLayout->addRow(tr("Botto&m"), marginBottom);
    for (QLineEdit* edit : {marginLeft, marginRight, marginTop, marginBottom})
        edit->setMaxLength(4);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    previewButton = buttons->addButton(tr("Pre&view..."), QDialogButtonBox::ActionRole);
    connect(previewButton, &QPushButton::clicked, this, [this] {
        preview_ = true;
        accept();
        if (result() != QDialog::Accepted)
            preview_ = false;
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(rangeBox, 0, 0);
    grid->addWidget(marginBox, 0, 1, 2, 1);
    grid->addWidget(lookBox, 1, 0);
    grid->addWidget(columnBox, 0, 2, 2, 1);
    grid->addWidget(buttons, 2, 0, 1, 3);

    // The defaults.
    all->setChecked(true);
    columnHeaders->setChecked(values_.columnHeaders);
    rowHeaders->setChecked(values_.rowHeaders);
    gridLines->setChecked(values_.gridLines);
    gridBorder->setChecked(values_.gridBorder);
    emptyChannels->setChecked(values_.emptyChannels);
    marginLeft->setText(values_.marginLeft);
    marginRight->setText(values_.marginRight);
    marginTop->setText(values_.marginTop);
    marginBottom->setText(values_.marginBottom);
}

void CPrintSetupDlg::accept() {
    PrintSetup v;
    v.range = pages->isChecked()
                  ? PrintSetup::Pages
                  : (selection->isChecked() ? PrintSetup::Selection : PrintSetup::All);
    v.firstPage = firstPage->text().left(2);
    v.lastPage = lastPage->text().left(2);
    v.columnHeaders = columnHeaders->isChecked();
    v.rowHeaders = rowHeaders->isChecked();
    v.gridLines = gridLines->isChecked();
    v.gridBorder = gridBorder->isChecked();
    v.emptyChannels = emptyChannels->isChecked();
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i]->isChecked())
            v.columns << i + 1;
    v.marginLeft = marginLeft->text().left(4);
    v.marginRight = marginRight->text().left(4);
    v.marginTop = marginTop->text().left(4);
    v.marginBottom = marginBottom->text().left(4);
    values_ = v;
    if (!columns.isEmpty() && v.columns.isEmpty()) {
        if (prompt_)
            prompt_->Message(tr("Choose at least one column to print."), QString(),
                             PromptButtons::Ok, PromptIcon::None);
        columns.front()->setFocus();
        return;
    }
    if (v.range == PrintSetup::Pages && PrintSetup::PageNumber(v.firstPage) == 0) {
        if (prompt_)
            prompt_->Message(tr("No starting page specified"), QString(), PromptButtons::Ok,
                             PromptIcon::None);
        firstPage->setFocus();
        return;
    }
    QDialog::accept();
}
