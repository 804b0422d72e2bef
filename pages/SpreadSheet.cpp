#include "pages/SpreadSheet.h"

#include "radio/Codecs.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDataStream>
#include <QDrag>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStyledItemDelegate>
#include <QValidator>
#include <algorithm>
#include <numeric>
#include <optional>

namespace {

constexpr int kLowestCellHz = 100'000;
constexpr int kHighestCellHz = 1'300'000'000;
constexpr quint32 kMimeMagic = 0x43475231; // "CGR1"

struct Cell {
    QString text;  // text, frequency and check cells
    int list = -1; // list cells
    bool operator==(const Cell&) const = default;
};

struct Column {
    CellKind kind = CellKind::Text;
    QString header;
    QStringList items;
    std::optional<QFont> font;
    int maxLength = 0;
    std::function<bool(QChar)> accepts;
};

} // namespace

// The cells behind the view. Values change through Put (the program) or setData (the user's
// editing, which also raises CellChanged). Repaints are gathered and sent once per pass of
// the event loop, so filling a thousand rows costs no more than the values themselves.
class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(QObject* parent) : QAbstractTableModel(parent) {}

    int cols = 0, rows = 0;
    std::vector<Column> columns{Column{}}; // index 0 unused: grid columns count from 1
    std::vector<Cell> cells;
    std::vector<Cell> loaded; // the cells at the last ResetChangedRows
    std::vector<unsigned char> changed;
    std::vector<unsigned char> locked;

    void Reshape(int c, int r) {
        beginResetModel();
        cols = std::max(0, c);
        rows = std::max(0, r);
        columns.resize(cols + 1);
        cells.assign(static_cast<size_t>(cols) * rows, Cell{});
        loaded.clear();
        changed.assign(rows + 1, 0);
        locked.assign(cells.size(), 0);
        endResetModel();
    }
    bool Valid(int c, int r) const { return c >= 1 && c <= cols && r >= 1 && r <= rows; }
    const Cell& At(int c, int r) const { return cells[static_cast<size_t>(r - 1) * cols + c - 1]; }
    Cell& At(int c, int r) { return cells[static_cast<size_t>(r - 1) * cols + c - 1]; }
    bool Locked(int c, int r) const {
        return Valid(c, r) && locked[static_cast<size_t>(r - 1) * cols + c - 1] != 0;
    }
    CellKind Kind(int c) const { return (c >= 1 && c <= cols) ? columns[c].kind : CellKind::Text; }

    QString Text(int c, int r) const {
        const Cell& cell = At(c, r);
        if (Kind(c) == CellKind::List)
            return (cell.list >= 0 && cell.list < columns[c].items.size())
                       ? columns[c].items[cell.list]
                       : QString();
        return cell.text;
    }
    // Text as a cell of column c holds it: list cells look the item up.
    Cell FromText(int c, const QString& text) const {
        Cell cell;
        if (Kind(c) == CellKind::List) {
            const QStringList& items = columns[c].items;
            for (int i = 0; i < items.size(); ++i)
                if (items[i].compare(text.trimmed(), Qt::CaseInsensitive) == 0)
                    cell.list = i;
        } else {
            cell.text = text;
        }
        return cell;
    }
    void Put(int c, int r, const Cell& value) {
        if (!Valid(c, r))
            return;
        Cell& cell = At(c, r);
        if (cell == value)
            return;
        cell = value;
        changed[r] = 1;
        Touch(c, r, c, r);
    }
    void Touch(int c1, int r1, int c2, int r2) {
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
    void Flush() {
        if (!dirty_)
            return;
        dirty_ = false;
        if (rows > 0 && cols > 0)
            emit dataChanged(index(std::max(1, d1_.y()) - 1, std::max(1, d1_.x()) - 1),
                             index(std::min(rows, d2_.y()) - 1, std::min(cols, d2_.x()) - 1));
    }
    void SetHeader(int c, const QString& text) {
        if (c < 1 || c > cols)
            return;
        columns[c].header = text;
        emit headerDataChanged(Qt::Horizontal, c - 1, c - 1);
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : rows;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : cols;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const int c = index.column() + 1, r = index.row() + 1;
        if (!Valid(c, r))
            return {};
        const CellKind kind = Kind(c);
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            if (kind == CellKind::Check)
                return role == Qt::DisplayRole
                           ? QVariant()
                           : QVariant(At(c, r).text == QLatin1String("1") ? tr("Checked")
                                                                          : tr("Not checked"));
            return Text(c, r);
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
            return kind == CellKind::Frequency
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(kind == CellKind::Check ? Qt::AlignCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
        }
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        const int c = index.column() + 1, r = index.row() + 1;
        if (!Valid(c, r))
            return false;
        Cell cell = At(c, r);
        if (role == Qt::CheckStateRole && Kind(c) == CellKind::Check)
            cell.text = value.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
        else if (role == Qt::EditRole && Kind(c) == CellKind::Check) // text from a screen reader
            cell.text = value.toString().trimmed() == QLatin1String("1") ? QStringLiteral("1")
                                                                         : QStringLiteral("0");
        else if (role == Qt::EditRole && Kind(c) == CellKind::List)
            // An item index from the editor; item text from elsewhere (a screen reader).
            cell.list = value.typeId() == QMetaType::QString ? FromText(c, value.toString()).list
                                                             : value.toInt();
        else if (role == Qt::EditRole && Kind(c) != CellKind::Check)
            cell.text = value.toString();
        else
            return false;
        if (cell == At(c, r))
            return true;
        Put(c, r, cell);
        Flush();
        emit UserChanged(c, r);
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                          Qt::ItemIsDropEnabled;
        if (Locked(index.column() + 1, index.row() + 1))
            return f;
        if (Kind(index.column() + 1) == CellKind::Check) // editable: a screen reader sets "1"
            return f | Qt::ItemIsUserCheckable | Qt::ItemIsEditable;
        return f | Qt::ItemIsEditable;
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, o, role);
        if (o == Qt::Vertical)
            return QString::number(section + 1);
        return (section >= 0 && section < cols) ? columns[section + 1].header : QString();
    }
    QStringList mimeTypes() const override {
        return {QString::fromLatin1(CSpreadSheet::kRowsMimeType), QStringLiteral("text/plain")};
    }
    Qt::DropActions supportedDropActions() const override {
        return Qt::CopyAction | Qt::MoveAction;
    }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                         const QModelIndex&) const override {
        return data->hasFormat(QString::fromLatin1(CSpreadSheet::kRowsMimeType)) || data->hasText();
    }

signals:
    void UserChanged(int column, int row);

private:
    bool dirty_ = false;
    QPoint d1_, d2_;
};

// Editors for the cell kinds: a line editor with the column's character rules, or a
// drop-down list. Check cells have none (Space and clicks toggle them).
class SheetDelegate : public QStyledItemDelegate {
public:
    SheetDelegate(CSpreadSheet* sheet, SheetModel* model)
        : QStyledItemDelegate(sheet), sheet_(sheet), model_(model) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        const int c = index.column() + 1;
        const Column& column = model_->columns[c];
        QWidget* editor = nullptr;
        if (column.kind == CellKind::List) {
            auto* box = new QComboBox(parent);
            box->addItems(column.items);
            editor = box;
        } else if (column.kind != CellKind::Check) {
            auto* line = new QLineEdit(parent);
            line->setFrame(false);
            if (column.kind == CellKind::Frequency) {
                line->setMaxLength(12);
                line->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), line));
            } else {
                if (column.maxLength > 0)
                    line->setMaxLength(column.maxLength);
                if (column.accepts)
                    line->setValidator(new CharValidator(column.accepts, line));
            }
            editor = line;
        }
        if (editor) {
            if (column.font)
                editor->setFont(*column.font);
            editor->setAccessibleName(model_->columns[c].header.simplified());
            sheet_->editor_ = editor;
            sheet_->editIndex_ = index;
            sheet_->editStartText_ = model_->Text(c, index.row() + 1);
        }
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            box->setCurrentIndex(index.data(Qt::EditRole).toInt());
        else if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            model->setData(index, box->currentIndex(), Qt::EditRole);
        else if (auto* line = qobject_cast<QLineEdit*>(editor))
            model->setData(index, line->text(), Qt::EditRole);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        // Enter and Tab end the editing at once (Qt would queue it) and move on like a
        // spreadsheet: Enter down, Tab right, Shift+Tab left.
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::KeyPress && widget) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            std::optional<QAbstractItemView::CursorAction> move;
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                move = QAbstractItemView::MoveDown;
            else if (key == Qt::Key_Tab)
                move = QAbstractItemView::MoveRight;
            else if (key == Qt::Key_Backtab)
                move = QAbstractItemView::MoveLeft;
            if (move) {
                sheet_->pendingMove_ = move;
                emit commitData(widget);
                emit closeEditor(widget, QAbstractItemDelegate::NoHint);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    class CharValidator : public QValidator {
    public:
        CharValidator(std::function<bool(QChar)> accepts, QObject* parent)
            : QValidator(parent), accepts_(std::move(accepts)) {}
        State validate(QString& input, int&) const override {
            for (QChar ch : input)
                if (!accepts_(ch))
                    return Invalid;
            return Acceptable;
        }

    private:
        std::function<bool(QChar)> accepts_;
    };

    CSpreadSheet* sheet_;
    SheetModel* model_;
};

// ---- CSpreadSheet -----------------------------------------------------------------------

CSpreadSheet::CSpreadSheet(QWidget* parent) : QTableView(parent) {
    model_ = new SheetModel(this);
    setModel(model_);
    delegate_ = new SheetDelegate(this, model_);
    setItemDelegate(delegate_);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setTabKeyNavigation(false); // Tab leaves the grid; arrows move inside it
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(DragDrop);
    setDragDropOverwriteMode(true);
    setDropIndicatorShown(true);
    setDefaultDropAction(Qt::MoveAction);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(model_, &SheetModel::UserChanged, this, &CSpreadSheet::CellChanged);
}

CSpreadSheet::~CSpreadSheet() = default;

void CSpreadSheet::SetShape(int columns, int rows) {
    model_->Reshape(columns, rows);
    curCol_ = curRow_ = lastCol_ = lastRow_ = 1;
}

int CSpreadSheet::ColumnCount() const {
    return model_->cols;
}

int CSpreadSheet::RowCount() const {
    return model_->rows;
}

void CSpreadSheet::SetColumnKind(int column, CellKind kind) {
    if (column >= 1 && column <= model_->cols) {
        model_->columns[column].kind = kind;
        model_->Touch(column, 1, column, model_->rows);
    }
}

CellKind CSpreadSheet::ColumnKind(int column) const {
    return model_->Kind(column);
}

void CSpreadSheet::SetColumnMaxLength(int column, int length) {
    if (column >= 1 && column <= model_->cols)
        model_->columns[column].maxLength = length;
}

void CSpreadSheet::SetColumnCharFilter(int column, std::function<bool(QChar)> accepts) {
    if (column >= 1 && column <= model_->cols)
        model_->columns[column].accepts = std::move(accepts);
}

void CSpreadSheet::SetCellLocked(int column, int row, bool locked) {
    if (model_->Valid(column, row))
        model_->locked[static_cast<size_t>(row - 1) * model_->cols + column - 1] = locked ? 1 : 0;
}

bool CSpreadSheet::IsCellLocked(int column, int row) const {
    return model_->Locked(column, row);
}

// ---- Range ----

void CSpreadSheet::SetCurrentColumn(int column) {
    curCol_ = column;
}

void CSpreadSheet::SetCurrentRow(int row) {
    curRow_ = row;
}

void CSpreadSheet::SetLastColumn(int column) {
    lastCol_ = column;
}

void CSpreadSheet::SetLastRow(int row) {
    lastRow_ = row;
}

CSpreadSheet::Rect CSpreadSheet::Range() const {
    Rect r{curCol_, curRow_, lastCol_, lastRow_};
    if (curCol_ == -1 || lastCol_ == -1) {
        r.c1 = 1;
        r.c2 = model_->cols;
    }
    r.c1 = std::max(r.c1, 1);
    r.r1 = std::max(r.r1, 1);
    r.c2 = std::min(r.c2, model_->cols);
    r.r2 = std::min(r.r2, model_->rows);
    return r;
}

CSpreadSheet::Rect CSpreadSheet::PutRange() const {
    if (rangeMode_)
        return Range();
    Rect r = Range();
    r.c2 = r.c1;
    r.r2 = r.r1;
    if (curCol_ == -1)
        r.c2 = model_->cols;
    return r;
}

int CSpreadSheet::GetSelectionFirstRow() const {
    const QItemSelection s = selectionModel()->selection();
    if (s.isEmpty())
        return -1;
    int first = model_->rows;
    for (const QItemSelectionRange& range : s)
        first = std::min(first, range.top());
    return first + 1;
}

int CSpreadSheet::GetSelectionLastRow() const {
    const QItemSelection s = selectionModel()->selection();
    if (s.isEmpty())
        return -1;
    int last = 0;
    for (const QItemSelectionRange& range : s)
        last = std::max(last, range.bottom());
    return last + 1;
}

void CSpreadSheet::SetSortKeyColumn(int key, int column) {
    if (key < 1 || key > 16)
        return;
    if (static_cast<int>(sortKeys_.size()) < key)
        sortKeys_.resize(key, {0, Ascending});
    sortKeys_[key - 1].first = column;
}

void CSpreadSheet::SetSortKeyOrder(int key, int order) {
    if (key < 1 || key > 16)
        return;
    if (static_cast<int>(sortKeys_.size()) < key)
        sortKeys_.resize(key, {0, Ascending});
    sortKeys_[key - 1].second = order;
}

// ---- Values ----

int CSpreadSheet::GetListIndex() const {
    if (!model_->Valid(curCol_, curRow_) || model_->Kind(curCol_) != CellKind::List)
        return -1;
    return model_->At(curCol_, curRow_).list;
}

void CSpreadSheet::SetListIndex(int index) {
    const Rect r = PutRange();
    const int c1 = std::max(r.c1, 1);
    for (int row = r.r1; row <= r.r2; ++row)
        for (int c = c1; c <= r.c2; ++c)
            if (model_->Kind(c) == CellKind::List) {
                Cell cell;
                cell.list = (index >= 0 && index < model_->columns[c].items.size()) ? index : -1;
                model_->Put(c, row, cell);
            }
}

void CSpreadSheet::SetListItems(const QString& tabSeparated) {
    const Rect r = Range();
    for (int c = r.c1; c <= r.c2; ++c) {
        model_->columns[c].items = tabSeparated.split(QLatin1Char('\t'));
        model_->Touch(c, 1, c, model_->rows);
    }
}

QStringList CSpreadSheet::ListItems(int column) const {
    return (column >= 1 && column <= model_->cols) ? model_->columns[column].items : QStringList();
}

void CSpreadSheet::SetFontFace(const QString& face) {
    // Faces are kept per column: every grid sets one face on whole columns.
    const Rect r = PutRange();
    for (int c = r.c1; c <= r.c2; ++c) {
        QFont f = font();
        f.setFamily(face);
        model_->columns[c].font = f;
        model_->Touch(c, 1, c, model_->rows);
    }
}

QString CSpreadSheet::GetCellText() const {
    QString text;
    ReadCell(curCol_, curRow_, text);
    return text;
}

void CSpreadSheet::SetCellText(const QString& text) {
    const Rect r = PutRange();
    for (int row = r.r1; row <= r.r2; ++row)
        for (int c = r.c1; c <= r.c2; ++c)
            WriteCell(c, row, text);
}

bool CSpreadSheet::ReadCell(int column, int row, QString& value) const {
    if (column < 0 || column > model_->cols || row < 0 || row > model_->rows)
        return false;
    if (row == 0)
        value = column == 0 ? QString() : model_->columns[column].header;
    else if (column == 0)
        value = QString::number(row);
    else
        value = model_->Text(column, row);
    return true;
}

void CSpreadSheet::WriteCell(int column, int row, const QString& value) {
    if (row == 0)
        model_->SetHeader(column, value);
    else if (model_->Valid(column, row))
        model_->Put(column, row, model_->FromText(column, value));
}

void CSpreadSheet::WriteCellFrequency(int column, int row, int hz) {
    WriteCell(column, row, FrequencyText(hz));
}

int CSpreadSheet::ReadCellFrequency(int column, int row) {
    SetCurrentColumn(column);
    SetCurrentRow(row);
    return ParseFrequency(GetCellText());
}

void CSpreadSheet::WriteCellString(int column, int row, const QString& text) {
    WriteCell(column, row, text.left(50));
}

// ---- Sizes ----

double CSpreadSheet::GetColumnWidth(int column) const {
    return column == 0 ? verticalHeader()->width() : columnWidth(column - 1);
}

void CSpreadSheet::SetColumnWidth(int column, double width) {
    const int px = std::max(0, static_cast<int>(width + 0.5));
    if (column == 0)
        verticalHeader()->setFixedWidth(px);
    else if (column >= 1 && column <= model_->cols)
        setColumnWidth(column - 1, px);
}

double CSpreadSheet::GetRowHeight(int row) const {
    return row == 0 ? horizontalHeader()->height() : rowHeight(row - 1);
}

void CSpreadSheet::SetRowHeight(int row, double height) {
    const int px = std::max(1, static_cast<int>(height + 0.5));
    if (row == 0)
        horizontalHeader()->setFixedHeight(px);
    else if (row >= 1 && row <= model_->rows && rowHeight(row - 1) != px)
        setRowHeight(row - 1, px);
}

float CSpreadSheet::TwipsToColumnWidth(int twips) const {
    return static_cast<float>(twips) * static_cast<float>(logicalDpiX()) / 1440.0F;
}

void CSpreadSheet::ResetChangedRows() {
    std::fill(model_->changed.begin(), model_->changed.end(), 0);
    model_->loaded = model_->cells;
}

bool CSpreadSheet::IsCellChanged(int column, int row) const {
    if (!model_->Valid(column, row))
        return false;
    const size_t i = static_cast<size_t>(row - 1) * model_->cols + column - 1;
    return i < model_->loaded.size() ? !(model_->cells[i] == model_->loaded[i])
                                     : !(model_->cells[i] == Cell{});
}

bool CSpreadSheet::IsRowChanged(int row) const {
    return row >= 1 && row <= model_->rows && model_->changed[row] != 0;
}

// ---- Operations ----

void CSpreadSheet::SetOperation(int operation) {
    const Rect r = Range();
    switch (operation) {
    case OpActivate:
        Activate(curCol_, curRow_);
        break;
    case OpSelect:
        if (!r.Empty())
            selectionModel()->select(QItemSelection(model_->index(r.r1 - 1, r.c1 - 1),
                                                    model_->index(r.r2 - 1, r.c2 - 1)),
                                     QItemSelectionModel::ClearAndSelect);
        break;
    case OpClear:
    case OpClearText:
        ClearCells(r);
        break;
    case OpPrint:
        RunPrint();
        break;
    case OpCopyTo:
    case OpMoveTo:
        CopyCells(r, targetCol_, targetRow_, operation == OpMoveTo);
        break;
    case OpSwap:
        SwapCells(r, targetCol_, targetRow_);
        break;
    case OpClipboardCopy:
        CopyToClipboard(r);
        break;
    case OpClipboardCut:
        CopyToClipboard(r);
        ClearCells(r);
        break;
    case OpClipboardPaste:
        if (!r.Empty())
            PasteFromMime(QApplication::clipboard()->mimeData(), r.c1, r.r1);
        break;
    case OpSort:
        SortRows(r);
        break;
    default:
        break;
    }
}

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
            model_->Put(c, row, Cell{});
}

void CSpreadSheet::CopyCells(const Rect& from, int toCol, int toRow, bool move) {
    if (from.Empty())
        return;
    std::vector<Cell> buffer;
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
                    model_->Put(c, row, Cell{});
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
    std::vector<std::pair<int, int>> vacated, displaced;
    std::vector<Cell> source, displacedCells;
    for (int row = from.r1; row <= from.r2; ++row)
        for (int c = from.c1; c <= from.c2; ++c) {
            source.push_back(model_->At(c, row));
            if (!inTarget(c, row))
                vacated.emplace_back(c, row);
            if (!inSource(c + dc, row + dr)) {
                displaced.emplace_back(c + dc, row + dr);
                displacedCells.push_back(model_->At(c + dc, row + dr));
            }
        }
    size_t k = 0;
    for (int row = from.r1; row <= from.r2; ++row)
        for (int c = from.c1; c <= from.c2; ++c)
            model_->Put(c + dc, row + dr, source[k++]);
    for (size_t i = 0; i < vacated.size() && i < displacedCells.size(); ++i)
        model_->Put(vacated[i].first, vacated[i].second, displacedCells[i]);
}

void CSpreadSheet::SortRows(const Rect& r) {
    if (r.Empty() || sortOrientation_ != 0)
        return;
    struct Key {
        int column, order;
    };
    std::vector<Key> keys;
    for (const auto& [column, order] : sortKeys_)
        if (column >= 1 && column <= model_->cols)
            keys.push_back({column, order});
    if (keys.empty())
        return;
    struct Value {
        bool empty;
        qint64 number;
        QString text;
    };
    const int n = r.r2 - r.r1 + 1;
    std::vector<std::vector<Value>> values(n);
    for (int i = 0; i < n; ++i)
        for (const Key& key : keys) {
            const Cell& cell = model_->At(key.column, r.r1 + i);
            Value v{false, 0, {}};
            switch (model_->Kind(key.column)) {
            case CellKind::Frequency:
                v.number = ParseFrequency(cell.text);
                v.empty = v.number == 0;
                break;
            case CellKind::List:
                v.number = cell.list;
                v.empty = cell.list < 0;
                break;
            case CellKind::Check:
                v.number = cell.text == QLatin1String("1");
                v.empty = cell.text.isEmpty();
                break;
            case CellKind::Text:
                v.text = cell.text;
                v.empty = cell.text.trimmed().isEmpty();
                break;
            }
            values[i].push_back(std::move(v));
        }
    // Empty cells go after the filled ones whatever the order, so sorted channels gather at
    // the top of their range.
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (size_t k = 0; k < keys.size(); ++k) {
            const Value& x = values[a][k];
            const Value& y = values[b][k];
            if (x.empty != y.empty)
                return y.empty;
            if (x.empty)
                continue;
            int cmp = 0;
            if (model_->Kind(keys[k].column) == CellKind::Text) {
                cmp = x.text.compare(y.text, Qt::CaseInsensitive);
                if (cmp == 0)
                    cmp = x.text.compare(y.text);
            } else {
                cmp = x.number < y.number ? -1 : (x.number > y.number ? 1 : 0);
            }
            if (cmp != 0)
                return keys[k].order == Descending ? cmp > 0 : cmp < 0;
        }
        return false;
    });
    std::vector<Cell> rows;
    rows.reserve(static_cast<size_t>(n) * (r.c2 - r.c1 + 1));
    for (int i = 0; i < n; ++i)
        for (int c = r.c1; c <= r.c2; ++c)
            rows.push_back(model_->At(c, r.r1 + order[i]));
    size_t k = 0;
    for (int i = 0; i < n; ++i)
        for (int c = r.c1; c <= r.c2; ++c)
            model_->Put(c, r.r1 + i, std::move(rows[k++]));
}

// ---- Clipboard ----

QMimeData* CSpreadSheet::MimeForRange(int col1, int row1, int col2, int row2) const {
    auto* mime = new QMimeData;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kMimeMagic << quint64(reinterpret_cast<quintptr>(this)) << qint32(col1) << qint32(row1)
        << qint32(col2) << qint32(row2);
    QString text;
    for (int row = row1; row <= row2; ++row) {
        QStringList line;
        for (int c = col1; c <= col2; ++c) {
            const Cell& cell = model_->At(c, row);
            out << qint32(model_->Kind(c)) << cell.text << qint32(cell.list)
                << model_->Text(c, row);
            line << model_->Text(c, row);
        }
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    mime->setData(QString::fromLatin1(kRowsMimeType), bytes);
    mime->setText(text);
    return mime;
}

void CSpreadSheet::CopyToClipboard(const Rect& r) const {
    if (!r.Empty())
        QApplication::clipboard()->setMimeData(MimeForRange(r.c1, r.r1, r.c2, r.r2));
}

QString CSpreadSheet::CleanPasted(int column, const QString& text) const {
    switch (model_->Kind(column)) {
    case CellKind::Frequency: {
        const int hz = ParseFrequency(text.trimmed());
        return (hz >= kLowestCellHz && hz <= kHighestCellHz) ? FrequencyText(hz) : QString();
    }
    case CellKind::Check: {
        const QString t = text.trimmed().toLower();
        if (t.isEmpty())
            return {};
        const bool on = t == QLatin1String("1") || t == QLatin1String("yes") ||
                        t == QLatin1String("true") || t == QLatin1String("on") ||
                        t == QLatin1String("x");
        return on ? QStringLiteral("1") : QStringLiteral("0");
    }
    case CellKind::Text: {
        const Column& col = model_->columns[column];
        QString out;
        for (QChar ch : text)
            if (ch != QLatin1Char('\r') && (!col.accepts || col.accepts(ch)))
                out += ch;
        return col.maxLength > 0 ? out.left(col.maxLength) : out;
    }
    case CellKind::List:
        break;
    }
    return text;
}

void CSpreadSheet::PasteFromMime(const QMimeData* mime, int col, int row) {
    if (!mime)
        return;
    const QString ownType = QString::fromLatin1(kRowsMimeType);
    if (mime->hasFormat(ownType)) {
        QDataStream in(mime->data(ownType));
        quint32 magic = 0;
        quint64 source = 0;
        qint32 c1 = 0, r1 = 0, c2 = -1, r2 = -1;
        in >> magic >> source >> c1 >> r1 >> c2 >> r2;
        if (magic == kMimeMagic && c2 >= c1 && r2 >= r1 && (c2 - c1) < 1000 && (r2 - r1) < 100000) {
            for (int i = 0; i <= r2 - r1 && in.status() == QDataStream::Ok; ++i)
                for (int j = 0; j <= c2 - c1; ++j) {
                    qint32 kind = 0, list = -1;
                    QString text, shown;
                    in >> kind >> text >> list >> shown;
                    if (in.status() != QDataStream::Ok)
                        return;
                    const int c = col + j, r = row + i;
                    if (!model_->Valid(c, r))
                        continue;
                    if (static_cast<CellKind>(kind) == model_->Kind(c) &&
                        model_->Kind(c) == CellKind::List) {
                        Cell cell;
                        cell.list =
                            (list >= 0 && list < model_->columns[c].items.size()) ? list : -1;
                        model_->Put(c, r, cell);
                    } else {
                        WriteCell(c, r, CleanPasted(c, shown));
                    }
                }
            return;
        }
    }
    if (!mime->hasText())
        return;
    QStringList lines = mime->text().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList fields = line.split(QLatin1Char('\t'));
        for (int j = 0; j < fields.size(); ++j)
            if (model_->Valid(col + j, row + i))
                WriteCell(col + j, row + i, CleanPasted(col + j, fields[j]));
    }
}

// ---- User input ----

bool CSpreadSheet::ConfirmLeave(const QModelIndex& to) {
    CommitOpenEditor();
    const QModelIndex from = currentIndex();
    if (!from.isValid() || !to.isValid() || from == to)
        return true;
    bool cancel = false;
    emit LeavingCell(from.column() + 1, from.row() + 1, to.column() + 1, to.row() + 1, cancel);
    return !cancel;
}

void CSpreadSheet::CommitOpenEditor() {
    if (QWidget* editor = editor_) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CSpreadSheet::MoveGuarded(CursorAction action) {
    const QModelIndex to = moveCursor(action, Qt::NoModifier);
    if (!to.isValid() || to == currentIndex() || !ConfirmLeave(to))
        return;
    passGate_ = true;
    selectionModel()->setCurrentIndex(to, QItemSelectionModel::ClearAndSelect);
    passGate_ = false;
    scrollTo(to);
}

void CSpreadSheet::keyPressEvent(QKeyEvent* event) {
    pressedKey_ = event->key();
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Paste)) {
        event->accept(); // the page decides what these do (KeyReleased)
        return;
    }
    std::optional<CursorAction> action;
    switch (event->key()) {
    case Qt::Key_Up:
        action = MoveUp;
        break;
    case Qt::Key_Down:
        action = MoveDown;
        break;
    case Qt::Key_Left:
        action = MoveLeft;
        break;
    case Qt::Key_Right:
        action = MoveRight;
        break;
    case Qt::Key_Home:
        action = MoveHome;
        break;
    case Qt::Key_End:
        action = MoveEnd;
        break;
    case Qt::Key_PageUp:
        action = MovePageUp;
        break;
    case Qt::Key_PageDown:
        action = MovePageDown;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (state() != EditingState) {
            MoveGuarded(MoveDown);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (state() != EditingState && event->modifiers() == Qt::NoModifier) {
            const QModelIndexList cells = selectionModel()->selectedIndexes();
            for (const QModelIndex& index : cells) {
                if (model_->Locked(index.column() + 1, index.row() + 1))
                    continue;
                const Cell before = model_->At(index.column() + 1, index.row() + 1);
                model_->Put(index.column() + 1, index.row() + 1, Cell{});
                if (!(before == Cell{}))
                    emit CellChanged(index.column() + 1, index.row() + 1);
            }
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    if (action) {
        const QModelIndex to = moveCursor(*action, event->modifiers());
        if (to.isValid() && to != currentIndex() && !ConfirmLeave(to)) {
            event->accept();
            return;
        }
        passGate_ = true;
        QTableView::keyPressEvent(event);
        passGate_ = false;
        return;
    }
    QTableView::keyPressEvent(event);
}

void CSpreadSheet::keyReleaseEvent(QKeyEvent* event) {
    if (state() == EditingState) {
        QTableView::keyReleaseEvent(event);
        return;
    }
    // Only keys pressed here: a key whose press ran a window shortcut (Ctrl+X of the Edit
    // menu) must not run its command a second time on release.
    if (event->isAutoRepeat() || event->key() != pressedKey_) {
        event->accept();
        return;
    }
    pressedKey_ = 0;
    const int qtKey = event->key();
    short key = 0;
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        key = static_cast<short>(qtKey);
    else if (qtKey == Qt::Key_Space)
        key = 32;
    else if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        key = 13;
    else if (qtKey == Qt::Key_Escape)
        key = 27;
    else if (qtKey == Qt::Key_Insert)
        key = 45;
    else if (qtKey == Qt::Key_Delete)
        key = 46;
    else if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        key = static_cast<short>(112 + qtKey - Qt::Key_F1);
    short shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    if (key != 0)
        emit KeyReleased(key, shift);
    event->accept();
}

void CSpreadSheet::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index != currentIndex() && !ConfirmLeave(index)) {
        event->accept();
        return;
    }
    passGate_ = true;
    QTableView::mousePressEvent(event);
    passGate_ = false;
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit CellTouched(index.column() + 1, index.row() + 1);
}

void CSpreadSheet::contextMenuEvent(QContextMenuEvent* event) {
    QPoint pos = event->pos();
    QModelIndex index = indexAt(pos);
    if (event->reason() != QContextMenuEvent::Mouse || !index.isValid()) {
        index = currentIndex();
        if (event->reason() != QContextMenuEvent::Mouse)
            pos = visualRect(index).center();
    }
    const int x = pos.x() * 1440 / std::max(1, logicalDpiX());
    const int y = pos.y() * 1440 / std::max(1, logicalDpiY());
    emit RightClicked(0, index.column() + 1, index.row() + 1, x, y);
    event->accept();
}

void CSpreadSheet::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid()) {
        curCol_ = lastCol_ = current.column() + 1;
        curRow_ = lastRow_ = current.row() + 1;
    }
    // Moves that did not come through the keyboard or mouse checks above (row header
    // clicks, for one) are checked after the fact and undone when refused.
    if (passGate_ || quietMove_ || reverting_ || !previous.isValid() || !current.isValid() ||
        current == previous)
        return;
    bool cancel = false;
    emit LeavingCell(previous.column() + 1, previous.row() + 1, current.column() + 1,
                     current.row() + 1, cancel);
    if (cancel) {
        reverting_ = true;
        selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
        reverting_ = false;
    }
}

bool CSpreadSheet::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    QWidget* before = editor_;
    const bool started = QTableView::edit(index, trigger, event);
    if (started && editor_ && editor_ != before)
        emit EditModeChanged(index.column() + 1, index.row() + 1, 1, false);
    return started;
}

void CSpreadSheet::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor != editor_ || !editor_) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const QModelIndex index = editIndex_;
    const QString start = editStartText_;
    editor_ = nullptr;
    const auto move = pendingMove_;
    pendingMove_.reset();
    QTableView::closeEditor(editor, hint == QAbstractItemDelegate::RevertModelCache
                                        ? hint
                                        : QAbstractItemDelegate::NoHint);
    if (!index.isValid())
        return;
    const int c = index.column() + 1, r = index.row() + 1;
    emit EditModeChanged(c, r, 0, model_->Text(c, r) != start);
    if (move && hint != QAbstractItemDelegate::RevertModelCache)
        MoveGuarded(*move);
}

// ---- Drag and drop ----

void CSpreadSheet::startDrag(Qt::DropActions) {
    const int r1 = GetSelectionFirstRow(), r2 = GetSelectionLastRow();
    if (r1 < 1)
        return;
    int c1 = model_->cols, c2 = 1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        c1 = std::min(c1, range.left() + 1);
        c2 = std::max(c2, range.right() + 1);
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(MimeForRange(c1, r1, c2, r2));
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

void CSpreadSheet::dragEnterEvent(QDragEnterEvent* event) {
    if (!model_->canDropMimeData(event->mimeData(), event->proposedAction(), -1, -1, {})) {
        event->ignore();
        return;
    }
    QTableView::dragEnterEvent(event);
    event->accept();
}

void CSpreadSheet::dragMoveEvent(QDragMoveEvent* event) {
    QTableView::dragMoveEvent(event);
    if (!model_->canDropMimeData(event->mimeData(), event->proposedAction(), -1, -1, {})) {
        event->ignore();
        return;
    }
    const bool own = event->source() == this;
    event->setDropAction(own && !(event->modifiers() & Qt::ControlModifier) ? Qt::MoveAction
                                                                            : Qt::CopyAction);
    event->accept();
}

void CSpreadSheet::dropEvent(QDropEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    const QMimeData* mime = event->mimeData();
    const QString ownType = QString::fromLatin1(kRowsMimeType);
    if (!at.isValid() || !mime) {
        event->ignore();
        return;
    }
    const int dropCol = at.column() + 1, dropRow = at.row() + 1;
    const bool copy = event->modifiers() & Qt::ControlModifier;
    // The drag itself moves nothing: the grid does it here, so the view's own move (which
    // would remove rows) must not run.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (mime->hasFormat(ownType)) {
        QDataStream in(mime->data(ownType));
        quint32 magic = 0;
        quint64 source = 0;
        qint32 c1 = 0, r1 = 0, c2 = -1, r2 = -1;
        in >> magic >> source >> c1 >> r1 >> c2 >> r2;
        if (magic == kMimeMagic && source == quint64(reinterpret_cast<quintptr>(this)) &&
            model_->Valid(c1, r1) && model_->Valid(c2, r2) && c2 >= c1 && r2 >= r1) {
            short action = copy ? 1 : 0;
            bool dataOnly = false, cancel = false;
            emit BlockDropped(
                c1, r1, c2, r2, dropCol, dropRow, std::min(model_->cols, dropCol + c2 - c1),
                std::min(model_->rows, dropRow + r2 - r1), true, action, dataOnly, cancel);
            if (!cancel)
                CopyCells(Rect{c1, r1, c2, r2}, dropCol, dropRow, action == 0);
            return;
        }
    }
    PasteFromMime(mime, dropCol, dropRow);
}

// ---- Printing ----

void CSpreadSheet::RunPrint() {
    lastPrintError_.clear();
    if (printer_) {
        lastPrintResult_ = Print(*printer_, &lastPrintError_);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        lastPrintResult_ = -1;
        lastPrintError_ = tr("No printer is installed.");
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    lastPrintResult_ = Print(printer, &lastPrintError_);
}

int CSpreadSheet::Print(QPrinter& printer, QString* error) {
    // What to print.
    int c1 = 1, c2 = model_->cols, r1 = 1, r2 = model_->rows;
    if (print_.rangeKind == PrintCurrentRange) {
        const Rect r = Range();
        c1 = r.c1;
        c2 = r.c2;
        r1 = r.r1;
        r2 = r.r2;
    } else if (print_.usedAreaOnly) {
        r2 = 0;
        for (int row = model_->rows; row >= 1 && r2 == 0; --row)
            for (int c = 1; c <= model_->cols; ++c)
                if (!model_->Text(c, row).isEmpty()) {
                    r2 = row;
                    break;
                }
    }

    printer.setDocName(print_.jobName.isEmpty() ? tr("Grid") : print_.jobName);
    printer.setFullPage(true);
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    layout.setUnits(QPageLayout::Point);
    layout.setMargins(QMarginsF(print_.marginLeft / 20.0, print_.marginTop / 20.0,
                                print_.marginRight / 20.0, print_.marginBottom / 20.0));
    printer.setPageLayout(layout);
    const int dpi = printer.resolution();
    const QRect full = printer.pageLayout().fullRectPixels(dpi);
    QRect area = full.marginsRemoved(printer.pageLayout().marginsPixels(dpi));
    if (area.width() < dpi || area.height() < dpi) // margins that leave no room
        area = full.marginsRemoved(QMargins(dpi / 4, dpi / 4, dpi / 4, dpi / 4));

    QFont cellFont = font();
    cellFont.setPointSizeF(10);
    QFont headFont = cellFont;
    headFont.setBold(true);
    const QFontMetrics fm(cellFont, &printer);
    const int rowH = fm.height() * 3 / 2;
    int headerLines = 1;
    for (int c = c1; c <= c2; ++c)
        headerLines = std::max(
            headerLines, static_cast<int>(model_->columns[c].header.count(QLatin1Char('\n'))) + 1);
    const int headH = print_.columnHeaders ? fm.height() * headerLines + fm.height() / 2 : 0;
    const int numW = print_.rowHeaders ? fm.horizontalAdvance(QStringLiteral("00000")) : 0;

    // Column widths follow the screen's proportions, fitted to the page width.
    std::vector<double> widths;
    double total = 0;
    for (int c = c1; c <= c2; ++c) {
        widths.push_back(std::max(20, columnWidth(c - 1)));
        total += widths.back();
    }
    const double scale = total > 0 ? (area.width() - numW) / total : 1.0;
    for (double& w : widths)
        w *= scale;

    std::vector<QFont> printFonts;
    for (int c = c1; c <= c2; ++c) {
        QFont f = model_->columns[c].font ? *model_->columns[c].font : cellFont;
        f.setPointSizeF(10);
        printFonts.push_back(f);
    }

    const int perPage = std::max(1, (area.height() - headH) / rowH);
    const int rowCount = std::max(0, r2 - r1 + 1);
    const int pageCount = std::max(1, (rowCount + perPage - 1) / perPage);
    int firstPage = 1, lastPage = pageCount;
    if (print_.rangeKind == PrintPageRange) {
        firstPage = std::max(1, print_.firstPage);
        lastPage = (print_.lastPage <= 0 || print_.lastPage < firstPage)
                       ? pageCount
                       : std::min(pageCount, print_.lastPage);
    }
    if (firstPage > lastPage)
        return 0;

    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = tr("The printer could not be started.");
        return -1;
    }
    const QPen gridPen(Qt::black, std::max(1, dpi / 150));
    const QPen borderPen(Qt::black, std::max(2, dpi / 72));
    int printed = 0;
    for (int page = firstPage; page <= lastPage; ++page) {
        if (printed > 0 && !printer.newPage()) {
            painter.end();
            if (error)
                *error = tr("The printer refused a new page.");
            return -1;
        }
        const int pageRow1 = r1 + (page - 1) * perPage;
        const int pageRow2 = std::min(r2, pageRow1 + perPage - 1);
        const int bodyRows = std::max(0, pageRow2 - pageRow1 + 1);
        const int tableW =
            numW + static_cast<int>(std::accumulate(widths.begin(), widths.end(), 0.0));
        const int tableH = headH + bodyRows * rowH;
        const auto colLeft = [&](int i) {
            double x = area.left() + numW;
            for (int k = 0; k < i; ++k)
                x += widths[k];
            return static_cast<int>(x);
        };
        const int pad = fm.averageCharWidth() / 2;
        if (print_.columnHeaders) {
            painter.setFont(headFont);
            painter.fillRect(QRect(area.left(), area.top(), tableW, headH), QColor(230, 230, 230));
            for (int i = 0; i <= c2 - c1; ++i) {
                const QRect cell(colLeft(i), area.top(), static_cast<int>(widths[i]), headH);
                painter.drawText(cell.adjusted(pad, 0, -pad, 0), Qt::AlignCenter,
                                 model_->columns[c1 + i].header);
            }
        }
        painter.setFont(cellFont);
        for (int row = pageRow1; row <= pageRow2; ++row) {
            const int y = area.top() + headH + (row - pageRow1) * rowH;
            if (print_.rowHeaders)
                painter.drawText(QRect(area.left(), y, numW - pad, rowH),
                                 Qt::AlignRight | Qt::AlignVCenter, QString::number(row));
            for (int i = 0; i <= c2 - c1; ++i) {
                const int c = c1 + i;
                QString text = model_->Text(c, row);
                int align = Qt::AlignLeft | Qt::AlignVCenter;
                if (model_->Kind(c) == CellKind::Check) {
                    text = text == QLatin1String("1") ? tr("Yes") : QString();
                    align = Qt::AlignCenter;
                } else if (model_->Kind(c) == CellKind::Frequency) {
                    align = Qt::AlignRight | Qt::AlignVCenter;
                }
                painter.setFont(printFonts[i]);
                const QRect cell(colLeft(i), y, static_cast<int>(widths[i]), rowH);
                painter.drawText(cell.adjusted(pad, 0, -pad, 0), align,
                                 fm.elidedText(text, Qt::ElideRight, cell.width() - 2 * pad));
            }
        }
        if (print_.gridLines) {
            painter.setPen(gridPen);
            for (int i = 0; i <= bodyRows; ++i) {
                const int y = area.top() + headH + i * rowH;
                painter.drawLine(area.left(), y, area.left() + tableW, y);
            }
            if (numW > 0)
                painter.drawLine(area.left() + numW, area.top(), area.left() + numW,
                                 area.top() + tableH);
            for (int i = 1; i <= c2 - c1; ++i)
                painter.drawLine(colLeft(i), area.top(), colLeft(i), area.top() + tableH);
        }
        if (print_.border) {
            painter.setPen(borderPen);
            painter.drawRect(QRect(area.left(), area.top(), tableW, tableH));
        }
        painter.setPen(QPen(Qt::black));
        ++printed;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        if (error)
            *error = tr("The printer reported an error.");
        return -1;
    }
    return printed;
}

#include "SpreadSheet.moc"
