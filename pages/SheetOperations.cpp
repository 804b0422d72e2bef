#include "pages/SheetModel.h"
#include "pages/SpreadSheet.h"

#include "radio/Codecs.h"

#include <algorithm>
#include <numeric>

namespace {

struct SortKey {
    int column, order;
    CellKind kind;
};

// What a sort compares of a cell: text cells their text, the others a number.
struct SortValue {
    bool empty;
    qint64 number;
    QString text;
};

SortValue SortValueOf(CellKind kind, const SheetCell& cell) {
    switch (kind) {
    case CellKind::Frequency: {
        const int hz = ParseFrequency(cell.text);
        return {hz == 0, hz, {}};
    }
    case CellKind::List:
        return {cell.list < 0, cell.list, {}};
    case CellKind::Check:
        return {cell.text.isEmpty(), cell.text == QLatin1String("1"), {}};
    case CellKind::Text:
        break;
    }
    return {cell.text.trimmed().isEmpty(), 0, cell.text};
}

int Compare(const SortValue& x, const SortValue& y, CellKind kind) {
    if (kind != CellKind::Text)
        return x.number < y.number ? -1 : (x.number > y.number ? 1 : 0);
    const int cmp = x.text.compare(y.text, Qt::CaseInsensitive);
    return cmp != 0 ? cmp : x.text.compare(y.text);
}

// Whether row values a go before b. Empty cells go after the filled ones whatever the order,
// so sorted channels gather at the top of their range.
bool SortsBefore(const std::vector<SortValue>& a, const std::vector<SortValue>& b,
                 const std::vector<SortKey>& keys) {
    for (size_t k = 0; k < keys.size(); ++k) {
        if (a[k].empty != b[k].empty)
            return b[k].empty;
        if (a[k].empty)
            continue;
        const int cmp = Compare(a[k], b[k], keys[k].kind);
        if (cmp != 0)
            return keys[k].order == CSpreadSheet::Descending ? cmp > 0 : cmp < 0;
    }
    return false;
}

} // namespace

void CSpreadSheet::Activate(int column, int row) {
    if (!model_->Valid(column, row))
        return;
    const QModelIndex index = model_->index(row - 1, column - 1);
    quietMove_ = true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    quietMove_ = false;
    scrollTo(index);
}

void CSpreadSheet::ClearCells(const Rect& r) {
    for (int row = r.r1; row <= r.r2; ++row)
        for (int c = r.c1; c <= r.c2; ++c)
            model_->Put(c, row, SheetCell{});
}

void CSpreadSheet::CopyCells(const Rect& from, int toCol, int toRow, bool move) {
    if (from.Empty())
        return;
    std::vector<SheetCell> buffer;
    for (int row = from.r1; row <= from.r2; ++row)
        for (int c = from.c1; c <= from.c2; ++c)
            buffer.push_back(model_->At(c, row));
    const int dc = toCol - from.c1, dr = toRow - from.r1;
    const auto inTarget = [&](int c, int row) {
        return c >= from.c1 + dc && c <= from.c2 + dc && row >= from.r1 + dr &&
               row <= from.r2 + dr && model_->Valid(c, row);
    };
    if (move)
        for (int row = from.r1; row <= from.r2; ++row)
            for (int c = from.c1; c <= from.c2; ++c)
                if (!inTarget(c, row))
                    model_->Put(c, row, SheetCell{});
    size_t k = 0;
    for (int row = from.r1; row <= from.r2; ++row)
        for (int c = from.c1; c <= from.c2; ++c, ++k)
            if (model_->Valid(c + dc, row + dr) && model_->Kind(c + dc) == model_->Kind(c))
                model_->Put(c + dc, row + dr, buffer[k]);
}

void CSpreadSheet::SwapCells(const Rect& from, int toCol, int toRow) {
    const int dc = toCol - from.c1, dr = toRow - from.r1;
    if (from.Empty() || (dc == 0 && dr == 0) || !model_->Valid(from.c1 + dc, from.r1 + dr) ||
        !model_->Valid(from.c2 + dc, from.r2 + dr))
        return;
    // The block goes to the target; what it displaces fills the places it left, in reading
    // order. Apart this is a swap; overlapping (a block moved by one row) it is a rotation.
    const auto inSource = [&](int c, int row) {
        return c >= from.c1 && c <= from.c2 && row >= from.r1 && row <= from.r2;
    };
    const auto inTarget = [&](int c, int row) { return inSource(c - dc, row - dr); };
    std::vector<std::pair<int, int>> vacated;
    std::vector<SheetCell> source, displacedCells;
    for (int row = from.r1; row <= from.r2; ++row)
        for (int c = from.c1; c <= from.c2; ++c) {
            source.push_back(model_->At(c, row));
            if (!inTarget(c, row))
                vacated.emplace_back(c, row);
            if (!inSource(c + dc, row + dr))
                displacedCells.push_back(model_->At(c + dc, row + dr));
        }
    size_t k = 0;
    for (int row = from.r1; row <= from.r2; ++row)
        for (int c = from.c1; c <= from.c2; ++c)
            model_->Put(c + dc, row + dr, source[k++]);
    for (size_t i = 0; i < vacated.size() && i < displacedCells.size(); ++i)
        model_->Put(vacated[i].first, vacated[i].second, displacedCells[i]);
}

void CSpreadSheet::SetSortKeyColumn(int key, int column) {
    if (auto* slot = SortKeySlot(key))
        slot->first = column;
}

void CSpreadSheet::SetSortKeyOrder(int key, int order) {
    if (auto* slot = SortKeySlot(key))
        slot->second = order;
}

std::pair<int, int>* CSpreadSheet::SortKeySlot(int key) {
    if (key < 1 || key > 16)
        return nullptr;
    if (static_cast<int>(sortKeys_.size()) < key)
        sortKeys_.resize(key, {0, Ascending});
    return &sortKeys_[key - 1];
}

void CSpreadSheet::SortRows(const Rect& r) {
    if (r.Empty() || sortOrientation_ != 0)
        return;
    std::vector<SortKey> keys;
    for (const auto& [column, order] : sortKeys_)
        if (model_->HasColumn(column))
            keys.push_back({column, order, model_->Kind(column)});
    if (keys.empty())
        return;
    const int n = r.r2 - r.r1 + 1;
    std::vector<std::vector<SortValue>> values(n);
    for (int i = 0; i < n; ++i)
        for (const SortKey& key : keys)
            values[i].push_back(SortValueOf(key.kind, model_->At(key.column, r.r1 + i)));
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return SortsBefore(values[a], values[b], keys); });
    PutRowsInOrder(r, order);
}

// Row i of the range takes the cells row order[i] had.
void CSpreadSheet::PutRowsInOrder(const Rect& r, const std::vector<int>& order) {
    const int n = static_cast<int>(order.size());
    std::vector<SheetCell> rows;
    rows.reserve(static_cast<size_t>(n) * (r.c2 - r.c1 + 1));
    for (int i = 0; i < n; ++i)
        for (int c = r.c1; c <= r.c2; ++c)
            rows.push_back(model_->At(c, r.r1 + order[i]));
    size_t k = 0;
    for (int i = 0; i < n; ++i)
        for (int c = r.c1; c <= r.c2; ++c)
            model_->Put(c, r.r1 + i, rows[k++]);
}
