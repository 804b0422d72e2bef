// The window's commands: offered where their table row says, with their keys, each running
// its own flow; and the Edit commands on the memory channels, by key, menu and grid menu.

#include "AppTestSupport.h"

#include "app/Commands.h"
#include "app/HelpWindow.h"
#include "link/TransferTrace.h"
#include "pages/FilterBar.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>
#include <functional>
#include <set>

namespace {

class Commands : public AppTest {
protected:
    CSpreadSheet* Sheet() const { return Host()->MemoryView()->Grid(); }
    QAction* Command(int id) const { return Frame()->Action(id); }
    QString Text(int col, int row) const {
        QString t;
        Sheet()->ReadCell(col, row, t);
        return t;
    }
    QString Name(int row) const { return Text(3, row); }
    // "frequency|mode|name|check"
    QString Row(int row) const {
        return QStringList{Text(1, row), Text(2, row), Text(3, row), Text(4, row)}.join('|');
    }
    void Put(int row, int hz, int mode, const char* name) {
        Sheet()->WriteCellFrequency(1, row, hz);
        Sheet()->SetCurrentColumn(2);
        Sheet()->SetCurrentRow(row);
        Sheet()->SetListIndex(mode);
        Sheet()->WriteCell(3, row, QString::fromLatin1(name));
        Sheet()->WriteCell(4, row, QStringLiteral("0"));
    }
    void Select(int first, int last) {
        Sheet()->SetCurrentColumn(1);
        Sheet()->SetCurrentRow(first);
        Sheet()->SetOperation(CSpreadSheet::OpActivate);
        Sheet()->SetLastColumn(4);
        Sheet()->SetLastRow(last);
        Sheet()->SetOperation(CSpreadSheet::OpSelect);
    }
    void Enter(int channel, const char* frequency) {
        QTest::keyClick(TypeInCell(channel, QString::fromLatin1(frequency)), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // What triggering the action visibly did, in a few words; a dialog it opens is closed.
    QString EffectOf(QAction* action) {
        const auto rows = [this] {
            QString all;
            for (int r = 1; r <= 4; ++r)
                all += Row(r);
            return all;
        };
        const auto help = [this] {
            const auto* w = Frame()->findChild<HelpWindow*>();
            return w && w->isVisible() ? w->CurrentContext() : -1;
        };
        const std::size_t opens = prompt.openRequests.size(), saves = prompt.saveRequests.size();
        const int chooser = chooserCalls, page = Host()->GetActivePageIndex(), topic = help();
        const QString channels = rows(), clipboard = QApplication::clipboard()->text();
        const bool hidden = Sheet()->isRowHidden(500); // an unused channel
        const bool ordered = Host()->MemoryView()->ViewSorted();
        QWidget* filter = Host()->MemoryView()->FilterBar()->TextField();
        const bool filterFocused = Frame()->focusWidget() == filter;
        const int windows = app->OpenWindows();
        QStringList seen;
        QTimer poll; // the dialog is up once it is the modal widget
        QObject::connect(&poll, &QTimer::timeout, [&seen] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                seen << "dialog " + dialog->windowTitle();
                dialog->close();
            }
        });
        poll.start(10);
        action->trigger();
        poll.stop();
        Frame()->activateWindow(); // nobody else gives the window back its activation
        if (prompt.openRequests.size() > opens)
            seen << "open " + prompt.openRequests.back().title;
        if (prompt.saveRequests.size() > saves)
            seen << "save " + prompt.saveRequests.back().title;
        if (chooserCalls > chooser)
            seen << QStringLiteral("port setup");
        if (help() >= 0 && help() != topic)
            seen << QStringLiteral("help %1").arg(help());
        if (Host()->GetActivePageIndex() != page)
            seen << QStringLiteral("page %1").arg(Host()->GetActivePageIndex());
        if (rows() != channels)
            seen << QStringLiteral("channels");
        if (QApplication::clipboard()->text() != clipboard)
            seen << QStringLiteral("clipboard");
        if (Sheet()->isRowHidden(500) != hidden)
            seen << (hidden ? QStringLiteral("rows shown") : QStringLiteral("rows hidden"));
        if (!filterFocused && Frame()->focusWidget() == filter &&
            Host()->GetActivePageIndex() == page)
            seen << QStringLiteral("filter");
        if (Host()->MemoryView()->ViewSorted() != ordered)
            seen << (ordered ? QStringLiteral("channel order") : QStringLiteral("view ordered"));
        if (!Frame()->isVisible())
            seen << QStringLiteral("closed");
        if (app->OpenWindows() > windows) {
            seen << QStringLiteral("window");
            for (CMainFrame* other : app->Frames())
                if (other != Frame())
                    other->close();
        }
        return seen.join(QStringLiteral(", "));
    }
};

} // namespace

// Every command is offered where its row says, with its keys, and runs its own flow: what
// it visibly does is checked, one command after another, Exit last.
TEST_F(Commands, EveryCommandIsOfferedWhereItsRowSaysAndRunsItsFlow) {
    const QString file = MakeDataFile("one.rdf", 145'000'000);
    Start(kLanguageEnglishUS, {file});
    Put(2, 430'000'000, 2, "TWO");
    const QList<QAction*> menus = Frame()->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    const QList<QAction*> toolbar = Frame()->findChild<QToolBar*>()->actions();
    const QList<QAction*> gridMenu = Host()->MemoryView()->EditMenu()->actions();
    std::set<QKeySequence> keys;
    std::set<int> ids;
    for (const commands::Command& c : commands::Table()) {
        SCOPED_TRACE(c.text);
        QAction* action = Command(c.id);
        ASSERT_NE(action, nullptr);
        for (int m = 0; m < menus.size(); ++m)
            EXPECT_EQ(menus[m]->menu()->actions().contains(action),
                      static_cast<int>(c.menu) == m + 1);
        EXPECT_EQ(toolbar.contains(action), c.toolbarGroup > 0);
        EXPECT_EQ(gridMenu.contains(action), c.gridMenu);
        EXPECT_TRUE(Frame()->actions().contains(action)); // its keys work all over the window
        EXPECT_EQ(action->shortcuts(), c.keys);
        EXPECT_TRUE(c.menu != commands::Menu::None || c.toolbarGroup > 0 || !c.keys.isEmpty());
        for (const QKeySequence& key : c.keys)
            EXPECT_TRUE(keys.insert(key).second) << key.toString().toStdString() << " twice";
        ids.insert(c.id);
    }

    using F = CMainFrame;
    const auto select = [this](int first, int last) { return [=, this] { Select(first, last); }; };
    const struct {
        int id;
        std::function<void()> before;
        const char* effect;
    } runs[] = {
        {F::ID_FILE_NEW, {}, "channels"},
        {F::ID_FILE_SAVE, {}, "save Save Radio File"}, // untitled: Save As
        {F::ID_FILE_SAVE_AS, {}, "save Save Radio File"},
        {F::ID_FILE_OPEN, [&] { prompt.openPaths = {file}; }, "open Open Radio File, channels"},
        {F::ID_OPEN_BACKUP, {}, "open Open Radio File"},
        {F::ID_IMPORT_CHANNELS, {}, "open Import Channels"},
        {F::ID_EXPORT_CHANNELS, {}, "save Export Channels"},
        {F::ID_FREQUENCY_LIBRARY, {}, "dialog Frequency Library"},
        {F::ID_COMPARE_WITH, {}, "open Compare With"},
        {F::ID_FILE_PRINT, {}, "dialog Print Setup"},
        {F::ID_EDIT_CUT,
         [&] {
             QApplication::clipboard()->clear();
             Select(1, 1);
         },
         "channels, clipboard"},
        {F::ID_EDIT_PASTE, select(3, 3), "channels"},
        {F::ID_NEW_WINDOW, {}, "window"},
        {F::ID_OPEN_NEW_WINDOW, [&] { prompt.openPaths = {file}; },
         "open Open in New Window, window"},
        {F::ID_OPEN_READ_ONLY, {}, "open Open Read-Only"},
        {F::ID_EDIT_COPY, [&] { QApplication::clipboard()->clear(); }, "clipboard"},
        {F::ID_EDIT_MOVE_UP, {}, "channels"},
        {F::ID_EDIT_MOVE_DOWN, {}, "channels"},
        {F::ID_EDIT_INSERT, select(1, 1), "channels"},
        {F::ID_EDIT_DELETE, {}, "channels"},
        {F::ID_EDIT_CLEAR, select(1, 3), "channels"},
        {F::ID_PASTE_FREE, {}, "channels"}, // into channel 1, emptied by Clear
        {F::ID_EDIT_UNDO, {}, "channels"},
        {F::ID_EDIT_REDO, {}, "channels"},
        {F::ID_EDIT_SORT, {}, "dialog Sort"},
        {F::ID_EDIT_CHANNELS, select(1, 2), "dialog Edit Channels"},
        {F::ID_FILL_SERIES, {}, "dialog Fill Series"},
        {F::ID_FILL_DOWN, [&] { Put(1, 146'500'000, 0, "ONE"); }, "channels"},
        {F::ID_EDIT_FIND, {}, "dialog Find Channel"},
        {F::ID_EDIT_REPEAT, {}, "dialog Find Channel"}, // nothing to look for again: it asks
        {F::ID_HIDE_UNUSED, {}, "rows hidden"},
        {F::ID_FILTER_CHANNELS, {}, "filter"},
        {F::ID_ORDER_VIEW,
         [&] {
             Put(2, 100'000'000, 0, "LOW"); // before channel 1 by frequency
             Sheet()->setCurrentIndex(Sheet()->model()->index(0, 0));
         },
         "view ordered"},
        {F::ID_HELP, {}, "help 101"},
        {F::ID_HELP_CONTENTS, {}, "help 0"},
        {F::ID_APP_ABOUT, {}, "dialog About"},
        {F::ID_NEXT_PAGE, {}, "page 1"},
        {F::ID_PREV_PAGE, {}, "page 0"},
        // No port: a transfer opens the port setup first. The edits are not saved.
        {F::ID_GET_DATA, [&] { prompt.answers = {PromptAnswer::No}; }, "port setup"},
        {F::ID_READ, {}, "port setup"},
        {F::ID_SEND_DATA, {}, "port setup"},
        {F::ID_WRITE, {}, "port setup"},
        {F::ID_COMM_SETUP, {}, "port setup"},
        {F::ID_CHECK_CABLE, {}, "dialog Check Cable"},
        {F::ID_SAVE_DIAGNOSTICS,
         [] { TransferTrace::Last().Begin("read", "/dev/ttyUSB0", "9600,E,8,1"); },
         "save Save Diagnostics"},
        {F::ID_APP_EXIT, {}, "closed"},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(Command(run.id)->text().toStdString());
        if (run.before)
            run.before();
        EXPECT_EQ(EffectOf(Command(run.id)).toStdString(), run.effect);
        EXPECT_EQ(ids.erase(run.id), 1u);
    }
    EXPECT_TRUE(ids.empty()) << "commands not run: " << ids.size();
}

// Cut, Copy and Paste by their keys in the grid and by the grid's right-click menu work on
// whole channel rows.
TEST_F(Commands, ClipboardKeysAndTheGridMenuMoveWholeRows) {
    Start();
    Put(1, 145'000'000, 0, "ONE");
    Put(2, 430'000'000, 2, "TWO");
    Sheet()->setFocus();
    Select(1, 2);
    QTest::keyClick(Sheet(), Qt::Key_C, Qt::ControlModifier);
    Select(10, 10);
    QTest::keyClick(Sheet(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Row(10), Row(1));
    EXPECT_EQ(Row(11), Row(2));
    Select(10, 11);
    QTest::keyClick(Sheet(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Row(10) + Row(11), "||||||");
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("145.00000\tNFM\tONE\t0\n"));

    // Ctrl+X runs Cut once: the key's release in the grid does not cut the emptied rows a
    // second time over the clipboard.
    Select(1, 2);
    QTest::keyClick(Sheet(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Row(1), "|||");
    Select(30, 30);
    QTest::keyClick(Sheet(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Name(30) + Name(31), "ONETWO");

    // Text from a spreadsheet program.
    QApplication::clipboard()->setText(QStringLiteral("88.1\tWFM\tRADIO\t1\n9999\tAM\tBAD\t0\n"));
    Select(20, 20);
    Command(CMainFrame::ID_EDIT_PASTE)->trigger();
    EXPECT_EQ(Row(20), "88.10000|WFM|RADIO|1");
    EXPECT_EQ(Row(21), "|||"); // no frequency, no channel: the row is left out and told

    // The right-click menu offers the Edit commands with their keys and runs them.
    Put(1, 145'000'000, 0, "ONE");
    Put(2, 430'000'000, 2, "TWO");
    Select(1, 1);
    const QRect cell = Sheet()->visualRect(Sheet()->model()->index(0, 0));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, cell.center(),
                                Sheet()->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(Sheet()->viewport(), &menuEvent);
    QMenu* menu = Host()->MemoryView()->EditMenu();
    EXPECT_TRUE(menu->isVisible());
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->text() + QLatin1Char('\t') + a->shortcut().toString()).trimmed();
    EXPECT_EQ(items.join('|'), "Cu&t\tCtrl+X|&Copy\tCtrl+C|&Paste\tCtrl+V|"
                               "Paste i&nto Free Channels||&Sort|&Move Up|"
                               "Move D&own|&Insert|C&lear|&Delete|Edit Ch&annels...|"
                               "Fill Do&wn\tCtrl+D|Fill S&eries...||&Find Channel...\tCtrl+F|"
                               "Find Ne&xt\tF3|&Hide Unused Channels\tCtrl+H");
    menu->actions()[10]->trigger(); // Delete
    menu->hide();
    EXPECT_EQ(Name(1), "TWO");
}

TEST_F(Commands, EditMenuInsertDeleteAndClearAreOneUndoStepEach) {
    Start();
    Enter(1, "145.5");
    Enter(2, "430");
    const Image typed = Radio().EditImage();
    QAction* undo = Command(CMainFrame::ID_EDIT_UNDO);
    QMenu* edit = Frame()->menuBar()->actions()[1]->menu();
    const auto run = [edit](const char* text) {
        QAction* item = nullptr;
        for (QAction* a : edit->actions())
            if (a->text() == QLatin1String(text))
                item = a;
        ASSERT_NE(item, nullptr) << text;
        item->trigger();
    };

    Select(1, 1);
    run("&Insert");
    EXPECT_EQ(undo->text(), "&Undo Insert");
    EXPECT_EQ(CellText(1), "");
    EXPECT_TRUE(Radio().IsChannelUsed(3)); // in the data, not only on screen
    EXPECT_EQ(Radio().GetChannel(3)->frequencyHz, 430'000'000);
    const Image inserted = Radio().EditImage();

    Select(1, 1);
    run("&Delete");
    EXPECT_EQ(undo->text(), "&Undo Delete");
    EXPECT_EQ(Radio().GetChannel(1)->frequencyHz, 145'500'000);
    EXPECT_FALSE(Radio().IsChannelUsed(3));
    const Image deleted = Radio().EditImage();

    Select(1, 2);
    run("C&lear");
    EXPECT_EQ(undo->text(), "&Undo Clear");
    EXPECT_FALSE(Radio().IsChannelUsed(1));
    EXPECT_FALSE(Radio().IsChannelUsed(2));

    undo->trigger();
    EXPECT_EQ(Radio().EditImage(), deleted);
    undo->trigger();
    EXPECT_EQ(Radio().EditImage(), inserted);
    undo->trigger();
    EXPECT_EQ(Radio().EditImage(), typed);
    EXPECT_EQ(undo->text(), "&Undo Receive Frequency");
}
