#pragma once
// Grids bound to declared columns. A column says once what it shows and how: its header, its
// cell kind and list items, how to read its value from the image for a grid row and how to
// write a changed value back. A BoundGrid shapes its grid from the columns, fills it from the
// image, and stores back only the cells the user changed whose value differs from what the
// image holds, so data nobody touched is never rewritten, whatever it holds.
//
//     using records::SkipEntry;
//     const ColumnsOf<SkipEntry> skip([this](int row) { return SkipEntry(Ri(), row - 1); });
//     grid_ = new BoundGrid(*sheet, radio, {
//         skip.Frequency(tr("Skip\nFrequency"),
//                        [](const SkipEntry& e) { return e.InUse() ? e.FrequencyHz() : 0; },
//                        [](SkipEntry& e, int hz) { e.SetFrequencyHz(hz); e.SetInUse(hz); }),
//         skip.List(tr("Receive\nMode"), ModeNames(), ...),
//     }, 100);
//     grid_->Load();          // OnSetActive
//     if (!grid_->Store())    // OnKillActive: false when a typed frequency was refused
//         return false;
//
// Frequency columns are checked by the one frequency-cell rule (FrequencyCellChecker) unless
// declared otherwise; the values are Hz, 0 for none. List values are item indexes, -1 for
// none; check values 1 or 0; text values the cell's text.

#include "pages/FrequencyCell.h"
#include "pages/SpreadSheet.h"
#include "radio/Records.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class CVR500Radio;

// A cell's value as a column reads and writes it: a number (Hz, item index, 1/0) or a text.
struct CellValue {
    int number = 0;
    QString text;
    bool operator==(const CellValue&) const = default;
};

struct GridColumn {
    QString header;
    CellKind kind = CellKind::Text;
    QStringList items;                      // list cells
    int maxLength = 0;                      // text cells, 0: no limit
    std::function<bool(QChar)> accepts;     // text cells, empty: any character
    bool frequencyRule = true;              // frequency cells: checked by the one rule
    bool showZero = false;                  // frequency cells: 0 shows "0.00000", not empty
    std::function<QString(int hz)> format;  // frequency cells, empty: FrequencyText
    std::function<CellValue(int row)> read; // what the image holds for row
    std::function<void(int row, const CellValue&)> write; // empty: shown only
};

// Columns over a typed view of one record per grid row (rows count from 1).
template <class View> class ColumnsOf {
public:
    explicit ColumnsOf(std::function<View(int row)> at) : at_(std::move(at)) {}

    GridColumn Frequency(const QString& header, std::function<int(const View&)> get,
                         std::function<void(View&, int hz)> set) const {
        return Make(header, CellKind::Frequency, get, set);
    }
    GridColumn List(const QString& header, const QStringList& items,
                    std::function<int(const View&)> get,
                    std::function<void(View&, int index)> set) const {
        GridColumn column = Make(header, CellKind::List, get, set);
        column.items = items;
        return column;
    }
    GridColumn Check(const QString& header, std::function<bool(const View&)> get,
                     std::function<void(View&, bool)> set) const {
        std::function<void(View&, int)> write;
        if (set)
            write = [set](View& v, int on) { set(v, on != 0); };
        return Make(
            header, CellKind::Check, [get](const View& v) { return get(v) ? 1 : 0; }, write);
    }
    GridColumn Text(const QString& header, int maxLength, std::function<bool(QChar)> accepts,
                    std::function<QString(const View&)> get,
                    std::function<void(View&, const QString&)> set) const {
        GridColumn column;
        column.header = header;
        column.maxLength = maxLength;
        column.accepts = std::move(accepts);
        column.read = [at = at_, get](int row) { return CellValue{0, get(at(row))}; };
        if (set)
            column.write = [at = at_, set](int row, const CellValue& value) {
                View view = at(row);
                set(view, value.text);
            };
        return column;
    }

private:
    GridColumn Make(const QString& header, CellKind kind, std::function<int(const View&)> get,
                    std::function<void(View&, int)> set) const {
        GridColumn column;
        column.header = header;
        column.kind = kind;
        column.read = [at = at_, get](int row) { return CellValue{get(at(row)), {}}; };
        if (set)
            column.write = [at = at_, set](int row, const CellValue& value) {
                View view = at(row);
                set(view, value.number);
            };
        return column;
    }

    std::function<View(int row)> at_;
};

class BoundGrid : public QObject {
    Q_OBJECT
public:
    // Shapes grid for the columns (1, 2, ... in order) and rows; rule applies to the
    // frequency columns checked by the one rule.
    BoundGrid(CSpreadSheet& grid, CVR500Radio& radio, std::vector<GridColumn> columns, int rows,
              const FrequencyCellRule& rule = {}, QObject* parent = nullptr);

    // Rows for which shown(row) is false show empty cells (a channel not in use); their values
    // count as empty when a changed cell is compared with the image.
    void SetRowShown(std::function<bool(int row)> shown) { rowShown_ = std::move(shown); }

    // Every cell from the image; afterwards no cell counts as changed.
    void Load();
    // Checks a frequency typed but never left through its cell, then writes back every cell
    // the user changed whose value differs from the image's. False, storing nothing, when the
    // typed frequency was refused (the user has been told).
    bool Store();

    CSpreadSheet& Grid() const { return grid_; }
    const GridColumn& Column(int column) const { return columns_[column - 1]; }
    int Rows() const { return rows_; }
    // The value the cell shows, as its column writes it.
    CellValue CellAt(int column, int row) const;
    void ShowCell(int column, int row, const CellValue& value);
    FrequencyCellChecker* Checker() const { return checker_; }

private:
    void Shape();
    bool StoreCell(int column, int row);
    // What the image holds for the cell, as the grid shows it.
    CellValue ImageValue(int column, int row) const;

    CSpreadSheet& grid_;
    std::vector<GridColumn> columns_;
    int rows_;
    FrequencyCellChecker* checker_ = nullptr;
    std::function<bool(int row)> rowShown_;
};

// Columns that several pages show alike for the entries of a ten-entry group (presets, search
// limits, dual watch sides): the frequency, 0 shown as "0.00000", and the mode byte, which an
// emptied cell sets to 0 (no mode).
GridColumn GroupFrequencyColumn(const ColumnsOf<records::GroupEntry>& entry, const QString& header);
GridColumn GroupModeColumn(const ColumnsOf<records::GroupEntry>& entry, const QString& header);
