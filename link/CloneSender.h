#pragma once
// The program's side of a clone write: a start frame, 488 data frames and an end frame, each
// sent after the receiver acknowledged the one before.

#include "link/CloneEngine.h"

class CloneSender : public CloneEngine {
public:
    // The receiver has always been given one 5 ms timer period between reply and next frame.
    static constexpr wire::Time kPause = std::chrono::milliseconds(5);
    // How long an echo or a reply may take before the receiver counts as not answering.
    static constexpr wire::Time kReplyLimit = std::chrono::milliseconds(2000);

    enum Phase { StartPhase, DataPhase, EndPhase };

    // radioImage: the 15618-byte clone image; its bytes 0 and 1 are not sent, the start frame
    // carries country and wideband instead.
    CloneSender(const Byte* radioImage, int country, int wideband);

    void SetReplyLimit(wire::Time limit) { replyLimit_ = limit; }

    void Start(wire::Time now) override;
    void Receive(const QByteArray& bytes, wire::Time now) override;
    void Advance(wire::Time now) override;
    void Cancel() override;

    Phase CurrentPhase() const { return phase_; }
    int Block() const { return block_; }
    int FramesSent() const { return framesSent_; }

private:
    void SendNext(wire::Time now);
    void Evaluate(wire::Time now);
    void Fail(const QString& text);

    const Byte* image_;
    int country_;
    int wideband_;
    wire::Time replyLimit_ = kReplyLimit;
    Phase phase_ = StartPhase;
    int block_ = 0;
    int framesSent_ = 0;
    int bytesSent_ = 0;
    bool waiting_ = false; // a frame is out and its reply not yet evaluated
    QByteArray echo_;
    QByteArray reply_;
};
