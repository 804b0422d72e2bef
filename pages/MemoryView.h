#pragma once
// CMemoryView: the "Memory View" page. Its grid shows the receiver's 1000 memory channels
// (ten banks of 100 rows: frequency, mode, name, preferential scan) beside the Mode Scan list,
// the Bank Scan switch and the ten bank link boxes.
//
// The main window
//   - calls FillGrid() after the data set was replaced (New, Open, a read from the receiver),
//   - calls OnKillActive() before the data set is saved, sent or replaced,
//   - routes its Edit commands to the public slots (OnSort, OnMoveUp, ...) and fills the
//     grid's right-click menu with them,
//   - prints with PrintMemoryList(view, parent).
// Messages go through the model's Prompt.

#include "pages/PropertyPage.h"
#include "radio/Radio.h"
#include "radio/Records.h"

#include <QString>
#include <optional>
#include <vector>

class BoundGrid;
class CFilterBar;
class CSpreadSheet;
struct GridColumn;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QMenu;
class QPrinter;
class QRadioButton;
class QVBoxLayout;
struct PrintSetup;
struct SortSettings;

class CMemoryView : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kRows = 1000;
    static constexpr int kBankRows = 100;

    explicit CMemoryView(CVR500Radio& radio, QWidget* parent = nullptr);

    // Copies the channels and the bank scan settings from EditImage into the page.
    void FillGrid();
    // Copies the page back into EditImage. Rows not changed since the last FillGrid keep
    // their bytes.
    bool OnKillActive() override;
    bool OnSetActive() override;

    CSpreadSheet* Grid() const { return grid_; }
    // The filter above the grid. Filtering and Hide Unused only hide rows: channels keep
    // their numbers and places, and every command works on the real channel numbers.
    CFilterBar* FilterBar() const { return filterBar_; }
    // While on, only channels in use pass the filter.
    void SetHideUnused(bool hide);
    bool HidesUnused() const { return hideUnused_; }
    // Hides the rows the filter leaves out, never the cursor's; call after the rows changed.
    void RefreshRows();
    QComboBox* ModeScanList() const { return modeScan_; }
    QRadioButton* BankScanOff() const { return bankScanOff_; }
    QRadioButton* BankScanOn() const { return bankScanOn_; }
    QCheckBox* BankLink(int bank) const { return bankLink_[bank]; }
    // The grid's right-click menu; empty until the main window puts its Edit commands in it.
    QMenu* EditMenu() const { return editMenu_; }
    // The side controls' changes are one kind of step.
    QString EditLabel() const override { return tr("Scan Setting"); }

    // Sorts by the given choices (the Sort command runs the dialog first).
    void SortBy(const SortSettings& settings);
    // Orders the view by a grid column (0-based), as a click on its header does: first
    // ascending, then descending, then back in channel order. Memory keeps its order.
    void SortView(int column);
    bool ViewSorted() const;

public slots:
    void OnSort();
    void OnMoveUp();
    void OnMoveDown();
    void OnInsert();
    void OnClear();
    void OnDelete();
    void OnCopy();
    void OnCut();
    void OnPaste();

private:
    void OnRightClicked(short kind, int column, int row, int x, int y);
    void OnBlockDropped(int column, int row, int lastColumn, int lastRow, int dropColumn,
                        int dropRow, int dropLastColumn, int dropLastRow, bool overwrite,
                        short& action, bool& dataOnly, bool& cancel);
    void RowRange(int first, int last);
    void MoveRows(int first, int last, int step, const QString& label);
    // Cut, Copy and Paste on the selected run of channels; nothing when the run would reach a
    // channel the filter hides.
    void ClipboardCommand(int operation, const QString& command);
    // False, after saying so, when a channel in use that the filter hides lies in first..last:
    // a command on the whole run would move or overwrite what the user cannot see.
    bool RunIsShown(int first, int last, const QString& command);
    // False, after saying so, when the view is sorted and first..last holds a channel shown
    // but not selected: in a sorted view such a run is scattered over the list.
    bool RunFitsView(int first, int last, const QString& command);
    void Refuse(const QString& text, const QString& command);
    void OnPasted(bool dropped);
    void SizeColumns();
    void BuildGrid();
    void AddCommandButtons(QVBoxLayout& buttons);
    void AddScanControls(QVBoxLayout& buttons);
    records::MemoryChannel Channel(int row) const;
    std::vector<GridColumn> ChannelColumns();
    bool Selection(int& first, int& last) const;
    // Rows 1..kRows the filter passes (index 0 unused).
    std::vector<bool> PassingRows();
    const Image* LastReadImage();
    void OnFilterChanged();

    void resizeEvent(QResizeEvent* event) override;

    CSpreadSheet* grid_;
    QComboBox* modeScan_;
    QRadioButton* bankScanOff_;
    QRadioButton* bankScanOn_;
    QButtonGroup* bankScanGroup_;
    QCheckBox* bankLink_[10];
    QMenu* editMenu_;
    BoundGrid* bound_;
    CFilterBar* filterBar_;
    bool hideUnused_ = false;
    // The view's order, kept here: a click flips the header's sort indicator before the page
    // hears of it, so the indicator only shows this.
    int viewSortColumn_ = -1;
    Qt::SortOrder viewSortOrder_ = Qt::AscendingOrder;
    // The newest backup of a read, loaded when first asked for after the data set changed.
    std::optional<Image> lastRead_;
    bool lastReadLoaded_ = false;
    int bankScan_ = -1; // no button until the first load
};

// The channel-name font "yaesu.fon" (face "Yaesu2"), looked for beside the program and in
// its data folders. Registering returns the face to use, or an empty string when the file
// is missing or brings no font; the main window unregisters it when it closes.
QString RegisterChannelFont();
void UnregisterChannelFont();
// Without that file: an installed face that draws half-width katakana, for the names, or an
// empty string when there is none.
QString KatakanaFace();

// The Print command: runs the Print Setup dialog, then the system's print dialog (or, with
// Preview, a print preview) and prints the memory list: its title and the date on top, the
// channels in use (all rows when asked), "Page X of Y" below. Returns true when pages were
// printed or the preview was shown.
bool PrintMemoryList(CMemoryView& view, QWidget* parent = nullptr);
// Prints with the given choices to the default printer; with no printer installed, offers
// to save the pages as a PDF file. printer, when given, is used instead (tests, previews).
// Failures are reported through the model's Prompt.
bool PrintMemoryListWith(CMemoryView& view, const PrintSetup& setup, QPrinter* printer = nullptr);
