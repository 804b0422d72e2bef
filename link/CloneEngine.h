#pragma once
// What both clone engines share: fed with arriving bytes and the passing of time, they answer
// with bytes to send, progress and an outcome. They do no I/O.

#include "link/CloneFrames.h"

#include <QByteArray>
#include <QString>
#include <optional>

enum class CloneState {
    Idle,      // not started
    Running,   // transfer in progress
    Succeeded, // the whole transfer ended well
    Failed,    // refused, timed out or broken off after data moved: see Message()
    Cancelled, // the user stopped it before anything changed hands
};

class CloneEngine {
public:
    virtual ~CloneEngine() = default;

    virtual void Start(wire::Time now) = 0;
    // Bytes that arrived from the port, the cable's echo of our own bytes included.
    virtual void Receive(const QByteArray& bytes, wire::Time now) = 0;
    // Lets time-outs and pauses run out; call it at Deadline() (calling it sooner is harmless).
    virtual void Advance(wire::Time now) = 0;
    // The user's Cancel or closing the window.
    virtual void Cancel() = 0;
    // The link itself broke (port gone, write refused): the transfer ends as failed.
    void Abort(const QString& message, const QString& caption);

    // Bytes to write to the port now; taking them empties the queue.
    QByteArray TakeOutput();
    // When Advance must next be called, if anything waits on time.
    std::optional<wire::Time> Deadline() const { return deadline_; }

    CloneState State() const { return state_; }
    bool IsFinished() const { return state_ != CloneState::Idle && state_ != CloneState::Running; }
    int Progress() const { return progress_; } // 0..100
    // The failure's text and caption (an empty caption means the application name).
    const QString& Message() const { return message_; }
    const QString& Caption() const { return caption_; }

protected:
    void Send(const QByteArray& bytes) { output_ += bytes; }
    void Finish(CloneState state, const QString& message = {}, const QString& caption = {});
    void SetDeadline(std::optional<wire::Time> at) { deadline_ = at; }
    void SetProgress(int percent) { progress_ = percent; }
    void SetRunning() { state_ = CloneState::Running; }

private:
    QByteArray output_;
    std::optional<wire::Time> deadline_;
    CloneState state_ = CloneState::Idle;
    int progress_ = 0;
    QString message_;
    QString caption_;
};
