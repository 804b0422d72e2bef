#pragma once
// The frequency library: the lists that come with the program and the user's own folder of
// lists, by category, with a search. Rows chosen from a list go through the import dialog, so
// they land with the same placements as a file.

#include "radio/Csv.h"
#include "radio/Library.h"

#include <QDialog>

class CVR500Radio;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;

class CLibraryDialog : public QDialog {
    Q_OBJECT
public:
    // The rows are judged against radio's EditImage, which the dialog does not change.
    explicit CLibraryDialog(CVR500Radio& radio, QWidget* parent = nullptr);

    // After Accepted: the rows to write and whether the refused ones are left out.
    const csv::Plan& ChosenPlan() const { return plan_; }
    bool SkipRefused() const { return skipRefused_; }

    QLineEdit* SearchBox() const { return search_; }
    QLineEdit* FolderBox() const { return folder_; }
    QTreeWidget* ListTree() const { return tree_; }
    QTableWidget* RowTable() const { return rows_; }
    QPushButton* ImportButton() const { return import_; }

private:
    void Reload();
    void ShowLists();
    void ShowRows();
    // The selected rows (all when none is selected) as a list in our own columns.
    QByteArray ChosenRows() const;
    void ImportRows();

    CVR500Radio& radio_;
    std::vector<library::List> lists_;
    csv::Plan shown_; // the rows of the list on view
    csv::Plan plan_;
    bool skipRefused_ = false;

    QLineEdit* search_;
    QLineEdit* folder_;
    QTreeWidget* tree_;
    QTableWidget* rows_;
    QPushButton* import_;
};
