#include "pages/BoundGrid.h"

#include "pages/GridCells.h"

BoundGrid::BoundGrid(CSpreadSheet& grid, CVR500Radio& radio, std::vector<GridColumn> columns,
                     int rows, const FrequencyCellRule& rule, QObject* parent)
    : QObject(parent), grid_(grid), columns_(std::move(columns)), rows_(rows) {
    Shape();
    QList<int> checked;
    for (int c = 1; c <= static_cast<int>(columns_.size()); ++c)
        if (Column(c).kind == CellKind::Frequency && Column(c).frequencyRule)
            checked << c;
    if (!checked.isEmpty())
        checker_ = new FrequencyCellChecker(grid_, radio, checked, rule, this);
}

void BoundGrid::Shape() {
    grid_.SetShape(static_cast<int>(columns_.size()), rows_);
    QStringList headers;
    for (int c = 1; c <= static_cast<int>(columns_.size()); ++c) {
        const GridColumn& column = Column(c);
        grid_.SetColumnKind(c, column.kind);
        if (column.kind == CellKind::List)
            SetColumnList(grid_, c, column.items);
        if (column.maxLength > 0)
            grid_.SetColumnMaxLength(c, column.maxLength);
        if (column.accepts)
            grid_.SetColumnCharFilter(c, column.accepts);
        // A column that only shows its value is not the user's to edit.
        for (int row = 1; row <= rows_ && !column.write; ++row)
            grid_.SetCellLocked(c, row, true);
        headers << column.header;
    }
    SetColumnHeaders(grid_, headers);
}

CellValue BoundGrid::CellAt(int column, int row) const {
    QString text;
    grid_.ReadCell(column, row, text);
    switch (Column(column).kind) {
    case CellKind::Frequency:
        return {ParseFrequency(text), {}};
    case CellKind::List:
        return {static_cast<int>(Column(column).items.indexOf(text)), {}};
    case CellKind::Check:
        return {text == QLatin1String("1") ? 1 : 0, {}};
    case CellKind::Text:
        break;
    }
    return {0, text};
}

void BoundGrid::ShowCell(int column, int row, const CellValue& value) {
    const GridColumn& c = Column(column);
    switch (c.kind) {
    case CellKind::Frequency:
        if (value.number == 0 && !c.showZero)
            grid_.WriteCell(column, row, QString());
        else
            grid_.WriteCell(column, row,
                            c.format ? c.format(value.number) : FrequencyText(value.number));
        break;
    case CellKind::List:
        SetListIndexAt(grid_, column, row, value.number);
        break;
    case CellKind::Check:
        grid_.WriteCell(column, row, value.number ? QStringLiteral("1") : QStringLiteral("0"));
        break;
    case CellKind::Text:
        grid_.WriteCell(column, row, value.text);
        break;
    }
}

CellValue BoundGrid::ImageValue(int column, int row) const {
    const GridColumn& c = Column(column);
    if (!c.read || (rowShown_ && !rowShown_(row)))
        return {c.kind == CellKind::List ? -1 : 0, {}};
    return c.read(row);
}

void BoundGrid::Load() {
    for (int row = 1; row <= rows_; ++row) {
        const bool shown = !rowShown_ || rowShown_(row);
        for (int c = 1; c <= static_cast<int>(columns_.size()); ++c) {
            if (shown)
                ShowCell(c, row, ImageValue(c, row));
            else
                grid_.WriteCell(c, row, QString());
        }
    }
    grid_.ResetChangedRows();
}

bool BoundGrid::Store() {
    if (checker_ && !checker_->CheckPending())
        return false;
    for (int row = 1; row <= rows_; ++row)
        for (int c = 1; c <= static_cast<int>(columns_.size()) && StoreCell(c, row); ++c) {
        }
    // What is in the image now is what the grid shows.
    grid_.ResetChangedRows();
    return true;
}

// False when the row's frequency cannot be stored: text that never passed the cell's check
// (typed and left by a way that skips it) would come back as another frequency, so the whole
// row keeps its bytes.
bool BoundGrid::StoreCell(int column, int row) {
    const GridColumn& c = Column(column);
    if (!c.write || !grid_.IsCellChanged(column, row))
        return true;
    const CellValue value = CellAt(column, row);
    if (c.kind == CellKind::Frequency && !FitsFreq8(value.number))
        return false;
    if (value != ImageValue(column, row))
        c.write(row, value);
    return true;
}

using records::GroupEntry;

GridColumn GroupFrequencyColumn(const ColumnsOf<GroupEntry>& entry, const QString& header) {
    GridColumn column = entry.Frequency(
        header, [](const GroupEntry& e) { return e.FrequencyHz(); },
        [](GroupEntry& e, int hz) { e.SetFrequencyHz(hz); });
    column.showZero = true;
    return column;
}

GridColumn GroupModeColumn(const ColumnsOf<GroupEntry>& entry, const QString& header) {
    return entry.List(
        header, ModeNames(), [](const GroupEntry& e) { return e.ModeByte() - 1; },
        [](GroupEntry& e, int mode) { e.SetModeByte(static_cast<Byte>(mode + 1)); });
}
