#include "radio/Backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

namespace backups {

namespace {

const QString kPrefix = QStringLiteral("vr500-");
const QString kSuffix = QStringLiteral(".rdf");
// Names that exist (planted or left over) are skipped; this many in a row is no accident.
constexpr int kNameAttempts = 100;
// Far beyond any number of reads; a larger number in a name was not written here.
constexpr qint64 kLargestSequence = 1'000'000'000'000'000;

// The clock may go back (a time zone change, a wrong clock set right), so the time in a name
// is for the reader; the sequence number alone orders the backups.
const QRegularExpression& SequencedName() {
    static const QRegularExpression re(
        QStringLiteral("^vr500-\\d{4}-\\d{2}-\\d{2}-\\d{6}Z-(\\d{6,16})\\.rdf$"));
    return re;
}

// Before sequence numbers: local time, and "_2", "_3" for more reads within one second.
const QRegularExpression& TimedName() {
    static const QRegularExpression re(
        QStringLiteral("^vr500-\\d{4}-\\d{2}-\\d{2}-\\d{6}(_\\d+)?\\.rdf$"));
    return re;
}

struct Entry {
    QString name;
    qint64 sequence; // -1 for a name from before sequence numbers
};

std::vector<Entry> Entries() {
    std::vector<Entry> entries;
    const QStringList names = QDir(Folder()).entryList({kPrefix + QStringLiteral("*") + kSuffix},
                                                       QDir::Files | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (const auto m = SequencedName().match(name); m.hasMatch()) {
            if (const qint64 sequence = m.captured(1).toLongLong(); sequence <= kLargestSequence)
                entries.push_back({name, sequence});
        } else if (TimedName().match(name).hasMatch())
            entries.push_back({name, -1});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.sequence != b.sequence ? a.sequence > b.sequence : a.name > b.name;
    });
    return entries;
}

// Leaves room for kNameAttempts names that are all still listed.
qint64 NextSequence() {
    qint64 highest = 0;
    for (const Entry& e : Entries())
        if (e.sequence <= kLargestSequence - kNameAttempts)
            highest = std::max(highest, e.sequence);
    return highest + 1;
}

QString NameFor(const QDateTime& when, qint64 sequence) {
    return kPrefix + when.toUTC().toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
           QStringLiteral("Z-") + QStringLiteral("%1").arg(sequence, 6, 10, QLatin1Char('0')) +
           kSuffix;
}

// Creates a file that did not exist (O_EXCL: a link at the name counts as existing) and
// writes bytes into it; a file that could not be written whole is removed again.
QString WriteNew(const QString& path, const QByteArray& bytes, bool& existed) {
    QFile file(path);
    existed = false;
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        existed = QFileInfo(path).isSymLink() || QFileInfo::exists(path);
        return QCoreApplication::translate("FileIo", "Cannot create file:\n") +
               QDir::toNativeSeparators(path);
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.remove();
        return QCoreApplication::translate("FileIo", "Error writing file:\n") +
               QDir::toNativeSeparators(path);
    }
    return {};
}

void Prune(const QString& keep) {
    const QStringList all = List();
    for (qsizetype i = kKeepBackups; i < all.size(); ++i)
        if (all[i] != keep)
            QFile::remove(all[i]);
}

} // namespace

// The program's AppDataLocation spelled out, so the window and the tool (whatever their
// executables are called) keep their backups in one place.
QString Folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tarnwick/Corvinel/backups");
}

QStringList List() {
    const QDir dir(Folder());
    QStringList paths;
    for (const Entry& e : Entries())
        paths << dir.filePath(e.name);
    return paths;
}

QString Newest() {
    const QStringList all = List();
    return all.isEmpty() ? QString() : all.first();
}

Written Write(const Image& image, const QDateTime& when) {
    const QString folder = Folder();
    if (!QDir().mkpath(folder))
        return {{},
                QCoreApplication::translate("FileIo", "Cannot create folder:\n") +
                    QDir::toNativeSeparators(folder)};
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), layout::kImageSize);
    qint64 sequence = NextSequence();
    QString failure;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt, ++sequence) {
        const QString path = folder + QLatin1Char('/') + NameFor(when, sequence);
        bool existed = false;
        failure = WriteNew(path, bytes, existed);
        if (failure.isEmpty()) {
            Prune(path);
            return {path, {}};
        }
        if (!existed)
            break;
    }
    return {{}, failure};
}

} // namespace backups
