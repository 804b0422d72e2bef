// Undo and Redo through the window, find and filter on the Memory View, and Get Data as a
// step that can be undone, with its backup.

#include "AppTestSupport.h"
#include "app/EditHistory.h"
#include "e2e/SimProcess.h"
#include "pages/ChannelFinder.h"
#include "radio/Backups.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

using namespace layout;

namespace {

QPushButton* PageButton(QWidget* page, const QString& text) {
    for (QPushButton* b : page->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

void SetChannel(CVR500Radio& radio, int n, int hz, const char* name) {
    ChannelRecord rec = *radio.GetChannel(n);
    EncodeDigits(rec.code, hz, 8);
    NameFromText(QString::fromLatin1(name), rec.name);
    rec.flags = 1;
    radio.StoreChannel(rec, n);
    radio.SetChannelUsed(n, true);
}

} // namespace

class History : public AppTest {
protected:
    QAction* Undo() const { return Frame()->Action(CMainFrame::ID_EDIT_UNDO); }
    QAction* Redo() const { return Frame()->Action(CMainFrame::ID_EDIT_REDO); }
    void Settle() { QCoreApplication::processEvents(); }
};

TEST_F(History, EachStepUndoesOnItsOwnPageBackToTheSavedData) {
    Start();
    const Image saved = Radio().EditImage();
    EXPECT_FALSE(Undo()->isEnabled());
    EXPECT_EQ(Undo()->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    EXPECT_EQ(Redo()->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    // A cell edit: the frequency typed, Enter, the snap and the mode from the band plan.
    QLineEdit* editor = TypeInCell(5, "145.50003");
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
    EXPECT_EQ(Undo()->text(), "&Undo Receive Frequency");
    const Image typed = Radio().EditImage();
    EXPECT_TRUE(Radio().IsChannelUsed(5));

    // A list operation on the page.
    Grid()->setCurrentIndex(FrequencyCell(5));
    QTest::mouseClick(PageButton(Host()->MemoryView(), "Move &Down"), Qt::LeftButton);
    Settle();
    EXPECT_EQ(Undo()->text(), "&Undo Move Down");
    EXPECT_TRUE(Radio().IsChannelUsed(6));
    const Image moved = Radio().EditImage();

    // A change on a settings page, kept when the user moves on.
    int settingPage = 0;
    while (Host()->Sheet()->tabText(settingPage) != "Setting")
        ++settingPage;
    ASSERT_TRUE(Host()->Sheet()->SetActivePage(settingPage));
    auto* squelch = Host()->Sheet()->GetPage(settingPage)->findChild<QComboBox*>();
    ASSERT_NE(squelch, nullptr);
    squelch->setFocus();
    QTest::keyClick(squelch, Qt::Key_Down);
    Settle();
    EXPECT_EQ(Undo()->text(), "&Undo Setting");
    const Image set = Radio().EditImage();
    EXPECT_NE(set, moved);

    // Undo walks back, each step on its own page, to the data as saved.
    Undo()->trigger();
    EXPECT_EQ(Radio().EditImage(), moved);
    EXPECT_EQ(Host()->GetActivePageIndex(), settingPage);
    Undo()->trigger();
    EXPECT_EQ(Radio().EditImage(), typed);
    EXPECT_EQ(Host()->GetActivePageIndex(), 0);
    EXPECT_EQ(CellText(5), "145.50005");
    EXPECT_EQ(CellText(6), "");
    Undo()->trigger();
    EXPECT_EQ(Radio().EditImage(), saved);
    EXPECT_EQ(CellText(5), "");
    EXPECT_FALSE(Radio().IsChanged());
    EXPECT_FALSE(Undo()->isEnabled());
    EXPECT_EQ(Redo()->text(), "&Redo Receive Frequency");

    Redo()->trigger();
    Redo()->trigger();
    Redo()->trigger();
    EXPECT_EQ(Radio().EditImage(), set);
    EXPECT_EQ(Host()->GetActivePageIndex(), settingPage);
    EXPECT_FALSE(Redo()->isEnabled());

    // Back to the saved data, closing asks nothing.
    for (int i = 0; i < 3; ++i)
        Undo()->trigger();
    prompt.messages.clear();
    Frame()->close();
    EXPECT_TRUE(prompt.messages.empty()) << prompt.LastText().toStdString();

    // New starts a new history.
    Frame()->OnFileNew();
    EXPECT_FALSE(Undo()->isEnabled());
    EXPECT_FALSE(Redo()->isEnabled());
}

// A change to any control of any page is stored at once as one step, named after the page,
// its side controls or the grid column where it was made. (Fields are typed in last on each
// page: leaving a field announces it, which would hide a control that announces nothing.)
TEST_F(History, EveryPageAnnouncesItsChangesWhereTheyHappen) {
    Start();
    QWidget* page = Host()->MemoryView();
    const auto control = [&page](const char* name) {
        for (QWidget* w : page->findChildren<QWidget*>())
            if (w->accessibleName() == QLatin1String(name))
                return w;
        return static_cast<QWidget*>(nullptr);
    };
    // The key goes to the control; text, when given, is typed over the control's own first.
    const auto step = [&](const QString& label, QWidget* w, Qt::Key key, const char* text = "") {
        SCOPED_TRACE(label.toStdString());
        ASSERT_NE(w, nullptr);
        const Image before = Radio().EditImage();
        w->setFocus();
        Settle(); // what leaving the last control set off
        if (*text)
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, QString::fromLatin1(text));
        QTest::keyClick(w, key);
        Settle();
        EXPECT_EQ(Undo()->text(), "&Undo " + label);
        EXPECT_NE(Radio().EditImage(), before);
    };
    const auto show = [&](const char* title) {
        for (int i = 0; i < Host()->Sheet()->count(); ++i)
            if (Host()->Sheet()->tabText(i) == QLatin1String(title))
                Host()->Sheet()->SetActivePage(i);
        page = Host()->Sheet()->GetActivePage();
    };

    CMemoryView* channels = Host()->MemoryView();
    step("Scan Setting", channels->ModeScanList(), Qt::Key_Down);
    step("Scan Setting", channels->BankLink(3), Qt::Key_Space);
    step("Scan Setting",
         channels->BankScanOn()->isChecked() ? channels->BankScanOff() : channels->BankScanOn(),
         Qt::Key_Space);

    show("VFO Scan");
    const QList<QRadioButton*> buttons = page->findChildren<QRadioButton*>();
    step("VFO Scan", *std::ranges::find_if(buttons, [](auto* b) { return !b->isChecked(); }),
         Qt::Key_Space);
    step("VFO Scan", control("Priority Channel Frequency"), Qt::Key_Return, "145.5");
    auto* skip = static_cast<QAbstractItemView*>(control("Skip frequencies"));
    skip->setFocus();
    Settle();
    skip->setCurrentIndex(skip->model()->index(0, 0));
    skip->edit(skip->currentIndex());
    step("Skip Frequency", QApplication::focusWidget(), Qt::Key_Return, "433");

    show("Dual Watch");
    step("Dual Watch", page->findChild<QComboBox*>(), Qt::Key_Down);
    show("Setting");
    step("Setting", control("Monitor"), Qt::Key_Space);
    step("Setting", control("Open message text"), Qt::Key_Return, "HELLO");
    step("Setting", control("Smart Search Upper"), Qt::Key_Return, "440");
    show("Preset Mode");
    step("Preset Mode", page->findChild<QComboBox*>(), Qt::Key_Down);
}

TEST_F(History, FindByNameOrFrequencyAndHideUnusedChannels) {
    Start();
    SetChannel(Radio(), 10, 145'500'000, "ALPHA");
    SetChannel(Radio(), 500, 433'000'000, "Bravo");
    SetChannel(Radio(), 900, 810'000, "AM");
    SetChannel(Radio(), 950, 145'500'000, "REPEAT");
    Frame()->DataSetReplaced();
    CChannelFinder* finder = Frame()->History()->Finder();
    EXPECT_EQ(Frame()->Action(CMainFrame::ID_EDIT_FIND)->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(Frame()->Action(CMainFrame::ID_EDIT_REPEAT)->shortcut(), QKeySequence("F3"));
    QAction* hideUnused = Frame()->Action(CMainFrame::ID_HIDE_UNUSED);
    EXPECT_TRUE(Host()->MemoryView()->EditMenu()->actions().contains(hideUnused));

    Grid()->setCurrentIndex(FrequencyCell(1));
    EXPECT_EQ(finder->FindNext("bravo"), 500);
    EXPECT_EQ(finder->FindNext("810k"), 900);
    EXPECT_EQ(finder->FindNext("145.5"), 950);
    Frame()->Action(CMainFrame::ID_EDIT_REPEAT)->trigger(); // F3 wraps past channel 1000
    EXPECT_EQ(Grid()->currentIndex().row() + 1, 10);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(finder->FindNext("zulu"), 0);
    EXPECT_EQ(prompt.LastText(), "No channel matches \"zulu\".");
    EXPECT_EQ(Grid()->currentIndex().row() + 1, 10);

    // Only channels in use are shown; the commands still work on the real channel numbers.
    hideUnused->trigger();
    EXPECT_FALSE(Host()->MemoryView()->Grid()->isRowHidden(9));
    EXPECT_TRUE(Host()->MemoryView()->Grid()->isRowHidden(10));
    EXPECT_TRUE(Host()->MemoryView()->Grid()->isRowHidden(0));
    EXPECT_EQ(finder->FindNext("bravo"), 500);
    QTest::mouseClick(PageButton(Host()->MemoryView(), "Move &Down"), Qt::LeftButton);
    QCoreApplication::processEvents();
    Frame()->CommitPages();
    EXPECT_TRUE(Radio().IsChannelUsed(501));
    EXPECT_FALSE(Radio().IsChannelUsed(500));
    EXPECT_FALSE(Host()->MemoryView()->Grid()->isRowHidden(500));
    EXPECT_TRUE(Host()->MemoryView()->Grid()->isRowHidden(499));
    EXPECT_EQ(finder->FindNext("alpha"), 10);
    hideUnused->trigger();
    EXPECT_FALSE(Host()->MemoryView()->Grid()->isRowHidden(499));

    // Ctrl+F asks for the text, offering the last one; Cancel moves nothing.
    QString offered;
    WhenModal([&offered](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>();
        offered = edit->text();
        edit->setText(QStringLiteral("repeat"));
        qobject_cast<QDialog*>(dialog)->accept();
    });
    QTest::keyClick(Grid(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(offered, "alpha");
    EXPECT_EQ(Grid()->currentIndex().row() + 1, 950);
    // Without a window manager nobody gives the window back its activation after a dialog.
    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    bool cancelled = false;
    WhenModal([&cancelled](QWidget* dialog) {
        cancelled = true;
        qobject_cast<QDialog*>(dialog)->reject();
    });
    QTest::keyClick(Grid(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(Grid()->currentIndex().row() + 1, 950);
}

class HistoryWithReceiver : public History {
protected:
    SimProcess sim;
};

TEST_F(HistoryWithReceiver, GetDataKeepsABackupAndCanBeUndone) {
    CVR500Radio maker;
    maker.NewImage();
    SetChannel(maker, 3, 433'500'000, "RADIO");
    ASSERT_TRUE(WriteFile(Path("radio.rdf"),
                          std::vector<Byte>(maker.EditImage().begin(), maker.EditImage().end())));
    const QString device = sim.Start({"send", Path("radio.rdf"), "--start-delay", "1000"});
    ASSERT_FALSE(device.isEmpty());
    WriteCommPort(device);
    Start();

    TypeInCell(8, "145.5");
    Frame()->CommitPages();
    const Image before = Radio().EditImage();
    prompt.answers = {PromptAnswer::No}; // do not save first
    Frame()->OnGetData();
    EXPECT_EQ(CellText(3), "433.50000");
    ASSERT_EQ(backups::List().size(), 1);
    EXPECT_EQ(ReadFile(backups::Newest()),
              std::vector<Byte>(Radio().EditImage().begin(), Radio().EditImage().end()));

    // The read is one step of a new history: Undo brings back what was there before it.
    EXPECT_EQ(Undo()->text(), "&Undo Get Data");
    Undo()->trigger();
    EXPECT_EQ(Radio().EditImage(), before);
    EXPECT_EQ(CellText(8), "145.50000");
    EXPECT_FALSE(Undo()->isEnabled());
    Redo()->trigger();
    EXPECT_EQ(CellText(3), "433.50000");
    EXPECT_FALSE(Radio().IsChanged());

    // Open Backup starts in the backups folder; what is opened is saved under a new name.
    const QString dataDir = Radio().DataDir();
    prompt.openPaths = {backups::Newest()};
    Frame()->Action(CMainFrame::ID_OPEN_BACKUP)->trigger();
    ASSERT_FALSE(prompt.openRequests.empty());
    EXPECT_EQ(QDir(prompt.openRequests.back().directory), QDir(backups::Folder()));
    EXPECT_EQ(Radio().FileName(), QFileInfo(backups::Newest()).fileName());
    EXPECT_TRUE(Radio().IsUntitled());
    EXPECT_EQ(Radio().DataDir(), dataDir);
}

// A file made for another receiver version: the message names both versions and the channel
// to be emptied; the adjustment is a step Undo takes back, and until then Exit asks to save.
TEST_F(History, AFileOfAnotherVersionOpensAdjustedAsAStepThatCanBeUndone) {
    Start(); // a US system: the general version, which may not receive 824-849 MHz
    CVR500Radio maker;
    maker.NewImage();
    SetChannel(maker, 5, 824'500'000, "CELL");
    SetChannel(maker, 6, 145'000'000, "HAM");
    maker.EditRadio()[ri::kCountryCode] = 1;
    maker.EditRadio()[ri::kWidebandFlag] = 1;
    ASSERT_TRUE(maker.SaveTo(Path("wide.rdf")));

    prompt.answers = {PromptAnswer::Ok};
    ASSERT_TRUE(Frame()->OpenPath(Path("wide.rdf")));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "wide.rdf was made for a VR-500 of another version (country 1, ham bands, "
              "wideband); the receiver set up here is country 4, general.\n\n1 channel holds a "
              "frequency this version cannot receive and will be emptied, and settings outside "
              "its ranges return to its defaults.\n\nOpen the file adjusted? Undo takes the "
              "adjustment back.");
    EXPECT_EQ(prompt.messages[0].details, "Channel 5: 824.50000 CELL");
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(CellText(5), "");
    EXPECT_EQ(CellText(6), "145.00000");
    EXPECT_TRUE(Radio().IsChanged());
    EXPECT_EQ(Undo()->text(), "&Undo Adjust to Receiver Version");

    prompt.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(Frame()->close());
    EXPECT_EQ(prompt.LastText(), "Save file before closing?");

    Undo()->trigger();
    EXPECT_EQ(CellText(5), "824.50000");
    EXPECT_EQ(Radio().Country(), 1);
    EXPECT_FALSE(Radio().IsChanged());
    Redo()->trigger();
    EXPECT_EQ(CellText(5), "");
    EXPECT_EQ(Radio().Country(), 4);

    // What is saved is the adjusted data set, and it then opens without a question.
    prompt.messages.clear();
    ASSERT_TRUE(Frame()->OnFileSave());
    ASSERT_TRUE(Frame()->OpenPath(Path("wide.rdf")));
    EXPECT_TRUE(prompt.messages.empty()) << prompt.LastText().toStdString();
    EXPECT_EQ(CellText(5), "");
    EXPECT_FALSE(Undo()->isEnabled());
}
