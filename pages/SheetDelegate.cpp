#include "pages/SheetDelegate.h"

#include "pages/SheetModel.h"
#include "pages/SpreadSheet.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QValidator>

namespace {

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

} // namespace

SheetDelegate::SheetDelegate(CSpreadSheet* sheet, SheetModel* model)
    : QStyledItemDelegate(sheet), sheet_(sheet), model_(model) {}

QWidget* SheetDelegate::ListEditor(QWidget* parent, int column) const {
    auto* box = new QComboBox(parent);
    box->addItems(model_->columns[column].items);
    return box;
}

QWidget* SheetDelegate::LineEditor(QWidget* parent, int column) const {
    const SheetColumn& col = model_->columns[column];
    auto* line = new QLineEdit(parent);
    line->setFrame(false);
    if (col.kind == CellKind::Frequency) {
        line->setMaxLength(12);
        line->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]*[.,]?[0-9]*")), line));
        return line;
    }
    if (col.maxLength > 0)
        line->setMaxLength(col.maxLength);
    if (col.accepts)
        line->setValidator(new CharValidator(col.accepts, line));
    return line;
}

QWidget* SheetDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    const int c = index.column() + 1;
    const SheetColumn& column = model_->columns[c];
    if (column.kind == CellKind::Check)
        return nullptr;
    QWidget* editor = column.kind == CellKind::List ? ListEditor(parent, c) : LineEditor(parent, c);
    if (column.font)
        editor->setFont(*column.font);
    editor->setAccessibleName(column.header.simplified());
    sheet_->editor_ = editor;
    sheet_->editIndex_ = index;
    sheet_->editStartText_ = model_->Text(c, index.row() + 1);
    return editor;
}

void SheetDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor))
        box->setCurrentIndex(index.data(Qt::EditRole).toInt());
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(index.data(Qt::EditRole).toString());
}

void SheetDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor))
        model->setData(index, box->currentIndex(), Qt::EditRole);
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        model->setData(index, line->text(), Qt::EditRole);
}

bool SheetDelegate::eventFilter(QObject* object, QEvent* event) {
    // Enter and Tab end the editing at once (Qt would queue it) and move on like a
    // spreadsheet: Enter down, Tab right, Shift+Tab left.
    auto* widget = qobject_cast<QWidget*>(object);
    if (event->type() != QEvent::KeyPress || !widget)
        return QStyledItemDelegate::eventFilter(object, event);
    std::optional<CSpreadSheet::CursorAction> move;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        move = CSpreadSheet::MoveDown;
        break;
    case Qt::Key_Tab:
        move = CSpreadSheet::MoveRight;
        break;
    case Qt::Key_Backtab:
        move = CSpreadSheet::MoveLeft;
        break;
    default:
        return QStyledItemDelegate::eventFilter(object, event);
    }
    sheet_->pendingMove_ = move;
    emit commitData(widget);
    emit closeEditor(widget, QAbstractItemDelegate::NoHint);
    return true;
}
