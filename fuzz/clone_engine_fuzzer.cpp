// Feeds arbitrary bytes, in arbitrary pieces and with arbitrary pauses, to the clone engines.
// The first byte picks the engine and whether the cable's echo comes back by itself (so the
// fuzzer reaches deep into a transfer); the rest is records of [length, pause, bytes].
// Rules: no byte is written outside the image, the receiver only ever answers with an
// acknowledgement or a refusal, the sender only sends well-formed frames in order, and a
// finished engine stays silent.

#include "fuzz/FuzzSupport.h"
#include "link/CloneReceiver.h"
#include "link/CloneSender.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace {

using namespace std::chrono_literals;

bool IsReply(const QByteArray& bytes) {
    const QByteArray ack = wire::ToBytes(wire::kAck);
    const QByteArray timeout = wire::ToBytes(wire::kTimeoutRefusal);
    const QByteArray checksum = wire::ToBytes(wire::kChecksumRefusal);
    for (qsizetype i = 0; i < bytes.size(); i += wire::kReplySize) {
        const QByteArray one = bytes.mid(i, wire::kReplySize);
        if (one != ack && one != timeout && one != checksum)
            return false;
    }
    return true;
}

// Checks each frame the sender puts out and counts the data frames.
class FrameChecker {
public:
    void Check(const QByteArray& out) {
        pending_ += out;
        while (pending_.size() >= 2) {
            const int length =
                Byte(pending_[1]) == wire::kKindData ? wire::kDataFrameSize : wire::kStartFrameSize;
            if (pending_.size() < length)
                return;
            const auto* f = reinterpret_cast<const Byte*>(pending_.constData());
            if (f[0] != wire::kLead || wire::Checksum(f, length - 1) != f[length - 1])
                Broken("the sender put out a malformed frame");
            if (f[1] == wire::kKindData && (f[4] != Byte(dataFrames_) || ++dataFrames_ > 488))
                Broken("the sender's data frames are out of order or too many");
            pending_.remove(0, length);
        }
    }

private:
    QByteArray pending_;
    int dataFrames_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool sending = data[0] & 1;
    const bool cableEchoes = data[0] & 2;
    // Exactly the image's size, so the address sanitizer catches any byte written past it.
    auto image = std::make_unique<Byte[]>(layout::kRadioImageSize);
    std::unique_ptr<CloneEngine> engine;
    if (sending)
        engine = std::make_unique<CloneSender>(image.get(), data[0] >> 2 & 7, data[0] >> 5 & 1);
    else
        engine = std::make_unique<CloneReceiver>(image.get());
    FrameChecker frames;
    wire::Time now{0};
    engine->Start(now);

    auto takeOutput = [&] {
        const QByteArray out = engine->TakeOutput();
        if (out.isEmpty())
            return QByteArray();
        if (sending)
            frames.Check(out);
        else if (!IsReply(out))
            Broken("the receiver answered with something other than a reply");
        return cableEchoes ? out : QByteArray();
    };

    QByteArray echo = takeOutput();
    for (std::size_t i = 1; i + 2 <= size;) {
        const std::size_t length = std::min<std::size_t>(data[i], size - i - 2);
        now += std::chrono::milliseconds(data[i + 1] * 4);
        const QByteArray bytes = echo + QByteArray(reinterpret_cast<const char*>(data + i + 2),
                                                   static_cast<qsizetype>(length));
        i += 2 + length;
        const bool wasFinished = engine->IsFinished();
        engine->Advance(now);
        engine->Receive(bytes, now);
        echo = takeOutput();
        if (wasFinished && !echo.isEmpty())
            Broken("a finished engine kept talking");
    }
    engine->Advance(now + 10s);
    takeOutput();
    if (!sending && engine->State() == CloneState::Running &&
        static_cast<const CloneReceiver&>(*engine).DataBegan())
        Broken("a read that had begun outlived its silence limit");
    return 0;
}
