#include "app/SheetHost.h"

#include "pages/AutoBand.h"
#include "pages/DualWatch.h"
#include "pages/MemoryView.h"
#include "pages/Page2.h"
#include "pages/PageMain.h"
#include "pages/PropertyPage.h"
#include "pages/SkipFrequency.h"
#include "pages/SpreadSheet.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

// ---- CSnapPropertySheet ----------------------------------------------------------------

CSnapPropertySheet::CSnapPropertySheet(QWidget* parent) : QTabWidget(parent) {
    setAccessibleName(tr("Pages"));
    connect(this, &QTabWidget::currentChanged, this, &CSnapPropertySheet::OnCurrentChanged);
}

namespace {

// Asks for the room its page wants, so the window's first size shows the largest page whole.
class PageScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        return widget() ? widget()->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth())
                        : QScrollArea::sizeHint();
    }
};

} // namespace

// Each page sits in a scroll area: on a small screen or at a large scale a page that cannot
// shrink any further scrolls instead of being cut off, and one with room to spare grows.
void CSnapPropertySheet::AddPage(CPropertyPage* page) {
    auto* scroll = new PageScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    switching_ = true; // the first page added becomes current without being entered yet
    addTab(scroll, page->Title());
    switching_ = false;
}

CPropertyPage* CSnapPropertySheet::GetPage(int index) const {
    auto* scroll = qobject_cast<QScrollArea*>(widget(index));
    return scroll ? qobject_cast<CPropertyPage*>(scroll->widget()) : nullptr;
}

int CSnapPropertySheet::IndexOf(const CPropertyPage* page) const {
    for (int i = 0; i < count(); ++i)
        if (GetPage(i) == page)
            return i;
    return -1;
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

    memoryView_ = new CMemoryView(radio, sheet_);
    sheet_->AddPage(memoryView_);
    for (PageFactory make : kOtherPages)
        sheet_->AddPage(make(radio, sheet_));
    sheet_->Start();
}

bool CSheetHostWnd::ActivateMemoryView() {
    return sheet_->SetActivePage(sheet_->IndexOf(memoryView_));
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

bool CSheetHostWnd::ShowPlace(const QString& page, int list, int row) {
    int index = -1;
    // Places name a page by its English title; the page itself may show it translated.
    const QByteArray english = page.toUtf8();
    for (int i = 0; i < sheet_->count() && index < 0; ++i) {
        const CPropertyPage* candidate = sheet_->GetPage(i);
        if (candidate->Title() == page ||
            candidate->Title() ==
                QCoreApplication::translate(candidate->metaObject()->className(), english))
            index = i;
    }
    if (!sheet_->SetActivePage(index))
        return false;
    CPropertyPage* shown = sheet_->GetPage(index);
    if (row <= 0)
        return true;
    if (shown->layout())
        shown->layout()->activate();
    // The page's grids from left to right, top to bottom within a column.
    QList<CSpreadSheet*> grids = shown->findChildren<CSpreadSheet*>();
    std::ranges::stable_sort(grids, [shown](const CSpreadSheet* a, const CSpreadSheet* b) {
        const QPoint pa = a->mapTo(shown, QPoint()), pb = b->mapTo(shown, QPoint());
        return std::pair(pa.x(), pa.y()) < std::pair(pb.x(), pb.y());
    });
    if (list < 0 || list >= grids.size())
        return true;
    CSpreadSheet* grid = grids[list];
    const QModelIndex cell = grid->model()->index(row - 1, 0);
    if (!cell.isValid())
        return true;
    grid->setCurrentIndex(cell);
    grid->scrollTo(cell, QAbstractItemView::PositionAtCenter);
    grid->setFocus(Qt::OtherFocusReason);
    return true;
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
