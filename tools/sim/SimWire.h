#pragma once
// The simulator's end of the clone cable: a pseudo-terminal master that echoes every byte the
// program sends and, when paced, lets one byte cross the single wire every 11 bit times.

#include "radio/Codecs.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <deque>
#include <optional>

class SimWire {
public:
    using Clock = std::chrono::steady_clock;

    SimWire() = default;
    ~SimWire();
    SimWire(const SimWire&) = delete;
    SimWire& operator=(const SimWire&) = delete;

    // Creates the pseudo-terminal; returns the device path the program opens, empty on error.
    QString Create();
    void SetBaud(int baud);
    void SetEcho(bool on) { echo_ = on; }
    // Blocks until the program has opened the device; false after timeoutMs.
    bool WaitForOpen(int timeoutMs);
    // The next byte from the program (echoed back as it crosses the wire), or nothing after
    // timeoutMs or when the program closed the device.
    std::optional<Byte> ReadByte(int timeoutMs);
    void Write(const QByteArray& bytes);
    bool HungUp() const { return hungUp_; }
    // Takes the device away, as a pulled cable does.
    void Vanish();
    // Echoes whatever still comes until the program closes the device or idleMs pass.
    QByteArray Drain(int idleMs);
    // Lets ms pass with the cable's echo working and what the program sends dropped, as
    // before the receiver takes part in a transfer.
    void Idle(int ms);

private:
    bool Fill(int timeoutMs);
    // Waits until the byte that became available at `ready` has crossed the wire.
    void Pace(Clock::time_point ready);

    int fd_ = -1;
    bool echo_ = true;
    bool hungUp_ = false;
    Clock::duration byteTime_{};
    Clock::time_point wireFree_{};
    std::deque<Byte> pending_;
    Clock::time_point arrived_{}; // when the pending bytes came in
};
