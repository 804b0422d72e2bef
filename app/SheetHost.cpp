#include "app/SheetHost.h"

#include "pages/AutoBand.h"
#include "pages/DualWatch.h"
#include "pages/MemoryView.h"
#include "pages/Page2.h"
#include "pages/PageMain.h"
#include "pages/PropertyPage.h"
#include "pages/SkipFrequency.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QVBoxLayout>

// ---- CSnapPropertySheet ----------------------------------------------------------------

CSnapPropertySheet::CSnapPropertySheet(QWidget* parent) : QTabWidget(parent) {
    setAccessibleName(QStringLiteral("Pages"));
    connect(this, &QTabWidget::currentChanged, this, &CSnapPropertySheet::OnCurrentChanged);
}

void CSnapPropertySheet::AddPage(CPropertyPage* page) {
    switching_ = true; // the first page added becomes current without being entered yet
    addTab(page, page->Title());
    switching_ = false;
}

CPropertyPage* CSnapPropertySheet::GetPage(int index) const {
    return qobject_cast<CPropertyPage*>(widget(index));
}

void CSnapPropertySheet::Start() {
    if (count() == 0)
        return;
    ShowIndex(0);
    if (GetPage(0)->OnSetActive())
        active_ = 0;
}

bool CSnapPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= count())
        return false;
    if (index != active_)
        setCurrentIndex(index);
    return active_ == index;
}

void CSnapPropertySheet::ShowIndex(int index) {
    switching_ = true;
    setCurrentIndex(index);
    switching_ = false;
}

// The tab bar has already switched when this runs; a page that refuses puts it back.
void CSnapPropertySheet::OnCurrentChanged(int index) {
    if (switching_ || index == active_)
        return;
    const int old = active_;
    if (CPropertyPage* leaving = GetPage(old); leaving && !leaving->OnKillActive()) {
        ShowIndex(old);
        return;
    }
    CPropertyPage* entering = GetPage(index);
    if (entering && entering->OnSetActive()) {
        active_ = index;
        return;
    }
    // The new page refused: the old one comes back with what the image now holds.
    ShowIndex(old);
    if (CPropertyPage* back = GetPage(old))
        back->OnSetActive();
}

// ---- CSheetHostWnd ---------------------------------------------------------------------

namespace {

template <typename Page> CPropertyPage* MakePage(CVR500Radio& radio, QWidget* parent) {
    return new Page(radio, parent);
}

// The pages after Memory View, in tab order.
using PageFactory = CPropertyPage* (*)(CVR500Radio&, QWidget*);
const PageFactory kOtherPages[] = {
    &MakePage<CSkipFrequency>, &MakePage<CDualWatch>, &MakePage<CAutoBand>,
    &MakePage<CPageMain>,      &MakePage<CPage2>,
};

} // namespace

CSheetHostWnd::CSheetHostWnd(CVR500Radio& radio, QWidget* parent)
    : QWidget(parent), sheet_(new CSnapPropertySheet(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sheet_);
    // Room for a page of controls even before the largest page asks for more.
    sheet_->setMinimumSize(560, 380);

    memoryView_ = new CMemoryView(radio, sheet_);
    sheet_->AddPage(memoryView_);
    for (PageFactory make : kOtherPages)
        sheet_->AddPage(make(radio, sheet_));
    sheet_->Start();
}

bool CSheetHostWnd::ActivateMemoryView() {
    return sheet_->SetActivePage(sheet_->indexOf(memoryView_));
}

// A cell editor open on the page being left gives its text to the cell as the page hides,
// before the page is asked to let go.
void CSheetHostWnd::StepPage(int step) {
    const int count = sheet_->count();
    if (count == 0)
        return;
    const int to = ((sheet_->GetActiveIndex() + step) % count + count) % count;
    if (sheet_->SetActivePage(to))
        FocusFirstControl(sheet_->GetPage(to));
}

void CSheetHostWnd::FocusFirstControl(QWidget* page) {
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(page)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CSheetHostWnd::ReloadMemoryView() {
    memoryView_->FillGrid();
}

int CSheetHostWnd::ActiveHelpContext() const {
    const CPropertyPage* page = sheet_->GetActivePage();
    return page ? page->HelpContext() : memoryView_->HelpContext();
}

// A command reached by a key leaves the cell editor open; the editor gives its text to the
// cell when it loses the focus, as it does when the user clicks elsewhere.
void CSheetHostWnd::FinishCellEditing() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !sheet_->isAncestorOf(focus))
        return;
    // Cell editors sit on the view's viewport.
    QWidget* viewport = focus->parentWidget();
    auto* view = viewport ? qobject_cast<QAbstractItemView*>(viewport->parentWidget()) : nullptr;
    if (view && view->viewport() == viewport) {
        focus->clearFocus();
        view->setFocus();
    }
}

bool CSheetHostWnd::CommitPages() {
    FinishCellEditing();
    CPropertyPage* active = sheet_->GetActivePage();
    if (active && !active->OnKillActive())
        return false;
    return active == memoryView_ || memoryView_->OnKillActive();
}

void CSheetHostWnd::ReloadPages() {
    ReloadMemoryView();
    CPropertyPage* active = sheet_->GetActivePage();
    if (active && active != memoryView_)
        active->OnSetActive();
}
