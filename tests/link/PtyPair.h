#pragma once
// A pseudo-terminal whose device the port under test opens; the test plays the far end.

#include <QByteArray>
#include <QString>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

class PtyPair {
public:
    PtyPair() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
            return;
        termios t{};
        ::tcgetattr(master_, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(master_, TCSANOW, &t);
        device_ = QString::fromLocal8Bit(::ptsname(master_));
    }
    ~PtyPair() {
        if (master_ >= 0)
            ::close(master_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const QString& Device() const { return device_; }
    void Send(const QByteArray& bytes) {
        [[maybe_unused]] auto n = ::write(master_, bytes.constData(), size_t(bytes.size()));
    }
    // What the port wrote, waiting up to timeoutMs for the first byte.
    QByteArray Take(int timeoutMs = 1000) {
        QByteArray got;
        pollfd p{master_, POLLIN, 0};
        while (::poll(&p, 1, got.isEmpty() ? timeoutMs : 20) > 0 && (p.revents & POLLIN)) {
            char buf[256];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0)
                break;
            got.append(buf, int(n));
        }
        return got;
    }

private:
    int master_ = -1;
    QString device_;
};
