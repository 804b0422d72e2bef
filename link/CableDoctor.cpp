#include "link/CableDoctor.h"

#include "link/CommPort.h"
#include "radio/Prompt.h"
#include "radio/Version.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSysInfo>
#include <algorithm>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace doctor {

namespace {

// The adapters a Braille display daemon claims as its own: CH340 and CP210x.
struct UsbId {
    quint16 vendor;
    quint16 product;
};
constexpr UsbId kBrailleClaimed[] = {{0x1a86, 0x7523}, {0x10c4, 0xea60}};

bool ClaimedByBraille(const SerialPortFacts& port) {
    return port.vendor && port.product &&
           std::any_of(std::begin(kBrailleClaimed), std::end(kBrailleClaimed), [&](UsbId id) {
               return id.vendor == *port.vendor && id.product == *port.product;
           });
}

// The report in the window's language (the command line's stays English).
QString Text(const char* text) {
    return QCoreApplication::translate("CableDoctor", text);
}

// A program that takes serial adapters, how to see it is there, and the fix.
struct Grabber {
    const char* process;        // its name in /proc/PID/comm
    QStringList installedFiles; // units or rules whose presence means it starts by itself
    bool claimsCommonAdapters;  // takes CH340/CP210x adapters outright; otherwise only probes
    const char* what;
    const char* fix;
};

const std::vector<Grabber>& Grabbers() {
    static const std::vector<Grabber> table = {
        {"brltty",
         {QStringLiteral("brltty-udev.service"), QStringLiteral("brltty.service"),
          QStringLiteral("85-brltty.rules")},
         true,
         QT_TRANSLATE_NOOP(
             "CableDoctor",
             "brltty (a Braille display daemon) takes CH340 and CP210x USB serial adapters as "
             "Braille displays, so their port vanishes moments after it appears."),
         QT_TRANSLATE_NOOP(
             "CableDoctor",
             "If you use no Braille display: sudo systemctl mask brltty-udev.service "
             "brltty.service\n  (or remove it: sudo apt remove brltty), then plug the cable in "
             "again.")},
        {"ModemManager",
         {},
         false,
         QT_TRANSLATE_NOOP(
             "CableDoctor",
             "ModemManager is running: it probes each new serial port for a modem for some "
             "seconds, which can disturb a transfer started at once."),
         QT_TRANSLATE_NOOP(
             "CableDoctor",
             "If you use no mobile modem: sudo systemctl disable --now ModemManager")},
    };
    return table;
}

bool ProcessRunning(const QString& name, const SystemPaths& paths) {
    const QDir proc(paths.proc);
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid.isEmpty() || !pid.at(0).isDigit())
            continue;
        QFile comm(proc.filePath(pid + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == name.toLocal8Bit())
            return true;
    }
    return false;
}

bool AnyInstalled(const QStringList& files, const SystemPaths& paths) {
    for (const QString& dir : paths.serviceDirs)
        for (const QString& file : files)
            if (QFileInfo::exists(dir + QLatin1Char('/') + file))
                return true;
    return false;
}

QString Hex4(quint16 value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

QString PortLine(const SerialPortFacts& port) {
    QString line = QStringLiteral("  ") + port.device;
    if (port.vendor && port.product)
        line += QStringLiteral("  USB %1:%2").arg(Hex4(*port.vendor), Hex4(*port.product));
    const QString label =
        QStringList{port.manufacturer, port.description}.join(QLatin1Char(' ')).trimmed();
    if (!label.isEmpty())
        line += QStringLiteral("  ") + label;
    if (!port.stableName.isEmpty())
        line += QStringLiteral("\n    = ") + port.stableName;
    return line;
}

QString UserName() {
    const passwd* pw = ::getpwuid(::geteuid());
    return pw ? QString::fromLocal8Bit(pw->pw_name) : QStringLiteral("$USER");
}

struct GroupEntry {
    QString name;
    QStringList members;
};

// The group file's entry for gid: the members it lists now, which a running session may lack.
std::optional<GroupEntry> GroupById(gid_t gid, const SystemPaths& paths) {
    QFile file(paths.groupFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    while (!file.atEnd()) {
        const QStringList fields =
            QString::fromLocal8Bit(file.readLine()).trimmed().split(QLatin1Char(':'));
        if (fields.size() >= 4 && fields[2].toUInt() == gid && !fields[2].isEmpty())
            return GroupEntry{fields[0], fields[3].split(QLatin1Char(','), Qt::SkipEmptyParts)};
    }
    return std::nullopt;
}

bool SessionHasGroup(gid_t gid) {
    if (::getegid() == gid)
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(size_t(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) < 0)
        return false;
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

// Open errors go to the report, not to a message box.
class CollectingPrompt : public Prompt {
public:
    PromptAnswer Message(const QString& text, const QString&, PromptButtons, PromptIcon) override {
        messages << text;
        return PromptAnswer::Cancel;
    }
    QString OpenFileName(const FileDialogRequest&) override { return {}; }
    QString SaveFileName(const FileDialogRequest&) override { return {}; }
    QStringList messages;
};

// Neither the lead byte of a clone frame nor anything a terminal acts on.
const QByteArray kEchoPattern = QByteArrayLiteral("VR500\x55\xAA\x00\xFF\x5A\xA5\x0F\xF0");

const char* Mark(Verdict verdict) {
    switch (verdict) {
    case Verdict::Ok:
        return "[ok]      ";
    case Verdict::Note:
        return "[note]    ";
    case Verdict::Problem:
        break;
    }
    return "[PROBLEM] ";
}

QString Indented(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\n          "));
}

// With no port chosen, the only USB adapter is the one to check.
QString PortToCheck(const QString& device, const std::vector<SerialPortFacts>& ports) {
    if (!device.isEmpty())
        return device;
    QStringList usb;
    for (const SerialPortFacts& p : ports)
        if (p.vendor)
            usb << p.device;
    return usb.size() == 1 ? usb.front() : QString();
}

} // namespace

std::vector<SerialPortFacts> SerialPorts(const SystemPaths& paths) {
    std::vector<SerialPortFacts> ports;
    const QDir byId(paths.byId);
    const QStringList links = byId.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortFacts facts{info.systemLocation(), {}, info.description(),
                              info.manufacturer(),   {}, {}};
        if (info.hasVendorIdentifier())
            facts.vendor = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            facts.product = info.productIdentifier();
        for (const QString& link : links)
            if (QFileInfo(byId.filePath(link)).canonicalFilePath() == facts.device)
                facts.stableName = byId.filePath(link);
        ports.push_back(facts);
    }
    std::sort(ports.begin(), ports.end(),
              [](const auto& a, const auto& b) { return a.device < b.device; });
    return ports;
}

Finding CheckPermission(const QString& device, const SystemPaths& paths) {
    const QByteArray path = QFile::encodeName(device);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        return {Verdict::Problem,
                device + QCoreApplication::translate(
                             "CableDoctor",
                             " does not exist. Plug the cable in, or choose the port "
                             "it is on (see the list above).")};
    if (::access(path.constData(), R_OK | W_OK) == 0)
        return {Verdict::Ok, QCoreApplication::translate("CableDoctor", "You may open ") + device +
                                 QLatin1Char('.')};
    const QString user = UserName();
    const std::optional<GroupEntry> group = GroupById(st.st_gid, paths);
    const QString denied =
        QCoreApplication::translate("CableDoctor", "You may not open %1").arg(device);
    if (!group || st.st_gid == 0 || !(st.st_mode & S_IRGRP) || !(st.st_mode & S_IWGRP))
        return {Verdict::Problem, denied + QCoreApplication::translate(
                                               "CableDoctor", ": ask the administrator for access "
                                                              "to it.")};
    const passwd* pw = ::getpwuid(::geteuid());
    const bool member = group->members.contains(user) || (pw && pw->pw_gid == st.st_gid);
    if (member && !SessionHasGroup(st.st_gid))
        return {Verdict::Problem,
                denied + QCoreApplication::translate(
                             "CableDoctor", " yet. You are in the group \"%1\" that owns it, but "
                                            "this login\nsession began before you joined it: log "
                                            "out and in again (or restart).")
                             .arg(group->name)};
    if (member)
        return {Verdict::Problem, denied + QCoreApplication::translate(
                                               "CableDoctor", " although you are in its group "
                                                              "\"%1\": ask the administrator.")
                                               .arg(group->name)};
    return {Verdict::Problem,
            denied + QCoreApplication::translate(
                         "CableDoctor", ": it belongs to the group \"%1\". Join it with\n  sudo "
                                        "usermod -aG %1 %2\nthen log out and in again.")
                         .arg(group->name, user)};
}

std::vector<Finding> CheckGrabbers(const std::vector<SerialPortFacts>& ports,
                                   const SystemPaths& paths) {
    const bool commonAdapter = std::any_of(ports.begin(), ports.end(), ClaimedByBraille);
    std::vector<Finding> found;
    for (const Grabber& g : Grabbers()) {
        const bool running = ProcessRunning(QLatin1String(g.process), paths);
        if (!running && !AnyInstalled(g.installedFiles, paths))
            continue;
        // A daemon that claims only other adapters than the one plugged in is a warning.
        const bool bites = g.claimsCommonAdapters ? (running || commonAdapter) : false;
        found.push_back({bites ? Verdict::Problem : Verdict::Note,
                         Text(g.what) + QLatin1Char('\n') + Text(g.fix)});
    }
    if (found.empty())
        found.push_back({Verdict::Ok, QCoreApplication::translate(
                                          "CableDoctor", "No program known to take serial adapters "
                                                         "is running or installed.")});
    return found;
}

Finding EchoTest(CCommPort& port) {
    const int sent = int(kEchoPattern.size());
    port.Purge();
    if (port.Write(reinterpret_cast<const Byte*>(kEchoPattern.constData()), sent) != sent)
        return {Verdict::Problem, port.DeviceName() + QCoreApplication::translate(
                                                          "CableDoctor", ": writing to the port "
                                                                         "failed.")};
    QByteArray back;
    QDeadlineTimer deadline(CCommPort::kEchoWaitMs);
    while (back.size() < sent && !deadline.hasExpired()) {
        Byte buffer[64];
        const int n = port.Read(buffer, int(sizeof buffer));
        if (n > 0)
            back.append(reinterpret_cast<const char*>(buffer), n);
        else
            port.SerialPort().waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    if (back.startsWith(kEchoPattern))
        return {Verdict::Ok, QCoreApplication::translate(
                                 "CableDoctor", "Echo test: the cable returned the %1 bytes sent: "
                                                "cable and port work.")
                                 .arg(sent)};
    const QString hex = QString::fromLatin1(back.left(16).toHex(' '));
    // What came back is none of what went out: whatever answered, the cable did not echo.
    if (!back.contains(kEchoPattern.left(3)))
        return {Verdict::Problem,
                QCoreApplication::translate(
                    "CableDoctor", "Echo test: the %1 bytes sent did not come back%2. The cable is "
                                   "not on\nthis port, or not plugged in, or it is no clone cable.")
                    .arg(sent)
                    .arg(back.isEmpty()
                             ? QString()
                             : QCoreApplication::translate("CableDoctor", " (other bytes did: %1)")
                                   .arg(hex))};
    return {Verdict::Problem,
            QCoreApplication::translate(
                "CableDoctor", "Echo test: %1 bytes came back for %2 sent, not as sent (%3).\nA "
                               "loose plug, a wrong cable, or another program reading the port.")
                .arg(back.size())
                .arg(sent)
                .arg(hex)};
}

namespace {

// Opens device for the echo test unless openPort already holds it.
Finding EchoOn(const QString& device, CCommPort* openPort) {
    if (openPort && openPort->IsOpen() && openPort->DeviceName() == device)
        return EchoTest(*openPort);
    CollectingPrompt prompt;
    CCommPort port(&prompt, QString::fromLatin1(CCommPort::kSettings), device);
    if (!port.IsOpen())
        return {Verdict::Problem, QCoreApplication::translate("CableDoctor", "Echo test: ") +
                                      (prompt.messages.isEmpty()
                                           ? device + QCoreApplication::translate(
                                                          "CableDoctor", ": the port did not open.")
                                           : prompt.messages.join(QLatin1Char('\n')))};
    return EchoTest(port);
}

} // namespace

Result Run(const QString& device, CCommPort* openPort, const SystemPaths& paths) {
    const std::vector<SerialPortFacts> ports = SerialPorts(paths);
    QStringList lines = {
        QCoreApplication::translate("CableDoctor", "Corvinel %1 cable check, %2")
            .arg(QLatin1String(kAppVersion), QDateTime::currentDateTimeUtc().toString(
                                                 QStringLiteral("yyyy-MM-dd hh:mm 'UTC'"))),
        QCoreApplication::translate("CableDoctor", "System: %1, Qt %2")
            .arg(QSysInfo::prettyProductName(), QLatin1String(qVersion())),
        QString(),
        QCoreApplication::translate("CableDoctor", "Serial ports:"),
    };
    // Machines with many built-in ports must not push the findings off the screen.
    constexpr int kOtherPortsShown = 4;
    int others = 0;
    for (const SerialPortFacts& p : ports)
        if (p.vendor || p.device == device || ++others <= kOtherPortsShown)
            lines << PortLine(p);
    if (others > kOtherPortsShown)
        lines << QCoreApplication::translate("CableDoctor", "  (and %1 more without USB)")
                     .arg(others - kOtherPortsShown);
    if (ports.empty())
        lines << QCoreApplication::translate(
            "CableDoctor", "  (none: no serial port or USB serial adapter is present)");
    const QString checked = PortToCheck(device, ports);
    lines << QString()
          << QCoreApplication::translate("CableDoctor", "Port checked: ") +
                 (checked.isEmpty() ? QCoreApplication::translate("CableDoctor", "none chosen")
                                    : checked);

    std::vector<Finding> findings;
    if (checked.isEmpty()) {
        findings.push_back({Verdict::Problem,
                            QCoreApplication::translate(
                                "CableDoctor", "No port is chosen: name the cable's port (--port "
                                               "DEVICE, or Comport Setup).")});
    } else {
        findings.push_back(CheckPermission(checked, paths));
        // Only a port that can be opened can echo.
        if (findings.back().verdict == Verdict::Ok)
            findings.push_back(EchoOn(checked, openPort));
    }
    const std::vector<Finding> grabbers = CheckGrabbers(ports, paths);
    findings.insert(findings.end(), grabbers.begin(), grabbers.end());

    Result result;
    for (const Finding& f : findings) {
        lines << QLatin1String(Mark(f.verdict)) + Indented(f.text);
        result.problems += f.verdict == Verdict::Problem;
    }
    lines << QString()
          << (result.problems == 0
                  ? QCoreApplication::translate("CableDoctor", "Result: no problem found.")
                  : QCoreApplication::translate("CableDoctor", "Result: %1 problem(s) found.")
                        .arg(result.problems));
    result.report = lines.join(QLatin1Char('\n'));
    return result;
}

} // namespace doctor
