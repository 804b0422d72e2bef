#include "link/CloneSender.h"
#include "LinkTestUtil.h"

#include <gtest/gtest.h>

using namespace linktest;

namespace {

const QString kVersion = "The current version of the file does not match the radio.\nRead data "
                         "from the radio so the program can match the data to the radio.";

// A sender driven as the session drives it: its frame echoed, then the receiver's reply.
class SenderTest : public testing::Test {
protected:
    std::vector<Byte> source = PatternImage(3);
    CloneSender tx{source.data(), 4, 0};
    wire::Time now{0};
    QByteArray lastFrame;

    void SetUp() override {
        tx.Start(now);
        lastFrame = tx.TakeOutput();
    }
    // Echoes the frame out, answers with reply and lets the pause run out.
    void Reply(const QByteArray& reply) {
        now += 1ms;
        tx.Receive(lastFrame + reply, now);
        if (tx.Deadline())
            now = *tx.Deadline();
        tx.Advance(now);
        lastFrame = tx.TakeOutput();
    }
    void AcknowledgeFrames(int count) {
        for (int i = 0; i < count; ++i)
            Reply(kAck);
    }
};

TEST_F(SenderTest, StartFrameCarriesCountryAndWideband) {
    EXPECT_EQ(lastFrame, Bytes({0x03, 0x01, 0x41, 0x31, 0x36, 0x04, 0x00, 0xB0}));
    EXPECT_EQ(tx.State(), CloneState::Running);
}

TEST_F(SenderTest, AcknowledgedTransferSendsEveryFrameInOrder) {
    QByteArray sent = lastFrame;
    for (int i = 0; i < wire::kFrameCount - 1; ++i) {
        Reply(kAck);
        sent += lastFrame;
        if (i == layout::ri::kBlockCount) {
            EXPECT_EQ(tx.Progress(), 100);
        }
    }
    QByteArray expected = wire::StartFrame(4, 0);
    for (int b = 0; b < layout::ri::kBlockCount; ++b)
        expected += wire::DataFrame(b, source.data());
    expected += wire::EndFrame();
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(tx.State(), CloneState::Running);
    Reply(kAck);
    EXPECT_EQ(tx.State(), CloneState::Succeeded);
    EXPECT_EQ(tx.FramesSent(), wire::kFrameCount);
}

TEST_F(SenderTest, DataFramesCarryTheBlockNumberModulo256) {
    AcknowledgeFrames(301);
    ASSERT_EQ(lastFrame.size(), wire::kDataFrameSize);
    EXPECT_EQ(Byte(lastFrame[4]), 0x2C);
    EXPECT_EQ(tx.Block(), 300);
    EXPECT_TRUE(std::equal(lastFrame.begin() + 5, lastFrame.begin() + 37,
                           reinterpret_cast<const char*>(source.data()) + 2 + 300 * 32));
}

TEST_F(SenderTest, NextFrameLeavesNoSoonerThanThePauseAfterTheReply) {
    now = 100ms;
    tx.Receive(lastFrame + kAck, now);
    EXPECT_TRUE(tx.TakeOutput().isEmpty());
    tx.Advance(now + wire::Time(4999));
    EXPECT_TRUE(tx.TakeOutput().isEmpty());
    tx.Advance(now + 5ms);
    EXPECT_EQ(tx.TakeOutput().size(), wire::kDataFrameSize);
}

TEST_F(SenderTest, ReplyInSinglePiecesIsEvaluatedOnce) {
    tx.Receive(lastFrame, 1ms);
    for (char c : kAck) {
        EXPECT_EQ(tx.CurrentPhase(), CloneSender::StartPhase);
        tx.Receive(QByteArray(1, c), 2ms);
    }
    EXPECT_EQ(tx.CurrentPhase(), CloneSender::DataPhase);
    tx.Advance(1s);
    EXPECT_EQ(tx.TakeOutput().size(), wire::kDataFrameSize);
    EXPECT_EQ(tx.Block(), 0);
}

struct RefusalCase {
    int at; // frames acknowledged before the refusal
    QByteArray reply;
    QString message;
};

TEST_F(SenderTest, RefusalsAndStrangeRepliesEndTheWriteWithTheirMessage) {
    const RefusalCase cases[] = {
        {0, Bytes({0x03, 0x15, 0x80}), kVersion},
        {0, Bytes({0x03, 0x15, 0x40}), kVersion},
        {7, Bytes({0x03, 0x15, 0x21}), "An error occured while writing data.\nError: 15 21"},
        {2, Bytes({0x03, 0x07, 0x00}), "An error occured while writing data."},
    };
    for (const RefusalCase& c : cases) {
        CloneSender s(source.data(), 4, 0);
        s.Start(0us);
        QByteArray frame = s.TakeOutput();
        for (int i = 0; i < c.at; ++i) {
            s.Receive(frame + kAck, 1ms);
            s.Advance(1s);
            frame = s.TakeOutput();
        }
        s.Receive(frame + c.reply, 1ms);
        s.Advance(1h);
        EXPECT_EQ(s.State(), CloneState::Failed);
        EXPECT_EQ(s.Message(), c.message);
        EXPECT_TRUE(s.TakeOutput().isEmpty()) << "no frame after a refusal";
        EXPECT_EQ(s.FramesSent(), c.at + 1);
    }
}

TEST_F(SenderTest, SilentReceiverEndsTheWriteAfterTheLimit) {
    tx.Receive(lastFrame, 1ms);
    tx.Advance(CloneSender::kReplyLimit - 1us);
    EXPECT_EQ(tx.State(), CloneState::Running);
    tx.Advance(CloneSender::kReplyLimit);
    EXPECT_EQ(tx.State(), CloneState::Failed);
    EXPECT_TRUE(tx.Message().startsWith("The receiver did not answer."));
}

TEST_F(SenderTest, MissingEchoIsReported) {
    tx.Receive(kAck, 1ms); // the reply where the echo belongs
    EXPECT_EQ(tx.State(), CloneState::Failed);
    EXPECT_TRUE(tx.Message().contains("no echo"));
}

TEST_F(SenderTest, UnansweredEndFrameStillCompletes) {
    AcknowledgeFrames(wire::kFrameCount - 1);
    ASSERT_EQ(lastFrame, wire::EndFrame());
    tx.Receive(lastFrame, now + 1ms);
    tx.Advance(now + 1h);
    EXPECT_EQ(tx.State(), CloneState::Succeeded);

    // A reply that begins and then breaks off is no silence: the receiver is in trouble.
    CloneSender broken{source.data(), 4, 0};
    broken.Start(now);
    QByteArray frame = broken.TakeOutput();
    for (int i = 0; i < wire::kFrameCount - 1; ++i) {
        now += 1ms;
        broken.Receive(frame + kAck, now);
        now = *broken.Deadline();
        broken.Advance(now);
        frame = broken.TakeOutput();
    }
    ASSERT_EQ(frame, wire::EndFrame());
    broken.Receive(frame + kAck.left(1), now + 1ms);
    EXPECT_EQ(broken.State(), CloneState::Running);
    broken.Advance(now + 1h);
    EXPECT_EQ(broken.State(), CloneState::Failed);
}

TEST_F(SenderTest, CancelStopsSending) {
    tx.Cancel();
    EXPECT_EQ(tx.State(), CloneState::Cancelled);
    tx.Receive(lastFrame + kAck, 1ms);
    tx.Advance(1s);
    EXPECT_TRUE(tx.TakeOutput().isEmpty());
}

TEST(CloneSender, CancelBeforeStartSendsNothing) {
    const std::vector<Byte> image = PatternImage();
    CloneSender s(image.data(), 4, 0);
    s.Cancel();
    s.Start(0us);
    EXPECT_EQ(s.State(), CloneState::Cancelled);
    EXPECT_TRUE(s.TakeOutput().isEmpty());
}

TEST(CloneFrames, ClearBeforeWriteZeroesOnlyTheListedBytes) {
    std::vector<Byte> image(layout::kRadioImageSize, 0xAB);
    wire::ClearBeforeWrite(image.data());
    int zeros = 0;
    for (Byte b : image)
        zeros += b == 0;
    EXPECT_EQ(zeros, 14);
    EXPECT_EQ(image[0x3693], 0);
    EXPECT_EQ(image[0x87], 0);
}

} // namespace
