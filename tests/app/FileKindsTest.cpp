// The window never blocks on a file: pipes are refused where a data file is meant, and read
// or written off the window's thread, with Cancel, where a channel list may come from one.

#include "AppTestSupport.h"
#include "link/dialogs/CompareDlg.h"
#include "support/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStatusBar>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileKinds : public AppTest {
protected:
    ~FileKinds() override {
        // A read or write left waiting on the pipe after Cancel gets its end and finishes.
        for (const QString& fifo : fifos) {
            const QByteArray name = QFile::encodeName(fifo);
            for (int flags : {O_WRONLY | O_NONBLOCK, O_RDONLY | O_NONBLOCK})
                if (const int fd = ::open(name.constData(), flags); fd >= 0)
                    ::close(fd);
        }
    }

    QString MakeFifo(const char* name) {
        const QString path = Path(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        fifos << path;
        return path;
    }

    // Presses Cancel on the progress dialog once it shows, and notes that it did.
    void CancelProgressWhenShown() {
        WhenModal([this](QWidget* modal) {
            auto* progress = qobject_cast<QProgressDialog*>(modal);
            ASSERT_NE(progress, nullptr) << modal->metaObject()->className();
            progressShown = true;
            progress->cancel();
        });
    }

    QStringList fifos;
    bool progressShown = false;
};

const char kNotRegular[] = "\nIt is not a regular file (it is a named pipe or a device).";

TEST_F(FileKinds, OpenCompareAndSaveRefuseAPipeAtOnce) {
    Start();
    const QString fifo = MakeFifo("pipe.rdf");
    TypeInCell(3, "145.5");
    Frame()->CommitPages();

    prompt.answers = {PromptAnswer::No}; // not saved first
    prompt.openPaths = {fifo};
    Frame()->OnFileOpen();
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.LastText(), "Cannot open file:\n" + fifo + kNotRegular);
    EXPECT_EQ(Frame()->windowTitle(), "Corvinel - NONAME.RDF[*]");
    EXPECT_EQ(CellText(3), "145.50000");

    prompt.answers = {PromptAnswer::No};
    EXPECT_FALSE(Frame()->OpenPath(fifo)); // the command line's file
    EXPECT_EQ(prompt.LastText(), "Cannot open file:\n" + fifo + kNotRegular);

    prompt.openPaths = {fifo};
    Frame()->OnCompareWith();
    EXPECT_EQ(prompt.LastText(), "Cannot open file:\n" + fifo + kNotRegular);

    prompt.savePaths = {fifo};
    EXPECT_FALSE(Frame()->OnFileSaveAs());
    EXPECT_EQ(prompt.LastText(), "Cannot save file:\n" + fifo + kNotRegular);
    EXPECT_TRUE(Radio().IsChanged());
    EXPECT_EQ(prompt.messages.size(), 6u);
}

// Import from a pipe whose writer never comes, and export to one whose reader never comes:
// the window shows progress, Cancel ends the wait, and nothing changes.
TEST_F(FileKinds, ImportAndExportWaitingOnAPipeCanBeCancelled) {
    Start();
    const QString fifo = MakeFifo("pipe.csv");
    const QString out = MakeFifo("out.csv");
    const Image before = Radio().EditImage();

    CancelProgressWhenShown();
    prompt.openPaths = {fifo};
    Frame()->OnImportChannels();
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(prompt.messages.empty()) << prompt.LastText().toStdString();
    EXPECT_EQ(Radio().EditImage(), before);

    progressShown = false;
    CancelProgressWhenShown();
    prompt.savePaths = {out};
    Frame()->OnExportChannels();
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(prompt.messages.empty()) << prompt.LastText().toStdString();
    EXPECT_FALSE(QFileInfo(out).isFile());
}

// A million bad rows (just under the size bound) are checked off the window's thread: the
// progress dialog comes up while they are read, and Cancel leaves everything as it was.
TEST_F(FileKinds, AHugeBadListShowsProgressAndCanBeCancelled) {
    Start();
    QByteArray text = "Location,Name,Frequency\n";
    text.reserve(16'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        text += "x,a,1\n";
    const QString csv = Path("huge.csv");
    WriteAll(csv, text);
    const Image before = Radio().EditImage();

    CancelProgressWhenShown();
    prompt.openPaths = {csv};
    Frame()->OnImportChannels();
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(Radio().EditImage(), before);
}

// Another program writes the open file: the status bar says so; the window's own save does not.
TEST_F(FileKinds, AChangeOnDiskIsNoticed) {
    Start();
    const QString file = MakeDataFile("shared.rdf", 145'000'000);
    ASSERT_TRUE(Frame()->OpenPath(file));
    Frame()->statusBar()->clearMessage();

    // The window's own save is no news.
    TypeInCell(2, "146.0");
    ASSERT_TRUE(Frame()->OnFileSave());
    QTest::qWait(300);
    EXPECT_FALSE(Frame()->statusBar()->currentMessage().contains("another program"));

    CVR500Radio other; // as a second window or corvinel-cli import would
    ASSERT_TRUE(other.LoadFile(file));
    other.EditRadio()[layout::ri::ChannelName(9)] = 'Z';
    ASSERT_TRUE(other.SaveTo(file));
    EXPECT_TRUE(QTest::qWaitFor([this] {
        return Frame()->statusBar()->currentMessage() ==
               "shared.rdf was changed on disk by another program. Save will ask before "
               "overwriting it.";
    }));
}

} // namespace
