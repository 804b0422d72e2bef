#include "link/CloneSender.h"

#include <QCoreApplication>

namespace {
constexpr int kDataFramesBytes = layout::ri::kBlockCount * wire::kDataFrameSize;

const char kVersionText[] = QT_TRANSLATE_NOOP(
    "CloneSender",
    "The current version of the file does not match the radio.\nRead data from the radio so "
    "the program can match the data to the radio.");
const char kWriteError[] = QT_TRANSLATE_NOOP("CloneSender", "An error occured while writing data.");
const char kNoAnswer[] = QT_TRANSLATE_NOOP(
    "CloneSender",
    "The receiver did not answer.\nCheck the cable and that the receiver waits in clone mode.");
const char kNoEcho[] = QT_TRANSLATE_NOOP(
    "CloneSender",
    "The receiver did not answer: no echo came back through the cable.\nCheck the cable.");
// The engine's messages reach the user in the window's language.
QString Text(const char* text) {
    return QCoreApplication::translate("CloneSender", text);
}
} // namespace

CloneSender::CloneSender(const Byte* radioImage, int country, int wideband)
    : image_(radioImage), country_(country), wideband_(wideband) {}

void CloneSender::Start(wire::Time now) {
    if (State() != CloneState::Idle)
        return;
    SetRunning();
    SendNext(now);
}

void CloneSender::SendNext(wire::Time now) {
    QByteArray frame;
    switch (phase_) {
    case StartPhase:
        frame = wire::StartFrame(country_, wideband_);
        break;
    case DataPhase:
        frame = wire::DataFrame(block_, image_);
        bytesSent_ += wire::kDataFrameSize;
        SetProgress(bytesSent_ * 100 / kDataFramesBytes);
        break;
    case EndPhase:
        frame = wire::EndFrame();
        break;
    }
    Send(frame);
    echo_ = frame;
    reply_.clear();
    waiting_ = true;
    ++framesSent_;
    SetDeadline(now + replyLimit_);
}

void CloneSender::Receive(const QByteArray& bytes, wire::Time now) {
    for (char c : bytes) {
        if (State() != CloneState::Running)
            return;
        if (!waiting_)
            continue; // nothing is expected between a reply and the next frame
        if (!echo_.isEmpty()) {
            if (echo_.front() != c)
                return Fail(Text(kNoEcho));
            echo_.remove(0, 1);
            continue;
        }
        reply_.append(c);
        if (reply_.size() == wire::kReplySize)
            Evaluate(now);
    }
}

void CloneSender::Evaluate(wire::Time now) {
    waiting_ = false;
    const Byte kind = Byte(reply_[1]);
    const Byte reason = Byte(reply_[2]);
    reply_.clear();
    if (kind == wire::kReplyRefuse) {
        if (reason == wire::kRefuseVersion1 || reason == wire::kRefuseVersion2)
            return Fail(Text(kVersionText));
        return Fail(Text(kWriteError) + QString::asprintf("\nError: %X %X",
                                                          unsigned(wire::kReplyRefuse),
                                                          unsigned(reason)));
    }
    if (kind != wire::kReplyAck)
        return Fail(Text(kWriteError));
    switch (phase_) {
    case StartPhase:
        phase_ = DataPhase;
        break;
    case DataPhase:
        if (++block_ == layout::ri::kBlockCount)
            phase_ = EndPhase;
        break;
    case EndPhase:
        return Finish(CloneState::Succeeded);
    }
    SetDeadline(now + kPause);
}

void CloneSender::Advance(wire::Time now) {
    if (State() != CloneState::Running || !Deadline() || now < *Deadline())
        return;
    if (!waiting_)
        return SendNext(now);
    // The end frame has always been left without waiting for its reply: once it has gone out
    // (its echo is back), a missing reply is no failure.
    if (phase_ == EndPhase && echo_.isEmpty() && reply_.isEmpty())
        return Finish(CloneState::Succeeded);
    Fail(Text(echo_.isEmpty() ? kNoAnswer : kNoEcho));
}

void CloneSender::Cancel() {
    if (!IsFinished())
        Finish(CloneState::Cancelled);
}

void CloneSender::Fail(const QString& text) {
    Finish(CloneState::Failed, text);
}
