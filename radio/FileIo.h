#pragma once
// Whole-file saving that never leaves a half-written file behind, and the little-endian
// integers of the data file's header.

#include "radio/Codecs.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>

// Writes bytes to path through a temporary file beside it that replaces the old file only
// once complete, so a failure leaves the old file whole. An existing file that is not
// writable is left alone. A path naming something other than a file (a device such as
// /dev/null, a named pipe) is written into, never replaced. Returns the message for a failure
// ("Cannot create file:\n<path>", "Error writing file:\n<path>"), or an empty string on
// success.
QString SaveWholeFile(const QString& path, const QByteArray& bytes);
// The creation check alone, with nothing left behind: can path be saved to?
bool CanSaveTo(const QString& path);

// The window never waits on a file: a named pipe or a device can block a read or a write for
// ever. Empty when path is a regular file or names nothing yet; otherwise the message, after
// action ("Cannot open file:"), that names the file and says why.
QString NotRegularFile(const QString& action, const QString& path);

// What a file was when the program last read or wrote it, so a change by another program
// can be told from the program's own. Empty (size -1) when there is no such regular file.
struct FileStamp {
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash;

    bool IsEmpty() const { return size < 0; }
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
FileStamp StampOf(const QString& path);

inline std::uint16_t GetU16(const Byte* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}
inline std::uint32_t GetU32(const Byte* at) {
    return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}
inline void PutU16(Byte* at, std::uint16_t v) {
    at[0] = static_cast<Byte>(v);
    at[1] = static_cast<Byte>(v >> 8);
}
inline void PutU32(Byte* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<Byte>(v >> (8 * i));
}
