#include "pages/PropertyPage.h"

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
