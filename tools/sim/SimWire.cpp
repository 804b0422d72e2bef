#include "SimWire.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

SimWire::~SimWire() {
    if (fd_ >= 0)
        ::close(fd_);
}

QString SimWire::Create() {
    fd_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (fd_ < 0 || ::grantpt(fd_) != 0 || ::unlockpt(fd_) != 0)
        return {};
    termios t{};
    ::tcgetattr(fd_, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd_, TCSANOW, &t);
    const char* name = ::ptsname(fd_);
    if (!name)
        return {};
    // Opening and closing the device once makes the master report a hang-up until the program
    // opens it, which is how we learn that it has.
    const int slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave >= 0)
        ::close(slave);
    return QString::fromLocal8Bit(name);
}

void SimWire::SetBaud(int baud) {
    // Start bit, 8 data bits, parity, stop bit.
    byteTime_ = baud > 0 ? std::chrono::duration_cast<Clock::duration>(
                               std::chrono::nanoseconds(11'000'000'000LL / baud))
                         : Clock::duration::zero();
}

bool SimWire::WaitForOpen(int timeoutMs) {
    const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < until) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 0) >= 0 && !(p.revents & POLLHUP))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

// Bytes follow each other on the wire back to back, so a late wake-up of ours must not
// delay the ones behind it.
void SimWire::Pace(Clock::time_point ready) {
    if (byteTime_ == Clock::duration::zero())
        return;
    wireFree_ = std::max(wireFree_, ready) + byteTime_;
    std::this_thread::sleep_until(wireFree_);
}

bool SimWire::Fill(int timeoutMs) {
    if (fd_ < 0 || hungUp_)
        return false;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return false;
    if (!(p.revents & POLLIN)) {
        hungUp_ = (p.revents & (POLLHUP | POLLERR)) != 0;
        return false;
    }
    Byte chunk[512];
    const ssize_t n = ::read(fd_, chunk, sizeof chunk);
    if (n <= 0) {
        hungUp_ = true;
        return false;
    }
    arrived_ = Clock::now();
    pending_.insert(pending_.end(), chunk, chunk + n);
    // Unpaced, the whole chunk crosses at once.
    if (echo_ && byteTime_ == Clock::duration::zero()) [[maybe_unused]]
        auto w = ::write(fd_, chunk, size_t(n));
    return true;
}

std::optional<Byte> SimWire::ReadByte(int timeoutMs) {
    if (pending_.empty() && !Fill(timeoutMs))
        return std::nullopt;
    const Byte b = pending_.front();
    pending_.pop_front();
    if (byteTime_ != Clock::duration::zero()) {
        Pace(arrived_);
        if (echo_) [[maybe_unused]]
            auto w = ::write(fd_, &b, 1);
    }
    return b;
}

void SimWire::Write(const QByteArray& bytes) {
    if (fd_ < 0)
        return;
    if (byteTime_ == Clock::duration::zero()) {
        [[maybe_unused]] auto w = ::write(fd_, bytes.constData(), size_t(bytes.size()));
        return;
    }
    const Clock::time_point ready = Clock::now();
    for (char c : bytes) {
        Pace(ready);
        [[maybe_unused]] auto w = ::write(fd_, &c, 1);
    }
}

void SimWire::Vanish() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    hungUp_ = true;
}

void SimWire::Idle(int ms) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0)
            return;
        if (!ReadByte(static_cast<int>(left)) && hungUp_) {
            std::this_thread::sleep_until(end);
            return;
        }
    }
}

QByteArray SimWire::Drain(int idleMs) {
    QByteArray got;
    while (const auto b = ReadByte(idleMs))
        got.append(char(*b));
    return got;
}
