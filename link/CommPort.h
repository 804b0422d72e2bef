#pragma once
// The one serial port through which the clone cable reaches the receiver.

#include "radio/Codecs.h"

#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <optional>

class Prompt;

// The port setup dialog as the setup loop sees it.
class PortChooser {
public:
    virtual ~PortChooser() = default;
    // The chosen port ("0" none, "1".."9" Com 1..Com 9, or a device path), or nothing when the
    // user cancels. current is the port in use, to be shown selected.
    virtual std::optional<QString> Choose(const QString& current) = 0;
};

class CCommPort {
public:
    static constexpr char kSettings[] = "9600,E,8,1";
    static constexpr char kNoPort[] = "0";
    // How long WriteEcho waits for the cable to return what was written.
    static constexpr int kEchoWaitMs = 1000;

    // Reads "CommPort" and opens that port unless it is "0". Open failures are shown through
    // prompt (which may be null: then they go to the warning log). A port name with control
    // characters is refused, wherever it comes from.
    explicit CCommPort(Prompt* prompt, const QString& settings = QString::fromLatin1(kSettings));
    // Opens port (same names as "CommPort") instead of the stored one, which is left alone.
    CCommPort(Prompt* prompt, const QString& settings, const QString& port);
    ~CCommPort();
    CCommPort(const CCommPort&) = delete;
    CCommPort& operator=(const CCommPort&) = delete;

    // (Re)opens the current port at 9600 baud, 8 data bits, even parity, 1 stop bit, DTR and
    // RTS on, no flow control. The settings text is kept, not parsed: the line is always this.
    bool Open(const QString& settings = {});
    // Drops DTR and RTS and closes.
    void Close();
    // False once the device has gone away, so that the next transfer opens it afresh.
    bool IsOpen() const;
    // "0", "1".."9" or a device path.
    QString GetPort() const { return port_; }
    // Chooses the port for this run only (the command line's --port): neither opens nor stores.
    void SetPort(const QString& port) { port_ = port; }
    QString DeviceName() const;

    // Never blocks: returns what has arrived, up to count (0 when nothing or when closed).
    int Read(Byte* buffer, int count);
    // The echo stays in the receive queue. Returns the bytes accepted, -1 on error.
    int Write(const Byte* buffer, int count);
    // Writes, then consumes as many echoed bytes, waiting at most kEchoWaitMs for them.
    // Returns the echo bytes consumed: less than count when the cable did not return them.
    int WriteEcho(const Byte* buffer, int count);
    // Discards everything waiting in both directions.
    bool Purge();

    // The port selection loop: asks chooser until a port opens, "0" is chosen or the user
    // cancels. A port that fails to open is reported, the old port is restored with its line
    // state and the user is asked again. "CommPort" is written only when the port changed.
    // Returns whether the port is open afterwards.
    bool Setup(PortChooser& chooser, const QString& settings = {});

    void SetPrompt(Prompt* prompt) { prompt_ = prompt; }
    // For drivers that react to arriving data and to a vanishing device.
    QSerialPort& SerialPort() { return serial_; }

private:
    void WatchForLoss();
    bool OpenDevice(bool quiet);
    void ApplyLineSettings();
    void ShowOpenError(QSerialPort::SerialPortError error);
    void ShowError(const QString& text);
    // False (told) when port is no name a port can have.
    bool Usable(const QString& port);

    Prompt* prompt_;
    QString settings_;
    QString port_ = QString::fromLatin1(kNoPort);
    QSerialPort serial_;
    // The device went away (cable pulled) while open: the handle is dead until reopened.
    bool gone_ = false;
};

// "1".."9" name /dev/ttyS0../dev/ttyS8, "0" names nothing, anything else is a device path.
QString DeviceForPort(const QString& port);
// Serial devices the system reports, beyond /dev/ttyS0../dev/ttyS8, for the setup list.
QStringList DetectedSerialDevices();
// "Serial ports present: /dev/ttyS0, /dev/ttyUSB0." (or that there are none), every port the
// system reports.
QString PresentPortsText();

enum class OpenFailure { NotFound, InUse, NoPermission, Other };
// Tells a device in use from one the user may not open, which the serial layer reports alike.
OpenFailure ClassifyOpenError(QSerialPort::SerialPortError error, const QString& device);
// The message for a failed open; code is shown for Other. A port held through a lock file of
// another account, or of a process that has ended, also says whose lock it is and how to clear
// it.
QString OpenErrorMessage(OpenFailure failure, const QString& device, int code);
// The lock file the serial layer keeps for device ("/run/lock/LCK..ttyUSB0"), when one exists.
QString PortLockFile(const QString& device);
// The group that owns device (often "dialout"), empty when unknown.
QString DeviceGroup(const QString& device);
