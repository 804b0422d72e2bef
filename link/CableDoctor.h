#pragma once
// The cable check: finds what stops a transfer before the user tries one (the port, the right
// to open it, programs that take USB serial adapters, the cable's echo) and says it in a
// plain-text report a user can copy into a help request. The window and corvinel-cli share it.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class CCommPort;

namespace doctor {

// Where the checks look; tests point them at folders of their own.
struct SystemPaths {
    QString byId = QStringLiteral("/dev/serial/by-id");
    QString groupFile = QStringLiteral("/etc/group");
    QString proc = QStringLiteral("/proc");
    // systemd units and udev rules of the programs that take adapters
    QStringList serviceDirs = {
        QStringLiteral("/etc/systemd/system"), QStringLiteral("/lib/systemd/system"),
        QStringLiteral("/usr/lib/systemd/system"), QStringLiteral("/lib/udev/rules.d"),
        QStringLiteral("/usr/lib/udev/rules.d")};
};

struct SerialPortFacts {
    QString device;     // /dev/ttyUSB0
    QString stableName; // its name in /dev/serial/by-id, which survives re-plugging
    QString description;
    QString manufacturer;
    std::optional<quint16> vendor;
    std::optional<quint16> product;
};

enum class Verdict { Ok, Note, Problem };

struct Finding {
    Verdict verdict;
    QString text; // what was found and, for a problem, the fix; may run over several lines
};

// The serial ports the system reports, with their stable names.
std::vector<SerialPortFacts> SerialPorts(const SystemPaths& paths);
// Whether this user may open device; when not, why and the command that fixes it.
Finding CheckPermission(const QString& device, const SystemPaths& paths);
// Programs known to take USB serial adapters away from the program, each with its fix.
std::vector<Finding> CheckGrabbers(const std::vector<SerialPortFacts>& ports,
                                   const SystemPaths& paths);
// Sends a short pattern through the open port and reads it back: the clone cable returns
// every byte, so this proves cable and port without the receiver.
Finding EchoTest(CCommPort& port);

struct Result {
    QString report; // one screen of plain text
    int problems = 0;
};
// Every check on device ("" when none is chosen: the only USB adapter, if there is one).
// openPort, when given and open on that device, is used for the echo test instead of opening
// the device afresh (which the port's own lock would refuse).
Result Run(const QString& device, CCommPort* openPort = nullptr, const SystemPaths& paths = {});

} // namespace doctor
