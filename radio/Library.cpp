#include "radio/Library.h"

#include "radio/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace library {

namespace {

constexpr char kUserFolderKey[] = "LibraryFolder";
// Only the top of a list is read for its header; lists are small anyway.
constexpr qint64 kHeaderBytes = 4096;

QStringList CsvFiles(const QString& folder) {
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

} // namespace

QStringList ShippedFolders() {
    QStringList candidates;
    const QString beside = QCoreApplication::instance() != nullptr
                               ? QCoreApplication::applicationDirPath()
                               : QString();
    if (!beside.isEmpty())
        candidates << QDir(beside).filePath(QStringLiteral("../share/corvinel/library"));
    candidates << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                            QStringLiteral("corvinel/library"),
                                            QStandardPaths::LocateDirectory);
#ifdef CORVINEL_SOURCE_LIBRARY
    candidates << QStringLiteral(CORVINEL_SOURCE_LIBRARY);
#endif
    QStringList folders;
    for (const QString& c : candidates) {
        const QString clean = QDir::cleanPath(c);
        if (QDir(clean).exists() && !folders.contains(clean))
            folders << clean;
    }
    return folders;
}

QString UserFolder() {
    return settings::Open()->value(QLatin1String(kUserFolderKey)).toString();
}

void SetUserFolder(const QString& folder) {
    settings::Open()->setValue(QLatin1String(kUserFolderKey), folder);
}

List ReadListHeader(const QString& path) {
    List list;
    list.path = path;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList lines =
            QString::fromUtf8(file.read(kHeaderBytes)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString line : lines) {
            line = line.trimmed();
            if (!line.startsWith(QLatin1Char('#')))
                break;
            const QString text = line.mid(1).trimmed();
            if (text.startsWith(QLatin1String("Category:"), Qt::CaseInsensitive))
                list.category = text.mid(9).trimmed();
            else if (text.startsWith(QLatin1String("Source:"), Qt::CaseInsensitive))
                list.source = text.mid(7).trimmed();
            else if (list.title.isEmpty())
                list.title = text;
        }
    }
    if (list.title.isEmpty())
        list.title = QFileInfo(path).completeBaseName();
    if (list.category.isEmpty())
        list.category = QStringLiteral("Other");
    return list;
}

std::vector<List> Lists(const QString& userFolder) {
    std::vector<List> lists;
    for (const QString& folder : ShippedFolders()) {
        const QStringList files = CsvFiles(folder);
        for (const QString& path : files)
            lists.push_back(ReadListHeader(path));
        if (!files.isEmpty())
            break; // an installed library hides an older source tree's
    }
    if (!userFolder.isEmpty())
        for (const QString& path : CsvFiles(userFolder)) {
            lists.push_back(ReadListHeader(path));
            lists.back().user = true;
        }
    std::stable_sort(lists.begin(), lists.end(), [](const List& a, const List& b) {
        const int byCategory = a.category.compare(b.category, Qt::CaseInsensitive);
        return byCategory != 0 ? byCategory < 0 : a.title.compare(b.title, Qt::CaseInsensitive) < 0;
    });
    return lists;
}

std::vector<List> Search(const std::vector<List>& lists, const QString& text) {
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return lists;
    std::vector<List> found;
    for (const List& list : lists) {
        bool hit = list.title.contains(wanted, Qt::CaseInsensitive) ||
                   list.category.contains(wanted, Qt::CaseInsensitive);
        if (!hit) {
            QFile file(list.path);
            hit = file.open(QIODevice::ReadOnly) &&
                  QString::fromUtf8(file.readAll()).contains(wanted, Qt::CaseInsensitive);
        }
        if (hit)
            found.push_back(list);
    }
    return found;
}

} // namespace library
