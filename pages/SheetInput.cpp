#include "pages/SheetModel.h"
#include "pages/SpreadSheet.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <utility>

bool CSpreadSheet::ConfirmLeave(const QModelIndex& to) {
    CommitOpenEditor();
    const QModelIndex from = currentIndex();
    if (!from.isValid() || !to.isValid() || from == to)
        return true;
    bool cancel = false;
    emit LeavingCell(from.column() + 1, from.row() + 1, to.column() + 1, to.row() + 1, cancel);
    return !cancel;
}

void CSpreadSheet::CommitOpenEditor() {
    if (QWidget* editor = editor_) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CSpreadSheet::MoveGuarded(CursorAction action) {
    const QModelIndex to = moveCursor(action, Qt::NoModifier);
    if (!to.isValid() || to == currentIndex() || !ConfirmLeave(to))
        return;
    passGate_ = true;
    selectionModel()->setCurrentIndex(to, QItemSelectionModel::ClearAndSelect);
    passGate_ = false;
    scrollTo(to);
}

std::optional<QAbstractItemView::CursorAction> CSpreadSheet::CursorKeyAction(int key) {
    static constexpr std::pair<int, CursorAction> kMoves[] = {
        {Qt::Key_Up, MoveUp},         {Qt::Key_Down, MoveDown},        {Qt::Key_Left, MoveLeft},
        {Qt::Key_Right, MoveRight},   {Qt::Key_Home, MoveHome},        {Qt::Key_End, MoveEnd},
        {Qt::Key_PageUp, MovePageUp}, {Qt::Key_PageDown, MovePageDown}};
    for (const auto& [k, action] : kMoves)
        if (k == key)
            return action;
    return std::nullopt;
}

void CSpreadSheet::ClearSelectedCells() {
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    for (const QModelIndex& index : cells) {
        const int c = index.column() + 1, r = index.row() + 1;
        if (model_->Locked(c, r) || model_->At(c, r) == SheetCell{})
            continue;
        model_->Put(c, r, SheetCell{});
        emit CellChanged(c, r);
    }
}

// Arrow and page keys move the cursor only when the page lets it leave the cell.
void CSpreadSheet::MoveByKey(QKeyEvent* event, CursorAction action) {
    MoveIfAllowed(moveCursor(action, event->modifiers()), event,
                  [&] { QTableView::keyPressEvent(event); });
}

// Lets the view handle event, which moves the cursor to `to`, only when the page lets the
// cursor leave its cell; false when the cursor was kept where it is.
bool CSpreadSheet::MoveIfAllowed(const QModelIndex& to, QEvent* event,
                                 const std::function<void()>& handle) {
    if (to.isValid() && to != currentIndex() && !ConfirmLeave(to)) {
        event->accept();
        return false;
    }
    passGate_ = true;
    handle();
    passGate_ = false;
    return true;
}

std::optional<CSpreadSheet::Operation> CSpreadSheet::ClipboardKeyOperation(const QKeyEvent* event) {
    static constexpr std::pair<QKeySequence::StandardKey, Operation> kKeys[] = {
        {QKeySequence::Copy, OpClipboardCopy},
        {QKeySequence::Cut, OpClipboardCut},
        {QKeySequence::Paste, OpClipboardPaste}};
    for (const auto& [key, operation] : kKeys)
        if (event->matches(key))
            return operation;
    return std::nullopt;
}

// The selected cells, or the current cell when nothing is selected.
CSpreadSheet::Rect CSpreadSheet::SelectedRect() const {
    const QModelIndex current = currentIndex();
    Rect r{curCol_, curRow_, curCol_, curRow_};
    if (current.isValid())
        r = {current.column() + 1, current.row() + 1, current.column() + 1, current.row() + 1};
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.isEmpty())
        return r;
    r = {cells[0].column() + 1, cells[0].row() + 1, cells[0].column() + 1, cells[0].row() + 1};
    for (const QModelIndex& index : cells) {
        r.c1 = std::min(r.c1, index.column() + 1);
        r.r1 = std::min(r.r1, index.row() + 1);
        r.c2 = std::max(r.c2, index.column() + 1);
        r.r2 = std::max(r.r2, index.row() + 1);
    }
    return r;
}

// Copy, Cut and Paste act when the key goes down, as in every other program: acting on the
// release missed the copy whenever Ctrl came up first. Where the window's Edit commands apply,
// their shortcuts take these keys before the grid sees them.
void CSpreadSheet::RunClipboardKey(Operation operation) {
    const Rect r = SelectedRect();
    if (operation == OpClipboardPaste) {
        PasteFromMime(QApplication::clipboard()->mimeData(), r.c1, r.r1);
        return;
    }
    CopyToClipboard(r);
    if (operation == OpClipboardCut)
        ClearSelectedCells();
}

// Shift+F10 and the Menu key open the menu of the current cell. Where the platform turns the
// Menu key into a context menu event of its own, that event has already opened it.
bool CSpreadSheet::IsMenuKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Menu ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
}

void CSpreadSheet::keyPressEvent(QKeyEvent* event) {
    pressedKey_ = event->key();
    const bool menuShown = std::exchange(keyboardMenuShown_, false);
    if (IsMenuKey(event)) {
        if (!menuShown || event->key() != Qt::Key_Menu) {
            const QPoint at = visualRect(currentIndex()).center();
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at));
            contextMenuEvent(&menu);
            keyboardMenuShown_ = false;
        }
        event->accept();
        return;
    }
    if (const auto operation = ClipboardKeyOperation(event)) {
        if (state() != EditingState)
            RunClipboardKey(*operation);
        event->accept();
        return;
    }
    if (const auto action = CursorKeyAction(event->key())) {
        MoveByKey(event, *action);
        return;
    }
    const int key = event->key();
    const bool editing = state() == EditingState;
    if (!editing && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        MoveGuarded(MoveDown);
        event->accept();
        return;
    }
    if (!editing && (key == Qt::Key_Delete || key == Qt::Key_Backspace) &&
        event->modifiers() == Qt::NoModifier) {
        ClearSelectedCells();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

namespace {

// The Windows key code of a Qt key, 0 for keys the pages do not listen to.
short WindowsKeyCode(int qtKey) {
    static constexpr std::pair<int, short> kCodes[] = {{Qt::Key_Space, 32},  {Qt::Key_Return, 13},
                                                       {Qt::Key_Enter, 13},  {Qt::Key_Escape, 27},
                                                       {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46}};
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<short>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<short>(112 + qtKey - Qt::Key_F1);
    for (const auto& [qt, code] : kCodes)
        if (qt == qtKey)
            return code;
    return 0;
}

short ShiftBits(Qt::KeyboardModifiers modifiers) {
    short shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

} // namespace

void CSpreadSheet::keyReleaseEvent(QKeyEvent* event) {
    if (state() == EditingState) {
        QTableView::keyReleaseEvent(event);
        return;
    }
    // Only keys pressed here: a key whose press ran a window shortcut (Ctrl+X of the Edit
    // menu) must not run its command a second time on release.
    if (event->isAutoRepeat() || event->key() != pressedKey_) {
        event->accept();
        return;
    }
    pressedKey_ = 0;
    short key = WindowsKeyCode(event->key());
    if (key != 0)
        emit KeyReleased(key, ShiftBits(event->modifiers()));
    event->accept();
}

void CSpreadSheet::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!MoveIfAllowed(index, event, [&] { QTableView::mousePressEvent(event); }))
        return;
    if (index.isValid() && event->button() == Qt::LeftButton)
        emit CellTouched(index.column() + 1, index.row() + 1);
}

void CSpreadSheet::contextMenuEvent(QContextMenuEvent* event) {
    QPoint pos = event->pos();
    QModelIndex index = indexAt(pos);
    if (event->reason() != QContextMenuEvent::Mouse || !index.isValid()) {
        index = currentIndex();
        if (event->reason() != QContextMenuEvent::Mouse)
            pos = visualRect(index).center();
    }
    const int x = pos.x() * 1440 / std::max(1, logicalDpiX());
    const int y = pos.y() * 1440 / std::max(1, logicalDpiY());
    keyboardMenuShown_ = event->reason() == QContextMenuEvent::Keyboard;
    emit RightClicked(0, index.column() + 1, index.row() + 1, x, y);
    event->accept();
}

void CSpreadSheet::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid()) {
        curCol_ = lastCol_ = current.column() + 1;
        curRow_ = lastRow_ = current.row() + 1;
    }
    // Moves that did not come through the keyboard or mouse checks above (row header
    // clicks, for one) are checked after the fact and undone when refused.
    if (passGate_ || quietMove_ || reverting_ || !previous.isValid() || !current.isValid() ||
        current == previous)
        return;
    bool cancel = false;
    emit LeavingCell(previous.column() + 1, previous.row() + 1, current.column() + 1,
                     current.row() + 1, cancel);
    if (cancel) {
        reverting_ = true;
        selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
        reverting_ = false;
    }
}

bool CSpreadSheet::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    QWidget* before = editor_;
    const bool started = QTableView::edit(index, trigger, event);
    if (started && editor_ && editor_ != before)
        emit EditModeChanged(index.column() + 1, index.row() + 1, 1, false);
    return started;
}

void CSpreadSheet::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor != editor_ || !editor_) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const QModelIndex index = editIndex_;
    const QString start = editStartText_;
    editor_ = nullptr;
    const auto move = pendingMove_;
    pendingMove_.reset();
    QTableView::closeEditor(editor, hint == QAbstractItemDelegate::RevertModelCache
                                        ? hint
                                        : QAbstractItemDelegate::NoHint);
    if (!index.isValid())
        return;
    const int c = index.column() + 1, r = index.row() + 1;
    emit EditModeChanged(c, r, 0, model_->Text(c, r) != start);
    if (move && hint != QAbstractItemDelegate::RevertModelCache)
        MoveGuarded(*move);
}
