// corvinel-cli read and write against the simulator, as a user or a script runs them.
#ifdef CORVINEL_CLI

#include "SimProcess.h"

#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

struct CliResult {
    int exit = -1;
    QString err;
};

class CliTransfer : public testing::Test {
protected:
    QTemporaryDir config;
    QTemporaryDir data;
    QTemporaryDir work;
    SimProcess sim;
    QString device;
    std::vector<Byte> file = PatternFile(1, 1);

    QString Path(const char* name) const { return work.filePath(name); }
    QSettings Stored() const {
        return QSettings(config.filePath("Tarnwick/VR500.conf"), QSettings::IniFormat);
    }

    QString locale = QStringLiteral("en_US.UTF-8");
    QString configHome; // instead of config's folder

    void StartCli(QProcess& cli, const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", configHome.isEmpty() ? config.path() : configHome);
        env.insert("XDG_DATA_HOME", data.path()); // where reads keep their backups
        env.insert("LC_ALL", locale);
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(CORVINEL_CLI), args);
        cli.closeWriteChannel();
    }
    CliResult Cli(const QStringList& args) {
        QProcess cli;
        StartCli(cli, args);
        EXPECT_TRUE(cli.waitForFinished(30000));
        return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
                QString::fromUtf8(cli.readAllStandardError())};
    }
    void StartSim(const QStringList& args) {
        device = sim.Start(args);
        ASSERT_FALSE(device.isEmpty());
    }
};

TEST_F(CliTransfer, ReadWritesTheFileAndStoresTheReceiversCountry) {
    WriteFile(Path("radio.rdf"), file);
    StartSim({"send", Path("radio.rdf"), "--start-delay", "200"});
    const CliResult r = Cli({"read", "--port", device, "-o", Path("read.rdf")});
    ASSERT_EQ(r.exit, 0) << qPrintable(r.err);
    const std::vector<Byte> got = ReadFile(Path("read.rdf"));
    ASSERT_EQ(got.size(), size_t(layout::kImageSize));
    EXPECT_TRUE(std::equal(got.begin() + layout::kRadioImage,
                           got.begin() + layout::kRadioImage + layout::kRadioImageSize,
                           file.begin() + layout::kRadioImage));
    EXPECT_EQ(Stored().value("Country").toInt(), 1);
    EXPECT_EQ(Stored().value("Wideband").toInt(), 1);

    // A general receiver read on a German system stays the stored version: the next command
    // neither chooses again by the language nor starts a new file from another image.
    sim.Result();
    WriteFile(Path("general.rdf"), PatternFile(4, 0));
    StartSim({"send", Path("general.rdf"), "--start-delay", "200"});
    locale = QStringLiteral("de_DE.UTF-8");
    ASSERT_EQ(Cli({"read", "--port", device, "-o", Path("read.rdf")}).exit, 0);
    ASSERT_EQ(Cli({"new", "-o", Path("new.rdf")}).exit, 0);
    EXPECT_EQ(Stored().value("Country").toInt(), 4);
    EXPECT_EQ(Stored().value("Wideband").toInt(), 0);
    EXPECT_EQ(ReadFile(Path("new.rdf")).at(layout::kRadioImage + layout::ri::kCountryCode), 4);
}

TEST_F(CliTransfer, FailedReadWritesNothing) {
    WriteFile(Path("radio.rdf"), file);
    StartSim({"send", Path("radio.rdf"), "--start-delay", "200", "--bad-checksum", "3"});
    const CliResult r = Cli({"read", "--port", device, "-o", Path("read.rdf")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("Checksum error")) << qPrintable(r.err);
    EXPECT_FALSE(QFile::exists(Path("read.rdf")));
    EXPECT_FALSE(Stored().contains("Country"));
}

TEST_F(CliTransfer, CtrlCCancelsAndWritesNothing) {
    WriteFile(Path("radio.rdf"), file);
    StartSim(
        {"send", Path("radio.rdf"), "--start-delay", "200", "--pieces", "8", "--piece-gap", "30"});
    QProcess cli;
    StartCli(cli, {"read", "--port", device, "-o", Path("read.rdf")});
    QThread::msleep(600);
    ::kill(pid_t(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(5000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_FALSE(QFile::exists(Path("read.rdf")));

    // Before the receiver sent anything, the same.
    sim.Result();
    StartSim({"send", Path("radio.rdf"), "--start-delay", "5000"});
    QProcess early;
    StartCli(early, {"read", "--port", device, "-o", Path("read.rdf")});
    QThread::msleep(300);
    ::kill(pid_t(early.processId()), SIGINT);
    ASSERT_TRUE(early.waitForFinished(5000));
    EXPECT_EQ(early.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(early.exitCode(), 1);
    EXPECT_TRUE(early.readAllStandardError().endsWith("Cancelled.\n"));
    EXPECT_FALSE(QFile::exists(Path("read.rdf")));
}

// A script is not left waiting for ever for a receiver that never sends.
TEST_F(CliTransfer, ReadGivesUpWhenTheReceiverSendsNothing) {
    WriteFile(Path("radio.rdf"), file);
    StartSim({"send", Path("radio.rdf"), "--start-delay", "8000"});
    const CliResult r = Cli({"read", "--port", device, "--wait", "1", "-o", Path("read.rdf")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("The receiver sent nothing within 1 seconds.")) << qPrintable(r.err);
    // What to check, as the window says it.
    EXPECT_TRUE(r.err.contains("Check that the receiver is in clone mode and sending, that the "
                               "cable is plugged in"))
        << qPrintable(r.err);
    EXPECT_FALSE(QFile::exists(Path("read.rdf")));
}

// Stopped halfway, the receiver holds part of the new image and part of the old one.
TEST_F(CliTransfer, CtrlCDuringAWriteSaysHowToRecover) {
    WriteFile(Path("radio.rdf"), PatternFile(4, 0)); // the version stored on a US system
    StartSim({"receive", Path("received.rdf"), "--baud", "9600"});
    QProcess cli;
    StartCli(cli, {"write", "--port", device, Path("radio.rdf")});
    QThread::msleep(1500);
    ::kill(pid_t(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(5000));
    EXPECT_EQ(cli.exitCode(), 1);
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_TRUE(err.contains("The receiver now holds a partly written image.")) << qPrintable(err);
    EXPECT_TRUE(err.contains("write the data again")) << qPrintable(err);
}

TEST_F(CliTransfer, MissingPortIsReported) {
    const CliResult r = Cli({"read", "--port", "/dev/corvinel-none", "-o", Path("read.rdf")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("/dev/corvinel-none: Invalid or unsupported port.\nThe device "
                               "is not there: plug in the cable's adapter, or choose another "
                               "port.\n"))
        << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains("Serial ports present: ") ||
                r.err.contains("No serial port is present on this system."));
}

// A read takes half a minute of the user's time: a file that cannot be written is refused
// before the receiver is asked for anything.
TEST_F(CliTransfer, ReadIntoAnUnwritableFileIsRefusedBeforeTheTransfer) {
    WriteFile(Path("radio.rdf"), file);
    StartSim({"send", Path("radio.rdf"), "--start-delay", "200"});
    const QString target = Path("no/such/folder/read.rdf");
    const CliResult r = Cli({"read", "--port", device, "-o", target});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("Cannot create file:\n" + target)) << qPrintable(r.err);
    EXPECT_FALSE(r.err.contains("Starting clone mode")) << qPrintable(r.err);
    EXPECT_FALSE(Stored().contains("Country"));
}

TEST_F(CliTransfer, WriteSendsStoredCountryAndClearedBytesAndKeepsTheFile) {
    file = PatternFile(4, 0); // the version stored on a US system
    WriteFile(Path("radio.rdf"), file);
    StartSim({"receive", Path("received.rdf")});
    {
        QSettings s = Stored();
        s.setValue("CommPort", device); // the stored port serves when --port is not given
    }
    const CliResult r = Cli({"write", Path("radio.rdf")});
    ASSERT_EQ(r.exit, 0) << qPrintable(r.err);
    EXPECT_EQ(ReadFile(Path("radio.rdf")), file);
    sim.Result();
    const std::vector<Byte> got = ReadFile(Path("received.rdf"));
    ASSERT_EQ(got.size(), size_t(layout::kImageSize));
    std::vector<Byte> expected(file.begin() + layout::kRadioImage,
                               file.begin() + layout::kRadioImage + layout::kRadioImageSize);
    expected[0] = 4; // no stored country on a US English system
    expected[1] = 0;
    for (int offset : layout::ri::kClearedBeforeWrite)
        expected[offset] = 0;
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), got.begin() + layout::kRadioImage));
}

TEST_F(CliTransfer, RefusedWriteFailsWithTheMessage) {
    WriteFile(Path("radio.rdf"), PatternFile(4, 0));
    StartSim({"receive", Path("received.rdf"), "--refuse", "0:40"});
    const CliResult r = Cli({"write", "--port", device, Path("radio.rdf")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("The current version of the file does not match the radio."))
        << qPrintable(r.err);
}

// ---- the receiver's version -------------------------------------------------------------

// The settings folder's parent is a file: nobody, root included, can store anything there.
TEST_F(CliTransfer, ReadWhoseVersionCannotBeStoredSaysSoAndFails) {
    WriteFile(Path("radio.rdf"), file);
    WriteFile(Path("blocker"), {});
    configHome = Path("blocker");
    StartSim({"send", Path("radio.rdf"), "--start-delay", "200"});
    const CliResult r = Cli({"read", "--port", device, "-o", Path("read.rdf")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("(country 1, wideband 1) could not be stored")) << qPrintable(r.err);
    // The file is written all the same and records what the receiver is.
    EXPECT_EQ(ReadFile(Path("read.rdf")).at(layout::kRadioImage + layout::ri::kCountryCode), 1);

    sim.Result();
    StartSim({"send", Path("radio.rdf"), "--start-delay", "200"});
    const CliResult quiet =
        Cli({"read", "--no-settings", "--port", device, "-o", Path("read.rdf")});
    EXPECT_EQ(quiet.exit, 0) << qPrintable(quiet.err);
}

// The window asks when such a file is opened; the command line cannot ask, so it refuses.
TEST_F(CliTransfer, WriteOfAFileForAnotherVersionIsRefusedUnlessTheVersionIsNamed) {
    WriteFile(Path("radio.rdf"), file); // country 1, wideband 1; the stored version is 4, 0
    StartSim({"receive", Path("received.rdf")});
    const CliResult r = Cli({"write", "--port", device, Path("radio.rdf")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains("was made for country 1, wideband 1, but the stored version is "
                               "country 4, wideband 0"))
        << qPrintable(r.err);
    EXPECT_EQ(Cli({"write", "--port", device, "--country", "7", Path("radio.rdf")}).exit, 2);

    const CliResult named =
        Cli({"write", "--port", device, "--country", "1", "--wideband", Path("radio.rdf")});
    ASSERT_EQ(named.exit, 0) << qPrintable(named.err);
    sim.Result();
    const std::vector<Byte> got = ReadFile(Path("received.rdf"));
    ASSERT_EQ(got.size(), size_t(layout::kImageSize));
    EXPECT_EQ(got[layout::kRadioImage + layout::ri::kCountryCode], 1);
    EXPECT_EQ(got[layout::kRadioImage + layout::ri::kWidebandFlag], 1);
}

// ---- port names ----------------------------------------------------------------------------

// Such a name crashed the serial layer's lock file code at every start.
TEST_F(CliTransfer, PortNamesWithControlCharactersAreRefused) {
    {
        QSettings s = Stored();
        s.setValue("CommPort", QString("/dev/tty") + QChar(0) + "S0");
    }
    const CliResult stored = Cli({"read", "-o", Path("read.rdf")});
    EXPECT_EQ(stored.exit, 1);
    EXPECT_TRUE(stored.err.contains("CommPort is ignored")) << qPrintable(stored.err);
    EXPECT_TRUE(stored.err.contains("control character \\x00")) << qPrintable(stored.err);
    EXPECT_TRUE(stored.err.contains("No serial port is chosen")) << qPrintable(stored.err);

    const CliResult given = Cli({"read", "--port", "/dev/tty\x1b[2JS0", "-o", Path("read.rdf")});
    EXPECT_EQ(given.exit, 2);
    EXPECT_TRUE(given.err.contains("contains the control character \\x1B"))
        << qPrintable(given.err);
}

} // namespace

#endif
