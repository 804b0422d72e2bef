// Whole clone transfers against corvinel-sim, each reported against the wire's bound:
// read 20030 bytes of 11 bits at 9600 baud = 22.95 s; write 20027 bytes plus 489 pauses of
// 5 ms = 25.40 s. The ratio counter is time / bound.

#include "link/CloneReceiver.h"
#include "link/CloneSender.h"
#include "link/CloneSession.h"
#include "link/CommPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr double kReadBound = 22.95;
constexpr double kWriteBound = 25.40;

struct Folder {
    QTemporaryDir dir;
    Folder() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path()); }
    QString Rdf() {
        const QString path = dir.filePath("bench.rdf");
        QByteArray bytes(layout::kImageSize, 0);
        std::memcpy(bytes.data(), layout::header::kSignatureBytes, 4);
        for (int i = 0; i < layout::kRadioImageSize; ++i)
            bytes[layout::kRadioImage + i] = char(i * 7 + i / 300);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
};

// Runs one transfer and returns its seconds: from the first byte the receiver sent for a
// read, from the start for a write. stallMs gets the longest time the event loop was held.
double Transfer(bool read, bool paced, benchmark::State& state, double& stallMs) {
    Folder folder;
    QStringList args{read ? "send" : "receive",
                     read ? folder.Rdf() : folder.dir.filePath("out.rdf"), "--start-delay", "50"};
    if (paced)
        args << "--baud"
             << "9600";
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(CORVINEL_SIM), args);
    while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {
    }
    CCommPort port(nullptr);
    port.SetPort(QString::fromLocal8Bit(sim.readLine()).trimmed());
    if (!port.Open()) {
        state.SkipWithError("cannot open the simulator's device");
        return 0;
    }
    std::vector<Byte> image(layout::kRadioImageSize, 0x5A);
    std::unique_ptr<CloneEngine> engine;
    if (read)
        engine = std::make_unique<CloneReceiver>(image.data());
    else
        engine = std::make_unique<CloneSender>(image.data(), 4, 0);
    CloneSession session(port, std::move(engine));
    QElapsedTimer clock;
    std::optional<qint64> began;
    QObject::connect(&port.SerialPort(), &QSerialPort::readyRead, [&] {
        if (!began)
            began = clock.nsecsElapsed();
    });
    QEventLoop loop;
    QObject::connect(&session, &CloneSession::finished, &loop, &QEventLoop::quit);
    // A 1 ms heartbeat: a gap between beats is time the caller's thread was not free.
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    qint64 lastBeat = 0;
    stallMs = 0;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        stallMs = std::max(stallMs, double(now - lastBeat) / 1e6);
        lastBeat = now;
    });
    // The heartbeat's wake-ups delay the 5 ms pauses a little, so the paced runs, which
    // measure against the bound, go without it; the unpaced ones, where calls come back to
    // back, measure the stalls.
    if (!paced)
        beat.start(1);
    clock.start();
    session.Start();
    loop.exec();
    const qint64 end = clock.nsecsElapsed();
    port.Close();
    sim.waitForFinished(5000);
    if (session.State() != CloneState::Succeeded) {
        state.SkipWithError(qPrintable(session.Message()));
        return 0;
    }
    return double(end - (read ? began.value_or(0) : 0)) / 1e9;
}

void Run(benchmark::State& state, bool read, bool paced) {
    double seconds = 0;
    double stallMs = 0;
    double worstStallMs = 0;
    for (auto _ : state) {
        seconds = Transfer(read, paced, state, stallMs);
        worstStallMs = std::max(worstStallMs, stallMs);
        state.SetIterationTime(seconds);
    }
    state.counters["seconds"] = seconds;
    if (!paced)
        state.counters["max_stall_ms"] = worstStallMs;
    if (paced)
        state.counters["ratio"] = seconds / (read ? kReadBound : kWriteBound);
}

void ReadPaced(benchmark::State& s) {
    Run(s, true, true);
}
void WritePaced(benchmark::State& s) {
    Run(s, false, true);
}
void ReadUnpaced(benchmark::State& s) {
    Run(s, true, false);
}
void WriteUnpaced(benchmark::State& s) {
    Run(s, false, false);
}

} // namespace

BENCHMARK(ReadUnpaced)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(WriteUnpaced)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPaced)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(WritePaced)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
