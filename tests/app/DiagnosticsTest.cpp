// Radio > Check Cable... and Radio > Save Diagnostics... in the window, against corvinel-sim.

#include "AppTestSupport.h"
#include "app/CableCheckDlg.h"
#include "e2e/SimProcess.h"

#include <QClipboard>
#include <QPushButton>

namespace {

class Diagnostics : public AppTest {
protected:
    SimProcess sim;
    QString device;

    void StartWithSim(const QStringList& args) {
        device = sim.Start(args);
        ASSERT_FALSE(device.isEmpty());
        WriteCommPort(device);
        Start();
        ASSERT_TRUE(app->Port()->IsOpen());
    }
};

// The window holds the port open; the check uses it for the echo test rather than failing on
// its own lock.
TEST_F(Diagnostics, CheckCableReportsThroughThePortTheWindowHolds) {
    StartWithSim({"receive", Path("got.rdf")});
    QString report;
    WhenModal([&](QWidget* dialog) {
        auto* check = qobject_cast<CCableCheckDlg*>(dialog);
        ASSERT_TRUE(check);
        report = check->Report();
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QLatin1String("&Copy Report"))
                QTest::mouseClick(b, Qt::LeftButton);
        dialog->close();
    });
    Frame()->Action(CMainFrame::ID_CHECK_CABLE)->trigger();
    EXPECT_TRUE(report.contains(QStringLiteral("Port checked: ") + device)) << qPrintable(report);
    EXPECT_TRUE(report.contains(QStringLiteral("[ok]      Echo test"))) << qPrintable(report);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), report);
    EXPECT_TRUE(prompt.messages.empty());
}

// After a failed read, the trace of what crossed the cable is saved for a help request.
TEST_F(Diagnostics, AFailedReadCanBeSavedAsItsTrace) {
    const QString file = MakeDataFile("radio.rdf", 433'500'000);
    StartWithSim({"send", file, "--start-delay", "1000", "--silence-after", "5"});
    Frame()->OnGetData();
    ASSERT_TRUE(prompt.LastText().startsWith("The receiver stopped sending"))
        << qPrintable(prompt.LastText());
    prompt.savePaths = {Path("trace.txt")};
    Frame()->Action(CMainFrame::ID_SAVE_DIAGNOSTICS)->trigger();
    ASSERT_EQ(prompt.saveRequests.size(), 1u);
    QFile saved(Path("trace.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString trace = QString::fromUtf8(saved.readAll());
    EXPECT_TRUE(trace.contains(QStringLiteral("port: %1 9600,E,8,1").arg(device)));
    EXPECT_TRUE(trace.contains(QStringLiteral("transfer: read")));
    EXPECT_TRUE(trace.contains(QStringLiteral(" ms  <  03 01 "))) << "the start frame";
    EXPECT_TRUE(trace.contains(QStringLiteral("result: failed: The receiver stopped sending")))
        << qPrintable(trace.right(200));
}

} // namespace
