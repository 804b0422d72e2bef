// Several data sets side by side: each window keeps its own data, undo history, title and
// save prompt; rows travel between them by drag and drop or the Clipboard; a read-only window
// refuses changes; Exit asks for every changed data set.

#include "AppTestSupport.h"

#include "app/EditHistory.h"
#include "radio/Backups.h"
#include "radio/Csv.h"
#include "radio/Records.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QStatusBar>

namespace {

class Documents : public AppTest {
protected:
    // A data file whose channels n hold the names given (at 145 MHz + n kHz).
    QString MakeFile(const char* file, const std::map<int, const char*>& names) {
        CVR500Radio maker;
        maker.NewImage();
        for (int n = 1; n <= layout::ri::kChannelCount; ++n)
            maker.ClearChannel(n);
        for (const auto& [n, name] : names) {
            records::MemoryChannel c(maker.EditRadio(), n);
            c.SetInUse(true);
            c.SetFrequencyHz(145'000'000 + n * 1'000);
            c.SetModeCode(1);
            c.SetName(QString::fromLatin1(name));
        }
        EXPECT_TRUE(maker.SaveTo(Path(file)));
        return Path(file);
    }
    // The first window shows first.rdf, a second one beside it second.rdf.
    CMainFrame* StartTwo(const std::map<int, const char*>& first,
                         const std::map<int, const char*>& second) {
        Start(kLanguageEnglishUS, {MakeFile("first.rdf", first)});
        CMainFrame* other = app->OpenDocument(MakeFile("second.rdf", second), false, *Frame());
        EXPECT_NE(other, nullptr);
        return other;
    }
    static CSpreadSheet* Sheet(CMainFrame* frame) { return frame->Host()->MemoryView()->Grid(); }
    static QString Name(CMainFrame* frame, int channel) {
        QString t;
        Sheet(frame)->ReadCell(3, channel, t);
        return t;
    }
    static QString Names(CMainFrame* frame, int last) {
        QStringList names;
        for (int n = 1; n <= last; ++n)
            names << Name(frame, n);
        return names.join('|');
    }
    static void Select(CMainFrame* frame, int first, int last) {
        CSpreadSheet* grid = Sheet(frame);
        grid->SetCurrentColumn(1);
        grid->SetCurrentRow(first);
        grid->SetOperation(CSpreadSheet::OpActivate);
        grid->SetLastColumn(4);
        grid->SetLastRow(last);
        grid->SetOperation(CSpreadSheet::OpSelect);
    }
    static void Run(CMainFrame* frame, int id) {
        frame->Action(id)->trigger();
        QCoreApplication::processEvents();
    }
};

} // namespace

// Rows dragged from one window land in the other as one undo step there; the window they
// came from keeps them, and its history and unsaved mark stay as they were.
TEST_F(Documents, DraggedRowsAreCopiedIntoTheOtherWindowAsOneUndoStep) {
    CMainFrame* second = StartTwo({{1, "ALPHA"}, {2, "BRAVO"}}, {{1, "KEEP"}});
    EXPECT_EQ(second->pos() - Frame()->pos(), QPoint(32, 32)); // both show

    // What a drag of channels 1-2 from the first window carries, dropped on channel 3.
    std::unique_ptr<QMimeData> rows(Sheet(Frame())->MimeForRange(1, 1, 4, 2));
    QWidget* target = Sheet(second)->viewport();
    const QPoint at = Sheet(second)->visualRect(Sheet(second)->model()->index(2, 2)).center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, rows.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, rows.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    EXPECT_EQ(move.dropAction(), Qt::CopyAction);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, rows.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();

    EXPECT_EQ(Names(second, 4), "KEEP||ALPHA|BRAVO");
    EXPECT_EQ(Names(Frame(), 3), "ALPHA|BRAVO|");
    EXPECT_TRUE(second->isWindowModified());
    EXPECT_FALSE(Frame()->isWindowModified());
    EXPECT_EQ(second->History()->UndoLabel(), "Drop");
    EXPECT_FALSE(Frame()->History()->History().CanUndo());
    ASSERT_TRUE(second->CommitPages());
    EXPECT_TRUE(second->Host()->MemoryView()->Model().IsChannelUsed(4));

    Run(second, CMainFrame::ID_EDIT_UNDO);
    EXPECT_EQ(Names(second, 4), "KEEP|||");
    EXPECT_FALSE(second->isWindowModified());
    EXPECT_FALSE(second->History()->History().CanUndo());
}

// Paste into Free Channels fills the first channels not in use, whatever is selected, and
// overwrites nothing; the whole paste is one step. With too few free channels the user
// chooses whether the rows that fit go in.
TEST_F(Documents, PasteIntoFreeChannelsFillsGapsAsOneStep) {
    CMainFrame* second =
        StartTwo({{1, "A"}, {2, "B"}, {3, "C"}}, {{1, "X1"}, {2, "X2"}, {4, "X4"}});
    Select(Frame(), 1, 3);
    Run(Frame(), CMainFrame::ID_EDIT_COPY);
    Select(second, 2, 2);
    Run(second, CMainFrame::ID_PASTE_FREE);
    EXPECT_EQ(Names(second, 7), "X1|X2|A|X4|B|C|");
    EXPECT_EQ(second->History()->UndoLabel(), "Paste into Free Channels");
    Run(second, CMainFrame::ID_EDIT_UNDO);
    EXPECT_EQ(Names(second, 7), "X1|X2||X4|||");

    // Two channels free for three rows: the user is asked, Cancel pastes nothing.
    std::map<int, const char*> full;
    for (int n = 1; n <= layout::ri::kChannelCount; ++n)
        if (n != 10 && n != 20)
            full[n] = "FULL";
    ASSERT_TRUE(second->OpenPath(MakeFile("full.rdf", full)));
    prompt.answers = {PromptAnswer::Cancel};
    Run(second, CMainFrame::ID_PASTE_FREE);
    EXPECT_TRUE(prompt.LastText().startsWith("3 rows are on the Clipboard but only 2"));
    EXPECT_FALSE(second->History()->History().CanUndo());
    Run(second, CMainFrame::ID_PASTE_FREE); // OK: the first two rows go in
    EXPECT_EQ(Name(second, 10) + Name(second, 20) + Name(second, 21), "ABFULL");
}

// Exit asks for each changed data set; Cancel on any keeps every window open. Closing one
// window asks for its data alone.
TEST_F(Documents, ExitAsksForEachChangedDataSetAndCancelKeepsAll) {
    CMainFrame* second = StartTwo({{1, "A"}}, {{1, "B"}});
    CMainFrame* third = app->NewWindow(*Frame());
    for (CMainFrame* frame : {Frame(), second}) {
        Select(frame, 1, 1);
        Run(frame, CMainFrame::ID_EDIT_CLEAR);
        EXPECT_TRUE(frame->isWindowModified());
    }
    EXPECT_FALSE(third->isWindowModified());
    EXPECT_EQ(app->OpenWindows(), 3);

    prompt.messages.clear();
    prompt.answers = {PromptAnswer::No, PromptAnswer::Cancel};
    Run(Frame(), CMainFrame::ID_APP_EXIT);
    EXPECT_EQ(prompt.messages.size(), 2u); // the unchanged window asks nothing
    EXPECT_EQ(app->OpenWindows(), 3);
    EXPECT_TRUE(second->History()->History().CanUndo()); // nothing was lost

    prompt.messages.clear();
    ASSERT_TRUE(third->close());
    EXPECT_TRUE(prompt.messages.empty());
    QCoreApplication::processEvents(); // the closed window goes
    EXPECT_EQ(app->Frames().size(), 2u);

    prompt.answers = {PromptAnswer::No, PromptAnswer::No};
    Run(second, CMainFrame::ID_APP_EXIT);
    EXPECT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(app->OpenWindows(), 0);
}

// A CSV list opened read-only becomes an untitled data set holding its channels alone; its
// title says read-only, what would change it is greyed out, a change to a control is taken
// back at once, and it closes without asking. A file that cannot be opened leaves no window.
TEST_F(Documents, ReadOnlyChannelListRefusesEdits) {
    Start();
    CVR500Radio source;
    ASSERT_TRUE(source.LoadFile(MakeFile("list.rdf", {{7, "LIST"}})));
    QFile csv(Path("list.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(csv::ExportChannels(source));
    csv.close();
    prompt.openPaths = {Path("list.csv")};
    Run(Frame(), CMainFrame::ID_OPEN_READ_ONLY);
    ASSERT_EQ(app->OpenWindows(), 2);
    CMainFrame* view = app->Frames()[1];
    CVR500Radio& radio = view->Host()->MemoryView()->Model();
    EXPECT_TRUE(radio.IsUntitled());
    EXPECT_EQ(Names(view, 8), "||||||LIST|");
    EXPECT_FALSE(radio.IsChannelUsed(1)); // none of the new data set's own channels
    EXPECT_TRUE(view->windowTitle().contains("(read-only)"));
    for (int id : {CMainFrame::ID_EDIT_PASTE, CMainFrame::ID_PASTE_FREE, CMainFrame::ID_FILE_SAVE,
                   CMainFrame::ID_GET_DATA, CMainFrame::ID_EDIT_UNDO})
        EXPECT_FALSE(view->Action(id)->isEnabled()) << id;
    for (int id : {CMainFrame::ID_EDIT_COPY, CMainFrame::ID_FILE_SAVE_AS})
        EXPECT_TRUE(view->Action(id)->isEnabled()) << id;
    EXPECT_TRUE(Frame()->Action(CMainFrame::ID_EDIT_PASTE)->isEnabled()); // the first is not

    const Image before = radio.EditImage();
    QComboBox* modeScan = view->Host()->MemoryView()->ModeScanList();
    modeScan->setCurrentIndex(modeScan->currentIndex() == 1 ? 2 : 1);
    emit modeScan->activated(modeScan->currentIndex());
    QCoreApplication::processEvents();
    EXPECT_EQ(radio.EditImage(), before);
    EXPECT_TRUE(view->statusBar()->currentMessage().contains("read-only"));

    prompt.messages.clear();
    EXPECT_TRUE(view->close());
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(app->OpenDocument(Path("missing.rdf"), false, *Frame()), nullptr);
    EXPECT_EQ(app->OpenWindows(), 1);

    // A backup opens untitled, so Save cannot write over it.
    ASSERT_TRUE(QDir().mkpath(backups::Folder()));
    ASSERT_TRUE(QFile::copy(Path("list.rdf"), backups::Folder() + "/read.rdf"));
    CMainFrame* backup = app->OpenDocument(backups::Folder() + "/read.rdf", false, *Frame());
    ASSERT_NE(backup, nullptr);
    EXPECT_TRUE(backup->Host()->MemoryView()->Model().IsUntitled());
    EXPECT_EQ(Name(backup, 7), "LIST");
}
