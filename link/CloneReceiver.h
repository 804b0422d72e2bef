#pragma once
// The program's side of a clone read: the receiver sends a start frame, 488 data frames and an
// end frame, and waits for our acknowledgement after each.

#include "link/CloneEngine.h"

class CloneReceiver : public CloneEngine {
public:
    // Once data began, this much silence ends the read (41 ticks of 10 ms).
    static constexpr wire::Time kSilenceLimit = std::chrono::milliseconds(410);
    // What to check when the receiver sends nothing, or stops: one text for window and tool.
    static QString SilenceAdvice();

    // Payloads go into radioImage (the 15618-byte clone image). On failure it holds whatever
    // arrived: the caller restores it.
    explicit CloneReceiver(Byte* radioImage);

    void Start(wire::Time now) override;
    void Receive(const QByteArray& bytes, wire::Time now) override;
    void Advance(wire::Time now) override;
    // Before the first byte: Cancelled, nothing changed. After it: Failed, image to restore.
    void Cancel() override;

    bool DataBegan() const { return began_; }
    int ImageOffset() const { return offset_; }
    int FramesAcknowledged() const { return acknowledged_; }
    // The receiver's version as its start frame reported it.
    int Country() const;
    int Wideband() const;

private:
    void Take(Byte b);
    void UpdateKind();
    void CompleteFrame();
    // Silence, or a cable that returns nothing: refused and ended as a time-out.
    void TimeOut();
    void Fail(const QString& text, const QString& caption);

    Byte* image_;
    QByteArray frame_;
    QByteArray echo_; // our own bytes still to come back through the cable
    int kind_ = 0;    // index into the frame lengths: 0 start, 1 data, 2 end
    int offset_ = 0;
    int acknowledged_ = 0;
    bool began_ = false;
};
