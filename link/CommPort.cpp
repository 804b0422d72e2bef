#include "link/CommPort.h"

#include "radio/Prompt.h"
#include "radio/Settings.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSerialPortInfo>
#include <cerrno>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kComPorts = 9;
const char kCaption[] = QT_TRANSLATE_NOOP("CCommPort", "Com port error");

// A port name that is a plain number: the Com number, or nothing.
std::optional<int> ComNumber(const QString& port) {
    bool ok = false;
    const int n = port.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}
} // namespace

QString DeviceForPort(const QString& port) {
    const QString name = port.trimmed();
    if (const auto n = ComNumber(name))
        return *n > 0 ? QStringLiteral("/dev/ttyS%1").arg(*n - 1) : QString();
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')))
        return name;
    return QStringLiteral("/dev/") + name;
}

QStringList DetectedSerialDevices() {
    QStringList fixed;
    for (int n = 1; n <= kComPorts; ++n)
        fixed << DeviceForPort(QString::number(n));
    QStringList found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString device = info.systemLocation();
        if (!fixed.contains(device) && !found.contains(device))
            found << device;
    }
    found.sort();
    return found;
}

QString DeviceGroup(const QString& device) {
    struct stat st {};
    if (::stat(QFile::encodeName(device).constData(), &st) != 0)
        return {};
    const group* g = ::getgrgid(st.st_gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString();
}

OpenFailure ClassifyOpenError(QSerialPort::SerialPortError error, const QString& device) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::UnsupportedOperationError:
        return OpenFailure::NotFound;
    case QSerialPort::PermissionError:
        // Also what a lock file that cannot be made (a name too long for one) comes out as.
        if (!QFileInfo::exists(device))
            return OpenFailure::NotFound;
        // The serial layer says the same for a device held by another program (lock file,
        // exclusive mode) and for one this user may not open; the file's rights tell which.
        return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0
                   ? OpenFailure::InUse
                   : OpenFailure::NoPermission;
    default:
        return QFileInfo::exists(device) ? OpenFailure::Other : OpenFailure::NotFound;
    }
}

// The folders the serial layer looks in for lock files, in its order.
QString PortLockFile(const QString& device) {
    static const char* const kLockFolders[] = {
        "/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp",
        "/tmp",      "/var/tmp",   "/var/lib/lockdev", "/run/lock",
    };
    QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char* folder : kLockFolders) {
        const QString path = QString::fromLatin1(folder) + QStringLiteral("/LCK..") + name;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

namespace {
// Whose lock keeps device from opening, when that is more than "some program of yours uses it":
// the lock of another account, or of a process that has ended, stays until someone removes it.
QString LockHolderText(const QString& device) {
    const QString lock = PortLockFile(device);
    struct stat st {};
    if (lock.isEmpty() || ::stat(QFile::encodeName(lock).constData(), &st) != 0)
        return {};
    qint64 pid = 0;
    QString host, app;
    QLockFile(lock).getLockInfo(&pid, &host, &app);
    const bool running = pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
    if (running && st.st_uid == ::getuid())
        return {};
    const passwd* pw = ::getpwuid(st.st_uid);
    const QString owner =
        pw ? QString::fromLocal8Bit(pw->pw_name) : QStringLiteral("#%1").arg(st.st_uid);
    QString text =
        QCoreApplication::translate("CCommPort", "\nThe lock file %1 belongs to the user %2")
            .arg(lock, owner);
    if (running)
        return text + QCoreApplication::translate("CCommPort", ", whose process %1 uses the port.")
                          .arg(pid);
    text += pid > 0
                ? QCoreApplication::translate("CCommPort", "; its process %1 is no longer running.")
                      .arg(pid)
                : QCoreApplication::translate("CCommPort", ".");
    return text + QCoreApplication::translate(
                      "CCommPort", "\nIf no program uses the port, remove the lock file (for "
                                   "example: sudo rm %1).")
                      .arg(lock);
}
} // namespace

// What a user who picked a port that is not there can pick instead.
QString PresentPortsText() {
    QStringList ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports << info.systemLocation();
    ports.removeDuplicates();
    ports.sort();
    if (ports.isEmpty())
        return QCoreApplication::translate("CCommPort",
                                           "No serial port is present on this system.");
    return QCoreApplication::translate("CCommPort", "Serial ports present: %1.")
        .arg(ports.join(QLatin1String(", ")));
}

QString OpenErrorMessage(OpenFailure failure, const QString& device, int code) {
    switch (failure) {
    case OpenFailure::NotFound: {
        const QString text =
            device + QCoreApplication::translate("CCommPort", ": Invalid or unsupported port.");
        if (QFileInfo::exists(device))
            return text;
        return text +
               QCoreApplication::translate(
                   "CCommPort", "\nThe device is not there: plug in the cable's adapter, or "
                                "choose another port.\n") +
               PresentPortsText();
    }
    case OpenFailure::InUse:
        return device + QCoreApplication::translate("CCommPort", ": Is already open.") +
               LockHolderText(device);
    case OpenFailure::NoPermission: {
        const QString group = DeviceGroup(device);
        const QString text =
            device + QCoreApplication::translate(
                         "CCommPort", ": Permission denied. Your user may not use this port.\n");
        // Joining root's group is no advice to give.
        if (group.isEmpty() || group == QLatin1String("root"))
            return text + QCoreApplication::translate("CCommPort",
                                                      "Ask the administrator for access to it.");
        return text + QCoreApplication::translate(
                          "CCommPort", "Join the group \"%1\" that owns it (for example: sudo "
                                       "adduser $USER %1), then log out and in again.")
                          .arg(group);
    }
    case OpenFailure::Other:
        break;
    }
    return device + QCoreApplication::translate("CCommPort", ":  Unknown error #-%1.").arg(code);
}

CCommPort::CCommPort(Prompt* prompt, const QString& settings)
    : prompt_(prompt), settings_(settings) {
    WatchForLoss();
    port_ = ReadCommPort();
    if (const auto n = ComNumber(port_); n && *n <= 0)
        port_ = QString::fromLatin1(kNoPort);
    if (!DeviceName().isEmpty())
        Open(settings_);
}

CCommPort::CCommPort(Prompt* prompt, const QString& settings, const QString& port)
    : prompt_(prompt), settings_(settings) {
    WatchForLoss();
    if (Usable(port))
        port_ = port.trimmed();
    if (!DeviceName().isEmpty())
        Open(settings_);
}

bool CCommPort::Usable(const QString& port) {
    const QString problem = PortNameProblem(port);
    if (!problem.isEmpty())
        ShowError(problem);
    return problem.isEmpty();
}

CCommPort::~CCommPort() {
    Close();
}

QString CCommPort::DeviceName() const {
    return DeviceForPort(port_);
}

// The serial layer keeps a vanished device open and reports it again and again. Its handle is
// let go of at once, so the next transfer opens the device afresh and a re-plugged adapter
// gets its old name back.
void CCommPort::WatchForLoss() {
    QObject::connect(
        &serial_, &QSerialPort::errorOccurred, &serial_,
        [this](QSerialPort::SerialPortError error) {
            if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) ||
                !serial_.isOpen() || gone_)
                return;
            gone_ = true;
            // Not from inside the serial layer's own call.
            QMetaObject::invokeMethod(
                &serial_,
                [this] {
                    if (gone_)
                        Close();
                },
                Qt::QueuedConnection);
        });
}

bool CCommPort::IsOpen() const {
    return serial_.isOpen() && !gone_;
}

bool CCommPort::Open(const QString& settings) {
    if (!settings.isEmpty())
        settings_ = settings;
    return OpenDevice(false);
}

void CCommPort::ApplyLineSettings() {
    serial_.setBaudRate(QSerialPort::Baud9600);
    serial_.setDataBits(QSerialPort::Data8);
    serial_.setParity(QSerialPort::EvenParity);
    serial_.setStopBits(QSerialPort::OneStop);
    serial_.setFlowControl(QSerialPort::NoFlowControl);
}

bool CCommPort::OpenDevice(bool quiet) {
    if (serial_.isOpen())
        Close();
    const QString device = DeviceName();
    // The serial layer names its lock file after the device: only checked names reach it.
    if (device.isEmpty() || !PortNameProblem(device).isEmpty())
        return false;
    serial_.setPortName(device);
    ApplyLineSettings();
    if (!serial_.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = serial_.error();
        serial_.clearError();
        if (!quiet)
            ShowOpenError(error);
        return false;
    }
    // Pseudo-terminals and some adapters have no modem lines; that is no reason to fail.
    serial_.setDataTerminalReady(true);
    serial_.setRequestToSend(true);
    serial_.clearError();
    return true;
}

void CCommPort::ShowOpenError(QSerialPort::SerialPortError error) {
    const QString device = DeviceName();
    ShowError(OpenErrorMessage(ClassifyOpenError(error, device), device, static_cast<int>(error)));
}

void CCommPort::ShowError(const QString& text) {
    if (prompt_)
        prompt_->Message(text, QCoreApplication::translate("CCommPort", kCaption),
                         PromptButtons::Ok, PromptIcon::Stop);
    else
        qWarning("%s: %s", kCaption, qPrintable(VisibleText(text, true)));
}

void CCommPort::Close() {
    if (!serial_.isOpen())
        return;
    serial_.setDataTerminalReady(false);
    serial_.setRequestToSend(false);
    serial_.close();
    serial_.clearError();
    gone_ = false;
}

int CCommPort::Read(Byte* buffer, int count) {
    if (!IsOpen() || count <= 0)
        return 0;
    if (serial_.bytesAvailable() < count)
        serial_.waitForReadyRead(0);
    const qint64 n = serial_.read(reinterpret_cast<char*>(buffer), count);
    return n < 0 ? 0 : int(n);
}

int CCommPort::Write(const Byte* buffer, int count) {
    if (!IsOpen())
        return -1;
    const qint64 n = serial_.write(reinterpret_cast<const char*>(buffer), count);
    serial_.flush();
    return int(n);
}

int CCommPort::WriteEcho(const Byte* buffer, int count) {
    if (Write(buffer, count) != count)
        return 0;
    QDeadlineTimer deadline(kEchoWaitMs);
    Byte scratch[64];
    int consumed = 0;
    while (consumed < count) {
        const int want = std::min<int>(count - consumed, sizeof scratch);
        const int n = Read(scratch, want);
        consumed += n;
        if (n == 0 &&
            (deadline.hasExpired() || !serial_.waitForReadyRead(int(deadline.remainingTime()))))
            break;
    }
    return consumed;
}

bool CCommPort::Purge() {
    if (!IsOpen())
        return false;
    serial_.waitForReadyRead(0); // takes in what already arrived, so it is discarded too
    return serial_.clear(QSerialPort::AllDirections);
}

bool CCommPort::Setup(PortChooser& chooser, const QString& settings) {
    if (!settings.isEmpty())
        settings_ = settings;
    const QString original = port_;
    while (const std::optional<QString> choice = chooser.Choose(port_)) {
        const QString old = port_;
        const bool wasOpen = IsOpen();
        const bool dtr = wasOpen && serial_.isDataTerminalReady();
        const bool rts = wasOpen && serial_.isRequestToSend();
        if (!Usable(*choice))
            continue; // told; the old port stays as it is
        Close();
        port_ = choice->trimmed();
        if (DeviceName().isEmpty()) {
            port_ = QString::fromLatin1(kNoPort);
            break;
        }
        if (OpenDevice(false))
            break;
        port_ = old;
        if (wasOpen && OpenDevice(true)) {
            serial_.setDataTerminalReady(dtr);
            serial_.setRequestToSend(rts);
            serial_.clearError();
        }
    }
    if (port_ != original)
        WriteCommPort(port_);
    return IsOpen();
}
