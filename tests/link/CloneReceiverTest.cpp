#include "link/CloneReceiver.h"
#include "LinkTestUtil.h"

#include <gtest/gtest.h>

using namespace linktest;

namespace {

// A receiver writing into an image with guard bytes behind it, fed like the cable feeds it.
class ReceiverTest : public testing::Test {
protected:
    static constexpr int kGuard = 64;
    std::vector<Byte> buffer = std::vector<Byte>(layout::kRadioImageSize + kGuard, 0xEE);
    CloneReceiver rx{buffer.data()};
    std::vector<Byte> source = PatternImage();
    wire::Time now{0};

    void SetUp() override { rx.Start(now); }

    // Delivers bytes as they arrive; returns what the engine answers.
    QByteArray Feed(const QByteArray& bytes) {
        now += 1ms;
        rx.Receive(bytes, now);
        return rx.TakeOutput();
    }
    // Delivers a frame, expects an acknowledgement and returns its echo.
    void Accept(const QByteArray& frame) {
        ASSERT_EQ(Feed(frame), kAck);
        Feed(kAck);
    }
    void AcceptStartAndData(int blocks) {
        Accept(wire::StartFrame(1, 1));
        for (int b = 0; b < blocks; ++b)
            Accept(wire::DataFrame(b, source.data()));
    }
    bool GuardIntact() const {
        return std::all_of(buffer.end() - kGuard, buffer.end(), [](Byte b) { return b == 0xEE; });
    }
    QByteArray WholeTransfer() const {
        QByteArray all = wire::StartFrame(1, 1) + kAck;
        for (int b = 0; b < layout::ri::kBlockCount; ++b)
            all += wire::DataFrame(b, source.data()) + kAck;
        return all + wire::EndFrame() + kAck;
    }
};

TEST_F(ReceiverTest, WholeTransferFillsImageAndAcknowledgesEveryFrame) {
    AcceptStartAndData(layout::ri::kBlockCount);
    ASSERT_EQ(Feed(wire::EndFrame()), kAck);
    EXPECT_EQ(rx.State(), CloneState::Succeeded);
    EXPECT_EQ(rx.FramesAcknowledged(), wire::kFrameCount);
    EXPECT_EQ(rx.Country(), 1);
    EXPECT_EQ(rx.Wideband(), 1);
    EXPECT_TRUE(std::equal(source.begin() + 2, source.end(), buffer.begin() + 2));
    EXPECT_EQ(rx.Progress(), 100);
    EXPECT_TRUE(GuardIntact());
}

// Whatever way the stream is cut into reads, the same image arrives.
TEST_F(ReceiverTest, AnyChunkingOfTheStreamGivesTheSameImage) {
    const QByteArray stream = WholeTransfer();
    for (int chunk : {1, 3, 5, 7, 8, 13, 37, 38, 39, 41, 46}) {
        std::vector<Byte> image(layout::kRadioImageSize, 0);
        CloneReceiver r(image.data());
        r.Start(0us);
        QByteArray answers;
        for (int i = 0; i < stream.size(); i += chunk) {
            r.Receive(stream.mid(i, chunk), 1ms);
            answers += r.TakeOutput();
        }
        EXPECT_EQ(r.State(), CloneState::Succeeded) << chunk;
        EXPECT_EQ(answers, kAck.repeated(wire::kFrameCount)) << chunk;
        EXPECT_TRUE(std::equal(source.begin() + 2, source.end(), image.begin() + 2)) << chunk;
    }
}

TEST_F(ReceiverTest, FrameInPiecesIsStoredOnceWhenComplete) {
    AcceptStartAndData(0);
    const QByteArray frame = wire::DataFrame(0, source.data());
    EXPECT_TRUE(Feed(frame.left(5)).isEmpty());
    EXPECT_TRUE(Feed(frame.mid(5, 20)).isEmpty());
    EXPECT_EQ(rx.ImageOffset(), 2);
    EXPECT_EQ(Feed(frame.mid(25)), kAck);
    EXPECT_EQ(rx.ImageOffset(), 2 + 32);
}

// After the start frame 8 bytes are expected; the data frame's kind byte asks for 38. After a
// data frame 38 are expected; the end frame's kind byte asks for 8.
TEST_F(ReceiverTest, KindByteSwitchesTheExpectedLength) {
    AcceptStartAndData(0);
    const QByteArray data = wire::DataFrame(0, source.data());
    EXPECT_TRUE(Feed(data.left(8)).isEmpty());
    EXPECT_TRUE(Feed(data.mid(8, 29)).isEmpty());
    EXPECT_EQ(Feed(data.mid(37)), kAck);
    Feed(kAck);
    for (int b = 1; b < layout::ri::kBlockCount; ++b)
        Accept(wire::DataFrame(b, source.data()));
    const QByteArray end = wire::EndFrame();
    EXPECT_TRUE(Feed(end.left(7)).isEmpty());
    EXPECT_EQ(Feed(end.mid(7)), kAck);
    EXPECT_EQ(rx.State(), CloneState::Succeeded);
}

TEST_F(ReceiverTest, BadChecksumIsRefusedAndNotStored) {
    AcceptStartAndData(3);
    QByteArray bad = wire::DataFrame(3, source.data());
    bad[37] = char(bad[37] + 1);
    EXPECT_EQ(Feed(bad), Bytes({0x03, 0x15, 0x02}));
    EXPECT_EQ(rx.State(), CloneState::Failed);
    EXPECT_EQ(rx.Message(), "Checksum error");
    EXPECT_EQ(rx.Caption(), "error");
    EXPECT_EQ(buffer[2 + 3 * 32], 0xEE);
}

TEST_F(ReceiverTest, SilenceTimesOutOnlyOnceDataBegan) {
    rx.Advance(now + 3600s);
    EXPECT_EQ(rx.State(), CloneState::Running);
    AcceptStartAndData(1);
    const wire::Time last = now;
    rx.Advance(last + 409ms);
    EXPECT_EQ(rx.State(), CloneState::Running);
    ASSERT_TRUE(rx.Deadline());
    EXPECT_EQ(*rx.Deadline(), last + 410ms);
    rx.Advance(last + 410ms);
    EXPECT_EQ(rx.TakeOutput(), Bytes({0x03, 0x15, 0x01}));
    EXPECT_EQ(rx.State(), CloneState::Failed);
    EXPECT_TRUE(rx.Message().startsWith("The receiver stopped sending"));
    EXPECT_EQ(rx.Caption(), "Comm Error");
}

TEST_F(ReceiverTest, SecondStartFrameRestartsPlacement) {
    AcceptStartAndData(5);
    Accept(wire::StartFrame(0, 0));
    EXPECT_EQ(rx.ImageOffset(), 2);
    Accept(wire::DataFrame(9, source.data()));
    EXPECT_TRUE(
        std::equal(source.begin() + 2 + 9 * 32, source.begin() + 2 + 10 * 32, buffer.begin() + 2));
    EXPECT_EQ(rx.Country(), 0);
}

TEST_F(ReceiverTest, UnknownKindKeepsThePreviousFrameKind) {
    AcceptStartAndData(1);
    Accept(FrameOfKind(0x07, 38, 0x5A));
    EXPECT_EQ(rx.ImageOffset(), 2 + 2 * 32);
    EXPECT_EQ(buffer[2 + 32 + 10], 0x5A);
}

TEST_F(ReceiverTest, DataFramePastTheImageIsRefusedAndFails) {
    AcceptStartAndData(layout::ri::kBlockCount);
    EXPECT_EQ(Feed(wire::DataFrame(0, source.data())), Bytes({0x03, 0x15, 0x02}));
    EXPECT_EQ(rx.State(), CloneState::Failed);
    EXPECT_TRUE(GuardIntact());
}

TEST_F(ReceiverTest, EndFrameBeforeTheLastBlockFails) {
    AcceptStartAndData(layout::ri::kBlockCount - 1);
    EXPECT_EQ(Feed(wire::EndFrame()), kAck); // the receiver is let go all the same
    EXPECT_EQ(rx.State(), CloneState::Failed);
    EXPECT_EQ(rx.Message(), "The receiver ended the transfer before the whole image arrived.");
}

TEST_F(ReceiverTest, CancelBeforeTheFirstByteChangesNothing) {
    rx.Cancel();
    EXPECT_EQ(rx.State(), CloneState::Cancelled);
    EXPECT_TRUE(rx.TakeOutput().isEmpty());
}

TEST_F(ReceiverTest, CancelAfterTheFirstByteFails) {
    Feed(Bytes({0x03}));
    rx.Cancel();
    EXPECT_EQ(rx.State(), CloneState::Failed);
    EXPECT_TRUE(rx.TakeOutput().isEmpty());
}

// A cable that returns nothing ends the read as a time-out does.
TEST_F(ReceiverTest, MissingEchoEndsTheReadAsATimeout) {
    AcceptStartAndData(0);
    Feed(wire::DataFrame(0, source.data()));
    // the receiver's next frame where the echo belongs
    EXPECT_EQ(Feed(wire::DataFrame(1, source.data())), Bytes({0x03, 0x15, 0x01}));
    EXPECT_EQ(rx.State(), CloneState::Failed);
    EXPECT_TRUE(rx.Message().startsWith("The receiver stopped sending"));
    EXPECT_EQ(rx.Caption(), "Comm Error");
}

TEST_F(ReceiverTest, ProgressReflectsStoredBlocks) {
    AcceptStartAndData(244);
    EXPECT_EQ(rx.Progress(), 50);
}

TEST_F(ReceiverTest, NothingHappensAfterTheEnd) {
    AcceptStartAndData(layout::ri::kBlockCount);
    Feed(wire::EndFrame());
    EXPECT_TRUE(Feed(kAck + wire::StartFrame(2, 0)).isEmpty());
    rx.Advance(now + 1h);
    EXPECT_EQ(rx.State(), CloneState::Succeeded);
    EXPECT_EQ(rx.Country(), 1);
}

} // namespace
