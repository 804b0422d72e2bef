#include "pages/SortDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

SortSettings& SharedSortSettings() {
    static SortSettings settings;
    return settings;
}

CSortDlg::CSortDlg(SortSettings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setWindowTitle(tr("Sort"));
    const QStringList columns{tr("Receive Frequency"), tr("Receive Mode"), tr("Channel Name"),
                              tr("Preferential Scan")};
    sortBy = new QComboBox(this);
    sortBy->addItems(columns);
    thenSortBy = new QComboBox(this);
    thenSortBy->addItem(tr("No sort"));
    thenSortBy->addItems(columns);
    sortBy->setAccessibleName(tr("Sort By"));
    thenSortBy->setAccessibleName(tr("Then Sort By"));
    auto* keys = new QFormLayout;
    keys->addRow(tr("Sort &By"), sortBy);
    keys->addRow(tr("&Then Sort By"), thenSortBy);

    auto* modeBox = new QGroupBox(tr("Sort Mode"), this);
    ascending = new QRadioButton(tr("&Ascending"), modeBox);
    descending = new QRadioButton(tr("D&escending"), modeBox);
    auto* modeLayout = new QVBoxLayout(modeBox);
    modeLayout->addWidget(ascending);
    modeLayout->addWidget(descending);

    auto* scopeBox = new QGroupBox(tr("Channel Sort Selection"), this);
    auto* scopeLayout = new QVBoxLayout(scopeBox);
    const char* scopeNames[4] = {QT_TR_NOOP("Se&lected channels"), QT_TR_NOOP("&Current bank only"),
                                 QT_TR_NOOP("All channels by ba&nks"),
                                 QT_TR_NOOP("All channels as &one bank")};
    for (int i = 0; i < 4; ++i) {
        scope[i] = new QRadioButton(tr(scopeNames[i]), scopeBox);
        scopeLayout->addWidget(scope[i]);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(keys);
    layout->addWidget(modeBox);
    layout->addWidget(scopeBox);
    layout->addWidget(buttons);

    sortBy->setCurrentIndex(settings_.firstKeyColumn - 1);
    thenSortBy->setCurrentIndex(settings_.secondKeyColumn);
    (settings_.order == 2 ? descending : ascending)->setChecked(true);
    if (settings_.scope >= 0 && settings_.scope < 4)
        scope[settings_.scope]->setChecked(true);
}

void CSortDlg::accept() {
    settings_.firstKeyColumn = sortBy->currentIndex() + 1;
    settings_.secondKeyColumn = thenSortBy->currentIndex();
    settings_.order = descending->isChecked() ? 2 : 1;
    for (int i = 0; i < 4; ++i)
        if (scope[i]->isChecked())
            settings_.scope = i;
    QDialog::accept();
}
