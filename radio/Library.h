#pragma once
// The frequency library: channel lists as CSV files in our own columns, shipped with the
// program and kept by the user in a folder of their own. A list names its title, category and
// source in '#' lines at its top.

#include <QString>
#include <QStringList>
#include <vector>

namespace library {

struct List {
    QString path;
    QString title;     // "# <title>", the first comment line; the file's name when absent
    QString category;  // "# Category: ..."; "Other" when absent
    QString source;    // "# Source: ..."
    bool user = false; // from the user's folder
};

// The folders searched, in this order, those that exist: installed beside the program
// (../share/corvinel/library), the system's data folders, the source tree (for a program run
// from its build folder).
QStringList ShippedFolders();

// The user's own folder of lists (a setting; empty when none was chosen).
QString UserFolder();
void SetUserFolder(const QString& folder);

// The header lines of one list.
List ReadListHeader(const QString& path);

// Every list of the shipped folders (the first folder that has any) and of userFolder, by
// category then title.
std::vector<List> Lists(const QString& userFolder);

// The lists whose title, category or rows hold the text (case ignored); all for empty text.
std::vector<List> Search(const std::vector<List>& lists, const QString& text);

} // namespace library
