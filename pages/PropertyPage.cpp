#include "pages/PropertyPage.h"

#include "pages/FocusOrder.h"
#include "pages/SpreadSheet.h"

#include <QButtonGroup>

CPropertyPage::CPropertyPage(CVR500Radio& radio, const QString& title, int helpContext,
                             QWidget* parent)
    : QWidget(parent), radio_(radio), title_(title), helpContext_(helpContext) {
    setAccessibleName(title);
}

bool CPropertyPage::OnSetActive() {
    return true;
}

bool CPropertyPage::OnKillActive() {
    return true;
}

void CPropertyPage::WatchGrid(CSpreadSheet& grid) {
    connect(&grid, &CSpreadSheet::CellChanged, this, [this, &grid](int column, int) {
        QString header;
        grid.ReadCell(column, 0, header);
        emit Edited(header.simplified());
    });
    connect(&grid, &CSpreadSheet::BlockDropped, this, [this] { emit Edited(tr("Drag and Drop")); });
    connect(&grid, &CSpreadSheet::Pasted, this,
            [this](bool dropped) { emit Edited(dropped ? tr("Drop") : tr("Paste")); });
}

void CPropertyPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(keyboardOrdered_, true))
        return;
    OrderTabsByLayout(this);
    for (QButtonGroup* group : findChildren<QButtonGroup*>())
        TabToCheckedButton(group);
}
