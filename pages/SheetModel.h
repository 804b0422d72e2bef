#pragma once
// The cells behind CSpreadSheet's view (private to the grid).

#include "pages/SpreadSheet.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

struct SheetCell {
    QString text;  // text, frequency and check cells
    int list = -1; // list cells
    bool operator==(const SheetCell&) const = default;
};

struct SheetColumn {
    CellKind kind = CellKind::Text;
    QString header;
    QStringList items;
    std::optional<QFont> font;
    int maxLength = 0;
    std::function<bool(QChar)> accepts;
};

// Values change through Put (the program) or setData (the user's editing, which also raises
// UserChanged). Repaints are gathered and sent once per pass of the event loop, so filling a
// thousand rows costs no more than the values themselves.
//
// Each cell also remembers its value at the last MarkLoaded; a cell is changed while its value
// differs from that one. Put keeps a flag per cell and a count per row up to date, so asking
// costs nothing however often a page asks, and notes which cells it changed, so MarkLoaded
// costs what was changed, not the size of the grid.
class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(QObject* parent) : QAbstractTableModel(parent) {}
    // A column header as written, line breaks kept; the display and accessible roles give it
    // as one line, which is what screen readers say.
    static constexpr int kHeaderLinesRole = Qt::UserRole + 1;

    int cols = 0, rows = 0;
    int firstRowNumber = 1;                          // the number the first row's header shows
    std::vector<SheetColumn> columns{SheetColumn{}}; // index 0 unused: columns count from 1

    void Reshape(int c, int r);
    bool HasColumn(int c) const { return c >= 1 && c <= cols; }
    bool Valid(int c, int r) const { return HasColumn(c) && r >= 1 && r <= rows; }
    const SheetCell& At(int c, int r) const { return cells_[Slot(c, r)]; }
    bool Locked(int c, int r) const { return Valid(c, r) && locked_[Slot(c, r)] != 0; }
    void SetLocked(int c, int r, bool on);
    CellKind Kind(int c) const { return HasColumn(c) ? columns[c].kind : CellKind::Text; }
    // The text a cell shows: list cells give their item's text.
    QString Text(int c, int r) const;
    // Text as a cell of column c holds it: list cells look the item up.
    SheetCell FromText(int c, const QString& text) const;
    // A list cell of column c showing item index; an index outside the list shows none.
    SheetCell ListCell(int c, int index) const;
    void Put(int c, int r, const SheetCell& value);
    // Repaints the cells of the rectangle at the next pass of the event loop.
    void Touch(int c1, int r1, int c2, int r2);
    void Flush();
    void SetHeader(int c, const QString& text);

    // Takes every cell's value as the one loaded.
    void MarkLoaded();
    bool CellChanged(int c, int r) const { return Valid(c, r) && changed_[Slot(c, r)] != 0; }
    bool RowChanged(int r) const { return r >= 1 && r <= rows && changedInRow_[r] != 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                         const QModelIndex&) const override;

signals:
    void UserChanged(int column, int row);

private:
    size_t Slot(int c, int r) const { return static_cast<size_t>(r - 1) * cols + c - 1; }
    QVariant ShownText(int c, int r) const;
    std::optional<SheetCell> Edited(int c, int r, const QVariant& value, int role) const;

    std::vector<SheetCell> cells_;
    std::vector<SheetCell> loaded_;
    std::vector<unsigned char> changed_; // per cell: differs from loaded_
    std::vector<int> changedInRow_;      // per row from 1: how many cells are changed
    std::vector<size_t> changedSlots_;   // cells that became changed since MarkLoaded
    std::vector<unsigned char> locked_;
    bool dirty_ = false;
    QPoint d1_, d2_;
};
