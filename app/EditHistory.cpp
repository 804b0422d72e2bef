#include "app/EditHistory.h"

#include "app/SheetHost.h"
#include "pages/ChannelFinder.h"
#include "pages/MemoryView.h"
#include "pages/PropertyPage.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

// "Cu&t\tCtrl+X" -> "Cut"
QString CommandName(const QString& text) {
    return text.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

// Widgets that belong to a grid (its editors) are the grid's business.
bool InGrid(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<const CSpreadSheet*>(w))
            return true;
    return false;
}

} // namespace

CEditHistory::CEditHistory(CVR500Radio& radio, CSheetHostWnd& host, QObject* parent)
    : QObject(parent), radio_(radio), host_(host), finder_(new CChannelFinder(*host.MemoryView())) {
    CSnapPropertySheet* sheet = host.Sheet();
    for (int i = 0; i < sheet->count(); ++i)
        WatchPage(sheet->GetPage(i));
    // Runs after the sheet has stored the page that was left.
    connect(sheet, &QTabWidget::currentChanged, this, &CEditHistory::OnPageSwitched);
    shownPage_ = std::max(0, sheet->GetActiveIndex());
    history_.Reset(radio_.EditImage);
}

QString CEditHistory::PageLabel(const CPropertyPage* page) const {
    return page == host_.MemoryView() ? tr("Scan Setting") : page->Title();
}

// Every control a user changes data with makes a step: grid cells are named by their column,
// the Memory View's commands by their own names, other controls by their page.
void CEditHistory::WatchPage(CPropertyPage* page) {
    const bool channels = page == host_.MemoryView();
    const QString pageLabel = PageLabel(page);
    for (CSpreadSheet* grid : page->findChildren<CSpreadSheet*>()) {
        connect(grid, &CSpreadSheet::CellChanged, this, [this, grid](int column, int) {
            QString header;
            grid->ReadCell(column, 0, header);
            RecordSoon(header.simplified());
        });
        connect(grid, &CSpreadSheet::BlockDropped, this,
                [this] { RecordSoon(tr("Drag and Drop")); });
        if (channels)
            connect(grid, &CSpreadSheet::KeyReleased, this, [this](short& key, short shift) {
                if (shift == 2 && key == 'X')
                    RecordSoon(tr("Cut"));
                else if (shift == 2 && key == 'V')
                    RecordSoon(tr("Paste"));
            });
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (InGrid(button))
            continue;
        const bool command = channels && qobject_cast<QPushButton*>(button);
        const QString label = command ? CommandName(button->text()) : pageLabel;
        connect(button, &QAbstractButton::clicked, this, [this, label] { RecordSoon(label); });
    }
    for (QComboBox* list : page->findChildren<QComboBox*>())
        if (!InGrid(list))
            connect(list, &QComboBox::activated, this,
                    [this, pageLabel] { RecordSoon(pageLabel); });
    for (QLineEdit* field : page->findChildren<QLineEdit*>())
        if (!InGrid(field) && !qobject_cast<QComboBox*>(field->parentWidget()))
            connect(field, &QLineEdit::editingFinished, this,
                    [this, pageLabel] { RecordSoon(pageLabel); });
    for (QMenu* menu : page->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !action->isCheckable() &&
                action != finder_->FindAction() && action != finder_->FindNextAction())
                connect(action, &QAction::triggered, this,
                        [this, action] { RecordSoon(CommandName(action->text())); });
}

void CEditHistory::Reset() {
    pending_.clear();
    history_.Reset(radio_.EditImage);
    Reloaded();
}

void CEditHistory::ReadEnded(const Image& before, bool succeeded) {
    pending_.clear();
    if (succeeded)
        history_.Reset(before);
    history_.Record(radio_.EditImage, tr("Get Data"), host_.Sheet()->indexOf(host_.MemoryView()));
    Reloaded();
}

// The pages' own store, as before a save: a cell still being edited counts.
bool CEditHistory::StoreActivePage() {
    return host_.CommitPages();
}

// label by value: it may be pending_ itself, which is cleared here.
bool CEditHistory::Record(QString label) {
    pending_.clear();
    if (restoring_ || !StoreActivePage())
        return false;
    const bool kept = history_.Record(radio_.EditImage, label, host_.GetActivePageIndex());
    Reloaded();
    return kept;
}

void CEditHistory::RecordSoon(const QString& label) {
    if (!pending_.isEmpty())
        return; // the first command names the step
    pending_ = label;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!pending_.isEmpty())
                Record(pending_);
        },
        Qt::QueuedConnection);
}

void CEditHistory::TakeIn() {
    history_.Adopt(radio_.EditImage);
    Reloaded();
}

void CEditHistory::OnPageSwitched() {
    const int now = host_.GetActivePageIndex();
    if (!restoring_ && now != shownPage_) {
        // The sheet has already stored the page that was left.
        if (CPropertyPage* left = host_.Sheet()->GetPage(shownPage_))
            history_.Record(radio_.EditImage, PageLabel(left), shownPage_);
    }
    shownPage_ = now;
    Reloaded();
}

void CEditHistory::Undo() {
    Restore(true);
}

void CEditHistory::Redo() {
    Restore(false);
}

// What the active page shows becomes a step first; then the page of the step is shown, the
// image goes back (or forward), and every page shows it.
void CEditHistory::Restore(bool undo) {
    if (!pending_.isEmpty())
        Record(pending_);
    else if (CPropertyPage* page = host_.Sheet()->GetActivePage(); page && StoreActivePage())
        history_.Record(radio_.EditImage,
                        page == host_.MemoryView() ? tr("Typing") : PageLabel(page),
                        host_.GetActivePageIndex());
    const int page = undo ? history_.UndoPage() : history_.RedoPage();
    if (page < 0)
        return;
    restoring_ = true;
    host_.Sheet()->SetActivePage(page);
    shownPage_ = host_.GetActivePageIndex();
    undo ? history_.Undo(radio_.EditImage) : history_.Redo(radio_.EditImage);
    host_.ReloadPages();
    restoring_ = false;
    Reloaded();
}

void CEditHistory::Reloaded() {
    finder_->RefreshHidden();
    emit Changed();
}
