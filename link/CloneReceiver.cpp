#include "link/CloneReceiver.h"

#include <QCoreApplication>

#include <cstring>

namespace {
// Expected frame length by kind index: start, data, end.
constexpr int kLengths[3] = {wire::kStartFrameSize, wire::kDataFrameSize, wire::kEndFrameSize};
constexpr int kStartKind = 0;
constexpr int kDataKind = 1;
constexpr int kEndKind = 2;
// The kind byte is known once this many bytes of a frame are in.
constexpr int kKindKnown = 3;
} // namespace

CloneReceiver::CloneReceiver(Byte* radioImage) : image_(radioImage) {}

int CloneReceiver::Country() const {
    return image_[layout::ri::kCountryCode];
}
int CloneReceiver::Wideband() const {
    return image_[layout::ri::kWidebandFlag];
}

void CloneReceiver::Start(wire::Time) {
    if (State() == CloneState::Idle)
        SetRunning(); // no limit before the first byte: the user starts the receiver by hand
}

void CloneReceiver::Receive(const QByteArray& bytes, wire::Time now) {
    if (State() != CloneState::Running || bytes.isEmpty())
        return;
    began_ = true;
    SetDeadline(now + kSilenceLimit);
    for (char c : bytes) {
        Take(Byte(c));
        if (State() != CloneState::Running)
            return;
    }
}

void CloneReceiver::Advance(wire::Time now) {
    if (State() != CloneState::Running || !began_ || !Deadline() || now < *Deadline())
        return;
    TimeOut();
}

void CloneReceiver::TimeOut() {
    Send(wire::ToBytes(wire::kTimeoutRefusal));
    Fail(QCoreApplication::translate(
             "CloneReceiver", "The receiver stopped sending before the read was complete.\n") +
             SilenceAdvice(),
         QCoreApplication::translate("CloneReceiver", "Comm Error"));
}

QString CloneReceiver::SilenceAdvice() {
    return QCoreApplication::translate(
        "CloneReceiver",
        "Check that the receiver is in clone mode and sending, that the cable is plugged in at "
        "both ends, and that the port chosen is the one the cable is on; then read again.");
}

void CloneReceiver::Cancel() {
    if (IsFinished())
        return;
    if (began_)
        Fail(QCoreApplication::translate(
                 "CloneReceiver",
                 "The read was cancelled. The data that had arrived were discarded."),
             {});
    else
        Finish(CloneState::Cancelled);
}

void CloneReceiver::Take(Byte b) {
    if (!echo_.isEmpty()) {
        // The receiver's next frame where our echo belongs: the cable returns nothing.
        if (Byte(echo_.front()) != b)
            return TimeOut();
        echo_.remove(0, 1);
        return;
    }
    frame_.append(char(b));
    if (frame_.size() == kKindKnown)
        UpdateKind();
    if (frame_.size() == kLengths[kind_])
        CompleteFrame();
}

// Each frame is first expected with the previous frame's length; its kind byte corrects that.
// An unknown kind byte keeps the expectation.
void CloneReceiver::UpdateKind() {
    switch (Byte(frame_[1])) {
    case wire::kKindStart:
        kind_ = kStartKind;
        offset_ = 0;
        break;
    case wire::kKindEnd:
        kind_ = kEndKind;
        break;
    case wire::kKindData:
        kind_ = kDataKind;
        break;
    default:
        break;
    }
}

void CloneReceiver::CompleteFrame() {
    const auto* f = reinterpret_cast<const Byte*>(frame_.constData());
    const int n = int(frame_.size());
    if (wire::Checksum(f, n - 1) != f[n - 1]) {
        Send(wire::ToBytes(wire::kChecksumRefusal));
        Fail(QCoreApplication::translate("CloneReceiver", "Checksum error"),
             QStringLiteral("error"));
        return;
    }
    const int payload = n - wire::kPayloadOffset - 1;
    if (kind_ != kEndKind) {
        // A sender that keeps going past the last block must not write beyond the image.
        if (offset_ + payload > layout::kRadioImageSize) {
            Send(wire::ToBytes(wire::kChecksumRefusal));
            Fail(QCoreApplication::translate("CloneReceiver",
                                             "The receiver sent more data than the image holds."),
                 QStringLiteral("error"));
            return;
        }
        std::memcpy(image_ + offset_, f + wire::kPayloadOffset, payload);
        offset_ += payload;
    }
    frame_.clear();
    ++acknowledged_;
    const QByteArray ack = wire::ToBytes(wire::kAck);
    Send(ack);
    echo_ = ack;
    SetProgress(std::min(100, offset_ * 100 / wire::kDataBytes));
    if (kind_ != kEndKind)
        return;
    // An end frame before the last block would leave part of the old image behind the new.
    if (offset_ != layout::kRadioImageSize)
        Fail(
            QCoreApplication::translate(
                "CloneReceiver", "The receiver ended the transfer before the whole image arrived."),
            QStringLiteral("error"));
    else
        Finish(CloneState::Succeeded);
}

void CloneReceiver::Fail(const QString& text, const QString& caption) {
    Finish(CloneState::Failed, text, caption);
}
