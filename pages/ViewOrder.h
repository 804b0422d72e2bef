#pragma once
// The order a grid's rows are shown in, apart from the order they are stored in. Sorting the
// channel list by a column header only reorders what is shown: every row keeps its channel
// number, and every command still works on the channel it names.

#include <QString>
#include <Qt>
#include <vector>

class QAbstractItemModel;
class QHeaderView;

// The rows (0-based) of column ordered by its cells: frequencies by value, other text in the
// reading order of the user's language, a check before an empty box. Empty cells come last
// in either direction; equal cells keep their row order.
std::vector<int> RowsOrderedBy(const QAbstractItemModel& model, int column, Qt::SortOrder order);

// Shows the rows in that order (row numbers move with their rows); an empty order puts every
// row back in its own place.
void ShowRowsInOrder(QHeaderView& rows, const std::vector<int>& order);
