#pragma once
// CSpreadSheet: the grid every page's table is made of.
//
// A page gives the grid its shape once, then talks to it through the current range and cell
// operations, and listens to its signals:
//
//     grid->SetShape(4, 1000);                        // columns 1..4, rows 1..1000
//     grid->SetColumnKind(1, CellKind::Frequency);    // number cells, 0.1 .. 1300 MHz
//     grid->SetColumnKind(2, CellKind::List);
//     grid->SetCurrentColumn(2); grid->SetLastColumn(2);
//     grid->SetListItems("NFM\tWFM\tAM");             // items of every row of column 2
//     grid->WriteCell(1, 0, "Receive\nFrequency");    // row 0 holds the column headers
//     grid->WriteCellFrequency(1, 5, 145'000'000);    // "145.00000"
//     grid->SetCurrentColumn(2); grid->SetCurrentRow(5);
//     grid->SetListIndex(0);                          // "NFM"
//     connect(grid, &CSpreadSheet::LeavingCell, this, &Page::OnLeavingCell);
//
// Cells are addressed by column and row from 1; row 0 is the header row and column 0 the row
// numbers. Puts (list index, cell text, font face) go to the current cell, or to the whole
// current range while range mode is on. SetOperation runs one of the Operation codes on the
// current range. Signals with reference arguments must be connected directly (the default
// for objects of one thread): the handler sets them before the grid reads them back.
//
// What users can do with it: type into cells (any key or F2 starts editing), pick from
// drop-down cells, toggle check cells with Space or a click, select rows with the row
// headers, drag selected rows (Ctrl copies), copy, cut and paste with the standard keys, open
// the cell's menu with Shift+F10 or the Menu key. The grid also reads whole rows from and writes
// them to the clipboard in a format of its own plus tab-separated text.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPrinter;
class QMimeData;
class SheetModel;
class SheetDelegate;

enum class CellKind {
    Text,      // free text, optionally limited by a character filter and a length
    Frequency, // frequency text "%ld.%5.5ld"; pasted or dropped text outside 0.1..1300 MHz is
               // emptied
    List,      // drop-down list: holds an item index, -1 for none
    Check      // check box: "1" checked, "0" (or empty) not
};

// The rows a paste of mime brings, a line each (the grid's own rows carry their text too); 0
// when it holds no text.
int RowsToPaste(const QMimeData* mime);

class CSpreadSheet : public QTableView {
    Q_OBJECT
public:
    // Operation codes for SetOperation.
    enum Operation {
        OpActivate = 0,        // make (current column, current row) the active cell
        OpSelect = 2,          // select the current range
        OpClear = 3,           // clear the range
        OpClearText = 12,      // clear the text of the range
        OpPrint = 13,          // print (see Print)
        OpCopyTo = 19,         // copy the range to the target cell
        OpMoveTo = 20,         // move the range to the target cell, emptying the source
        OpSwap = 21,           // swap the range with the same-sized range at the target cell
        OpClipboardCopy = 22,  // copy the range to the clipboard
        OpClipboardCut = 23,   // cut it
        OpClipboardPaste = 24, // paste the clipboard at the range's first cell
        OpSort = 25            // sort the range's rows by the sort keys
    };
    enum SortOrder { Ascending = 1, Descending = 2 };
    enum PrintRange { PrintWholeSheet = 0, PrintCurrentRange = 1, PrintPageRange = 3 };
    // The clipboard format of whole rows.
    static constexpr char kRowsMimeType[] = "application/x-corvinel-grid-rows";

    explicit CSpreadSheet(QWidget* parent = nullptr);
    ~CSpreadSheet() override;

    // ---- Shape (what the dialog template held) ----
    void SetShape(int columns, int rows);
    int ColumnCount() const;
    int RowCount() const;
    // The row headers count from number (1 unless set), as the list's entries are numbered
    // elsewhere; cells are still addressed from row 1.
    void SetFirstRowNumber(int number);
    void SetColumnKind(int column, CellKind kind);
    CellKind ColumnKind(int column) const;
    // Text cells: the longest text and the characters a cell accepts (typed, pasted, dropped).
    void SetColumnMaxLength(int column, int length);
    void SetColumnCharFilter(int column, std::function<bool(QChar)> accepts);
    // A locked cell cannot be edited or cleared by the user and is shaded; the program still
    // writes it. Locks belong to the cell's place and stay there when rows are sorted.
    void SetCellLocked(int column, int row, bool locked);
    bool IsCellLocked(int column, int row) const;

    // ---- The current range and range mode ----
    void SetCurrentColumn(int column);
    void SetCurrentRow(int row);
    void SetLastColumn(int column);
    void SetLastRow(int row);
    int GetCurrentColumn() const { return curCol_; }
    int GetCurrentRow() const { return curRow_; }
    int GetLastColumn() const { return lastCol_; }
    int GetLastRow() const { return lastRow_; }
    void SetRangeMode(bool on) { rangeMode_ = on; }
    bool GetRangeMode() const { return rangeMode_; }
    void SetTargetColumn(int column) { targetCol_ = column; }
    void SetTargetRow(int row) { targetRow_ = row; }
    void SetOperation(int operation);

    // The user's selection; -1 when nothing is selected.
    int GetSelectionFirstRow() const;
    int GetSelectionLastRow() const;

    // ---- Sorting (operation 25) ----
    void SetSortOrientation(int orientation) { sortOrientation_ = orientation; }
    // key from 1; column 0 removes the key.
    void SetSortKeyColumn(int key, int column);
    void SetSortKeyOrder(int key, int order);

    // ---- Cell values ----
    int GetListIndex() const;
    void SetListIndex(int index);
    void SetListItems(const QString& tabSeparated);
    QStringList ListItems(int column) const;
    void SetFontFace(const QString& face);
    QString GetCellText() const;
    void SetCellText(const QString& text);
    // The cell's text: list cells give their item's text, check cells "1" or "0" (or empty).
    // False outside the grid.
    bool ReadCell(int column, int row, QString& value) const;
    // Row 0 writes a column header. List cells take an item's text.
    void WriteCell(int column, int row, const QString& value);
    void WriteCellFrequency(int column, int row, int hz);
    // Hz of the cell's text, 0 for empty or unreadable text. Makes the cell current.
    int ReadCellFrequency(int column, int row);
    void WriteCellString(int column, int row, const QString& text);

    // ---- Sizes (width units are pixels at the screen's logical resolution) ----
    double GetColumnWidth(int column) const;
    void SetColumnWidth(int column, double width);
    double GetRowHeight(int row) const;
    void SetRowHeight(int row, double height);
    float TwipsToColumnWidth(int twips) const;

    // ---- Cells changed since ResetChangedRows ----
    // ResetChangedRows takes every cell's value (text, or item index) as the one loaded; a
    // page calls it after filling the grid. A cell is changed while its value differs from
    // that one, whoever changed it (the user or any operation): a value changed and changed
    // back is not. Until the first reset every cell counts as loaded empty. Lets a page store
    // only what was edited.
    void ResetChangedRows();
    bool IsCellChanged(int column, int row) const; // false outside the grid
    bool IsRowChanged(int row) const;              // any cell of the row changed

    // ---- Printing (operation 13) ----
    void SetPrintJobName(const QString& name) { print_.jobName = name; }
    void SetPrintBorder(bool on) { print_.border = on; }
    void SetPrintColumnHeaders(bool on) { print_.columnHeaders = on; }
    void SetPrintGridLines(bool on) { print_.gridLines = on; }
    void SetPrintRowHeaders(bool on) { print_.rowHeaders = on; }
    void SetPrintUsedAreaOnly(bool on) { print_.usedAreaOnly = on; }
    void SetPrintRangeKind(int kind) { print_.rangeKind = kind; }
    void SetPrintFirstPage(int page) { print_.firstPage = page; }
    void SetPrintLastPage(int page) { print_.lastPage = page; }
    void SetPrintMarginBottom(int twips) { print_.marginBottom = twips; }
    void SetPrintMarginLeft(int twips) { print_.marginLeft = twips; }
    void SetPrintMarginRight(int twips) { print_.marginRight = twips; }
    void SetPrintMarginTop(int twips) { print_.marginTop = twips; }
    void SetPrintTitle(const QString& title) { print_.title = title; }
    void SetPrintEmptyRows(bool on) { print_.emptyRows = on; }
    void SetPrintColumns(const QList<int>& columns) { print_.columns = columns; }
    struct PrintSettings {
        QString jobName;
        bool border = true, columnHeaders = true, gridLines = true, rowHeaders = true;
        bool usedAreaOnly = false;
        int rangeKind = PrintWholeSheet;
        int firstPage = 0, lastPage = 0;
        int marginLeft = 1440, marginRight = 1440, marginTop = 1440, marginBottom = 1440;
        QString title;         // above the table on every page, beside the date; none: no line
        bool emptyRows = true; // false: rows without any text are left out
        QList<int> columns;    // the columns printed; empty: every column of the range
    };
    const PrintSettings& GetPrintSettings() const { return print_; }
    // The printer operation 13 prints to; without one it uses the system's default printer.
    void SetPrinter(QPrinter* printer) { printer_ = printer; }
    // Lays the cells out in pages on printer by the print settings, each page numbered
    // "Page X of Y". Returns the number of pages printed, or -1 when the printer failed (error
    // holds why).
    int Print(QPrinter& printer, QString* error = nullptr);
    // Result of the last operation 13 (see Print).
    int LastPrintResult() const { return lastPrintResult_; }
    QString LastPrintError() const { return lastPrintError_; }

    // ---- For the clipboard and drag and drop ----
    // The range's cells in the grid's own format plus tab-separated text.
    QMimeData* MimeForRange(int col1, int row1, int col2, int row2) const;
    // What the last paste or drop from outside the grid left out: rows refused whole (a
    // frequency cell that holds no frequency), characters a text cell does not take, and
    // how many rows went past the grid's last row.
    struct PasteReport {
        struct Row {
            int row;
            QString reason;
        };
        std::vector<Row> rows;
        int rowsPastEnd = 0;
        bool Empty() const { return rows.empty() && rowsPastEnd == 0; }
    };
    const PasteReport& LastPaste() const { return lastPaste_; }
    // Pastes mime's rows from column col, the first into rows[0], the next into rows[1], ...;
    // rows beyond the list are left out without a report (the caller has said so).
    void PasteIntoRows(const QMimeData* mime, int col, std::vector<int> rows);

signals:
    // The user changed a cell (typing, list choice, check box).
    void CellChanged(int column, int row);
    // The user clicked a cell.
    void CellTouched(int column, int row);
    // Rows were dropped; the handler may set action (0 move, 1 copy), dataOnly and cancel.
    // Without cancel the grid moves or copies the block itself.
    void BlockDropped(int column, int row, int lastColumn, int lastRow, int dropColumn, int dropRow,
                      int dropLastColumn, int dropLastRow, bool overwrite, short& action,
                      bool& dataOnly, bool& cancel);
    // mode non-zero: editing starts; 0: editing ends, changed says whether the text changed.
    void EditModeChanged(int column, int row, short mode, bool changed);
    // The cursor is about to leave (column, row); set cancel to keep it there.
    void LeavingCell(int column, int row, int newColumn, int newRow, bool& cancel);
    // kind 0: single click; x and y in twips from the top left corner of the cell area
    // (the viewport). Also raised by the context-menu key, at the current cell.
    void RightClicked(short kind, int column, int row, int x, int y);
    // Windows-style key codes (letters are their capitals); shift bit 1 Shift, 2 Ctrl, 4 Alt.
    void KeyReleased(short& key, short shift);
    // A paste, or a drop from outside the grid, has changed cells; LastPaste says what it
    // left out.
    void Pasted(bool dropped);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class SheetDelegate;
    struct Rect {
        int c1, r1, c2, r2; // inclusive, grid coordinates
        bool Empty() const { return c2 < c1 || r2 < r1; }
    };
    Rect Range() const;
    Rect PutRange() const; // the range when range mode is on, else the current cell

    // Keys, mouse and cursor (SheetInput.cpp)
    bool ConfirmLeave(const QModelIndex& to);
    void CommitOpenEditor();
    void MoveGuarded(CursorAction action);
    bool MoveIfAllowed(const QModelIndex& to, QEvent* event, const std::function<void()>& handle);
    void MoveByKey(QKeyEvent* event, CursorAction action);
    static std::optional<CursorAction> CursorKeyAction(int key);
    static std::optional<Operation> ClipboardKeyOperation(const QKeyEvent* event);
    static bool IsMenuKey(const QKeyEvent* event);
    Rect SelectedRect() const;
    void RunClipboardKey(Operation operation);
    void ClearSelectedCells();

    // Operations (SheetOperations.cpp)
    void Activate(int column, int row);
    void ClearCells(const Rect& r);
    void CopyCells(const Rect& from, int toCol, int toRow, bool move);
    void SwapCells(const Rect& from, int toCol, int toRow);
    std::pair<int, int>* SortKeySlot(int key);
    void SortRows(const Rect& r);
    void PutRowsInOrder(const Rect& r, const std::vector<int>& order);

    // Clipboard and drag and drop (SheetClipboard.cpp)
    void CopyToClipboard(const Rect& r) const;
    void PasteFromMime(const QMimeData* mime, int col, int row, bool dropped = false);
    bool PasteOwnRows(const QByteArray& bytes, int col, int row);
    void PasteCell(int column, int row, CellKind kind, int list, const QString& shown);
    void PasteText(const QString& text, int col, int row);
    // Why the row of pasted texts, from column col, is refused whole; empty when it is not.
    QString RefusedRow(const QStringList& texts, int col) const;
    // CleanPasted, telling the report what a text cell left out.
    QString CleanPastedNoting(int column, int row, const QString& text);
    bool DropOwnBlock(const QByteArray& bytes, int dropCol, int dropRow, bool copy);
    QString CleanPasted(int column, const QString& text) const;
    // Where the i-th pasted row goes when the paste starts at row: the next row down, or the
    // i-th row PasteIntoRows names (0 past its list).
    int PasteTarget(int row, int i) const;

    // Printing (SheetPrint.cpp)
    void RunPrint();
    Rect PrintedCells() const;
    std::pair<int, int> PrintedPages(int pageCount) const;

    SheetModel* model_;
    SheetDelegate* delegate_;
    int curCol_ = 1, curRow_ = 1, lastCol_ = 1, lastRow_ = 1;
    int targetCol_ = 1, targetRow_ = 1;
    bool rangeMode_ = false;
    int sortOrientation_ = 0;
    std::vector<std::pair<int, int>> sortKeys_; // (column, order) per key number - 1
    PrintSettings print_;
    QPrinter* printer_ = nullptr;
    int lastPrintResult_ = 0;
    QString lastPrintError_;
    PasteReport lastPaste_;
    std::vector<int> pasteRows_;              // the rows PasteIntoRows fills, while it runs
    bool passGate_ = false;                   // a move already cleared by ConfirmLeave
    bool quietMove_ = false;                  // moves made by the program raise no LeavingCell
    bool reverting_ = false;                  // putting the cursor back after a refused move
    std::optional<CursorAction> pendingMove_; // Enter or Tab ended the editing
    int pressedKey_ = 0;                      // the last key whose press reached the grid
    bool keyboardMenuShown_ = false;          // a keyboard context menu event came first
    QPointer<QWidget> editor_;
    QModelIndex editIndex_;
    QString editStartText_;
    QPoint dragStart_;
};
