#include "radio/FileIo.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString CannotCreate(const QString& path) {
    return QCoreApplication::translate("FileIo", "Cannot create file:\n") + path;
}

// A read-only file stays as it is, even where its folder would let a rename replace it.
bool RefusedTarget(const QString& path) {
    const QFileInfo target(path);
    return target.isDir() || (target.exists() && !target.isWritable());
}

// Exists and is neither a plain file nor a folder (links followed).
bool IsDevice(const QString& path) {
    const QFileInfo target(path);
    return target.exists() && !target.isFile() && !target.isDir();
}

QString WriteIntoDevice(const QString& path, const QByteArray& bytes) {
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return CannotCreate(path);
    if (device.write(bytes) != bytes.size())
        return QCoreApplication::translate("FileIo", "Error writing file:\n") + path;
    return {};
}
} // namespace

QString SaveWholeFile(const QString& path, const QByteArray& bytes) {
    if (RefusedTarget(path))
        return CannotCreate(path);
    if (IsDevice(path))
        return WriteIntoDevice(path, bytes);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotCreate(path);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return QCoreApplication::translate("FileIo", "Error writing file:\n") + path;
    }
    return {};
}

bool CanSaveTo(const QString& path) {
    if (RefusedTarget(path))
        return false;
    if (IsDevice(path))
        return true; // opening a named pipe to try would wait for its reader
    QSaveFile probe(path);
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.cancelWriting();
    return true;
}

QString NotRegularFile(const QString& action, const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile() || info.isDir())
        return {};
    return action + QLatin1Char('\n') + path +
           QCoreApplication::translate(
               "FileIo", "\nIt is not a regular file (it is a named pipe or a device).");
}

FileStamp StampOf(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return {info.size(), info.lastModified(), hash.result()};
}
