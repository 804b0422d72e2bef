#pragma once
// Editors for the cell kinds of CSpreadSheet (private to the grid): a line editor with the
// column's character rules, or a drop-down list. Check cells have none (Space and clicks
// toggle them).

#include <QStyledItemDelegate>

class CSpreadSheet;
class SheetModel;

class SheetDelegate : public QStyledItemDelegate {
public:
    SheetDelegate(CSpreadSheet* sheet, SheetModel* model);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget* ListEditor(QWidget* parent, int column) const;
    QWidget* LineEditor(QWidget* parent, int column) const;

    CSpreadSheet* sheet_;
    SheetModel* model_;
};
