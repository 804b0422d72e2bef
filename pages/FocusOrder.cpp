#include "pages/FocusOrder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QWidget>

namespace {

void Collect(const QLayout* layout, QList<QWidget*>& out);

void CollectItem(QLayoutItem* item, QList<QWidget*>& out) {
    if (!item)
        return;
    if (QWidget* w = item->widget()) {
        if (w->isWindow() || out.contains(w))
            return;
        // A control takes the focus itself; a container (a group box) passes it to its own.
        if (w->focusPolicy() != Qt::NoFocus)
            out << w;
        else if (w->layout())
            Collect(w->layout(), out);
    } else if (const QLayout* inner = item->layout()) {
        Collect(inner, out);
    }
}

void Collect(const QLayout* layout, QList<QWidget*>& out) {
    if (const auto* form = qobject_cast<const QFormLayout*>(layout)) {
        for (int row = 0; row < form->rowCount(); ++row)
            for (const auto role :
                 {QFormLayout::LabelRole, QFormLayout::FieldRole, QFormLayout::SpanningRole})
                CollectItem(form->itemAt(row, role), out);
        return;
    }
    if (const auto* grid = qobject_cast<const QGridLayout*>(layout)) {
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                CollectItem(grid->itemAtPosition(row, column), out);
        return;
    }
    for (int i = 0; i < layout->count(); ++i)
        CollectItem(layout->itemAt(i), out);
}

} // namespace

void OrderTabsByLayout(QWidget* top) {
    if (!top->layout())
        return;
    QList<QWidget*> order;
    Collect(top->layout(), order);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TabToCheckedButton(QButtonGroup* group) {
    const auto follow = [group] {
        const QList<QAbstractButton*> buttons = group->buttons();
        QAbstractButton* entry = group->checkedButton();
        if (!entry && !buttons.isEmpty())
            entry = buttons.first();
        for (QAbstractButton* button : buttons)
            button->setFocusPolicy(button == entry ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, follow);
    follow();
}
