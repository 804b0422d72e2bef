#pragma once
// The channel lists other programs write: which columns hold what, recognised from the header
// line, and how the fields are separated. The reading of each value stays in radio/Csv.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>

namespace csv {

// What a column holds, as far as the receiver cares.
// Comment is not stored in the receiver; it is shown where lists are browsed.
enum class Role { Location, Name, Frequency, Mode, Skip, Comment };
inline constexpr int kRoleCount = 6;
QString RoleTitle(Role role);

struct Dialect {
    const char* key;   // chosen by this word (corvinel-cli import --format)
    const char* title; // shown to the user
    // Header names per role in Role order, '|' between the spellings; nullptr: no such column.
    std::array<const char*, kRoleCount> names;
    // Columns the dialect carries that the receiver has no use for: read past, not reported.
    const char* ignored;
    // Without a header line the columns stand in this order (-1: absent); empty when the
    // dialect always has a header.
    std::array<int, kRoleCount> positions;
    // Words in the Skip column that mean "preferential scan".
    const char* preferential;
};

std::span<const Dialect> Dialects();
const Dialect* FindDialect(const QString& key);
// "common, commercial, plain": the keys, for usage lines and messages.
QString DialectKeys();

using ColumnMap = std::array<int, kRoleCount>; // column index per role, -1 when absent

// How a file is laid out, as recognised (or as the user set it).
struct Recognised {
    const Dialect* dialect = nullptr; // nullptr: no dialect has the columns the import needs
    QChar separator = QLatin1Char(',');
    bool hasHeader = true;
    ColumnMap columns{-1, -1, -1, -1, -1, -1};
    QStringList headerCells;    // the header as written, or empty
    QStringList unknownColumns; // header cells no role and no known column of the dialect uses
    bool fromZero = false;      // the channel numbers start at 0
};

// The separator of a file from its first line that is not a comment: a tab or semicolon there
// (outside quotes) wins over the comma.
QChar GuessSeparator(const QString& text);

// The columns of a header line for a dialect, names compared trimmed and without case.
ColumnMap ColumnsFor(const Dialect& dialect, const QStringList& header);
QStringList UnknownColumns(const Dialect& dialect, const QStringList& header,
                           const ColumnMap& columns);

// The dialect whose names the header matches best; one that numbers its rows must have its
// number column found. With format set, that dialect only. A first line whose frequency
// column already holds a frequency is taken as a row of a headerless list.
Recognised Recognise(const QStringList& firstRecord, const QString& format = {});

// MHz as decimal text (a decimal comma too), to whole Hz; further decimals are dropped.
std::optional<qint64> ParseMHz(const QString& text);

} // namespace csv
