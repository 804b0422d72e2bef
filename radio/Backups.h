#pragma once
// Every successful read from the receiver is also kept as a data file in a backups folder, so
// what was on the receiver before it was overwritten can always be had back. The newest
// kKeepBackups are kept.

#include "radio/Radio.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace backups {

inline constexpr int kKeepBackups = 50;

// <the program's data folder>/backups: the same for the window and the command-line tool.
QString Folder();

struct Written {
    QString path;    // the backup written, empty on failure
    QString failure; // what went wrong, in words for the user; empty on success
};

// Writes image as "vr500-YYYY-MM-DD-hhmmss.rdf" (local time of when), then removes all but
// the newest kKeepBackups backups. Never throws and never asks: the caller reports a failure.
Written Write(const Image& image, const QDateTime& when = QDateTime::currentDateTime());

// The backups in the folder, newest first.
QStringList List();
// The newest backup, or an empty string when there is none.
QString Newest();

} // namespace backups
