#include "SimProcess.h"
#include "link/CloneReceiver.h"
#include "link/CloneSender.h"
#include "link/CommPort.h"
#include "radio/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

const QString kVersion = "The current version of the file does not match the radio.\nRead data "
                         "from the radio so the program can match the data to the radio.";

// A real port on the simulator's pseudo-terminal, with the settings in a temporary folder.
class Transfer : public testing::Test {
protected:
    TempSettings settings;
    ScriptedPrompt prompt;
    QTemporaryDir dir;
    SimProcess sim;
    QString device;
    std::unique_ptr<CCommPort> port;
    std::unique_ptr<CloneSession> session;
    std::vector<Byte> file = PatternFile(1, 1);
    qint64 elapsedMs = 0;

    QString FilePath() const { return dir.filePath("radio.rdf"); }
    const Byte* FileImage() const { return file.data() + layout::kRadioImage; }

    CloneState Run(const QStringList& simArgs, std::unique_ptr<CloneEngine> engine) {
        device = sim.Start(simArgs);
        port = std::make_unique<CCommPort>(&prompt);
        port->SetPort(device);
        EXPECT_TRUE(port->Open()) << "simulator: " << qPrintable(device);
        session = std::make_unique<CloneSession>(*port, std::move(engine));
        // A second "OK" in the middle of a transfer must not start it again.
        QObject::connect(session.get(), &CloneSession::progressChanged, session.get(),
                         &CloneSession::Start);
        QElapsedTimer clock;
        clock.start();
        const CloneState state = RunToEnd(*session);
        elapsedMs = clock.elapsed();
        port->Close();
        return state;
    }
};

class ReadTransfer : public Transfer {
protected:
    std::vector<Byte> image = std::vector<Byte>(layout::kRadioImageSize, 0xEE);

    CloneState Read(const QStringList& faults = {}) {
        WriteFile(FilePath(), file);
        return Run(QStringList{"send", FilePath(), "--start-delay", "30"} + faults,
                   std::make_unique<CloneReceiver>(image.data()));
    }
    bool ImageMatchesFile() const { return std::equal(image.begin(), image.end(), FileImage()); }
};

class WriteTransfer : public Transfer {
protected:
    QString OutPath() const { return dir.filePath("received.rdf"); }

    CloneState Write(const QStringList& faults = {}, wire::Time replyLimit = 2s) {
        auto sender = std::make_unique<CloneSender>(FileImage(), 4, 0);
        sender->SetReplyLimit(replyLimit);
        return Run(QStringList{"receive", OutPath()} + faults, std::move(sender));
    }
};

TEST_F(ReadTransfer, WholeImageArrivesByteForByteAndCountryIsStored) {
    ASSERT_EQ(Read(), CloneState::Succeeded) << qPrintable(session->Message());
    EXPECT_TRUE(ImageMatchesFile());
    EXPECT_EQ(sim.Result(), "sent 490 frames");
    EXPECT_EQ(sim.ExitCode(), 0);
    int country = 0, wideband = 0;
    EXPECT_TRUE(ReadCountrySettings(country, wideband));
    EXPECT_EQ(country, 1);
    EXPECT_EQ(wideband, 1);
}

TEST_F(ReadTransfer, FramesInPiecesWithPauses) {
    ASSERT_EQ(Read({"--pieces", "5,20,13", "--piece-gap", "1"}), CloneState::Succeeded);
    EXPECT_TRUE(ImageMatchesFile());
}

TEST_F(ReadTransfer, UnknownKindByteIsReadAsTheFrameBefore) {
    ASSERT_EQ(Read({"--kind", "5:07"}), CloneState::Succeeded);
    EXPECT_TRUE(ImageMatchesFile());
}

TEST_F(ReadTransfer, SecondStartFramePlacesFromTheBeginningAgain) {
    // Only 388 blocks follow the second start frame: the image is not whole, so the read fails.
    ASSERT_EQ(Read({"--second-start", "101"}), CloneState::Failed);
    EXPECT_EQ(session->Message(),
              "The receiver ended the transfer before the whole image arrived.");
    // Blocks 100..487 followed the second start frame and landed from image byte 2.
    const int block = 100;
    EXPECT_TRUE(
        std::equal(image.begin() + 2, image.begin() + 2 + 32, FileImage() + 2 + block * 32));
}

TEST_F(ReadTransfer, BadChecksumIsRefused) {
    EXPECT_EQ(Read({"--bad-checksum", "5"}), CloneState::Failed);
    EXPECT_EQ(session->Message(), "Checksum error");
    EXPECT_EQ(sim.Result(), "frame 5 answered with [03 15 02]");
}

TEST_F(ReadTransfer, SilenceTimesOutWithARefusal) {
    EXPECT_EQ(Read({"--silence-after", "10"}), CloneState::Failed);
    EXPECT_TRUE(session->Message().startsWith("The receiver stopped sending"));
    EXPECT_EQ(session->Caption(), "Comm Error");
    EXPECT_GE(elapsedMs, 410);
    EXPECT_EQ(sim.Result(), "silent after frame 10");
}

TEST_F(ReadTransfer, DataPastTheImageIsRefusedAndFails) {
    EXPECT_EQ(Read({"--extra-frames", "1"}), CloneState::Failed);
    EXPECT_EQ(sim.Result(), "frame 489 answered with [03 15 02]");
}

TEST_F(ReadTransfer, MissingEchoFails) {
    EXPECT_EQ(Read({"--no-echo"}), CloneState::Failed);
    EXPECT_TRUE(session->Message().startsWith("The receiver stopped sending"));
    EXPECT_EQ(session->Caption(), "Comm Error");
}

TEST_F(ReadTransfer, VanishingDeviceFailsWithAMessage) {
    EXPECT_EQ(Read({"--vanish", "50"}), CloneState::Failed);
    EXPECT_TRUE(session->Message().startsWith(device)) << qPrintable(session->Message());
    int country = 0, wideband = 0;
    EXPECT_FALSE(ReadCountrySettings(country, wideband));
}

// A port whose device went away counts as closed and lets go of the device, so that the next
// transfer opens it afresh instead of talking to a dead handle.
TEST_F(ReadTransfer, PortOfAVanishedDeviceCountsAsClosed) {
    WriteFile(FilePath(), file);
    device = sim.Start({"send", FilePath(), "--start-delay", "30", "--vanish", "50"});
    port = std::make_unique<CCommPort>(&prompt);
    port->SetPort(device);
    ASSERT_TRUE(port->Open());
    session = std::make_unique<CloneSession>(*port, std::make_unique<CloneReceiver>(image.data()));
    ASSERT_EQ(RunToEnd(*session), CloneState::Failed);
    EXPECT_FALSE(port->IsOpen());
    QCoreApplication::processEvents();
    EXPECT_FALSE(port->SerialPort().isOpen());
    CloneSession again(*port, std::make_unique<CloneReceiver>(image.data()));
    EXPECT_EQ(RunToEnd(again, 2000), CloneState::Failed);
    EXPECT_EQ(again.Message(), "The serial port is not open.");
}

TEST_F(ReadTransfer, CancelBeforeTheFirstByteIsACancel) {
    WriteFile(FilePath(), file);
    device = sim.Start({"send", FilePath(), "--start-delay", "5000"});
    port = std::make_unique<CCommPort>(&prompt);
    port->SetPort(device);
    ASSERT_TRUE(port->Open());
    session = std::make_unique<CloneSession>(*port, std::make_unique<CloneReceiver>(image.data()));
    QTimer::singleShot(100, session.get(), &CloneSession::Cancel);
    EXPECT_EQ(RunToEnd(*session), CloneState::Cancelled);
}

TEST_F(ReadTransfer, CancelAfterDataBeganFails) {
    WriteFile(FilePath(), file);
    device =
        sim.Start({"send", FilePath(), "--start-delay", "0", "--pieces", "4", "--piece-gap", "50"});
    port = std::make_unique<CCommPort>(&prompt);
    port->SetPort(device);
    ASSERT_TRUE(port->Open());
    session = std::make_unique<CloneSession>(*port, std::make_unique<CloneReceiver>(image.data()));
    auto& receiver = dynamic_cast<CloneReceiver&>(session->Engine());
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (receiver.DataBegan())
            session->Cancel();
    });
    watch.start(1);
    EXPECT_EQ(RunToEnd(*session), CloneState::Failed);
    EXPECT_LT(receiver.FramesAcknowledged(), 1);
}

TEST_F(WriteTransfer, WholeImageArrivesByteForByte) {
    ASSERT_EQ(Write(), CloneState::Succeeded) << qPrintable(session->Message());
    EXPECT_TRUE(sim.Result().startsWith("received 490 frames"));
    const std::vector<Byte> got = ReadFile(OutPath());
    ASSERT_EQ(got.size(), size_t(layout::kImageSize));
    const Byte* ri = got.data() + layout::kRadioImage;
    EXPECT_EQ(ri[0], 4);
    EXPECT_EQ(ri[1], 0);
    EXPECT_TRUE(std::equal(ri + 2, ri + layout::kRadioImageSize, FileImage() + 2));
    EXPECT_GE(elapsedMs, 489 * 5);
}

TEST_F(WriteTransfer, RefusalsEndTheWriteWithTheirMessages) {
    EXPECT_EQ(Write({"--refuse", "0:80"}), CloneState::Failed);
    EXPECT_EQ(session->Message(), kVersion);
    EXPECT_EQ(sim.Result(), "frame 0 answered [03 15 80]");
}

TEST_F(WriteTransfer, RefusalWithOtherReasonShowsTheCodes) {
    EXPECT_EQ(Write({"--refuse", "7:21"}), CloneState::Failed);
    EXPECT_EQ(session->Message(), "An error occured while writing data.\nError: 15 21");
}

TEST_F(WriteTransfer, UnexpectedReplyIsAnError) {
    EXPECT_EQ(Write({"--bad-reply", "2:07"}), CloneState::Failed);
    EXPECT_EQ(session->Message(), "An error occured while writing data.");
}

TEST_F(WriteTransfer, SilentReceiverEndsTheWrite) {
    EXPECT_EQ(Write({"--no-reply"}, 300ms), CloneState::Failed);
    EXPECT_TRUE(session->Message().startsWith("The receiver did not answer."));
    EXPECT_LT(elapsedMs, 2000);
}

TEST_F(WriteTransfer, ReceiverFallingSilentMidwayEndsTheWrite) {
    EXPECT_EQ(Write({"--silence-after", "20"}, 300ms), CloneState::Failed);
    EXPECT_TRUE(session->Message().startsWith("The receiver did not answer."));
}

TEST_F(WriteTransfer, MissingEchoEndsTheWrite) {
    EXPECT_EQ(Write({"--no-echo"}, 300ms), CloneState::Failed);
    EXPECT_TRUE(session->Message().contains("echo"));
}

TEST_F(WriteTransfer, VanishingDeviceFailsWithAMessage) {
    EXPECT_EQ(Write({"--vanish", "30"}), CloneState::Failed);
    EXPECT_TRUE(session->Message().startsWith(device)) << qPrintable(session->Message());
    EXPECT_FALSE(QFile::exists(OutPath()));
}

} // namespace
