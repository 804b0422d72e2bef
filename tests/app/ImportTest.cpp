// Import Channels in the window and `corvinel-cli import` are one import: the same CSV gives
// the same channels and the same report, whichever of them reads it.

#include "AppTestSupport.h"
#include "app/ImportDialog.h"
#include "app/LibraryDialog.h"
#include "radio/Csv.h"
#include "support/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <cstring>

namespace {

// Runs f on the next dialog of type D once it is the modal one (a dialog may open another).
template <typename D, typename F> void WhenDialog(F f) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, f] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            f(dialog);
        }
    });
    poll->start(10);
}

QStringList PreviewRow(const QTableWidget* table, int row) {
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c)
        cells << (table->item(row, c) ? table->item(row, c)->text() : QString());
    return cells;
}

void Choose(QComboBox* box, const QVariant& data) {
    box->setCurrentIndex(box->findData(data));
    emit box->activated(box->currentIndex());
}

struct CliRun {
    int exit = -1;
    QStringList errLines;
};

class ImportTest : public AppTest {
protected:
    CliRun RunCli(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.Folder());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CORVINEL_CLI), args);
        EXPECT_TRUE(p.waitForFinished(30000)) << p.errorString().toStdString();
        const QString err = QString::fromUtf8(p.readAllStandardError());
        return {p.exitCode(), err.split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
    }

    // Imports csv into the data file in the window, as the user does through the menu.
    void ImportInWindow(const QString& csv) {
        prompt.openPaths = {csv};
        Frame()->OnImportChannels();
    }

    // Each reported row without the part that says where it is shown: "Line 3: " in the
    // window, "file.csv:3: " on the command line.
    static QStringList Rows(const QStringList& lines, const QString& where) {
        QStringList rows;
        for (const QString& line : lines)
            if (line.startsWith(where))
                rows << line.mid(where.size());
            else if (line.startsWith(QLatin1String("and ")))
                rows << line;
        return rows;
    }

    QByteArray RadioBytes(const Image& image) const {
        return QByteArray(reinterpret_cast<const char*>(image.data()) + layout::kRadioImage,
                          layout::kRadioImageSize);
    }
};

TEST_F(ImportTest, WindowAndCommandLineSetTheSameChannelsAndReportTheSameRows) {
    Start();
    const QString data = MakeDataFile("set.rdf", 145'000'000);
    ASSERT_TRUE(Frame()->OpenPath(data));

    // Good rows, two of them with names longer than the receiver holds.
    WriteAll(Path("good.csv"), "Location,Name,Frequency,Mode,Skip\r\n"
                               "2,Much too long,433.5,NFM,P\r\n"
                               "3,\"B,c\",0.594,AM,\r\n"
                               "900,Another long one,145.125,,\r\n");
    ImportInWindow(Path("good.csv"));
    const CliRun good = RunCli({"import", Path("good.csv"), data, "-o", Path("cli.rdf")});
    ASSERT_EQ(good.exit, 0) << good.errLines.join('\n').toStdString();

    CVR500Radio fromCli;
    ASSERT_TRUE(fromCli.LoadFile(Path("cli.rdf")));
    EXPECT_EQ(RadioBytes(Radio().EditImage()), RadioBytes(fromCli.EditImage()));
    EXPECT_EQ(CellText(900), "145.12500");
    ASSERT_EQ(prompt.messages.size(), 1u);
    const ScriptedPrompt::Shown cut = prompt.messages[0];
    EXPECT_EQ(cut.icon, PromptIcon::Information);
    EXPECT_EQ(cut.caption, "Import Channels");
    const QStringList cutRows = {"2: Name \"Much too long\" was cut to \"Much too\"",
                                 "4: Name \"Another long one\" was cut to \"Another \""};
    EXPECT_EQ(Rows(cut.text.split('\n'), "Line "), cutRows);
    EXPECT_EQ(Rows(good.errLines, Path("good.csv") + ":"), cutRows);

    // 130 bad rows: both list the first 100 and count the rest; nothing changes.
    QByteArray bad = "Location,Frequency\n";
    for (int n = 1; n <= 130; ++n)
        bad += QByteArray::number(n) + ",abc\n";
    WriteAll(Path("bad.csv"), bad);
    const Image before = Radio().EditImage();
    prompt.messages.clear();
    ImportInWindow(Path("bad.csv"));
    const CliRun refused = RunCli({"import", Path("bad.csv"), data, "-o", Path("bad.rdf")});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_FALSE(QFile::exists(Path("bad.rdf")));
    EXPECT_EQ(Radio().EditImage(), before);

    ASSERT_EQ(prompt.messages.size(), 1u);
    const ScriptedPrompt::Shown& shown = prompt.messages[0];
    EXPECT_EQ(shown.text, "No channels were changed. Rows to correct:");
    EXPECT_EQ(shown.icon, PromptIcon::Stop);
    const QStringList windowRows = Rows(shown.details.split('\n'), "Line ");
    ASSERT_EQ(windowRows.size(), csv::kListedProblems + 1);
    EXPECT_EQ(windowRows.front(), "2: Frequency \"abc\" is not a frequency in MHz");
    EXPECT_EQ(windowRows.back(), "and 30 more");
    EXPECT_EQ(Rows(refused.errLines, Path("bad.csv") + ":"), windowRows);
    EXPECT_EQ(refused.errLines.back(), "Nothing was written.");
}

// A file far larger than any channel list is refused before it is read, with the same words
// the command line uses, and the data stay as they were.
TEST_F(ImportTest, WindowRefusesAFileTooLargeOrMissing) {
    Start();
    {
        QFile huge(Path("huge.csv"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(csv::kLargestFile + 1));
    }
    const Image before = Radio().EditImage();
    ImportInWindow(Path("huge.csv"));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "File too large for a channel list (more than 16 MiB):\n" + Path("huge.csv"));
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Stop);

    ImportInWindow(Path("missing.csv"));
    EXPECT_EQ(prompt.LastText(), "Cannot open file:\n" + Path("missing.csv"));
    EXPECT_EQ(Radio().EditImage(), before);
    EXPECT_FALSE(Frame()->Action(CMainFrame::ID_EDIT_UNDO)->isEnabled());
}

// A list from another program opens the import dialog: what was recognised, the rows as they
// will land and the refused row with its reason, before anything is written.
TEST_F(ImportTest, AListFromAnotherProgramIsPreviewedAndPlacedAsTheUserChooses) {
    Start();
    ASSERT_TRUE(Frame()->OpenPath(MakeDataFile("set.rdf", 145'000'000)));
    WriteAll(Path("other.csv"), "Channel Number\tReceive Frequency\tOperating Mode\tName\n"
                                "0\t433,5\tFM\tLong name here\n"
                                "1\tabc\tFM\tBad\n"
                                "2\t145,6\tAM\tAir\n");
    const Image before = Radio().EditImage();
    QStringList seen;
    WhenDialog<CImportDialog>([&](CImportDialog* d) {
        seen << d->FormatBox()->currentData().toString()
             << (d->FromZeroBox()->isChecked() ? "from 0" : "from 1")
             << PreviewRow(d->Preview(), 0).join('|') << PreviewRow(d->Preview(), 1).join('|')
             << d->Summary()->text()
             << (d->ImportButton()->isEnabled() ? "can import" : "cannot import");
        EXPECT_EQ(Radio().EditImage(), before); // nothing is written while the user looks
        Choose(d->PlacementBox(), static_cast<int>(csv::Placement::At));
        d->ChannelBox()->setValue(500);
        seen << PreviewRow(d->Preview(), 0).join('|');
        Choose(d->PlacementBox(), static_cast<int>(csv::Placement::Append));
        d->SkipRefusedBox()->setChecked(true);
        seen << PreviewRow(d->Preview(), 0).join('|') << PreviewRow(d->Preview(), 2).join('|')
             << (d->ImportButton()->isEnabled() ? "can import" : "cannot import");
        d->ImportButton()->click();
    });
    ImportInWindow(Path("other.csv"));
    EXPECT_EQ(seen, (QStringList{
                        "commercial",
                        "from 0",
                        "2|1|433.50000|NFM|Long nam|",
                        "3|||NFM|Bad|Frequency \"abc\" is not a frequency in MHz",
                        "2 rows will be written, 1 refused. Nothing is written while rows are "
                        "refused, unless the good rows are imported alone.",
                        "cannot import",
                        "2|500|433.50000|NFM|Long nam|",
                        "2|2|433.50000|NFM|Long nam|",
                        "4|3|145.60000|AM|Air|",
                        "can import",
                    }));
    EXPECT_EQ(CellText(1), "145.00000");
    EXPECT_EQ(CellText(2), "433.50000");
    EXPECT_EQ(CellText(3), "145.60000");
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[0].text, "2 channels imported. Rows left out:\nLine 3: Frequency "
                                       "\"abc\" is not a frequency in MHz");
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Exclamation);
}

// The library lists its lists by category; a search narrows them, and chosen rows go into the
// free channels through the same import dialog.
TEST_F(ImportTest, LibraryRowsGoIntoFreeChannels) {
    Start();
    ASSERT_TRUE(Frame()->OpenPath(MakeDataFile("set.rdf", 145'000'000)));
    QStringList seen;
    WhenDialog<CLibraryDialog>([&](CLibraryDialog* d) {
        seen << QString::number(d->ListTree()->topLevelItemCount());
        d->SearchBox()->setText(QStringLiteral("pmr"));
        ASSERT_EQ(d->ListTree()->topLevelItemCount(), 1);
        QTreeWidgetItem* category = d->ListTree()->topLevelItem(0);
        seen << category->text(0) << category->child(0)->text(0);
        d->ListTree()->setCurrentItem(category->child(0));
        seen << QString::number(d->RowTable()->rowCount());
        auto* selection = d->RowTable()->selectionModel();
        for (int row : {0, 15})
            selection->select(d->RowTable()->model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        WhenDialog<CImportDialog>([&](CImportDialog* import) {
            seen << PreviewRow(import->Preview(), 0).join('|')
                 << PreviewRow(import->Preview(), 1).join('|');
            import->ImportButton()->click();
        });
        d->ImportButton()->click();
    });
    Frame()->OnFrequencyLibrary();
    EXPECT_EQ(seen, (QStringList{"6", "Personal radio", "PMR446 channels", "16",
                                 "2|2|446.00625|NFM|PMR 01|", "3|3|446.19375|NFM|PMR 16|"}));
    EXPECT_EQ(CellText(2), "446.00625");
    EXPECT_EQ(CellText(3), "446.19375");
    EXPECT_TRUE(prompt.messages.empty());
}

} // namespace
