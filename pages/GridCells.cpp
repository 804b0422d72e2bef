#include "pages/GridCells.h"

#include "pages/SpreadSheet.h"

#include <QHeaderView>
#include <QScrollBar>

int ListIndexAt(CSpreadSheet& grid, int column, int row) {
    grid.SetCurrentColumn(column);
    grid.SetCurrentRow(row);
    return grid.GetListIndex();
}

void SetListIndexAt(CSpreadSheet& grid, int column, int row, int index) {
    const bool rangeMode = grid.GetRangeMode();
    grid.SetRangeMode(false);
    grid.SetCurrentColumn(column);
    grid.SetCurrentRow(row);
    grid.SetListIndex(index);
    grid.SetRangeMode(rangeMode);
}

void SetColumnList(CSpreadSheet& grid, int column, const QStringList& items) {
    grid.SetCurrentColumn(column);
    grid.SetLastColumn(column);
    grid.SetListItems(items.join(QLatin1Char('\t')));
}

void SetColumnHeaders(CSpreadSheet& grid, const QStringList& headers) {
    grid.SetRowHeight(0, 2 * grid.GetRowHeight(1));
    for (int c = 0; c < headers.size(); ++c)
        grid.WriteCellString(c + 1, 0, headers[c]);
}

void FitWidthToColumns(CSpreadSheet& grid) {
    const int scrollBar = grid.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                              ? 0
                              : grid.verticalScrollBar()->sizeHint().width();
    grid.setFixedWidth(grid.verticalHeader()->sizeHint().width() +
                       grid.horizontalHeader()->length() + scrollBar + 2 * grid.frameWidth());
}

void ShowRows(CSpreadSheet& grid, int rows) {
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setMinimumHeight(static_cast<int>(grid.GetRowHeight(0) + rows * grid.GetRowHeight(1)) +
                          2 * grid.frameWidth());
}
