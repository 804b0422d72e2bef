// The program's window and its command flows, offscreen with scripted prompts.

#include "AppTestSupport.h"

#include "app/HelpWindow.h"
#include "pages/PageMain.h"
#include "support/VersionTexts.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

namespace {

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

TEST_F(AppTest, StartUpShowsTheWholeWindow) {
    Start(kLanguageJapanese);
    int country = -1, wideband = -1;
    ReadCountrySettings(country, wideband);
    EXPECT_EQ(country, 0); // settled from the language before the new data set was made
    EXPECT_EQ(Radio().Country(), 0);
    EXPECT_FALSE(Radio().IsChanged());

    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Frame()->windowTitle(), "Corvinel - NONAME.RDF[*]");
    EXPECT_NE(Frame()->minimumSize(), Frame()->maximumSize()); // resizable
    // The first size shows the largest page whole.
    EXPECT_GE(Host()->Sheet()->height(), Host()->Sheet()->sizeHint().height());
    QStringList tabs;
    for (int i = 0; i < Host()->Sheet()->count(); ++i)
        tabs << Host()->Sheet()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Memory View", "VFO Scan", "Dual Watch", "Auto Band", "Setting",
                                 "Preset Mode"}));
    EXPECT_EQ(Host()->GetActivePageIndex(), 0);
    EXPECT_EQ(Frame()->statusBar()->currentMessage(), "Ready");

    const QList<QAction*> menus = Frame()->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(MenuTexts(menus[0]->menu()),
              (QStringList{"&New", "&Open...", "Open &Backup...", "New &Window",
                           "Open in New Win&dow...", "Open &Read-Only...", "&Save", "Save &As...",
                           "&Import Channels...", "&Export Channels...", "Frequency &Library...",
                           "Compare Wit&h...", "-", "&Print...", "-", "E&xit"}));
    EXPECT_EQ(MenuTexts(menus[1]->menu()), (QStringList{"&Undo",
                                                        "&Redo",
                                                        "-",
                                                        "Cu&t",
                                                        "&Copy",
                                                        "&Paste",
                                                        "Paste i&nto Free Channels",
                                                        "-",
                                                        "&Sort",
                                                        "&Move Up",
                                                        "Move D&own",
                                                        "&Insert",
                                                        "C&lear",
                                                        "&Delete",
                                                        "Edit Ch&annels...",
                                                        "Fill Do&wn",
                                                        "Fill S&eries...",
                                                        "-",
                                                        "&Find Channel...",
                                                        "Find Ne&xt",
                                                        "&Hide Unused Channels"}));
    EXPECT_EQ(MenuTexts(menus[2]->menu()),
              (QStringList{"&Get Data From...", "&Send Data To...", "&Comport Setup...", "-",
                           "Check Ca&ble...", "Save &Diagnostics..."}));
    EXPECT_EQ(MenuTexts(menus[3]->menu()),
              (QStringList{"&Contents", "Help on This &Page", "-", "&About..."}));

    QStringList toolbar;
    for (QAction* a : Frame()->findChild<QToolBar*>()->actions())
        toolbar << (a->isSeparator() ? QStringLiteral("-") : a->toolTip());
    EXPECT_EQ(toolbar, (QStringList{"New", "Open", "Save", "-", "Cut", "Copy", "Paste", "-",
                                    "Print", "-", "Read", "Write", "-", "About"}));
    EXPECT_EQ(Frame()->Action(CMainFrame::ID_READ)->statusTip(), "Get data from VR-500");
    EXPECT_EQ(Frame()->Action(CMainFrame::ID_HELP_CONTENTS)->statusTip(),
              "Displays the help contents");
    EXPECT_EQ(Frame()->Action(CMainFrame::ID_GET_DATA)->statusTip(), "");

    // Every toolbar button has an icon and a name a screen reader can say.
    for (QToolButton* button : Frame()->findChild<QToolBar*>()->findChildren<QToolButton*>()) {
        if (!button->defaultAction())
            continue;
        EXPECT_FALSE(button->icon().isNull()) << button->defaultAction()->toolTip().toStdString();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty());
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(AppTest, LaterStartsKeepACountryTheReceiverSet) {
    WriteCountrySettings(0, 1);
    Start(kLanguageEnglishUS);
    int country = -1, wideband = -1;
    EXPECT_TRUE(ReadCountrySettings(country, wideband));
    EXPECT_EQ(country, 0);
    EXPECT_EQ(wideband, 1);
    EXPECT_EQ(Radio().EditImage(), NewDataSet());
}

TEST_F(AppTest, CloseWithUnchangedDataAsksNothing) {
    Start();
    EXPECT_TRUE(Frame()->close());
    EXPECT_TRUE(prompt.messages.empty());
}

// The edit in an open grid cell counts: the question is asked, and Yes saves the edit, not
// the data as they were.
TEST_F(AppTest, CloseAfterAGridEditAsksAndYesSavesTheEdit) {
    Start();
    ASSERT_NE(TypeInCell(3, "145.5"), nullptr);
    prompt.answers = {PromptAnswer::Yes};
    prompt.savePaths = {Path("kept.rdf")};
    EXPECT_TRUE(Frame()->close());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Save file before closing?");
    EXPECT_EQ(prompt.messages[0].caption, "Data changed");
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::None);

    CVR500Radio reader;
    ASSERT_TRUE(reader.OpenFile(Path("kept.rdf")));
    EXPECT_TRUE(reader.IsChannelUsed(3));
    EXPECT_EQ(reader.GetChannel(3)->frequencyHz, 145'500'000);
}

// A cancelled or failed save inside the question keeps the program open and the data changed,
// so the next close asks again.
TEST_F(AppTest, CloseStaysOpenWhenTheSaveDoesNotHappen) {
    Start();
    TypeInCell(3, "145.5");
    prompt.answers = {PromptAnswer::Yes};
    EXPECT_FALSE(Frame()->close()); // Save As cancelled
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_TRUE(Radio().IsChanged());

    prompt.answers = {PromptAnswer::Yes};
    prompt.savePaths = {Path("no-such-folder/x.rdf")};
    EXPECT_FALSE(Frame()->close()); // the save fails
    EXPECT_TRUE(prompt.LastText().startsWith("Cannot create file"))
        << prompt.LastText().toStdString();
    EXPECT_TRUE(Radio().IsChanged());

    prompt.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(Frame()->close());
    prompt.answers = {PromptAnswer::No};
    EXPECT_TRUE(Frame()->close());
}

TEST_F(AppTest, SaveKeepsTheDataChangedWhenCancelledOrFailed) {
    Start();
    TypeInCell(5, "146");
    EXPECT_FALSE(Frame()->OnFileSave()); // untitled: Save As, cancelled
    EXPECT_TRUE(Radio().IsChanged());
    prompt.savePaths = {Path("a.rdf")};
    EXPECT_TRUE(Frame()->OnFileSaveAs());
    EXPECT_FALSE(Radio().IsChanged());
    EXPECT_EQ(Frame()->windowTitle(), "Corvinel - a.rdf[*]");

    // Saving over a file that cannot be replaced fails and keeps the edit counted.
    TypeInCell(6, "147");
    QFile::remove(Path("a.rdf")); // a folder in its place: no file can be written there
    QDir(dir.path()).mkdir(QStringLiteral("a.rdf"));
    EXPECT_FALSE(Frame()->OnFileSave());
    EXPECT_TRUE(Radio().IsChanged());
}

TEST_F(AppTest, CtrlSInAGridCellSavesWithTheTypedText) {
    Start();
    prompt.savePaths = {Path("keys.rdf")};
    QLineEdit* editor = TypeInCell(7, "144.25");
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompt.saveRequests.size(), 1u);
    EXPECT_FALSE(Radio().IsChanged());
    CVR500Radio reader;
    ASSERT_TRUE(reader.OpenFile(Path("keys.rdf")));
    EXPECT_EQ(reader.GetChannel(7)->frequencyHz, 144'250'000);
}

TEST_F(AppTest, NewAndOpenAskThenReplaceWhatThePagesShow) {
    const QString file = MakeDataFile("one.rdf", 430'000'000);
    Start();
    TypeInCell(2, "145");
    prompt.answers = {PromptAnswer::Cancel};
    Frame()->OnFileNew();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Save file before closing?");
    EXPECT_EQ(prompt.messages[0].caption, ""); // the program's name
    EXPECT_TRUE(Radio().IsChanged());

    // Open answered No and then cancelled: the edit stays, in the image and in the grid.
    prompt.answers = {PromptAnswer::No};
    Frame()->OnFileOpen();
    EXPECT_EQ(prompt.openRequests.size(), 1u);
    EXPECT_EQ(Radio().GetChannel(2)->frequencyHz, 145'000'000);
    EXPECT_EQ(CellText(2), "145.00000");
    EXPECT_TRUE(Radio().IsChanged());

    prompt.answers = {PromptAnswer::No};
    prompt.openPaths = {file};
    Frame()->OnFileOpen();
    EXPECT_FALSE(Radio().IsChanged());
    EXPECT_EQ(CellText(1), "430.00000");
    EXPECT_EQ(CellText(2), "");
    EXPECT_EQ(Frame()->windowTitle(), "Corvinel - one.rdf[*]");

    // Nothing the grid showed before reaches the new data set.
    Frame()->CommitPages();
    EXPECT_FALSE(Radio().IsChanged());

    EXPECT_EQ(prompt.messages.size(), 3u); // asked again: the edit was still unsaved
    Frame()->OnFileNew();                  // unchanged: no question
    EXPECT_EQ(prompt.messages.size(), 3u);
    EXPECT_EQ(Radio().EditImage(), NewDataSet());
    EXPECT_EQ(CellText(1), "");
}

TEST_F(AppTest, AFileNamedOnTheCommandLineIsOpened) {
    const QString file = MakeDataFile("cmd.rdf", 162'550'000);
    Start(kLanguageEnglishUS, {file});
    EXPECT_EQ(Frame()->windowTitle(), "Corvinel - cmd.rdf[*]");
    EXPECT_EQ(CellText(1), "162.55000");
    EXPECT_FALSE(Radio().IsChanged());
}

TEST_F(AppTest, GetDataAsksWhenChangedAndResetsOnNo) {
    Start();
    // Unchanged: no question; with no port the port setup opens at once.
    Frame()->OnGetData();
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(chooserCalls, 1);

    TypeInCell(4, "145.2");
    prompt.answers = {PromptAnswer::Cancel};
    Frame()->OnGetData();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Save file before getting data?");
    EXPECT_EQ(prompt.messages[0].caption, "Data changed");
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_TRUE(Radio().IsChanged());
    EXPECT_EQ(Radio().GetChannel(4)->frequencyHz, 145'200'000);

    // No: nothing was read (no port), so the data shown stay as they were.
    prompt.answers = {PromptAnswer::No};
    Frame()->OnGetData();
    EXPECT_EQ(chooserCalls, 2);
    EXPECT_TRUE(Radio().IsChanged());
    EXPECT_EQ(CellText(4), "145.20000");

    TypeInCell(4, "145.3");
    prompt.answers = {PromptAnswer::Yes};
    prompt.savePaths = {Path("before-read.rdf")};
    Frame()->OnGetData();
    EXPECT_EQ(chooserCalls, 3);
    CVR500Radio reader;
    ASSERT_TRUE(reader.OpenFile(Path("before-read.rdf")));
    EXPECT_EQ(reader.GetChannel(4)->frequencyHz, 145'300'000);
}

TEST_F(AppTest, SendDataWithNoPortOpensThePortSetupAtOnce) {
    Start();
    Frame()->OnSendData();
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_TRUE(prompt.messages.empty());
    Frame()->Action(CMainFrame::ID_COMM_SETUP)->trigger();
    EXPECT_EQ(chooserCalls, 2);
}

TEST_F(AppTest, HelpShowsThePagesTopicAndTheContents) {
    Start();
    QTest::keyClick(Grid(), Qt::Key_F1);
    ASSERT_NE(Frame()->Help(), nullptr);
    EXPECT_TRUE(Frame()->Help()->isVisible());
    EXPECT_EQ(Frame()->Help()->CurrentContext(), 101);
    EXPECT_TRUE(Frame()->Help()->Browser()->toPlainText().contains("1000 memory channels"));
    Frame()->Action(CMainFrame::ID_HELP_CONTENTS)->trigger();
    EXPECT_EQ(Frame()->Help()->CurrentContext(), 0);
    for (int c = HelpWindow::kFirstContext; c <= HelpWindow::kLastContext; ++c) {
        Frame()->Help()->ShowContext(c);
        EXPECT_EQ(Frame()->Help()->CurrentContext(), c);
        EXPECT_GT(Frame()->Help()->Browser()->toPlainText().size(), 200) << c;
    }
}

TEST_F(AppTest, AboutShowsTheVersion) {
    Start();
    QString text;
    WhenModal([&text](QWidget* box) {
        for (QLabel* label : box->findChildren<QLabel*>())
            text += label->text() + '\n';
        box->close();
    });
    Frame()->Action(CMainFrame::ID_APP_ABOUT)->trigger();
    EXPECT_TRUE(text.contains("Version 1.05")) << text.toStdString();
}

// A setting changed and not yet stored counts, whichever command comes next.
TEST_F(AppTest, AnEditOnTheSettingPageIsSeenByCloseAndGetData) {
    Start();
    CSnapPropertySheet* sheet = Host()->Sheet();
    int setting = -1;
    for (int i = 0; i < sheet->count(); ++i)
        if (sheet->tabText(i) == "Setting")
            setting = i;
    ASSERT_GE(setting, 1);
    ASSERT_TRUE(sheet->SetActivePage(setting));
    auto* page = qobject_cast<CPageMain*>(sheet->GetPage(setting));
    ASSERT_NE(page, nullptr);

    QTest::keyClick(page->MessageEdit(), Qt::Key_F1);
    EXPECT_EQ(Frame()->Help()->CurrentContext(), 105);

    page->MessageEdit()->setFocus();
    page->MessageEdit()->selectAll();
    QTest::keyClicks(page->MessageEdit(), "HELLO");
    prompt.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(Frame()->close());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Save file before closing?");

    QTest::keyClicks(page->MessageEdit(), "X");
    prompt.answers = {PromptAnswer::Cancel};
    Frame()->OnGetData();
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[1].text, "Save file before getting data?");

    // No, and no read (no port): the edit stays, on the page and for Close.
    prompt.answers = {PromptAnswer::No};
    Frame()->OnGetData();
    EXPECT_TRUE(Radio().IsChanged());
    ASSERT_TRUE(sheet->SetActivePage(setting));
    EXPECT_TRUE(page->MessageEdit()->text().contains("HELLOX"));
    prompt.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(Frame()->close());
    EXPECT_EQ(prompt.messages.back().text, "Save file before closing?");
}

// The toolbar's and the window's Edit commands work on the memory channels, only while their
// page is shown; Ctrl+P opens the print setup.
TEST_F(AppTest, EditCommandsAndPrintWorkOnTheMemoryChannels) {
    Start();
    QTest::keyClick(TypeInCell(1, "145.5"), Qt::Key_Return);
    QItemSelectionModel* selection = Grid()->selectionModel();
    selection->select(FrequencyCell(1),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTest::keyClick(Grid(), Qt::Key_Insert, Qt::ControlModifier); // Copy
    selection->select(FrequencyCell(5),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Frame()->Action(CMainFrame::ID_EDIT_PASTE)->trigger();
    EXPECT_EQ(CellText(5), "145.50000");
    Frame()->CommitPages();
    EXPECT_EQ(Radio().GetChannel(5)->frequencyHz, 145'500'000);

    Frame()->Action(CMainFrame::ID_EDIT_CUT)->trigger(); // row 5 still selected
    EXPECT_EQ(CellText(5), "");

    Host()->Sheet()->SetActivePage(4);
    EXPECT_FALSE(Frame()->Action(CMainFrame::ID_EDIT_PASTE)->isEnabled());
    Host()->ActivateMemoryView();
    EXPECT_TRUE(Frame()->Action(CMainFrame::ID_EDIT_PASTE)->isEnabled());

    QString title;
    WhenModal([&title](QWidget* dialog) {
        title = dialog->windowTitle();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    QTest::keyClick(Grid(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(title.isEmpty());
}

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Down and Ctrl+Page Up move between the pages from
// anywhere, a cell editor included, round from the last page to the first. A frequency typed
// just before is checked as leaving its cell would check it, on every page with a grid.
TEST_F(AppTest, PageKeysMoveBetweenThePagesAndCheckWhatWasTyped) {
    Start();
    CSnapPropertySheet* sheet = Host()->Sheet();
    const Image before = Radio().EditImage();
    QTest::keyClick(TypeInCell(3, "1700"), Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(prompt.messages.size(), 1u);
    // The ranges the receiver's version takes, the same text the command line prints.
    EXPECT_EQ(prompt.LastText(),
              "1700.00000 is not a valid frequency\n" + QString::fromLatin1(kGeneralRanges));
    EXPECT_EQ(sheet->GetActiveIndex(), 0);
    EXPECT_EQ(CellText(3), "");
    EXPECT_TRUE(Radio().EditImage() == before);

    QTest::keyClick(TypeInCell(3, "144.12388"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(sheet->GetActiveIndex(), 1);
    EXPECT_EQ(Radio().GetChannel(3)->frequencyHz, 144'123'800);
    EXPECT_TRUE(Radio().IsChannelUsed(3));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(sheet->widget(1)->isAncestorOf(QApplication::focusWidget()));
    EXPECT_TRUE(QApplication::focusWidget()->focusPolicy() & Qt::TabFocus);

    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(sheet->GetActiveIndex(), 0);
    EXPECT_TRUE(sheet->widget(0)->isAncestorOf(QApplication::focusWidget()));
    press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(sheet->GetActiveIndex(), sheet->count() - 1);
    press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(sheet->GetActiveIndex(), 0);

    // Every other page's frequency cells: an out-of-range value typed and left by key is
    // refused with a message, the page stays, and the value is never stored; the cell then
    // holds nothing (an emptied entry comes back as frequency 0). The band plan's edges have
    // a rule of their own, applied as they are typed.
    for (int page = 1; page < sheet->count(); ++page) {
        press(Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_EQ(sheet->GetActiveIndex(), page);
        for (CSpreadSheet* grid : sheet->widget(page)->findChildren<CSpreadSheet*>()) {
            SCOPED_TRACE(grid->accessibleName().toStdString());
            // Grids are as wide as their columns, with no gap; one without a scroll bar shows
            // all its rows.
            EXPECT_EQ(grid->horizontalHeader()->length(), grid->viewport()->width());
            if (grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
                EXPECT_GE(grid->viewport()->height(), grid->verticalHeader()->length());
            }
            QAbstractItemModel* model = grid->model();
            QModelIndex cell;
            for (int c = 0; c < model->columnCount() && !cell.isValid(); ++c)
                for (int r = 0; r < model->rowCount() && !cell.isValid(); ++r)
                    if (grid->ColumnKind(c + 1) == CellKind::Frequency &&
                        (model->index(r, c).flags() & Qt::ItemIsEditable))
                        cell = model->index(r, c);
            if (!cell.isValid() || grid->accessibleName() == "Band plan")
                continue;
            prompt.messages.clear();
            grid->setFocus();
            grid->setCurrentIndex(cell);
            static_cast<QAbstractItemView*>(grid)->edit(cell);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1700"));
            press(Qt::Key_Tab, Qt::ControlModifier);
            EXPECT_EQ(prompt.messages.size(), 1u);
            EXPECT_EQ(sheet->GetActiveIndex(), page);
            press(Qt::Key_Tab, Qt::ControlModifier); // nothing pending now
            EXPECT_NE(sheet->GetActiveIndex(), page);
            press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            ASSERT_EQ(sheet->GetActiveIndex(), page);
            const QString shown = cell.data().toString();
            EXPECT_TRUE(shown.isEmpty() || shown == "0.00000") << shown.toStdString();
        }
    }
}
