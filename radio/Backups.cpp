#include "radio/Backups.h"

#include "radio/FileIo.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace backups {

namespace {

const QString kPrefix = QStringLiteral("vr500-");
const QString kSuffix = QStringLiteral(".rdf");

} // namespace

// The program's AppDataLocation spelled out, so the window and the tool (whatever their
// executables are called) keep their backups in one place.
QString Folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tarnwick/Corvinel/backups");
}

// Names sort by time: the date and time are zero-padded, and a second backup within the same
// second gets "_2" (which sorts after the plain name).
QStringList List() {
    QDir dir(Folder());
    QStringList names = dir.entryList({kPrefix + QStringLiteral("*") + kSuffix}, QDir::Files,
                                      QDir::Name | QDir::Reversed);
    for (QString& name : names)
        name = dir.filePath(name);
    return names;
}

QString Newest() {
    const QStringList all = List();
    return all.isEmpty() ? QString() : all.first();
}

Written Write(const Image& image, const QDateTime& when) {
    const QString folder = Folder();
    if (!QDir().mkpath(folder))
        return {{}, QStringLiteral("Cannot create folder:\n") + QDir::toNativeSeparators(folder)};
    const QString stem =
        folder + QLatin1Char('/') + kPrefix + when.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString path = stem + kSuffix;
    for (int n = 2; QFile::exists(path); ++n)
        path = stem + QStringLiteral("_%1").arg(n) + kSuffix;
    const QString failure = SaveWholeFile(
        path, QByteArray(reinterpret_cast<const char*>(image.data()), layout::kImageSize));
    if (!failure.isEmpty())
        return {{}, failure};
    const QStringList all = List();
    for (qsizetype i = kKeepBackups; i < all.size(); ++i)
        QFile::remove(all[i]);
    return {path, {}};
}

} // namespace backups
