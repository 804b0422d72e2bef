#pragma once
// The Sort dialog of the memory list and the sort choices it keeps between uses.

#include <QDialog>

class QComboBox;
class QRadioButton;

// One record for the whole program; the Memory View page resets it when it is set up.
struct SortSettings {
    enum Scope { SelectedChannels = 0, CurrentBank = 1, AllByBanks = 2, AllAsOneBank = 3 };
    int firstKeyColumn = 1;  // 1..4
    int secondKeyColumn = 0; // 0 = none, 1..4
    int order = 1;           // 1 ascending, 2 descending
    int scope = SelectedChannels;
};
SortSettings& SharedSortSettings();

class CSortDlg : public QDialog {
    Q_OBJECT
public:
    // Shows settings; OK stores the choices into it, Cancel leaves it alone.
    explicit CSortDlg(SortSettings& settings, QWidget* parent = nullptr);
    void accept() override;

    QComboBox* sortBy;
    QComboBox* thenSortBy;
    QRadioButton* ascending;
    QRadioButton* descending;
    QRadioButton* scope[4];

private:
    SortSettings& settings_;
};
