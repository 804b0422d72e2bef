#include "radio/CsvDialects.h"

#include "radio/Codecs.h"

#include <algorithm>

namespace csv {

namespace {

constexpr std::array<int, kRoleCount> kNoPositions{-1, -1, -1, -1, -1, -1};

// Order matters: on equal matches the earlier dialect is taken.
const Dialect kDialects[] = {
    {"common",
     "Common radio-programmer columns (Location, Name, Frequency, ...)",
     {"Location", "Name", "Frequency", "Mode", "Skip", "Comment"},
     "Duplex|Offset|Tone|rToneFreq|cToneFreq|DtcsCode|DtcsPolarity|RxDtcsCode|CrossMode|TStep|"
     "Power|URCALL|RPT1CALL|RPT2CALL|DVCODE",
     kNoPositions,
     "P"},
    {"commercial",
     "Commercial programmer columns (Channel Number, Receive Frequency, ...)",
     {"Channel Number|Memory Number|Channel", "Name|Channel Name|Memory Name",
      "Receive Frequency|Rx Frequency", "Operating Mode|Mode", "Skip", "Comment"},
     "Transmit Frequency|Tx Frequency|Offset Frequency|Offset Direction|Tone Mode|CTCSS|"
     "Rx CTCSS|DCS|DCS Polarity|Step|Tuning Step|Clock Shift|Tx Power|Tx Narrow|Pager Enable|"
     "Bank|Attenuator|Show Name",
     kNoPositions,
     "P|S|Select|Pref|Preferential"},
    {"plain",
     "Frequency, name and mode, with or without a header",
     {nullptr, "Name|Description|Label|Tag|Station",
      "Frequency|Freq|MHz|Frequency (MHz)|Receive Frequency", "Mode", nullptr,
      "Comment|Notes|Remarks"},
     "Location|Country",
     {-1, 1, 0, 2, -1, -1},
     ""},
};

bool Listed(const char* names, const QString& cell) {
    if (names == nullptr)
        return false;
    const QString wanted = cell.trimmed();
    for (const QString& name : QString::fromLatin1(names).split(QLatin1Char('|')))
        if (!name.isEmpty() && wanted.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int Found(const ColumnMap& columns) {
    int found = 0;
    for (int c : columns)
        found += c >= 0;
    return found;
}

bool Usable(const Dialect& d, const ColumnMap& columns) {
    const bool numbered = d.names[static_cast<int>(Role::Location)] != nullptr;
    return columns[static_cast<int>(Role::Frequency)] >= 0 &&
           (!numbered || columns[static_cast<int>(Role::Location)] >= 0);
}

bool AllDigits(QStringView text) {
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

Recognised Headerless(const Dialect& d) {
    Recognised r;
    r.dialect = &d;
    r.hasHeader = false;
    r.columns = d.positions;
    return r;
}

} // namespace

QString RoleTitle(Role role) {
    static const char* const titles[] = {"Channel", "Name", "Frequency", "Mode", "Skip", "Comment"};
    return QString::fromLatin1(titles[static_cast<int>(role)]);
}

std::span<const Dialect> Dialects() {
    return kDialects;
}

const Dialect* FindDialect(const QString& key) {
    for (const Dialect& d : kDialects)
        if (key.compare(QLatin1String(d.key), Qt::CaseInsensitive) == 0)
            return &d;
    return nullptr;
}

QString DialectKeys() {
    QStringList keys;
    for (const Dialect& d : kDialects)
        keys << QLatin1String(d.key);
    return keys.join(QStringLiteral(", "));
}

QChar GuessSeparator(const QString& text) {
    bool quoted = false;
    bool lineStart = true;
    bool comment = false;
    for (QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (!comment && !lineStart && !quoted)
                break;
            comment = false;
            lineStart = true;
            continue;
        }
        if (lineStart && c == QLatin1Char('#'))
            comment = true;
        lineStart = false;
        if (comment)
            continue;
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\t') || c == QLatin1Char(';')))
            return c;
    }
    return QLatin1Char(',');
}

ColumnMap ColumnsFor(const Dialect& dialect, const QStringList& header) {
    ColumnMap columns{-1, -1, -1, -1, -1, -1};
    for (int i = 0; i < header.size(); ++i)
        for (int role = 0; role < kRoleCount; ++role)
            if (columns[role] < 0 && Listed(dialect.names[role], header[i])) {
                columns[role] = i;
                break;
            }
    return columns;
}

QStringList UnknownColumns(const Dialect& dialect, const QStringList& header,
                           const ColumnMap& columns) {
    QStringList unknown;
    for (int i = 0; i < header.size(); ++i) {
        const bool used = std::find(columns.begin(), columns.end(), i) != columns.end();
        if (!used && !Listed(dialect.ignored, header[i]) && !header[i].trimmed().isEmpty())
            unknown << header[i].trimmed();
    }
    return unknown;
}

Recognised Recognise(const QStringList& firstRecord, const QString& format) {
    const Dialect* only = format.isEmpty() ? nullptr : FindDialect(format);
    Recognised best;
    int bestFound = 0;
    for (const Dialect& d : kDialects) {
        if (only != nullptr && only != &d)
            continue;
        const ColumnMap columns = ColumnsFor(d, firstRecord);
        if (!Usable(d, columns) || Found(columns) <= bestFound)
            continue;
        bestFound = Found(columns);
        best.dialect = &d;
        best.columns = columns;
    }
    if (best.dialect != nullptr) {
        best.headerCells = firstRecord;
        best.unknownColumns = UnknownColumns(*best.dialect, firstRecord, best.columns);
        return best;
    }
    for (const Dialect& d : kDialects) {
        if ((only != nullptr && only != &d) || d.positions == kNoPositions)
            continue;
        const int at = d.positions[static_cast<int>(Role::Frequency)];
        if (at < firstRecord.size() && ParseMHz(firstRecord[at].trimmed()))
            return Headerless(d);
    }
    best.headerCells = firstRecord;
    return best;
}

std::optional<qint64> ParseMHz(const QString& written) {
    QString text = written;
    if (!text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    const QStringView whole = QStringView(text).left(dot < 0 ? text.size() : dot);
    const QStringView fraction = dot < 0 ? QStringView() : QStringView(text).mid(dot + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || !AllDigits(whole) || !AllDigits(fraction))
        return std::nullopt;
    qint64 hz = 0;
    for (QChar c : whole) {
        hz = hz * 10 + (c.unicode() - '0');
        if (hz > kLargestFreq8Hz)
            return hz * 1'000'000; // already far too high; stop before it overflows
    }
    hz *= 1'000'000;
    qint64 scale = 100'000;
    for (qsizetype i = 0; i < fraction.size() && scale > 0; ++i, scale /= 10)
        hz += (fraction[i].unicode() - '0') * scale;
    return hz;
}

} // namespace csv
