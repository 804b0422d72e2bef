// Get Data and Send Data through the window against corvinel-sim on a pseudo-terminal.

#include "AppTestSupport.h"
#include "e2e/SimProcess.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QStatusBar>

using namespace layout;

namespace {

// The simulated receiver starts sending this long after the program opened the port at
// start-up: time enough for the window to come up and the read to begin on a busy machine.
const char kStartDelay[] = "1000";

void ClickButton(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text)
            return QTest::mouseClick(b, Qt::LeftButton);
    ADD_FAILURE() << "no button " << text.toStdString();
}

std::vector<Byte> RadioPart(const std::vector<Byte>& file) {
    return {file.begin() + kRadioImage, file.begin() + kRadioImage + kRadioImageSize};
}

} // namespace

class AppTransfer : public AppTest {
protected:
    SimProcess sim;

    // Starts the simulator and the program with the simulator's device as the stored port.
    void StartWithSim(const QStringList& args) {
        const QString device = sim.Start(args);
        ASSERT_FALSE(device.isEmpty());
        WriteCommPort(device);
        Start();
        ASSERT_TRUE(app->Port()->IsOpen());
    }
};

TEST_F(AppTransfer, GetDataFillsTheGridWithWhatTheReceiverSent) {
    const QString file = MakeDataFile("radio.rdf", 433'500'000);
    StartWithSim({"send", file, "--start-delay", kStartDelay});
    Frame()->Action(CMainFrame::ID_READ)->trigger();
    EXPECT_TRUE(prompt.messages.empty()) << prompt.LastText().toStdString();
    EXPECT_EQ(CellText(1), "433.50000");
    EXPECT_FALSE(Radio().IsChanged());
    EXPECT_EQ(Frame()->statusBar()->currentMessage(),
              "Read 1 channel from " + app->Port()->DeviceName());
    const Image& image = Radio().EditImage();
    EXPECT_EQ(std::vector<Byte>(image.begin() + kRadioImage,
                                image.begin() + kRadioImage + kRadioImageSize),
              RadioPart(ReadFile(file)));
}

// With no port stored, Get Data asks for one and reads through it once it is chosen.
TEST_F(AppTransfer, GetDataAsksForThePortThenReads) {
    const QString file = MakeDataFile("radio.rdf", 433'500'000);
    chooserAnswer = sim.Start({"send", file, "--start-delay", kStartDelay});
    ASSERT_FALSE(chooserAnswer->isEmpty());
    Start();
    ASSERT_FALSE(app->Port()->IsOpen());
    Frame()->Action(CMainFrame::ID_READ)->trigger();
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_TRUE(prompt.messages.empty()) << prompt.LastText().toStdString();
    EXPECT_EQ(CellText(1), "433.50000");
    EXPECT_EQ(ReadCommPort(), *chooserAnswer);
    EXPECT_FALSE(Frame()->isWindowModified());
}

// A read that fails keeps the data set, the file name and the unsaved edits as they were.
TEST_F(AppTransfer, AReadThatTimesOutKeepsTheDataShown) {
    const QString file = MakeDataFile("radio.rdf", 433'500'000);
    const QString mine = MakeDataFile("mine.rdf", 145'000'000);
    StartWithSim({"send", file, "--start-delay", kStartDelay, "--silence-after", "5"});
    ASSERT_TRUE(Frame()->OpenPath(mine));
    TypeInCell(8, "145.5");
    prompt.answers = {PromptAnswer::No, PromptAnswer::Ok};
    Frame()->OnGetData();
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_TRUE(prompt.messages[1].text.contains("Check that the receiver is in clone mode"));
    EXPECT_EQ(CellText(1), "145.00000");
    EXPECT_EQ(CellText(8), "145.50000");
    EXPECT_EQ(Frame()->windowTitle(), "Corvinel - mine.rdf[*]");
    EXPECT_TRUE(Radio().IsChanged()); // Exit still asks
    EXPECT_EQ(Radio().GetChannel(8)->frequencyHz, 145'500'000);
}

TEST_F(AppTransfer, SendDataSendsTheFileByteForByte) {
    const QString file = MakeDataFile("radio.rdf", 145'500'000);
    StartWithSim({"receive", Path("got.rdf")});
    ASSERT_TRUE(Frame()->OpenPath(file));
    WhenModal([](QWidget* dialog) { ClickButton(dialog, "OK"); });
    Frame()->Action(CMainFrame::ID_WRITE)->trigger();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.LastText(), "The data were written to the receiver.");
    EXPECT_FALSE(Radio().IsChanged());
    EXPECT_TRUE(Frame()->statusBar()->currentMessage().startsWith("Sent "));
    app->Port()->Close(); // the simulator ends once the line is let go
    ASSERT_TRUE(sim.Result().startsWith("received 490 frames"));
    EXPECT_EQ(RadioPart(ReadFile(Path("got.rdf"))), RadioPart(ReadFile(file)));
}
