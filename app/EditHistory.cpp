#include "app/EditHistory.h"

#include "app/SheetHost.h"
#include "pages/ChannelFinder.h"
#include "pages/MemoryView.h"
#include "pages/PropertyPage.h"
#include "radio/Radio.h"

CEditHistory::CEditHistory(CVR500Radio& radio, CSheetHostWnd& host, QObject* parent)
    : QObject(parent), radio_(radio), host_(host), finder_(new CChannelFinder(*host.MemoryView())) {
    CSnapPropertySheet* sheet = host.Sheet();
    for (int i = 0; i < sheet->count(); ++i)
        connect(sheet->GetPage(i), &CPropertyPage::Edited, this, &CEditHistory::RecordSoon);
    // Runs after the sheet has stored the page that was left.
    connect(sheet, &QTabWidget::currentChanged, this, &CEditHistory::OnPageSwitched);
    shownPage_ = std::max(0, sheet->GetActiveIndex());
    history_.Reset(radio_.EditImage());
}

void CEditHistory::Reset() {
    pending_.clear();
    // What the model changed on top of the file while opening it (an adjustment to the
    // receiver's version) is a step the user can take back.
    history_.Reset(radio_.SavedImage());
    history_.Record(radio_.EditImage(), tr("Adjust to Receiver Version"),
                    host_.Sheet()->IndexOf(host_.MemoryView()));
    Reloaded();
}

void CEditHistory::ReadEnded(const Image& before, bool succeeded) {
    pending_.clear();
    if (succeeded)
        history_.Reset(before);
    history_.Record(radio_.EditImage(), tr("Get Data"), host_.Sheet()->IndexOf(host_.MemoryView()));
    Reloaded();
}

// The pages' own store, as before a save: a cell still being edited counts.
bool CEditHistory::StoreActivePage() {
    return host_.CommitPages();
}

// label by value: it may be pending_ itself, which is cleared here.
bool CEditHistory::Record(QString label) {
    pending_.clear();
    if (restoring_ || !StoreActivePage() || TookBack(label))
        return false;
    const bool kept = history_.Record(radio_.EditImage(), label, host_.GetActivePageIndex());
    Reloaded();
    return kept;
}

void CEditHistory::RecordSoon(const QString& label) {
    if (stepOpen_ || !pending_.isEmpty())
        return; // the command under way, or the first one, names the step
    pending_ = label;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!pending_.isEmpty())
                Record(pending_);
        },
        Qt::QueuedConnection);
}

void CEditHistory::RunStep(const QString& label, const std::function<void()>& command) {
    // An edit announced before the command is a step of its own.
    if (!pending_.isEmpty())
        Record(pending_);
    // Recorded when the command is over, not when the event is: a command may wait for a
    // dialog, whose event loop would record a step only half made.
    stepOpen_ = true;
    command();
    stepOpen_ = false;
    Record(label);
}

void CEditHistory::TakeIn() {
    if (frozen_)
        frozen_ = radio_.EditImage();
    history_.Adopt(radio_.EditImage());
    Reloaded();
}

void CEditHistory::OnPageSwitched() {
    const int now = host_.GetActivePageIndex();
    if (!restoring_ && now != shownPage_) {
        // The sheet has already stored the page that was left.
        if (CPropertyPage* left = host_.Sheet()->GetPage(shownPage_);
            left && !TookBack(left->EditLabel()))
            history_.Record(radio_.EditImage(), left->EditLabel(), shownPage_);
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
        history_.Record(radio_.EditImage(),
                        page == host_.MemoryView() ? tr("Typing") : page->EditLabel(),
                        host_.GetActivePageIndex());
    const int page = undo ? history_.UndoPage() : history_.RedoPage();
    if (page < 0)
        return;
    restoring_ = true;
    host_.Sheet()->SetActivePage(page);
    shownPage_ = host_.GetActivePageIndex();
    undo ? history_.Undo(radio_) : history_.Redo(radio_);
    host_.ReloadPages();
    restoring_ = false;
    Reloaded();
}

void CEditHistory::Reloaded() {
    finder_->RefreshHidden();
    emit Changed();
}

void CEditHistory::MakeReadOnly() {
    frozen_ = radio_.EditImage();
    emit Changed();
}

bool CEditHistory::TookBack(const QString& label) {
    if (!frozen_ || radio_.EditImage() == *frozen_)
        return false;
    radio_.SetEditImage(*frozen_);
    restoring_ = true;
    host_.ReloadPages();
    restoring_ = false;
    Reloaded();
    emit Refused(label);
    return true;
}
