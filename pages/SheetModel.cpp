#include "pages/SheetModel.h"

#include <QMimeData>
#include <QPalette>
#include <algorithm>

void SheetModel::Reshape(int c, int r) {
    beginResetModel();
    cols = std::max(0, c);
    rows = std::max(0, r);
    columns.resize(cols + 1);
    cells_.assign(static_cast<size_t>(cols) * rows, SheetCell{});
    locked_.assign(cells_.size(), 0);
    // A grid never filled counts as loaded empty.
    loaded_ = cells_;
    changed_.assign(cells_.size(), 0);
    changedInRow_.assign(rows + 1, 0);
    changedSlots_.clear();
    endResetModel();
}

void SheetModel::SetLocked(int c, int r, bool on) {
    if (Valid(c, r))
        locked_[Slot(c, r)] = on ? 1 : 0;
}

QString SheetModel::Text(int c, int r) const {
    const SheetCell& cell = At(c, r);
    if (Kind(c) != CellKind::List)
        return cell.text;
    const QStringList& items = columns[c].items;
    return (cell.list >= 0 && cell.list < items.size()) ? items[cell.list] : QString();
}

SheetCell SheetModel::FromText(int c, const QString& text) const {
    SheetCell cell;
    if (Kind(c) != CellKind::List) {
        cell.text = text;
        return cell;
    }
    const QStringList& items = columns[c].items;
    for (int i = 0; i < items.size(); ++i)
        if (items[i].compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            cell.list = i;
    return cell;
}

SheetCell SheetModel::ListCell(int c, int index) const {
    SheetCell cell;
    cell.list = (index >= 0 && index < columns[c].items.size()) ? index : -1;
    return cell;
}

void SheetModel::Put(int c, int r, const SheetCell& value) {
    if (!Valid(c, r))
        return;
    const size_t slot = Slot(c, r);
    if (cells_[slot] == value)
        return;
    cells_[slot] = value;
    const unsigned char changed = value == loaded_[slot] ? 0 : 1;
    if (changed != changed_[slot]) {
        changed_[slot] = changed;
        changedInRow_[r] += changed ? 1 : -1;
        if (changed)
            changedSlots_.push_back(slot);
    }
    Touch(c, r, c, r);
}

// Only the cells that differ need a new loaded value: storing a page that nobody touched
// then costs nothing.
void SheetModel::MarkLoaded() {
    for (const size_t slot : changedSlots_) {
        if (!changed_[slot])
            continue;
        loaded_[slot] = cells_[slot];
        changed_[slot] = 0;
        --changedInRow_[slot / cols + 1];
    }
    changedSlots_.clear();
}

void SheetModel::Touch(int c1, int r1, int c2, int r2) {
    if (!dirty_) {
        dirty_ = true;
        d1_ = {c1, r1};
        d2_ = {c2, r2};
        QMetaObject::invokeMethod(this, &SheetModel::Flush, Qt::QueuedConnection);
    } else {
        d1_ = {std::min(d1_.x(), c1), std::min(d1_.y(), r1)};
        d2_ = {std::max(d2_.x(), c2), std::max(d2_.y(), r2)};
    }
}

void SheetModel::Flush() {
    if (!dirty_)
        return;
    dirty_ = false;
    if (rows > 0 && cols > 0)
        emit dataChanged(index(std::max(1, d1_.y()) - 1, std::max(1, d1_.x()) - 1),
                         index(std::min(rows, d2_.y()) - 1, std::min(cols, d2_.x()) - 1));
}

void SheetModel::SetHeader(int c, const QString& text) {
    if (!HasColumn(c))
        return;
    columns[c].header = text;
    emit headerDataChanged(Qt::Horizontal, c - 1, c - 1);
}

// ---- The Qt model ----

int SheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows;
}

int SheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols;
}

// Check cells show a box, no text: a screen reader hears their checked state, and the
// column header names them.
QVariant SheetModel::ShownText(int c, int r) const {
    return Kind(c) == CellKind::Check ? QVariant() : QVariant(Text(c, r));
}

namespace {

Qt::Alignment AlignmentOf(CellKind kind) {
    switch (kind) {
    case CellKind::Frequency:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellKind::Check:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    const int c = index.column() + 1, r = index.row() + 1;
    if (!Valid(c, r))
        return {};
    const CellKind kind = Kind(c);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return ShownText(c, r);
    case Qt::EditRole:
        return kind == CellKind::List ? QVariant(At(c, r).list) : QVariant(At(c, r).text);
    case Qt::CheckStateRole:
        if (kind != CellKind::Check)
            return {};
        return At(c, r).text == QLatin1String("1") ? Qt::Checked : Qt::Unchecked;
    case Qt::BackgroundRole:
        return Locked(c, r) ? QVariant(QPalette().window()) : QVariant();
    case Qt::FontRole:
        return columns[c].font ? QVariant(*columns[c].font) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant(AlignmentOf(kind));
    default:
        return {};
    }
}

// The cell as the user's edit leaves it; none for a role the cell does not take.
std::optional<SheetCell> SheetModel::Edited(int c, int r, const QVariant& value, int role) const {
    SheetCell cell = At(c, r);
    const CellKind kind = Kind(c);
    if (role == Qt::CheckStateRole && kind == CellKind::Check)
        cell.text = value.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    else if (role != Qt::EditRole)
        return std::nullopt;
    else if (kind == CellKind::Check) // text from a screen reader
        cell.text = value.toString().trimmed() == QLatin1String("1") ? QStringLiteral("1")
                                                                     : QStringLiteral("0");
    else if (kind == CellKind::List)
        // An item index from the editor; item text from elsewhere (a screen reader).
        cell.list = value.typeId() == QMetaType::QString ? FromText(c, value.toString()).list
                                                         : value.toInt();
    else
        cell.text = value.toString();
    return cell;
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int c = index.column() + 1, r = index.row() + 1;
    if (!Valid(c, r))
        return false;
    const std::optional<SheetCell> cell = Edited(c, r, value, role);
    if (!cell)
        return false;
    if (*cell == At(c, r))
        return true;
    Put(c, r, *cell);
    Flush();
    emit UserChanged(c, r);
    return true;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags f =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (Locked(index.column() + 1, index.row() + 1))
        return f;
    if (Kind(index.column() + 1) == CellKind::Check) // editable: a screen reader sets "1"
        return f | Qt::ItemIsUserCheckable | Qt::ItemIsEditable;
    return f | Qt::ItemIsEditable;
}

QVariant SheetModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != kHeaderLinesRole)
        return QAbstractTableModel::headerData(section, o, role);
    if (o == Qt::Vertical)
        return QString::number(section + firstRowNumber);
    const QString header =
        (section >= 0 && section < cols) ? columns[section + 1].header : QString();
    return role == kHeaderLinesRole ? header : header.simplified();
}

QStringList SheetModel::mimeTypes() const {
    return {QString::fromLatin1(CSpreadSheet::kRowsMimeType), QStringLiteral("text/plain")};
}

Qt::DropActions SheetModel::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

bool SheetModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                 const QModelIndex&) const {
    return data->hasFormat(QString::fromLatin1(CSpreadSheet::kRowsMimeType)) || data->hasText();
}
