#pragma once
// Small conveniences over CSpreadSheet's current-cell interface for the pages whose grids are
// short fixed tables: one drop-down cell at a time, a column's list items, two-line headers.

#include "radio/Codecs.h"

#include <QString>
#include <QStringList>

class CSpreadSheet;

// The item index of the drop-down cell, -1 when it shows none.
int ListIndexAt(CSpreadSheet& grid, int column, int row);
// Shows item index in the drop-down cell; an index outside the list shows none.
void SetListIndexAt(CSpreadSheet& grid, int column, int row, int index);
// The items of every drop-down cell of the column.
void SetColumnList(CSpreadSheet& grid, int column, const QStringList& items);
// Writes the column headers into row 0 (first header in column 1) and makes the header row
// tall enough for their two lines.
void SetColumnHeaders(CSpreadSheet& grid, const QStringList& headers);
// Makes the grid exactly as wide as its columns (and its vertical scroll bar, if it has one).
void FitWidthToColumns(CSpreadSheet& grid);
// Makes the grid at least tall enough to show rows data rows below the headers, all it has:
// it needs no vertical scroll bar. Call before FitWidthToColumns.
void ShowRows(CSpreadSheet& grid, int rows);
