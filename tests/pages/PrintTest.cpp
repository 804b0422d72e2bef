#include "pages/MemoryView.h"
#include "pages/PrintSetupDlg.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"
#include "radio/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString PdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::string LastLines(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(cannot read " + path.toStdString() + ")";
    const QList<QByteArray> lines = file.readAll().split('\n');
    return lines.mid(std::max<qsizetype>(0, lines.size() - count)).join('\n').toStdString();
}

bool HavePdfToText() {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-v")});
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit;
}

class PrintTest : public testing::Test {
protected:
    void SetUp() override {
        WriteCountrySettings(4, 0);
        radio.SetPrompt(&prompt);
        radio.NewImage();
        view = std::make_unique<CMemoryView>(radio);
        view->resize(800, 600);
        CSpreadSheet* grid = view->Grid();
        const char* names[] = {"ALPHA", "BRAVO", "CHARLIE"};
        for (int r = 1; r <= 3; ++r) {
            grid->WriteCellFrequency(1, r, 144'000'000 + r * 1'000'000);
            grid->WriteCell(2, r, QStringLiteral("NFM"));
            grid->WriteCell(3, r, QString::fromLatin1(names[r - 1]));
            grid->WriteCell(4, r, QStringLiteral("1"));
        }
    }
    void Select(int first, int last) {
        CSpreadSheet* grid = view->Grid();
        grid->SetCurrentColumn(1);
        grid->SetCurrentRow(first);
        grid->SetLastColumn(4);
        grid->SetLastRow(last);
        grid->SetOperation(CSpreadSheet::OpSelect);
    }
    // The child process's part of the CUPS test; out is where cups-pdf writes.
    void PrintOnCupsQueue(const QString& out);

    TempSettings settings;
    CVR500Radio radio;
    ScriptedPrompt prompt;
    std::unique_ptr<CMemoryView> view;
};

} // namespace

TEST_F(PrintTest, SetupDialogDefaultsLimitsAndCheck) {
    CPrintSetupDlg dialog(&prompt);
    EXPECT_EQ(dialog.windowTitle(), "Print Setup");
    EXPECT_TRUE(dialog.all->isChecked());
    for (QCheckBox* box :
         {dialog.columnHeaders, dialog.rowHeaders, dialog.gridLines, dialog.gridBorder})
        EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(dialog.marginLeft->text(), "1.00");
    EXPECT_EQ(dialog.marginBottom->maxLength(), 4);
    EXPECT_EQ(dialog.firstPage->maxLength(), 2);

    dialog.pages->setChecked(true);
    dialog.firstPage->setText(QStringLiteral("x"));
    dialog.accept();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "No starting page specified");
    EXPECT_EQ(prompt.messages[0].caption, "");
    EXPECT_EQ(dialog.result(), QDialog::Rejected); // still open
    dialog.firstPage->setText(QStringLiteral("99"));
    dialog.marginTop->setText(QStringLiteral("0.5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values().range, PrintSetup::Pages);
    EXPECT_EQ(dialog.Values().lastPage, "");

    EXPECT_EQ(PrintSetup::MarginTwips(QStringLiteral("0.5")), 720);
    EXPECT_EQ(PrintSetup::MarginTwips(QStringLiteral("1.00")), 1440);
    EXPECT_EQ(PrintSetup::MarginTwips(QStringLiteral("abc")), 0);
    for (const char* refused : {"-1", "101", "nan", ""})
        EXPECT_EQ(PrintSetup::MarginTwips(QString::fromLatin1(refused)), 0) << refused;
    EXPECT_EQ(PrintSetup::MarginTwips(QStringLiteral("100")), 144000);
    EXPECT_EQ(PrintSetup::PageNumber(QStringLiteral("")), 0);

    // The print settings reach the grid.
    PrintSetup setup = dialog.Values();
    setup.rowHeaders = false;
    setup.gridLines = false;
    setup.gridBorder = false;
    // Every margin its own value, none the grid's own default.
    setup.marginLeft = QStringLiteral("0.25");
    setup.marginRight = QStringLiteral("0.75");
    setup.marginBottom = QStringLiteral("1.5");
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("p.pdf"));
    PrintMemoryListWith(*view, setup, &printer); // beyond the last page
    const CSpreadSheet::PrintSettings& s = view->Grid()->GetPrintSettings();
    EXPECT_EQ(s.marginTop, 720);
    EXPECT_EQ(s.marginLeft, 360);
    EXPECT_EQ(s.marginRight, 1080);
    EXPECT_EQ(s.marginBottom, 2160);
    EXPECT_EQ(s.firstPage, 99);
    EXPECT_EQ(s.rangeKind, CSpreadSheet::PrintPageRange);
    EXPECT_FALSE(s.rowHeaders);
    EXPECT_FALSE(s.gridLines);
    EXPECT_FALSE(s.border);
    EXPECT_TRUE(s.columnHeaders);
    EXPECT_EQ(s.jobName, "Memory List");
    EXPECT_EQ(prompt.LastText(), "Nothing was printed: the list has no such pages.");
}

TEST_F(PrintTest, WithoutAPrinterThePagesGoToAPdfFile) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    QTemporaryDir dir;
    const QString all = dir.filePath(QStringLiteral("all.pdf"));
    prompt.answers = {PromptAnswer::Yes};
    prompt.savePaths = {all};
    ASSERT_TRUE(PrintMemoryListWith(*view, PrintSetup{}));
    ASSERT_GE(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.messages[0].text.startsWith("No printer is installed."));
    ASSERT_EQ(prompt.saveRequests.size(), 1u);
    EXPECT_EQ(prompt.saveRequests[0].defaultSuffix, "pdf");
    const QString text = PdfText(all);
    EXPECT_TRUE(text.contains("Receive")) << text.toStdString();
    EXPECT_TRUE(text.contains("Frequency"));
    EXPECT_TRUE(text.contains("Preferential"));
    EXPECT_TRUE(text.contains(QRegularExpression("\\b3\\s+147\\.00000\\s+NFM\\s+CHARLIE")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression("\\b4\\s"))); // only the used part

    // Selection prints the selected rows only; a later All prints the whole list again.
    Select(2, 2);
    PrintSetup selection;
    selection.range = PrintSetup::Selection;
    prompt.answers = {PromptAnswer::Yes};
    prompt.savePaths = {dir.filePath(QStringLiteral("sel.pdf"))};
    ASSERT_TRUE(PrintMemoryListWith(*view, selection));
    const QString selected = PdfText(dir.filePath(QStringLiteral("sel.pdf")));
    EXPECT_TRUE(selected.contains("BRAVO"));
    EXPECT_FALSE(selected.contains("ALPHA"));
    EXPECT_FALSE(selected.contains("CHARLIE"));
    prompt.answers = {PromptAnswer::Yes};
    prompt.savePaths = {dir.filePath(QStringLiteral("again.pdf"))};
    ASSERT_TRUE(PrintMemoryListWith(*view, PrintSetup{}));
    EXPECT_TRUE(PdfText(dir.filePath(QStringLiteral("again.pdf"))).contains("ALPHA"));

    // Declining the PDF file prints nothing and says nothing more.
    prompt.messages.clear();
    prompt.answers = {PromptAnswer::No};
    EXPECT_FALSE(PrintMemoryListWith(*view, PrintSetup{}));
    EXPECT_EQ(prompt.messages.size(), 1u);
}

// The printout as a reader gets it: the file's name and the date on top, "Page X of Y" on
// every page, only the channels in use unless empty ones are asked for, the chosen columns.
TEST_F(PrintTest, PrintoutHasTitleDatePageNumbersAndNoEmptyChannels) {
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    CSpreadSheet* grid = view->Grid();
    grid->WriteCellFrequency(1, 426, 430'000'000);
    grid->WriteCell(3, 426, QStringLiteral("FAR"));
    QTemporaryDir dir;
    const auto print = [&](const PrintSetup& setup, const char* name) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(PrintMemoryListWith(*view, setup, &printer));
        return PdfText(dir.filePath(QLatin1String(name)));
    };

    const QString used = print(PrintSetup{}, "used.pdf");
    EXPECT_TRUE(used.contains("Memory List - NONAME.RDF")) << used.toStdString();
    EXPECT_TRUE(used.contains(QDate::currentDate().toString(Qt::ISODate)));
    EXPECT_TRUE(used.contains("Page 1 of 1")) << used.toStdString();
    EXPECT_TRUE(used.contains(QRegularExpression("\\b426\\s+430\\.00000\\s+FAR")));
    EXPECT_FALSE(used.contains(
        QRegularExpression("^\\s*(4|5|425)\\s*$", QRegularExpression::MultilineOption)))
        << used.toStdString();

    PrintSetup everything;
    everything.emptyChannels = true;
    const QString all = print(everything, "all.pdf");
    EXPECT_TRUE(
        all.contains(QRegularExpression("^\\s*425\\s*$", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(all.contains(QRegularExpression("Page 1 of ([2-9]|1\\d)\\b"))) << all.toStdString();
    EXPECT_FALSE(all.contains(QRegularExpression("\\b427\\b"))); // not past the last in use

    PrintSetup twoColumns;
    twoColumns.columns = {1, 3};
    const QString chosen = print(twoColumns, "columns.pdf");
    EXPECT_TRUE(chosen.contains(QRegularExpression("\\b2\\s+146\\.00000\\s+BRAVO")))
        << chosen.toStdString();
    EXPECT_FALSE(chosen.contains("NFM"));
    EXPECT_FALSE(chosen.contains("Preferential"));
}

// Preview from Print Setup shows the pages in a preview window and goes no further; the
// setup says what unit its margins are in.
TEST_F(PrintTest, PreviewShowsThePagesAndPrintsNothing) {
    QString margins, previewTitle;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CPrintSetupDlg*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        for (QGroupBox* box : dialog->findChildren<QGroupBox*>())
            if (box->title().startsWith("Margins"))
                margins = box->title();
        auto* poll = new QTimer(dialog->parent());
        QObject::connect(poll, &QTimer::timeout, [poll, &previewTitle] {
            if (auto* preview =
                    qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
                poll->stop();
                previewTitle = preview->windowTitle();
                preview->reject();
            }
        });
        poll->start(10);
        dialog->previewButton->click();
    });
    PrintMemoryList(*view);
    EXPECT_EQ(margins, "Margins (inches)");
    EXPECT_EQ(previewTitle, "Print Preview - Memory List");
    EXPECT_TRUE(prompt.messages.empty());
}

// Prints through the Print command to a real CUPS queue: cups-pdf as the default printer of
// a private server that this test starts. The printing runs in a child process of this test
// program, because the CUPS library keeps the first server it talks to for the whole process.
TEST_F(PrintTest, PrintCommandPrintsOnTheDefaultCupsPrinter) {
    if (!qEnvironmentVariableIsEmpty("CORVINEL_CUPS_OUT")) { // the child
        PrintOnCupsQueue(qEnvironmentVariable("CORVINEL_CUPS_OUT"));
        return;
    }
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    // Under /tmp whatever TMPDIR says: the server's filters run as the lp user, which must be
    // able to reach its spool folder.
    QTemporaryDir dir(QDir("/tmp").exists() ? QStringLiteral("/tmp/corvinel-cups-XXXXXX")
                                            : QDir::temp().filePath("corvinel-cups-XXXXXX"));
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("CORVINEL_KEEP_CUPS"));
    const QString script = QStringLiteral(CORVINEL_SOURCE_DIR "/tests/pages/cups_queue.sh");
    QProcess start;
    start.start(QStringLiteral("bash"), {script, QStringLiteral("start"), dir.path()});
    ASSERT_TRUE(start.waitForFinished(60000));
    QString socket, out;
    for (const QString& line : QString::fromUtf8(start.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("skip="))
            GTEST_SKIP() << "CUPS cannot run here: " << line.mid(5).toStdString();
        if (line.startsWith("socket="))
            socket = line.mid(7);
        if (line.startsWith("out="))
            out = line.mid(4);
    }
    ASSERT_FALSE(socket.isEmpty()) << start.readAllStandardError().toStdString();
    const auto stop = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("bash"), {script, QStringLiteral("stop"), dir.path()});
    });

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socket);
    env.insert(QStringLiteral("CORVINEL_CUPS_OUT"), out);
    env.insert(QStringLiteral("CORVINEL_CUPS_LOG"), dir.filePath(QStringLiteral("log/error_log")));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=PrintTest.PrintCommandPrintsOnTheDefaultCupsPrinter")});
    ASSERT_TRUE(child.waitForFinished(180000));
    const QString log = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << log.toStdString();
    EXPECT_TRUE(log.contains("[  PASSED  ] 1 test")) << log.toStdString();
}

void PrintTest::PrintOnCupsQueue(const QString& out) {
    ASSERT_FALSE(QPrinterInfo::defaultPrinter().isNull());
    EXPECT_EQ(QPrinterInfo::defaultPrinter().printerName(), "CorvinelPDF");

    // cups-pdf names its files after the job and may write over an older file of that name.
    const auto isNew = [before = QDir(out).entryList({QStringLiteral("*.pdf")}, QDir::Files),
                        since = QDateTime::currentDateTime().addSecs(-1)](const QFileInfo& f) {
        return !before.contains(f.fileName()) || f.lastModified() >= since;
    };
    const auto printWith = [&](bool selection) {
        // The Print command runs the Print Setup dialog; answer it as a user would.
        QTimer::singleShot(0, [selection] {
            auto* dialog = qobject_cast<CPrintSetupDlg*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            if (selection)
                dialog->selection->setChecked(true);
            // Then the system's print dialog, on the default printer.
            QTimer::singleShot(0, [] {
                auto* system = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
                ASSERT_TRUE(system);
                EXPECT_EQ(system->printer()->printerName(), "CorvinelPDF");
                system->accept();
            });
            dialog->accept();
        });
        return PrintMemoryList(*view);
    };
    // The queue's next PDF, read as text and removed.
    const auto nextPdf = [&]() -> QString {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 90000) {
            for (const QFileInfo& f :
                 QDir(out).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
                if (isNew(f)) {
                    QTest::qWait(1000); // let cups-pdf finish the file
                    const QString text = PdfText(f.filePath());
                    QFile::remove(f.filePath());
                    // The queue's start-up probe can land late on a loaded machine.
                    if (!text.contains(QLatin1String("Corvinel print probe")))
                        return text;
                }
            QTest::qWait(200);
        }
        ADD_FAILURE() << "no PDF from cups-pdf in " << out.toStdString() << "\nthe server's log:\n"
                      << LastLines(qEnvironmentVariable("CORVINEL_CUPS_LOG"), 30)
                      << "\ncups-pdf's log:\n"
                      << LastLines(QStringLiteral("/var/log/cups/cups-pdf-CorvinelPDF_log"), 10);
        return {};
    };
    ASSERT_TRUE(printWith(false));
    const QString text = nextPdf();
    EXPECT_TRUE(text.contains("Receive")) << text.toStdString();
    EXPECT_TRUE(text.contains("Channel"));
    EXPECT_TRUE(text.contains(QRegularExpression("\\b1\\s+145\\.00000\\s+NFM\\s+ALPHA")))
        << text.toStdString();
    EXPECT_TRUE(text.contains("CHARLIE"));
    EXPECT_TRUE(text.contains("Page 1 of 1"));

    Select(3, 3);
    ASSERT_TRUE(printWith(true));
    const QString selected = nextPdf();
    EXPECT_TRUE(selected.contains("CHARLIE")) << selected.toStdString();
    EXPECT_FALSE(selected.contains("ALPHA"));
    EXPECT_TRUE(prompt.messages.empty());
}

// A list longer than a page: every row is printed once, none lost or repeated at a page break.
TEST(PrintPages, EveryRowIsPrintedOnceAcrossThePages) {
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    CSpreadSheet list;
    list.SetShape(2, 300);
    for (int r = 1; r <= 300; ++r)
        list.WriteCell(1, r, QStringLiteral("v%1").arg(r));
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("long.pdf")));
    ASSERT_GE(list.Print(printer), 4);
    const QString text = PdfText(dir.filePath(QStringLiteral("long.pdf")));
    for (int r = 1; r <= 300; ++r)
        EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("\\bv%1\\b").arg(r))), 1) << r;
}
