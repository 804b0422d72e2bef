// corvinel-cli doctor against the simulator's pseudo-terminal, and the trace a read leaves.
#ifdef CORVINEL_CLI

#include "SimProcess.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Output {
    int exit = -1;
    QString out;
    QString err;
};

class CableCheck : public testing::Test {
protected:
    QTemporaryDir config;
    QTemporaryDir data;
    QTemporaryDir work;
    SimProcess sim;
    QString device;

    QString Path(const char* name) const { return work.filePath(name); }
    Output Cli(const QStringList& args) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("XDG_DATA_HOME", data.path());
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(CORVINEL_CLI), args);
        cli.closeWriteChannel();
        EXPECT_TRUE(cli.waitForFinished(30000));
        return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
                QString::fromUtf8(cli.readAllStandardOutput()),
                QString::fromUtf8(cli.readAllStandardError())};
    }
    void StartSim(const QStringList& args) {
        device = sim.Start(args);
        ASSERT_FALSE(device.isEmpty());
    }
    // The report's line for a check, found by its words.
    static QString Line(const QString& report, const QString& words) {
        for (const QString& line : report.split(QLatin1Char('\n')))
            if (line.contains(words))
                return line;
        return {};
    }
};

TEST_F(CableCheck, EchoingCablePassesAndSilentOneIsBlamed) {
    WriteFile(Path("radio.rdf"), PatternFile(1, 0));
    StartSim({"receive", Path("got.rdf")});
    const Output echoing = Cli({"doctor", "--port", device});
    EXPECT_TRUE(echoing.out.contains(QStringLiteral("Port checked: ") + device))
        << qPrintable(echoing.out);
    EXPECT_TRUE(Line(echoing.out, "You may open").startsWith("[ok]"));
    EXPECT_TRUE(Line(echoing.out, "Echo test").startsWith("[ok]")) << qPrintable(echoing.out);
    // Other findings depend on the machine; the verdict follows them.
    EXPECT_EQ(echoing.exit, echoing.out.contains("[PROBLEM]") ? 1 : 0);
    EXPECT_LE(echoing.out.count(QLatin1Char('\n')), 24) << "one screen";
    sim.Result();

    StartSim({"receive", Path("got.rdf"), "--no-echo"});
    const Output silent = Cli({"doctor", "--port", device});
    EXPECT_EQ(silent.exit, 1);
    EXPECT_TRUE(Line(silent.out, "Echo test")
                    .startsWith("[PROBLEM] Echo test: the 13 bytes sent did not come back"))
        << qPrintable(silent.out);
    EXPECT_TRUE(silent.out.contains(QStringLiteral("Result: ")));
}

TEST_F(CableCheck, MissingPortIsNamedAndNotEchoTested) {
    const Output r = Cli({"doctor", "--port", "/dev/ttyCorvinelMissing"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(Line(r.out, "does not exist")
                    .startsWith("[PROBLEM] /dev/ttyCorvinelMissing does not exist."))
        << qPrintable(r.out);
    EXPECT_FALSE(r.out.contains("Echo test"));

    EXPECT_EQ(Cli({"doctor", "--port", "bad\x1b[2Jname"}).exit, 2);
}

// Every frame the receiver sent is in the trace in order, between the versions and the result,
// and nothing of the user's but the port name.
TEST_F(CableCheck, TraceOfReadHoldsEveryFrame) {
    const std::vector<Byte> file = PatternFile(1, 1);
    WriteFile(Path("radio.rdf"), file);
    StartSim({"send", Path("radio.rdf"), "--start-delay", "200"});
    const Output r = Cli({"read", "--port", device, "--no-backup", "--trace", Path("trace.txt"),
                          "-o", Path("read.rdf")});
    ASSERT_EQ(r.exit, 0) << qPrintable(r.err);
    QFile traceFile(Path("trace.txt"));
    ASSERT_TRUE(traceFile.open(QIODevice::ReadOnly));
    const QString trace = QString::fromUtf8(traceFile.readAll());
    EXPECT_TRUE(trace.contains(QStringLiteral("transfer: read")));
    EXPECT_TRUE(trace.contains(QStringLiteral("port: %1 9600,E,8,1").arg(device)));
    EXPECT_TRUE(trace.contains(QStringLiteral("Corvinel 1.")));
    EXPECT_TRUE(trace.contains(QStringLiteral("qt: ")));
    EXPECT_TRUE(trace.trimmed().endsWith(QStringLiteral("result: succeeded")));
    EXPECT_FALSE(trace.contains(work.path()));

    QByteArray received, sent;
    for (const QString& line : trace.split(QLatin1Char('\n'))) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        if (f.size() > 3 && f[1] == QLatin1String("ms") && (f[2] == "<" || f[2] == ">"))
            (f[2] == "<" ? received : sent) += QByteArray::fromHex(f.mid(3).join(' ').toLatin1());
    }
    const Byte* ri = file.data() + layout::kRadioImage;
    std::vector<QByteArray> frames{wire::StartFrame(1, 1)};
    for (int b = 0; b < layout::ri::kBlockCount; ++b)
        frames.push_back(wire::DataFrame(b, ri));
    frames.push_back(wire::EndFrame());
    qsizetype at = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        at = received.indexOf(frames[i], at);
        ASSERT_GE(at, 0) << "frame " << i << " is missing";
        at += frames[i].size();
    }
    // Every frame was answered, and the cable's echo of the answers is there too (the last
    // one may come after the transfer has ended).
    EXPECT_EQ(sent.size(), wire::kFrameCount * wire::kReplySize);
    const qsizetype frameBytes = wire::kStartFrameSize + wire::kEndFrameSize +
                                 layout::ri::kBlockCount * wire::kDataFrameSize;
    EXPECT_GE(received.size(), frameBytes + sent.size() - wire::kReplySize);
    EXPECT_LE(received.size(), frameBytes + sent.size());
}

} // namespace

#endif
