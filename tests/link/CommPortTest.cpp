#include "link/CommPort.h"
#include "PtyPair.h"
#include "radio/Settings.h"
#include "support/AsOrdinaryUser.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <deque>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString kMissing = QStringLiteral("/dev/corvinel-no-such-port");

class CommPortTest : public testing::Test {
protected:
    TempSettings settings;
    ScriptedPrompt prompt;
    PtyPair pty;
};

// Answers the setup dialog from a list and remembers what it was shown.
class ScriptedChooser : public PortChooser {
public:
    std::deque<std::optional<QString>> answers;
    QStringList shown;
    std::optional<QString> Choose(const QString& current) override {
        shown << current;
        if (answers.empty())
            return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

TEST(PortNames, ComNumbersAndPaths) {
    EXPECT_EQ(DeviceForPort("0"), "");
    EXPECT_EQ(DeviceForPort("1"), "/dev/ttyS0");
    EXPECT_EQ(DeviceForPort("9"), "/dev/ttyS8");
    EXPECT_EQ(DeviceForPort("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(DeviceForPort("ttyACM1"), "/dev/ttyACM1");
    EXPECT_FALSE(DetectedSerialDevices().contains("/dev/ttyS0"));
}

TEST(OpenMessages, EachFailureNamesTheDevice) {
    EXPECT_TRUE(OpenErrorMessage(OpenFailure::NotFound, "/dev/ttyS2", 0)
                    .startsWith("/dev/ttyS2: Invalid or unsupported port."));
    EXPECT_EQ(OpenErrorMessage(OpenFailure::InUse, "/dev/ttyS2", 0),
              "/dev/ttyS2: Is already open.");
    EXPECT_EQ(OpenErrorMessage(OpenFailure::Other, "/dev/ttyS2", 31),
              "/dev/ttyS2:  Unknown error #-31.");
    // A name too long for a lock file fails as a permission error, but nothing is there.
    EXPECT_EQ(ClassifyOpenError(QSerialPort::PermissionError, "/dev/" + QString(300, 'a')),
              OpenFailure::NotFound);
}

TEST(OpenMessages, PermissionMessageNamesTheOwningGroup) {
    QTemporaryDir dir;
    const QString device = dir.filePath("ttyFake");
    QFile(device).open(QIODevice::WriteOnly);
    const group* g = ::getgrnam("dialout");
    if (!g)
        GTEST_SKIP() << "no dialout group here";
    const QString name = QString::fromLocal8Bit(g->gr_name);
    if (::chown(QFile::encodeName(device).constData(), uid_t(-1), g->gr_gid) != 0)
        GTEST_SKIP() << "cannot give the file a group";
    const QString text = OpenErrorMessage(OpenFailure::NoPermission, device, 0);
    EXPECT_TRUE(text.startsWith(device + ": Permission denied")) << qPrintable(text);
    EXPECT_TRUE(text.contains("\"" + name + "\"")) << qPrintable(text);
}

// A pseudo-terminal's device belongs to root and the tty group, so an ordinary user may not
// open another user's terminal: the port must say so, not call it busy.
TEST_F(CommPortTest, DeviceTheUserMayNotOpenGetsThePermissionMessage) {
    const QString device = pty.Device();
    const std::optional<bool> told = AsOrdinaryUser([&] {
        CCommPort port(&prompt, CCommPort::kSettings, device);
        return !port.IsOpen() &&
               ClassifyOpenError(QSerialPort::PermissionError, device) ==
                   OpenFailure::NoPermission &&
               prompt.messages.size() == 1 &&
               prompt.messages[0].text.startsWith(device + ": Permission denied");
    });
    ASSERT_TRUE(told.has_value()) << "cannot drop privileges";
    EXPECT_TRUE(*told);

    // The port is opened for reading and writing: a device the user may only read is no more
    // open to them than one they may not touch, and is not mistaken for one held elsewhere.
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ReadOther |
                                                      QFile::ExeOther));
    const QString readOnly = dir.filePath("ttyReadOnly");
    const QString shared = dir.filePath("ttyShared");
    for (const QString& file : {readOnly, shared})
        QFile(file).open(QIODevice::WriteOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadOther);
    QFile::setPermissions(shared, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                      QFile::WriteOther);
    const std::optional<bool> classified = AsOrdinaryUser([&] {
        return ClassifyOpenError(QSerialPort::PermissionError, readOnly) ==
                   OpenFailure::NoPermission &&
               ClassifyOpenError(QSerialPort::PermissionError, shared) == OpenFailure::InUse;
    });
    ASSERT_TRUE(classified.has_value());
    EXPECT_TRUE(*classified);
}

TEST_F(CommPortTest, NoStoredPortStaysClosedSilently) {
    CCommPort port(&prompt);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.GetPort(), "0");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CommPortTest, StoredMissingPortIsReportedAndConstructionGoesOn) {
    WriteCommPort(kMissing);
    CCommPort port(&prompt);
    EXPECT_FALSE(port.IsOpen());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.messages[0].text.startsWith(kMissing + ": Invalid or unsupported port.\n"));
    // It says the device is not there and which ports are.
    EXPECT_TRUE(prompt.messages[0].text.contains("The device is not there"));
    EXPECT_TRUE(prompt.messages[0].text.endsWith(PresentPortsText()));
    EXPECT_EQ(prompt.messages[0].caption, "Com port error");
}

TEST_F(CommPortTest, GivenPortOpensInsteadOfTheStoredOne) {
    WriteCommPort(kMissing);
    CCommPort port(&prompt, CCommPort::kSettings, pty.Device());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(ReadCommPort(), kMissing);
}

TEST_F(CommPortTest, PortHeldElsewhereIsAlreadyOpen) {
    WriteCommPort(pty.Device());
    CCommPort first(&prompt);
    ASSERT_TRUE(first.IsOpen());
    CCommPort second(&prompt);
    EXPECT_FALSE(second.IsOpen());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.LastText(), pty.Device() + ": Is already open.");
}

TEST_F(CommPortTest, ReadWriteAndEchoOnAPseudoTerminal) {
    WriteCommPort(pty.Device());
    CCommPort port(&prompt);
    ASSERT_TRUE(port.IsOpen()) << qPrintable(prompt.LastText());
    EXPECT_TRUE(prompt.messages.empty());
    Byte buf[16];
    EXPECT_EQ(port.Read(buf, 16), 0);

    // The line as the device holds it: 9600 baud, 8 data bits, 1 stop bit. (A pseudo-terminal
    // drops the parity bits, so even parity shows only on a real port.)
    termios line{};
    const int fd = ::open(QFile::encodeName(pty.Device()).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::tcgetattr(fd, &line), 0);
    ::close(fd);
    EXPECT_EQ(::cfgetospeed(&line), speed_t(B9600));
    EXPECT_EQ(::cfgetispeed(&line), speed_t(B9600));
    EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_FALSE(line.c_cflag & CSTOPB);
    EXPECT_FALSE(line.c_cflag & CRTSCTS);

    const Byte out[3] = {0x03, 0x06, 0x09};
    EXPECT_EQ(port.Write(out, 3), 3);
    EXPECT_EQ(pty.Take(), QByteArray("\x03\x06\x09"));

    pty.Send("abc");
    QElapsedTimer t;
    t.start();
    int got = 0;
    while (got < 3 && t.elapsed() < 1000)
        got += port.Read(buf + got, 3 - got);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(buf), got), "abc");

    pty.Send(QByteArray("\x03\x06\x09xyz")); // the echo, then what follows it
    EXPECT_EQ(port.WriteEcho(out, 3), 3);
    EXPECT_EQ(port.Read(buf, 16), 3);
    EXPECT_EQ(buf[0], 'x');
}

TEST_F(CommPortTest, MissingEchoEndsWriteEchoInBoundedTime) {
    WriteCommPort(pty.Device());
    CCommPort port(&prompt);
    QElapsedTimer t;
    t.start();
    const Byte out[8] = {};
    EXPECT_EQ(port.WriteEcho(out, 8), 0);
    EXPECT_LT(t.elapsed(), CCommPort::kEchoWaitMs + 500);
}

TEST_F(CommPortTest, PurgeDiscardsWhatWaits) {
    WriteCommPort(pty.Device());
    CCommPort port(&prompt);
    pty.Send("stale");
    QThread::msleep(50);
    EXPECT_TRUE(port.Purge());
    Byte buf[8];
    EXPECT_EQ(port.Read(buf, 8), 0);
}

TEST_F(CommPortTest, ReopenAndCloseThenRead) {
    WriteCommPort(pty.Device());
    CCommPort port(&prompt);
    EXPECT_TRUE(port.Open());
    EXPECT_TRUE(port.IsOpen());
    const Byte out[1] = {0x42};
    port.Write(out, 1);
    EXPECT_EQ(pty.Take(), "B");
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    pty.Send("late");
    Byte buf[8];
    EXPECT_EQ(port.Read(buf, 8), 0);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CommPortTest, SetupCancelChangesNothing) {
    WriteCommPort(pty.Device());
    CCommPort port(&prompt);
    ScriptedChooser chooser;
    EXPECT_TRUE(port.Setup(chooser));
    EXPECT_EQ(chooser.shown, QStringList{pty.Device()});
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(ReadCommPort(), pty.Device());
}

TEST_F(CommPortTest, SetupNoneClosesAndStoresZero) {
    WriteCommPort(pty.Device());
    CCommPort port(&prompt);
    ScriptedChooser chooser;
    chooser.answers = {QString("0")};
    EXPECT_FALSE(port.Setup(chooser));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(ReadCommPort(), "0");
}

TEST_F(CommPortTest, SetupSamePortReopensWithoutWriting) {
    WriteCommPort(pty.Device());
    CCommPort port(&prompt);
    WriteCommPort("7"); // what a write would overwrite
    ScriptedChooser chooser;
    chooser.answers = {pty.Device()};
    EXPECT_TRUE(port.Setup(chooser));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(ReadCommPort(), "7");
}

TEST_F(CommPortTest, SetupFailedOpenRestoresTheOldPortAndAsksAgain) {
    WriteCommPort(pty.Device());
    CCommPort port(&prompt);
    ScriptedChooser chooser;
    chooser.answers = {kMissing, std::nullopt};
    EXPECT_TRUE(port.Setup(chooser));
    EXPECT_TRUE(prompt.LastText().startsWith(kMissing + ": Invalid or unsupported port.\n"));
    EXPECT_EQ(chooser.shown, (QStringList{pty.Device(), pty.Device()}));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.GetPort(), pty.Device());
    EXPECT_EQ(ReadCommPort(), pty.Device());
    const Byte out[1] = {0x55};
    port.Write(out, 1);
    EXPECT_EQ(pty.Take(), "U");
}

TEST_F(CommPortTest, SetupNewPortOpensAndIsStored) {
    CCommPort port(&prompt);
    ScriptedChooser chooser;
    chooser.answers = {kMissing, pty.Device()};
    EXPECT_TRUE(port.Setup(chooser));
    EXPECT_EQ(chooser.shown, (QStringList{"0", "0"}));
    EXPECT_EQ(ReadCommPort(), pty.Device());
}

// ---- port names ------------------------------------------------------------------------

// The serial layer names a lock file after the device; a NUL cut that name short (here to this
// very device's) and sent its lock code into a deep recursion.
TEST_F(CommPortTest, PortNamesWithControlCharactersNeverReachTheSerialLayer) {
    const QString bad = pty.Device() + QChar(0) + QStringLiteral("x");
    {
        CCommPort port(&prompt, CCommPort::kSettings, bad); // given, as with --port
        EXPECT_FALSE(port.IsOpen());
        EXPECT_TRUE(prompt.LastText().contains("control character \\x00"))
            << qPrintable(prompt.LastText());
    }
    // Chosen in Port Setup: refused, the port in use stays open and the user is asked again.
    WriteCommPort(pty.Device());
    CCommPort port(&prompt);
    ScriptedChooser chooser;
    chooser.answers = {bad, std::nullopt};
    EXPECT_TRUE(port.Setup(chooser));
    EXPECT_EQ(chooser.shown, (QStringList{pty.Device(), pty.Device()}));
    EXPECT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(ReadCommPort(), pty.Device());
}

// In a sticky lock folder only the owner (or root) removes a lock, so another account's lock
// of an ended process made the port "already open" for ever, without a word about why.
TEST_F(CommPortTest, StaleLockOfAnotherAccountSaysWhoseItIsAndHowToClearIt) {
    const QString device = pty.Device();
    const QString lock =
        QStringLiteral("/var/lock/LCK..") + QString(device).remove(0, 5).replace('/', '_');
    const passwd* daemon = ::getpwnam("daemon");
    QFile file(lock);
    if (::geteuid() != 0 || !daemon || !file.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "planting another account's lock needs root, daemon and /var/lock";
    pid_t ended = 4'000'000;
    while (ended > 1000 && (::kill(ended, 0) == 0 || errno != ESRCH))
        --ended;
    file.write(QByteArray::number(ended) + "\ncorvinel\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    file.close();
    ASSERT_EQ(::chown(QFile::encodeName(lock).constData(), daemon->pw_uid, gid_t(-1)), 0);
    const QString text = OpenErrorMessage(OpenFailure::InUse, device, 0);
    QFile::remove(lock);
    EXPECT_EQ(text.toStdString(),
              (device + ": Is already open.\nThe lock file " + lock +
               " belongs to the user daemon; its process " + QString::number(ended) +
               " is no longer running.\nIf no program uses the port, remove the lock file (for "
               "example: sudo rm " +
               lock + ").")
                  .toStdString());
}

} // namespace
