#include "link/CloneSession.h"

#include "link/CloneReceiver.h"
#include "link/CommPort.h"
#include "radio/Settings.h"

#include <QCoreApplication>

namespace {
const char kCommError[] = QT_TRANSLATE_NOOP("CloneSession", "Comm Error");

// The session's messages reach the user in the window's language.
QString Text(const char* text) {
    return QCoreApplication::translate("CloneSession", text);
}
} // namespace

CloneSession::CloneSession(CCommPort& port, std::unique_ptr<CloneEngine> engine, QObject* parent)
    : QObject(parent), port_(port), engine_(std::move(engine)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CloneSession::OnTimer);
}

CloneSession::~CloneSession() {
    Stop();
}

wire::Time CloneSession::Now() const {
    return std::chrono::duration_cast<wire::Time>(std::chrono::nanoseconds(clock_.nsecsElapsed()));
}

void CloneSession::Start() {
    if (engine_->State() != CloneState::Idle)
        return;
    clock_.start();
    const bool reading = dynamic_cast<const CloneReceiver*>(engine_.get()) != nullptr;
    trace_.Begin(QLatin1String(reading ? "read" : "write"), port_.DeviceName(),
                 QLatin1String(CCommPort::kSettings));
    if (!port_.IsOpen()) {
        engine_->Abort(QCoreApplication::translate("CloneSession", "The serial port is not open."),
                       Text(kCommError));
        return Pump();
    }
    port_.Purge();
    QSerialPort& serial = port_.SerialPort();
    connections_ << connect(&serial, &QSerialPort::readyRead, this, &CloneSession::OnReadyRead);
    connections_ << connect(&serial, &QSerialPort::errorOccurred, this, &CloneSession::OnPortError);
    engine_->Start(Now());
    Pump();
}

void CloneSession::Cancel() {
    if (engine_->IsFinished())
        return;
    engine_->Cancel();
    Pump();
}

void CloneSession::OnReadyRead() {
    if (!IsRunning())
        return;
    const QByteArray bytes = port_.SerialPort().readAll();
    if (bytes.isEmpty())
        return;
    trace_.Bytes(TransferTrace::Direction::Received, bytes, Now());
    engine_->Receive(bytes, Now());
    Pump();
}

void CloneSession::OnTimer() {
    if (!IsRunning())
        return;
    engine_->Advance(Now());
    Pump();
}

void CloneSession::OnPortError(QSerialPort::SerialPortError error) {
    if (!IsRunning())
        return;
    if (error == QSerialPort::ResourceError || error == QSerialPort::WriteError ||
        error == QSerialPort::ReadError)
        Fail(
            port_.DeviceName() +
            QCoreApplication::translate(
                "CloneSession", ": The serial port stopped working or is gone.\nCheck the cable."));
}

void CloneSession::Fail(const QString& text) {
    engine_->Abort(text, Text(kCommError));
    Pump();
}

void CloneSession::Pump() {
    const QByteArray out = engine_->TakeOutput();
    if (!out.isEmpty() && port_.IsOpen()) {
        QSerialPort& serial = port_.SerialPort();
        trace_.Bytes(TransferTrace::Direction::Sent, out, Now());
        const bool written = serial.write(out) == out.size();
        // Hands the bytes to the system now rather than on the next turn of the event loop.
        serial.flush();
        if (!written)
            engine_->Abort(
                port_.DeviceName() +
                    QCoreApplication::translate("CloneSession", ": Writing to the port failed."),
                Text(kCommError));
    }
    if (engine_->Progress() != lastProgress_) {
        lastProgress_ = engine_->Progress();
        emit progressChanged(lastProgress_);
    }
    if (engine_->IsFinished()) {
        if (reported_)
            return;
        reported_ = true;
        Stop();
        trace_.End(Outcome(), Now());
        const auto* receiver = dynamic_cast<const CloneReceiver*>(engine_.get());
        if (receiver && storesVersion_ && engine_->State() == CloneState::Succeeded)
            versionStored_ = RememberReceiverVersion(receiver->Country(), receiver->Wideband());
        emit finished(engine_->State());
        return;
    }
    if (const auto deadline = engine_->Deadline()) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Now());
        timer_.start(std::max<qint64>(0, wait.count()));
    } else {
        timer_.stop();
    }
}

QString CloneSession::Outcome() const {
    switch (engine_->State()) {
    case CloneState::Succeeded:
        return QStringLiteral("succeeded");
    case CloneState::Cancelled:
        return QStringLiteral("cancelled");
    default:
        return QStringLiteral("failed: ") +
               QString(engine_->Message()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
}

void CloneSession::Stop() {
    timer_.stop();
    for (const auto& c : connections_)
        disconnect(c);
    connections_.clear();
}
