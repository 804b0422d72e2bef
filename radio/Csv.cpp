#include "radio/Csv.h"

#include "radio/Radio.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <map>
#include <optional>

using namespace layout;

namespace csv {

const char kHeader[] = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                       "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                       "RPT1CALL,RPT2CALL,DVCODE";

namespace {

// ---- Export -----------------------------------------------------------------------------

QString Quoted(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n')))
        return field;
    QString doubled = field;
    doubled.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString MHzSixDecimals(int hz) {
    return QStringLiteral("%1.%2").arg(hz / 1'000'000).arg(hz % 1'000'000, 6, 10, QLatin1Char('0'));
}

QString KHzTwoDecimals(int hz) {
    return QStringLiteral("%1.%2").arg(hz / 1000).arg((hz % 1000) / 10, 2, 10, QLatin1Char('0'));
}

// The step of the band the frequency lies in; above the last usable edge it is the top band's.
QString BandStepText(CVR500Radio& radio, int hz) {
    int entry = radio.BandIndexFor(hz);
    if (entry < 0)
        entry = ri::kBandEntries - 1;
    const int stepHz = StepHz(radio.EditRadio()[ri::BandEntry(entry) + 3] >> 4);
    return stepHz > 0 ? KHzTwoDecimals(stepHz) : QString();
}

QString ChannelRow(CVR500Radio& radio, int n) {
    const ChannelRecord& rec = *radio.GetChannel(n);
    const bool preferential = rec.flags & ri::kFlagPreferential;
    const QStringList fields = {
        QString::number(n),
        Quoted(NameToFileText(rec.name)),
        MHzSixDecimals(rec.frequencyHz),
        QString(),
        QStringLiteral("0.000000"),
        QString(),
        QStringLiteral("88.5"),
        QStringLiteral("88.5"),
        QStringLiteral("023"),
        QStringLiteral("NN"),
        QStringLiteral("023"),
        QStringLiteral("Tone->Tone"),
        ModeName(rec.flags & ri::kFlagModeMask),
        BandStepText(radio, rec.frequencyHz),
        preferential ? QStringLiteral("P") : QString(),
        QString(),
        QStringLiteral("Bank %1").arg((n - 1) / ri::kBankSize),
        QString(),
        QString(),
        QString(),
        QString(),
    };
    return fields.join(QLatin1Char(','));
}

// ---- Reading the text -------------------------------------------------------------------

// Tells progress every few thousand steps of a stage that covers [from, to] percent; once it
// says stop, every later call says so too.
class Stages {
public:
    explicit Stages(const Progress& progress) : progress_(progress) {}
    bool Go(qsizetype done, qsizetype total, int from, int to) {
        if (!progress_ || stopped_ || (done & 4095) != 0)
            return !stopped_;
        const int percent =
            from + static_cast<int>((to - from) * done / std::max<qsizetype>(total, 1));
        stopped_ = !progress_(percent);
        return !stopped_;
    }
    bool Stopped() const { return stopped_; }

private:
    const Progress& progress_;
    bool stopped_ = false;
};

struct Record {
    int line;
    QStringList fields;
};

// Line ends are plain bytes in UTF-8, so each line can be checked on its own; CRLF, LF and a
// lone CR each end a line, as they do for the records.
std::optional<int> FirstBadUtf8Line(const QByteArray& bytes) {
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        const bool end = i == bytes.size() || bytes[i] == '\n' || bytes[i] == '\r';
        if (!end)
            continue;
        QStringDecoder decoder(QStringDecoder::Utf8);
        (void)QString(decoder(bytes.mid(start, i - start)));
        if (decoder.hasError())
            return line;
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
        ++line;
    }
    return std::nullopt;
}

// Splits into records: quoted fields may hold commas, doubled quotes and line ends; CRLF, LF
// and a lone CR all end a record. Blank lines carry no record.
std::vector<Record> SplitRecords(const QString& text, std::vector<Problem>& problems,
                                 Stages& stages) {
    std::vector<Record> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    int recordLine = 1;
    int quoteLine = 1;
    auto endField = [&] {
        fields.append(field);
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        if (!fields.isEmpty() || fieldStarted || !field.isEmpty()) {
            endField();
            records.push_back({recordLine, fields});
        }
        fields.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!stages.Go(i, text.size(), 0, 40))
            return records;
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                const bool crlf = c == QLatin1Char('\r') && i + 1 < text.size() &&
                                  text[i + 1] == QLatin1Char('\n');
                if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !crlf))
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty() && !fieldStarted) {
            quoted = fieldStarted = true;
            quoteLine = line;
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRecord();
            recordLine = ++line;
        } else {
            field.append(c);
            fieldStarted = true;
        }
    }
    if (quoted)
        problems.push_back({quoteLine, QStringLiteral("a quoted field is not closed")});
    else
        endRecord();
    return records;
}

// ---- Rows to channels -------------------------------------------------------------------

struct Columns {
    int location = -1;
    int name = -1;
    int frequency = -1;
    int mode = -1;
    int skip = -1;
};

Columns FindColumns(const QStringList& header) {
    Columns c;
    const std::pair<const char*, int Columns::*> known[] = {{"Location", &Columns::location},
                                                            {"Name", &Columns::name},
                                                            {"Frequency", &Columns::frequency},
                                                            {"Mode", &Columns::mode},
                                                            {"Skip", &Columns::skip}};
    for (int i = 0; i < header.size(); ++i)
        for (const auto& [title, member] : known)
            if (c.*member < 0 &&
                header[i].trimmed().compare(QLatin1String(title), Qt::CaseInsensitive) == 0)
                c.*member = i;
    return c;
}

QString Field(const Record& r, int column) {
    return (column >= 0 && column < r.fields.size()) ? r.fields[column] : QString();
}

bool AllDigits(QStringView text) {
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// MHz as decimal text, to whole Hz (further decimals are dropped); nothing for other text.
std::optional<qint64> ParseMHz(const QString& text) {
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

struct Planned {
    int line;
    int channel;
    int hz;
    int mode;
    bool preferential;
    Byte name[8];
};

class RowReader {
public:
    RowReader(CVR500Radio& radio, const Columns& columns, int firstChannel)
        : radio_(radio), columns_(columns), next_(firstChannel) {}

    void Read(const Record& row) {
        const int before = static_cast<int>(problems.size());
        Planned p{};
        p.line = row.line;
        p.channel = Channel(row);
        ReadFrequency(row, p);
        ReadName(row, p);
        ReadMode(row, p);
        p.preferential =
            Field(row, columns_.skip).trimmed().compare(QLatin1String("P"), Qt::CaseInsensitive) ==
            0;
        if (static_cast<int>(problems.size()) == before)
            planned.push_back(p);
    }

    std::vector<Planned> planned;
    std::vector<Problem> problems;
    std::vector<Problem> cutNames;
    bool refusedForVersion = false;

private:
    void Fail(int line, const QString& reason) { problems.push_back({line, reason}); }

    int Channel(const Record& row) {
        if (next_ > 0) {
            const int n = next_++;
            if (n > ri::kChannelCount)
                Fail(row.line, QStringLiteral("the row goes past channel 1000"));
            return n;
        }
        const QString text = Field(row, columns_.location).trimmed();
        bool ok = false;
        const int n = AllDigits(text) ? text.toInt(&ok) : 0;
        if (!ok || n < 1 || n > ri::kChannelCount) {
            Fail(row.line, QStringLiteral("Location \"%1\" is not a channel number 1..1000")
                               .arg(VisibleText(text)));
            return 0;
        }
        if (const auto seen = firstLine_.find(n); seen != firstLine_.end())
            Fail(row.line,
                 QStringLiteral("channel %1 is also set by line %2").arg(n).arg(seen->second));
        else
            firstLine_[n] = row.line;
        return n;
    }

    void ReadFrequency(const Record& row, Planned& p) {
        const QString text = Field(row, columns_.frequency).trimmed();
        const std::optional<qint64> hz = ParseMHz(text);
        if (!hz || *hz == 0) {
            Fail(row.line, QStringLiteral("Frequency \"%1\" is not a frequency in MHz")
                               .arg(VisibleText(text)));
            return;
        }
        if (*hz > kLargestFreq8Hz) {
            Fail(row.line, VisibleText(text) + QStringLiteral(" is not a valid frequency"));
            return;
        }
        const int snapped = SnapTo50Hz(static_cast<int>(*hz));
        if (radio_.IsFrequencyBlocked(snapped)) {
            Fail(row.line, FrequencyMessage(snapped));
            refusedForVersion = true;
            return;
        }
        p.hz = snapped;
    }

    void ReadName(const Record& row, Planned& p) {
        const QString written = Field(row, columns_.name);
        if (const std::optional<QChar> bad = FirstUnshowableChar(written)) {
            Fail(row.line, QStringLiteral("Name \"%1\": the receiver cannot show \"%2\"")
                               .arg(VisibleText(written), VisibleText(QString(*bad))));
            return;
        }
        const QString whole = NameFromFileText(written);
        const QString name = whole.left(ri::kChannelNameSize);
        NameFromText(name, p.name);
        if (whole.size() > name.size())
            cutNames.push_back({row.line, QStringLiteral("Name \"%1\" was cut to \"%2\"")
                                              .arg(VisibleText(whole), VisibleText(name))});
    }

    // An empty mode takes the band plan's; "FM" is the other programs' word for NFM.
    void ReadMode(const Record& row, Planned& p) {
        const QString text = Field(row, columns_.mode).trimmed();
        const QString mode = text.toUpper();
        p.mode = mode == QLatin1String("FM") ? ModeCode(QStringLiteral("NFM")) : ModeCode(mode);
        if (p.mode != 0)
            return;
        if (!text.isEmpty())
            Fail(
                row.line,
                QStringLiteral("Mode \"%1\" is not a mode of the receiver").arg(VisibleText(text)));
        else if (p.hz > 0)
            p.mode = radio_.BandModeFor(p.hz);
    }

    CVR500Radio& radio_;
    Columns columns_;
    int next_;
    std::map<int, int> firstLine_;
};

// Spreadsheets leave rows of bare commas behind.
bool IsBlank(const Record& r) {
    for (const QString& f : r.fields)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

void Apply(CVR500Radio& radio, const Planned& p) {
    ChannelRecord rec = *radio.GetChannel(p.channel);
    EncodeDigits(rec.code, p.hz, 8);
    const Byte kept = rec.flags & static_cast<Byte>(~(ri::kFlagModeMask | ri::kFlagPreferential));
    rec.flags = kept | static_cast<Byte>(p.mode & ri::kFlagModeMask) |
                (p.preferential ? ri::kFlagPreferential : Byte{0});
    std::memcpy(rec.name, p.name, sizeof rec.name);
    radio.StoreChannel(rec, p.channel);
    radio.SetChannelUsed(p.channel, true);
}

} // namespace

QByteArray ExportChannels(CVR500Radio& radio) {
    QString text = QString::fromLatin1(kHeader) + QStringLiteral("\r\n");
    for (int n = 1; n <= ri::kChannelCount; ++n)
        if (radio.IsChannelUsed(n))
            text += ChannelRow(radio, n) + QStringLiteral("\r\n");
    return text.toUtf8();
}

ImportResult ImportChannels(CVR500Radio& radio, const QByteArray& bytes, int firstChannel,
                            const Progress& progress) {
    ImportResult result;
    Stages stages(progress);
    const auto stopped = [&] {
        result.problems.clear();
        result.failure = QStringLiteral("The import was cancelled; no channels were changed.");
        return result;
    };
    if (const std::optional<int> line = FirstBadUtf8Line(bytes)) {
        result.problems.push_back({*line, QStringLiteral("the text is not UTF-8")});
        return result;
    }
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    std::vector<Record> records = SplitRecords(text, result.problems, stages);
    if (stages.Stopped())
        return stopped();
    if (!result.problems.empty())
        return result;
    if (records.empty()) {
        result.problems.push_back({1, QStringLiteral("there is no header line")});
        return result;
    }
    const Columns columns = FindColumns(records.front().fields);
    const int headerLine = records.front().line;
    if (columns.frequency < 0)
        result.problems.push_back(
            {headerLine, QStringLiteral("the header has no Frequency column")});
    if (columns.location < 0 && firstChannel <= 0)
        result.problems.push_back(
            {headerLine, QStringLiteral("the header has no Location column")});
    if (firstChannel > ri::kChannelCount)
        result.problems.push_back(
            {headerLine, QStringLiteral("there is no channel %1").arg(firstChannel)});
    if (!result.problems.empty())
        return result;

    RowReader reader(radio, columns, firstChannel);
    for (size_t i = 1; i < records.size(); ++i) {
        if (!stages.Go(static_cast<qsizetype>(i), static_cast<qsizetype>(records.size()), 40, 100))
            return stopped();
        if (!IsBlank(records[i]))
            reader.Read(records[i]);
    }
    if (!reader.problems.empty()) {
        result.problems = std::move(reader.problems);
        if (reader.refusedForVersion)
            result.acceptedRanges = AcceptedRangesNote(radio.Country(), radio.Wideband());
        return result;
    }
    for (const Planned& p : reader.planned)
        Apply(radio, p);
    result.channelsSet = static_cast<int>(reader.planned.size());
    result.cutNames = std::move(reader.cutNames);
    return result;
}

ImportResult ImportFile(CVR500Radio& radio, const QString& path, int firstChannel,
                        const Progress& progress) {
    ImportResult refused;
    const QFileInfo info(path);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        refused.failure = QStringLiteral("Cannot open file:\n") + path;
        return refused;
    }
    // A plain file says its size up front; a device or pipe is read only up to the bound.
    const QByteArray text =
        info.isFile() && info.size() > kLargestFile ? QByteArray() : file.read(kLargestFile + 1);
    if (info.size() > kLargestFile || text.size() > kLargestFile) {
        refused.failure =
            QStringLiteral("File too large for a channel list (more than %1 MiB):\n%2")
                .arg(kLargestFile / (1024 * 1024))
                .arg(path);
        return refused;
    }
    return ImportChannels(radio, text, firstChannel, progress);
}

QStringList ProblemLines(const std::vector<Problem>& problems, const QString& where) {
    QStringList lines;
    const std::size_t listed = std::min<std::size_t>(problems.size(), kListedProblems);
    for (std::size_t i = 0; i < listed; ++i)
        lines
            << QStringLiteral("%1%2: %3").arg(where).arg(problems[i].line).arg(problems[i].reason);
    if (problems.size() > listed)
        lines << QStringLiteral("and %1 more").arg(problems.size() - listed);
    return lines;
}

} // namespace csv
