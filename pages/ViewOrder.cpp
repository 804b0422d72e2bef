#include "pages/ViewOrder.h"

#include <QAbstractItemModel>
#include <QCollator>
#include <QHeaderView>
#include <algorithm>
#include <optional>

namespace {

// What a cell is compared by: a number when its text is one, else its text.
struct Key {
    bool empty = true;
    std::optional<double> number;
    QString text;
};

Key KeyOf(const QAbstractItemModel& model, int row, int column) {
    const QModelIndex index = model.index(row, column);
    Key key;
    const QVariant check = model.data(index, Qt::CheckStateRole);
    if (check.isValid()) {
        key.empty = false;
        key.number = check.toInt() == Qt::Checked ? 0.0 : 1.0;
        return key;
    }
    key.text = model.data(index, Qt::DisplayRole).toString().trimmed();
    key.empty = key.text.isEmpty();
    bool ok = false;
    const double value = key.text.toDouble(&ok);
    if (ok)
        key.number = value;
    return key;
}

} // namespace

std::vector<int> RowsOrderedBy(const QAbstractItemModel& model, int column, Qt::SortOrder order) {
    const int rows = model.rowCount();
    std::vector<Key> keys;
    keys.reserve(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row)
        keys.push_back(KeyOf(model, row, column));
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    // -1, 0, 1 in ascending order; empty cells are handled before this is asked.
    const auto compare = [&collator](const Key& a, const Key& b) {
        if (a.number && b.number)
            return *a.number < *b.number ? -1 : (*b.number < *a.number ? 1 : 0);
        if (a.number != std::nullopt || b.number != std::nullopt)
            return a.number ? -1 : 1; // numbers before words
        return collator.compare(a.text, b.text);
    };
    std::vector<int> result(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row)
        result[static_cast<size_t>(row)] = row;
    std::stable_sort(result.begin(), result.end(), [&](int a, int b) {
        const Key& ka = keys[static_cast<size_t>(a)];
        const Key& kb = keys[static_cast<size_t>(b)];
        if (ka.empty || kb.empty)
            return !ka.empty && kb.empty;
        const int c = compare(ka, kb);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    return result;
}

void ShowRowsInOrder(QHeaderView& rows, const std::vector<int>& order) {
    const int count = rows.count();
    for (int visual = 0; visual < count; ++visual) {
        const int logical = order.empty() ? visual : order[static_cast<size_t>(visual)];
        const int from = rows.visualIndex(logical);
        if (from != visual)
            rows.moveSection(from, visual);
    }
}
