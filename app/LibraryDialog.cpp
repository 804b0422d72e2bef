#include "app/LibraryDialog.h"

#include "app/ImportDialog.h"
#include "radio/Codecs.h"
#include "radio/Radio.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

namespace {

constexpr int kPathRole = Qt::UserRole;

} // namespace

CLibraryDialog::CLibraryDialog(CVR500Radio& radio, QWidget* parent)
    : QDialog(parent), radio_(radio) {
    setWindowTitle(tr("Frequency Library"));

    search_ = new QLineEdit(this);
    search_->setPlaceholderText(tr("Name, category, frequency..."));
    folder_ = new QLineEdit(library::UserFolder(), this);
    folder_->setPlaceholderText(tr("A folder of CSV lists of your own"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Search:"), search_);
    form->addRow(tr("Your &lists:"), folder_);

    tree_ = new QTreeWidget(this);
    tree_->setHeaderLabels({tr("List"), tr("Source")});
    tree_->setAccessibleName(tr("Lists"));
    rows_ = new QTableWidget(this);
    rows_->setAccessibleName(tr("Rows of the list"));
    rows_->setColumnCount(4);
    rows_->setHorizontalHeaderLabels({tr("Name"), tr("Frequency"), tr("Mode"), tr("Note")});
    rows_->verticalHeader()->hide();
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->horizontalHeader()->setStretchLastSection(true);
    rows_->setWordWrap(false);
    auto* split = new QSplitter(this);
    split->addWidget(tree_);
    split->addWidget(rows_);
    split->setSizes({300, 500});

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    import_ = buttons->addButton(tr("&Import Rows..."), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(import_, &QPushButton::clicked, this, &CLibraryDialog::ImportRows);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(split, 1);
    layout->addWidget(
        new QLabel(tr("Select rows to import (none selected: the whole list)."), this));
    layout->addWidget(buttons);
    resize(800, 520);

    connect(search_, &QLineEdit::textChanged, this, &CLibraryDialog::ShowLists);
    connect(folder_, &QLineEdit::editingFinished, this, [this] {
        if (folder_->text() != library::UserFolder()) {
            library::SetUserFolder(folder_->text());
            Reload();
        }
    });
    connect(tree_, &QTreeWidget::currentItemChanged, this, &CLibraryDialog::ShowRows);
    Reload();
}

void CLibraryDialog::Reload() {
    lists_ = library::Lists(library::UserFolder());
    ShowLists();
}

void CLibraryDialog::ShowLists() {
    tree_->clear();
    std::map<QString, QTreeWidgetItem*> categories;
    for (const library::List& list : library::Search(lists_, search_->text())) {
        QTreeWidgetItem*& category = categories[list.category];
        if (category == nullptr) {
            category = new QTreeWidgetItem(tree_, {list.category});
            category->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(category, {list.title, list.source});
        item->setData(0, kPathRole, list.path);
        item->setToolTip(0, list.path);
    }
    tree_->resizeColumnToContents(0);
    ShowRows();
}

void CLibraryDialog::ShowRows() {
    shown_ = csv::Plan{};
    QTreeWidgetItem* item = tree_->currentItem();
    const QString path = item != nullptr ? item->data(0, kPathRole).toString() : QString();
    if (!path.isEmpty()) {
        QString failure;
        const QByteArray text = csv::ReadListFile(path, failure);
        // Every row, whatever number it carries: the placement is chosen on import.
        csv::Options all;
        all.placement = csv::Placement::At;
        shown_ = csv::PlanImport(radio_, text, all);
    }
    rows_->setRowCount(static_cast<int>(shown_.rows.size()));
    for (int i = 0; i < rows_->rowCount(); ++i) {
        const csv::PlannedRow& p = shown_.rows[i];
        const QString cells[] = {VisibleText(p.name), p.hz > 0 ? FrequencyText(p.hz) : QString(),
                                 ModeName(p.mode), p.refused.isEmpty() ? p.comment : p.refused};
        for (int c = 0; c < 4; ++c)
            rows_->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
    rows_->resizeColumnsToContents();
    import_->setEnabled(!shown_.rows.empty());
}

QByteArray CLibraryDialog::ChosenRows() const {
    std::set<int> chosen;
    for (const QModelIndex& index : rows_->selectionModel()->selectedRows())
        chosen.insert(index.row());
    QString text = QStringLiteral("Name,Frequency,Mode\r\n");
    for (int i = 0; i < static_cast<int>(shown_.rows.size()); ++i) {
        const csv::PlannedRow& p = shown_.rows[i];
        if (!chosen.empty() && chosen.count(i) == 0)
            continue;
        Byte bytes[layout::ri::kChannelNameSize];
        NameFromText(p.name, bytes);
        QString name = NameToFileText(bytes);
        name.replace(QLatin1Char('"'), QLatin1String("\"\""));
        text += QStringLiteral("\"%1\",%2,%3\r\n")
                    .arg(name, p.hz > 0 ? FrequencyText(p.hz) : QString(), ModeName(p.mode));
    }
    return text.toUtf8();
}

void CLibraryDialog::ImportRows() {
    QTreeWidgetItem* item = tree_->currentItem();
    csv::Options start;
    start.placement = csv::Placement::Append;
    CImportDialog dialog(radio_, ChosenRows(), item != nullptr ? item->text(0) : QString(), start,
                         this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    plan_ = dialog.CurrentPlan();
    skipRefused_ = dialog.CurrentOptions().skipRefused;
    accept();
}
