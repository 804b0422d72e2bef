#include "radio/FileIo.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {
QString CannotCreate(const QString& path) {
    return QStringLiteral("Cannot create file:\n") + path;
}

// A read-only file stays as it is, even where its folder would let a rename replace it.
bool RefusedTarget(const QString& path) {
    const QFileInfo target(path);
    return target.isDir() || (target.exists() && !target.isWritable());
}
} // namespace

QString SaveWholeFile(const QString& path, const QByteArray& bytes) {
    if (RefusedTarget(path))
        return CannotCreate(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotCreate(path);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return QStringLiteral("Error writing file:\n") + path;
    }
    return {};
}

bool CanSaveTo(const QString& path) {
    if (RefusedTarget(path))
        return false;
    QSaveFile probe(path);
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.cancelWriting();
    return true;
}
