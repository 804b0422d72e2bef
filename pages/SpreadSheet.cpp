#include "pages/SpreadSheet.h"

#include "pages/SheetDelegate.h"
#include "pages/SheetModel.h"
#include "radio/Codecs.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <algorithm>

namespace {

// Column headers keep their line breaks on screen, so columns stay narrow, while the model
// gives each as one line to everyone else (screen readers above all).
class SheetHeader : public QHeaderView {
public:
    explicit SheetHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        option->text = Lines(logicalIndex);
    }
    QSize sectionSizeFromContents(int logicalIndex) const override {
        QStyleOptionHeader option;
        initStyleOption(&option);
        initStyleOptionForIndex(&option, logicalIndex);
        const QSize text = fontMetrics().size(0, option.text);
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, text, this);
    }

private:
    QString Lines(int logicalIndex) const {
        return model() ? model()
                             ->headerData(logicalIndex, orientation(), SheetModel::kHeaderLinesRole)
                             .toString()
                       : QString();
    }
};

} // namespace

CSpreadSheet::CSpreadSheet(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new SheetHeader(this));
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

void CSpreadSheet::SetFirstRowNumber(int number) {
    model_->firstRowNumber = number;
    emit model_->headerDataChanged(Qt::Vertical, 0, std::max(model_->rows - 1, 0));
}

int CSpreadSheet::ColumnCount() const {
    return model_->cols;
}

int CSpreadSheet::RowCount() const {
    return model_->rows;
}

void CSpreadSheet::SetColumnKind(int column, CellKind kind) {
    if (model_->HasColumn(column)) {
        model_->columns[column].kind = kind;
        model_->Touch(column, 1, column, model_->rows);
    }
}

CellKind CSpreadSheet::ColumnKind(int column) const {
    return model_->Kind(column);
}

void CSpreadSheet::SetColumnMaxLength(int column, int length) {
    if (model_->HasColumn(column))
        model_->columns[column].maxLength = length;
}

void CSpreadSheet::SetColumnCharFilter(int column, std::function<bool(QChar)> accepts) {
    if (model_->HasColumn(column))
        model_->columns[column].accepts = std::move(accepts);
}

void CSpreadSheet::SetCellLocked(int column, int row, bool locked) {
    model_->SetLocked(column, row, locked);
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
            if (model_->Kind(c) == CellKind::List)
                model_->Put(c, row, model_->ListCell(c, index));
}

void CSpreadSheet::SetListItems(const QString& tabSeparated) {
    const Rect r = Range();
    for (int c = r.c1; c <= r.c2; ++c) {
        model_->columns[c].items = tabSeparated.split(QLatin1Char('\t'));
        model_->Touch(c, 1, c, model_->rows);
    }
}

QStringList CSpreadSheet::ListItems(int column) const {
    return (model_->HasColumn(column)) ? model_->columns[column].items : QStringList();
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
    else if (model_->HasColumn(column))
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

// ---- Changed cells ----

void CSpreadSheet::ResetChangedRows() {
    model_->MarkLoaded();
}

bool CSpreadSheet::IsCellChanged(int column, int row) const {
    return model_->CellChanged(column, row);
}

bool CSpreadSheet::IsRowChanged(int row) const {
    return model_->RowChanged(row);
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
