#pragma once
// A record of one transfer for a help request: the program and system versions, the line
// settings, then every byte with its time and direction, and the outcome. It names the port
// and nothing else of the user's (no paths, no user name).

#include "link/CloneFrames.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class TransferTrace {
public:
    enum class Direction { Sent, Received };

    // kind: "read" or "write"; device: the port's device name.
    void Begin(const QString& kind, const QString& device, const QString& lineSettings);
    // A setting the transfer runs with ("version sent", "country 0, wideband 0"); before or
    // after Begin.
    void Note(const QString& name, const QString& value);
    void Bytes(Direction direction, const QByteArray& bytes, wire::Time at);
    void End(const QString& outcome, wire::Time at);

    bool IsEmpty() const { return header_.isEmpty(); }
    // Every chunk as "  12.345 ms  >  03 01 00 ..." (">" sent, "<" received).
    QString Text() const;
    // Writes Text() to path; the reason when it could not.
    QString SaveTo(const QString& path) const;

    // The last transfer the window ran, kept for "Save Diagnostics...".
    static TransferTrace& Last();

private:
    struct Chunk {
        wire::Time at;
        Direction direction;
        QByteArray bytes;
    };
    QStringList header_;
    QStringList notes_;
    std::vector<Chunk> chunks_;
    QString outcome_;
    wire::Time endedAt_{};
};
