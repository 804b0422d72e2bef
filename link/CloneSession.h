#pragma once
// Runs a clone engine over the serial port: arriving bytes are handled at once, a precise
// timer lets time-outs and pauses run out. The dialogs and the command-line tool both use it.

#include "link/CloneEngine.h"
#include "link/TransferTrace.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <memory>

class CCommPort;

class CloneSession : public QObject {
    Q_OBJECT
public:
    // The port must be open and stay alive while the session runs.
    CloneSession(CCommPort& port, std::unique_ptr<CloneEngine> engine, QObject* parent = nullptr);
    ~CloneSession() override;

    // Purges the port and starts the transfer; does nothing when it already runs or ran.
    void Start();
    // The user's Cancel or window close; finished() follows at once.
    void Cancel();

    // A read stores the receiver's version in the settings unless told not to before Start.
    void SetStoresVersion(bool stores) { storesVersion_ = stores; }
    // False after a read whose version was to be stored but could not be.
    bool VersionStored() const { return versionStored_; }

    bool IsRunning() const { return engine_->State() == CloneState::Running; }
    CloneEngine& Engine() { return *engine_; }
    CloneState State() const { return engine_->State(); }
    QString Message() const { return engine_->Message(); }
    QString Caption() const { return engine_->Caption(); }
    // Every byte of the transfer so far, with the versions and settings it ran with.
    TransferTrace& Trace() { return trace_; }

signals:
    void progressChanged(int percent);
    // Emitted once. A read that succeeded has stored the receiver's country and wideband
    // (see VersionStored).
    void finished(CloneState state);

private:
    void OnReadyRead();
    void OnTimer();
    void OnPortError(QSerialPort::SerialPortError error);
    // Writes what the engine wants sent, reports progress, re-arms the timer, finishes.
    void Pump();
    void Fail(const QString& text);
    void Stop();
    // The ended transfer's result in one line.
    QString Outcome() const;
    wire::Time Now() const;

    CCommPort& port_;
    std::unique_ptr<CloneEngine> engine_;
    QElapsedTimer clock_;
    QTimer timer_;
    int lastProgress_ = -1;
    bool reported_ = false;
    bool storesVersion_ = true;
    bool versionStored_ = true;
    QList<QMetaObject::Connection> connections_;
    TransferTrace trace_;
};
