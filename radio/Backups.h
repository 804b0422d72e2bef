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

// Writes image as a new file "vr500-YYYY-MM-DD-hhmmssZ-NNNNNN.rdf" (UTC time of when, then a
// sequence number one above the highest in the folder), then removes all but the newest
// kKeepBackups backups, never the one just written. The file is created exclusively: a name
// that exists, even as a dangling link, is skipped, never written through or replaced. Never
// throws and never asks: the caller reports a failure.
Written Write(const Image& image, const QDateTime& when = QDateTime::currentDateTime());

// The backups in the folder in the order of the reads that made them, newest first: by
// sequence number, and after them the ones named by local time alone (from before sequence
// numbers), newest name first. Other files in the folder, and links, are no backups.
QStringList List();
// The newest backup, or an empty string when there is none.
QString Newest();

} // namespace backups
