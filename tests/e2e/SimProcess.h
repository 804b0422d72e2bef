#pragma once
// corvinel-sim run as a process for one test, and the helpers that drive a transfer against it.

#include "link/CloneSession.h"
#include "radio/Layout.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <cstring>
#include <vector>

inline QString BuildDir() {
    return qEnvironmentVariable("CORVINEL_BUILD_DIR");
}

class SimProcess {
public:
    ~SimProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    // Starts the simulator and returns the device it offers, empty on failure.
    QString Start(const QStringList& args) {
        process_.setProgram(QStringLiteral(CORVINEL_SIM));
        process_.setArguments(args);
        process_.start();
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        return QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    // Waits for the simulator to end (it does once the port closed) and returns its result
    // line.
    QString Result(int timeoutMs = 5000) {
        process_.waitForFinished(timeoutMs);
        const QStringList lines =
            QString::fromLocal8Bit(process_.readAllStandardOutput()).split(QLatin1Char('\n'));
        for (const QString& line : lines)
            if (line.startsWith(QStringLiteral("result: ")))
                return line.mid(8);
        return {};
    }
    qint64 Pid() const { return process_.processId(); }
    int ExitCode() const { return process_.exitCode(); }
    bool Finished() const { return process_.state() == QProcess::NotRunning; }

private:
    QProcess process_;
};

// Runs the session until it finishes or timeoutMs pass.
inline CloneState RunToEnd(CloneSession& session, int timeoutMs = 10000) {
    QEventLoop loop;
    QObject::connect(&session, &CloneSession::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    session.Start();
    if (session.IsRunning())
        loop.exec();
    return session.State();
}

// A data file image around a clone image whose every byte tells where it came from.
inline std::vector<Byte> PatternFile(int country, int wideband, int seed = 5) {
    std::vector<Byte> file(layout::kImageSize, 0);
    namespace h = layout::header;
    std::memcpy(file.data() + h::kSignature, h::kSignatureBytes, 4);
    std::memcpy(file.data() + h::kRadioTag, h::kRadioTagBytes, 4);
    for (int i = 0; i < 4; ++i)
        file[h::kFileLength + i] = Byte(layout::kImageSize >> (8 * i));
    Byte* ri = file.data() + layout::kRadioImage;
    for (int i = 0; i < layout::kRadioImageSize; ++i)
        ri[i] = Byte((i * 13 + seed + i / 257) & 0xFF);
    ri[layout::ri::kCountryCode] = Byte(country);
    ri[layout::ri::kWidebandFlag] = Byte(wideband);
    return file;
}

inline bool WriteFile(const QString& path, const std::vector<Byte>& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(reinterpret_cast<const char*>(bytes.data()),
                                                   qint64(bytes.size())) == qint64(bytes.size());
}

inline std::vector<Byte> ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    return std::vector<Byte>(data.begin(), data.end());
}
