#include "radio/Layout.h"
#include "radio/Version.h"
#include "support/Files.h"
#include "support/VersionTexts.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct Result {
    int exit = -1;
    QString out;
    QString err;
};

// Runs the built tool with its settings in a folder of the test's own and a US English
// system, on which the stored settings stay empty.
class Cli : public testing::Test {
protected:
    // stdoutFile: where the tool's standard output goes instead of the test.
    Result Run(const QStringList& args, const QString& stdoutFile = QString()) {
        QProcess p;
        if (!stdoutFile.isEmpty())
            p.setStandardOutputFile(stdoutFile);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work.path());
        p.start(qEnvironmentVariable("CORVINEL_BUILD_DIR") + QStringLiteral("/cli/corvinel-cli"),
                args);
        EXPECT_TRUE(p.waitForFinished(30000)) << p.errorString().toStdString();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    QString Path(const QString& name) const { return work.filePath(name); }

    QString NewFile(const QString& name) {
        EXPECT_EQ(Run({"new", "-o", Path(name)}).exit, 0);
        return Path(name);
    }

    QTemporaryDir config;
    QTemporaryDir work;
};

TEST_F(Cli, HelpAndWrongUsage) {
    const Result version = Run({"--version"});
    EXPECT_EQ(version.exit, 0);
    EXPECT_EQ(version.out, QStringLiteral("corvinel-cli %1\n").arg(kAppVersion));

    const Result help = Run({"--help"});
    EXPECT_EQ(help.exit, 0);
    for (const char* name : {"new", "info", "channels", "export", "import"}) {
        EXPECT_TRUE(help.out.contains(QStringLiteral("  %1 ").arg(name))) << name;
        const Result own = Run({name, "--help"});
        EXPECT_EQ(own.exit, 0) << name;
        EXPECT_TRUE(own.out.startsWith(QStringLiteral("usage: corvinel-cli %1").arg(name)));
    }
    const QStringList wrong[] = {
        {},
        {"frobnicate"},
        {"new"},
        {"new", "--country", "5", "-o", "x.rdf"},
        {"new", "-o"},
        {"info"},
        {"info", "a.rdf", "b.rdf"},
        {"channels", "--verbose", "a.rdf"},
        {"import", "a.csv"},
        {"import", "a.csv", "b.rdf", "--at", "0"},
        {"import", "a.csv", "b.rdf", "--at", "1001"},
        {"import", "a.csv", "b.rdf", "--at", "5", "--append"},
        {"import", "a.csv", "b.rdf", "--bank", "10"},
        {"import", "a.csv", "b.rdf", "--format", "xml"},
        {"read", "--wait", "soon", "-o", "x.rdf"},
        {"read", "--wait", "-1", "-o", "x.rdf"},
    };
    for (const QStringList& args : wrong) {
        const Result r = Run(args);
        EXPECT_EQ(r.exit, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage: corvinel-cli")) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("x.rdf")));
    EXPECT_TRUE(Run({"new", "--help"}).out.contains("2, 3 and 4 the general image"));
}

TEST_F(Cli, NewAndInfo) {
    const QString file = NewFile("new.rdf");
    EXPECT_EQ(ReadAll(file).size(), 69818);
    const Result info = Run({"info", file});
    EXPECT_EQ(info.exit, 0) << info.err.toStdString();
    for (const char* line :
         {"Signature:       RDF\n", "Radio tag:       VX50\n", "Format word:     2\n",
          "File length:     69818\n", "Radio name:      Yaesu VX500\n", "Channels:        1000\n",
          "Record sizes:    12, 10, 32\n", "Region offsets:  180, 27818, 37818, 12180\n",
          "  Bank 9: "})
        EXPECT_TRUE(info.out.contains(QLatin1String(line))) << line;

    // A chosen country is for that file only: the stored settings stay as they were.
    const Result wide = Run({"new", "--country", "1", "--wideband", "-o", Path("wide.rdf")});
    EXPECT_EQ(wide.exit, 0) << wide.err.toStdString();
    EXPECT_EQ(ReadAll(Path("wide.rdf")).size(), 69818);
    EXPECT_FALSE(ReadAll(config.filePath("Tarnwick/VR500.conf")).contains("Wideband"));

    // With a wideband receiver stored, a chosen country starts without wideband unless asked.
    {
        QSettings stored(config.filePath("Tarnwick/VR500.conf"), QSettings::IniFormat);
        stored.setValue("Country", 1);
        stored.setValue("Wideband", 1);
    }
    const struct {
        QStringList options;
        const char* version;
    } versions[] = {{{}, "Country code:    1\nWideband flag:   1\n"},
                    {{"--country", "1"}, "Country code:    1\nWideband flag:   0\n"},
                    {{"--country", "0"}, "Country code:    0\nWideband flag:   0\n"},
                    {{"--country", "2", "--wideband"}, "Country code:    4\nWideband flag:   0\n"}};
    for (const auto& v : versions) {
        ASSERT_EQ(Run(QStringList{"new", "-o", Path("v.rdf")} + v.options).exit, 0);
        EXPECT_TRUE(Run({"info", Path("v.rdf")}).out.contains(v.version))
            << v.options.join(' ').toStdString();
    }

    // Counted per bank: channel 100 is bank 0's last, 1000 bank 9's. Text from the file is
    // shown, never sent to the terminal as it stands.
    QByteArray all = ReadAll(file);
    all.replace(layout::header::kRadioName, 7, QByteArray("\x1B]0;x\a", 7));
    for (int n = 100; n <= 1000; n += 100) {
        const int at = layout::kRadioImage + layout::ri::kChannelUsedBitmap + (n - 1) / 8;
        all[at] = char(all[at] | 1 << ((n - 1) % 8));
    }
    all.replace(layout::kRadioImage + layout::ri::ChannelName(100), 8,
                "\x1B[2J\x9B"
                "1m ");
    WriteAll(file, all);
    const Result counted = Run({"info", file});
    EXPECT_TRUE(counted.out.contains("Radio name:      \\x1B]0;x\\x07\n"));
    EXPECT_TRUE(counted.out.contains("Channels in use: 10\n"));
    for (int bank = 0; bank < 10; ++bank)
        EXPECT_TRUE(counted.out.contains(QStringLiteral("  Bank %1:   1\n").arg(bank))) << bank;
    const Result listed = Run({"channels", file});
    EXPECT_TRUE(listed.out.contains("\\x1B[2J\\x9B1m")) << listed.out.toStdString();
    EXPECT_FALSE(listed.out.contains('\x1B'));
}

TEST_F(Cli, ImportChannelsAndExport) {
    const QString file = NewFile("set.rdf");
    WriteAll(Path("in.csv"), "Location,Name,Frequency,Mode,Skip\r\n"
                             "1,Alpha,145.0,NFM,P\r\n"
                             "250,\"B,c\",433.0,FM,\r\n"
                             "1000,,0.594,AM,\r\n");
    const Result imported = Run({"import", Path("in.csv"), file, "-o", Path("out.rdf")});
    EXPECT_EQ(imported.exit, 0) << imported.err.toStdString();

    const Result list = Run({"channels", Path("out.rdf")});
    EXPECT_EQ(list.exit, 0);
    EXPECT_TRUE(list.out.endsWith("   1   145.00000  NFM  Alpha     P\n"
                                  " 250   433.00000  NFM  B,c\n"
                                  "1000     0.59400  AM\n"))
        << list.out.toStdString();

    const Result exported = Run({"export", Path("out.rdf")});
    EXPECT_EQ(exported.exit, 0);
    EXPECT_TRUE(exported.out.startsWith("Location,Name,Frequency,"));
    EXPECT_TRUE(exported.out.contains("\r\n1,Alpha,145.000000,"));
    EXPECT_TRUE(exported.out.contains("\r\n250,\"B,c\",433.000000,"));
    EXPECT_EQ(Run({"export", Path("out.rdf"), "-o", Path("out.csv")}).exit, 0);
    EXPECT_EQ(QString::fromUtf8(ReadAll(Path("out.csv"))), exported.out);
    EXPECT_EQ(Run({"export", Path("out.rdf"), "-o", "-"}).out, exported.out);

    // --at ignores the Location column and numbers the rows from N.
    EXPECT_EQ(Run({"import", Path("in.csv"), Path("out.rdf"), "--at", "998"}).exit, 0);
    const Result moved = Run({"channels", Path("out.rdf")});
    EXPECT_TRUE(moved.out.contains(" 998   145.00000  NFM  Alpha     P\n"));
    EXPECT_TRUE(moved.out.contains(" 999   433.00000  NFM  B,c\n"));

    // Cut names are listed with their lines; the file is written.
    WriteAll(Path("long.csv"), "Location,Name,Frequency\r1,Much too long,145\r2,Exactly8,146\r");
    const Result cut = Run({"import", Path("long.csv"), Path("out.rdf")});
    EXPECT_EQ(cut.exit, 0);
    EXPECT_EQ(cut.err, Path("long.csv") + ":2: Name \"Much too long\" was cut to \"Much too\"\n");
    EXPECT_TRUE(
        Run({"channels", Path("out.rdf")}).out.startsWith("   1   145.00000  NFM  Much too"));
}

// Lists from other programs: the format and numbering are said, the placements honoured, and
// with --skip-bad the refused rows are listed while the rest is written.
TEST_F(Cli, ImportListsOfOtherFormatsIntoTheChosenChannels) {
    const QString file = NewFile("lists.rdf");
    WriteAll(Path("commercial.csv"),
             "Channel Number\tReceive Frequency\tOperating Mode\tName\tTone Mode\tBand Colour\n"
             "0\t145,5\tFM\tCalling\t\tred\n"
             "1\t433,5\tFM\tUHF\t\t\n");
    const Result numbered = Run({"import", Path("commercial.csv"), file});
    EXPECT_EQ(numbered.exit, 0) << numbered.err.toStdString();
    EXPECT_TRUE(
        numbered.out.startsWith("Format: commercial\nThe list is numbered from 0: its row 0 "
                                "goes to channel 1"))
        << numbered.out.toStdString();
    EXPECT_TRUE(numbered.out.contains("Columns not read: Band Colour\n"));
    const Result list = Run({"channels", file});
    EXPECT_TRUE(list.out.contains("   1   145.50000  NFM  Calling\n   2   433.50000  NFM  UHF\n"))
        << list.out.toStdString();

    WriteAll(Path("plain.csv"), "# from my notebook\n162.55;WX1\nsoon;WX?\n162.4;WX2\n");
    const Result all = Run({"import", Path("plain.csv"), file, "--append"});
    EXPECT_EQ(all.exit, 1);
    EXPECT_EQ(all.err, Path("plain.csv") + ":3: Frequency \"soon\" is not a frequency in MHz\n"
                                           "Nothing was written.\n");
    const Result rest = Run({"import", Path("plain.csv"), file, "--append", "--skip-bad"});
    EXPECT_EQ(rest.exit, 0);
    EXPECT_EQ(rest.err, "Rows left out:\n" + Path("plain.csv") +
                            ":3: Frequency \"soon\" is not a frequency in MHz\n");
    EXPECT_TRUE(rest.out.contains("2 channels set"));
    EXPECT_TRUE(Run({"channels", file}).out.contains("   3   162.55000"));

    // A bank is replaced whole: channel 2 goes, the rows fill 1 and 2 again.
    EXPECT_EQ(Run({"import", Path("plain.csv"), file, "--bank", "0", "--skip-bad"}).exit, 0);
    const Result bank = Run({"channels", file});
    EXPECT_TRUE(bank.out.contains("   1   162.55000"));
    EXPECT_TRUE(bank.out.contains("   2   162.40000"));
    EXPECT_FALSE(bank.out.contains("433.50000"));
}

TEST_F(Cli, FailuresPrintTheProgramsMessagesAndChangeNothing) {
    const Result missing = Run({"info", Path("missing.rdf")});
    EXPECT_EQ(missing.exit, 1);
    EXPECT_EQ(missing.err, "Cannot open file:\n" + Path("missing.rdf") + "\n");

    WriteAll(Path("short.rdf"), QByteArray(179, 'R'));
    const Result shortFile = Run({"channels", Path("short.rdf")});
    EXPECT_EQ(shortFile.exit, 1);
    EXPECT_EQ(shortFile.err, "Not a radio data file:\n" + Path("short.rdf") + "\n");

    const QString file = NewFile("keep.rdf");
    const QByteArray before = ReadAll(file);
    WriteAll(Path("bad.csv"), "Location,Frequency\n1,145\n0,145\n2,abc\n");
    const Result bad = Run({"import", Path("bad.csv"), file});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_TRUE(bad.err.contains(Path("bad.csv") + ":3: Location \"0\""));
    EXPECT_TRUE(bad.err.contains(Path("bad.csv") + ":4: Frequency \"abc\""));
    EXPECT_EQ(ReadAll(file), before);

    // A frequency the receiver's version may not take: the ranges it takes, as the window says.
    WriteAll(Path("cell.csv"), "Location,Frequency\n1,145\n2,824.5\n");
    const Result cell = Run({"import", Path("cell.csv"), file});
    EXPECT_EQ(cell.exit, 1);
    EXPECT_TRUE(cell.err.contains(Path("cell.csv") + ":3: 824.50000 is not a valid frequency\n" +
                                  QString::fromLatin1(kGeneralRanges) + "\nNothing was written."))
        << cell.err.toStdString();
    EXPECT_EQ(ReadAll(file), before);

    const Result noCsv = Run({"import", Path("none.csv"), file});
    EXPECT_EQ(noCsv.exit, 1);
    EXPECT_EQ(noCsv.err, "Cannot open file:\n" + Path("none.csv") + "\n");

    const Result noFolder = Run({"new", "-o", Path("no/folder.rdf")});
    EXPECT_EQ(noFolder.exit, 1);
    EXPECT_EQ(noFolder.err, "Cannot create file:\n" + Path("no/folder.rdf") + "\n");

    // An output that is the input, by its name or through a link, is refused untouched.
    ASSERT_TRUE(QFile::link(Path("bad.csv"), Path("link.csv")));
    const QByteArray csvBefore = ReadAll(Path("bad.csv"));
    const QStringList sameFile[] = {{"export", file, "-o", file},
                                    {"import", Path("bad.csv"), file, "-o", Path("link.csv")}};
    for (const QStringList& args : sameFile) {
        const Result r = Run(args);
        EXPECT_EQ(r.exit, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("Refused: the output ")) << r.err.toStdString();
    }
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(ReadAll(Path("bad.csv")), csvBefore);

    // A CSV larger than any channel list is not read at all.
    {
        QFile huge(Path("huge.csv"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(16 * 1024 * 1024 + 1));
    }
    const Result tooLarge = Run({"import", Path("huge.csv"), file});
    EXPECT_EQ(tooLarge.exit, 1);
    EXPECT_TRUE(tooLarge.err.startsWith("File too large for a channel list"))
        << tooLarge.err.toStdString();
    EXPECT_EQ(ReadAll(file), before);
}

TEST_F(Cli, OutputThatCannotBeWrittenIsAFailure) {
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    const QString file = NewFile("full.rdf");
    for (const char* command : {"export", "info"}) {
        const Result r = Run({command, file}, QStringLiteral("/dev/full"));
        EXPECT_EQ(r.exit, 1) << command;
        EXPECT_EQ(r.err, "Error writing file:\nstandard output\n") << command;
    }
    // The import's file is written before its summary: the message says so.
    WriteAll(Path("one.csv"), "Location,Frequency\n1,145\n");
    const Result import =
        Run({"import", Path("one.csv"), file, "-o", Path("out.rdf")}, QStringLiteral("/dev/full"));
    EXPECT_EQ(import.exit, 1);
    EXPECT_EQ(import.err, "Error writing file:\nstandard output\n" + Path("out.rdf") +
                              " was written all the same.\n");
    EXPECT_EQ(ReadAll(Path("out.rdf")).size(), 69818);
}

// A device or named pipe given as output is written into, as other tools do, never replaced
// by a file of its own name.
TEST_F(Cli, OutputsThatAreNotFilesAreWrittenInto) {
    const QString file = NewFile("pipe.rdf");
    const QString fifo = Path("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString expected = Run({"export", file}).out;
    for (const QStringList& args :
         {QStringList{"export", file, "-o", fifo}, QStringList{"new", "-o", fifo}}) {
        QProcess reader;
        reader.start(QStringLiteral("cat"), {fifo});
        ASSERT_TRUE(reader.waitForStarted());
        const Result r = Run(args);
        EXPECT_EQ(r.exit, 0) << r.err.toStdString();
        ASSERT_TRUE(reader.waitForFinished(10000));
        const QByteArray got = reader.readAllStandardOutput();
        if (args[0] == QLatin1String("export"))
            EXPECT_EQ(QString::fromUtf8(got), expected);
        else
            EXPECT_EQ(got, ReadAll(file));
        EXPECT_FALSE(QFileInfo(fifo).isFile()) << "the pipe was replaced";
    }
}

} // namespace
