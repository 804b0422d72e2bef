#include "radio/Csv.h"

#include "radio/Radio.h"

#include <QCoreApplication>
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

// Splits into records: quoted fields may hold separators, doubled quotes and line ends; CRLF,
// LF and a lone CR all end a record. Blank lines and lines starting with '#' carry no record.
std::vector<Record> SplitRecords(const QString& text, QChar separator,
                                 std::vector<Problem>& problems, Stages& stages) {
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
        const bool recordStart = fields.isEmpty() && field.isEmpty() && !fieldStarted;
        if (c == QLatin1Char('#') && recordStart) {
            while (i + 1 < text.size() && text[i + 1] != QLatin1Char('\r') &&
                   text[i + 1] != QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('"') && field.isEmpty() && !fieldStarted) {
            quoted = fieldStarted = true;
            quoteLine = line;
        } else if (c == separator) {
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
        problems.push_back(
            {quoteLine, QCoreApplication::translate("Csv", "a quoted field is not closed")});
    else
        endRecord();
    return records;
}

// ---- Rows to channels -------------------------------------------------------------------

QString Field(const Record& r, const ColumnMap& columns, Role role) {
    const int column = columns[static_cast<int>(role)];
    return (column >= 0 && column < r.fields.size()) ? r.fields[column] : QString();
}

bool AllDigits(QStringView text) {
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Spreadsheets leave rows of bare separators behind.
bool IsBlank(const Record& r) {
    for (const QString& f : r.fields)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

// A list that starts with row 0 and stays below 1000 was written by a program that counts
// from 0; its row 0 is channel 1.
bool NumberedFromZero(const std::vector<Record>& records, const Recognised& recognised) {
    if (recognised.columns[static_cast<int>(Role::Location)] < 0)
        return false;
    bool first = true;
    for (size_t i = recognised.hasHeader ? 1 : 0; i < records.size(); ++i) {
        if (IsBlank(records[i]))
            continue;
        const QString text = Field(records[i], recognised.columns, Role::Location).trimmed();
        bool ok = false;
        const int n = AllDigits(text) ? text.toInt(&ok) : -1;
        if (!ok || n >= ri::kChannelCount || (first && n != 0))
            return false;
        first = false;
    }
    return !first;
}

class RowReader {
public:
    RowReader(CVR500Radio& radio, const Recognised& recognised, const Options& options)
        : radio_(radio), columns_(recognised.columns), options_(options),
          fromZero_(recognised.fromZero),
          preferential_(QString::fromLatin1(recognised.dialect->preferential)
                            .split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        if (options.placement == Placement::At)
            next_ = options.first;
        else if (options.placement == Placement::Bank)
            next_ = options.bank * ri::kBankSize + 1;
    }

    void Read(const Record& row) {
        const size_t before = problems.size();
        PlannedRow p;
        p.line = row.line;
        if (options_.placement == Placement::ByNumber)
            p.channel = Numbered(row);
        ReadFrequency(row, p);
        ReadName(row, p);
        ReadMode(row, p);
        const QString skip = Field(row, columns_, Role::Skip).trimmed();
        p.preferential = !skip.isEmpty() && preferential_.contains(skip, Qt::CaseInsensitive);
        p.comment = Field(row, columns_, Role::Comment).trimmed();
        if (problems.size() == before && options_.placement != Placement::ByNumber)
            p.channel = Sequential(row);
        QStringList reasons;
        for (size_t i = before; i < problems.size(); ++i)
            reasons << problems[i].reason;
        p.refused = reasons.join(QStringLiteral("; "));
        rows.push_back(p);
    }

    std::vector<PlannedRow> rows;
    std::vector<Problem> problems;
    std::vector<Problem> cutNames;
    bool refusedForVersion = false;

private:
    void Fail(int line, const QString& reason) { problems.push_back({line, reason}); }

    int Numbered(const Record& row) {
        const QString text = Field(row, columns_, Role::Location).trimmed();
        bool ok = false;
        const int written = AllDigits(text) ? text.toInt(&ok) : -1;
        const int n = written + (fromZero_ ? 1 : 0);
        if (!ok || n < 1 || n > ri::kChannelCount) {
            Fail(row.line, QStringLiteral("Location \"%1\" is not a channel number %2")
                               .arg(VisibleText(text), fromZero_ ? QStringLiteral("0..999")
                                                                 : QStringLiteral("1..1000")));
            return 0;
        }
        if (const auto seen = firstLine_.find(n); seen != firstLine_.end())
            Fail(row.line, QCoreApplication::translate("Csv", "channel %1 is also set by line %2")
                               .arg(n)
                               .arg(seen->second));
        else
            firstLine_[n] = row.line;
        return n;
    }

    // Only rows that will be written take a channel, so leaving refused rows out closes ranks.
    int Sequential(const Record& row) {
        if (options_.placement == Placement::Append) {
            while (next_ <= ri::kChannelCount && radio_.IsChannelUsed(next_))
                ++next_;
            if (next_ > ri::kChannelCount) {
                Fail(row.line,
                     QCoreApplication::translate("Csv", "no free channel is left for the row"));
                return 0;
            }
            return next_++;
        }
        const int last = options_.placement == Placement::Bank ? (options_.bank + 1) * ri::kBankSize
                                                               : ri::kChannelCount;
        if (next_ > last) {
            Fail(row.line,
                 options_.placement == Placement::Bank
                     ? QCoreApplication::translate("Csv", "the row goes past the end of bank %1")
                           .arg(options_.bank)
                     : QCoreApplication::translate("Csv", "the row goes past channel 1000"));
            return 0;
        }
        return next_++;
    }

    void ReadFrequency(const Record& row, PlannedRow& p) {
        const QString text = Field(row, columns_, Role::Frequency).trimmed();
        const std::optional<qint64> hz = ParseMHz(text);
        if (!hz || *hz == 0) {
            Fail(row.line, QStringLiteral("Frequency \"%1\" is not a frequency in MHz")
                               .arg(VisibleText(text)));
            return;
        }
        if (*hz > kLargestFreq8Hz) {
            Fail(row.line, VisibleText(text) +
                               QCoreApplication::translate("Csv", " is not a valid frequency"));
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

    void ReadName(const Record& row, PlannedRow& p) {
        const QString written = Field(row, columns_, Role::Name);
        if (const std::optional<QChar> bad = FirstUnshowableChar(written)) {
            Fail(row.line, QStringLiteral("Name \"%1\": the receiver cannot show \"%2\"")
                               .arg(VisibleText(written), VisibleText(QString(*bad))));
            return;
        }
        const QString whole = NameFromFileText(written);
        p.name = whole.left(ri::kChannelNameSize);
        if (whole.size() > p.name.size())
            cutNames.push_back({row.line, QStringLiteral("Name \"%1\" was cut to \"%2\"")
                                              .arg(VisibleText(whole), VisibleText(p.name))});
    }

    // An empty mode takes the band plan's; "FM" is the other programs' word for NFM.
    void ReadMode(const Record& row, PlannedRow& p) {
        const QString text = Field(row, columns_, Role::Mode).trimmed();
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
    ColumnMap columns_;
    const Options& options_;
    bool fromZero_;
    QStringList preferential_;
    int next_ = 1;
    std::map<int, int> firstLine_;
};

void Apply(CVR500Radio& radio, const PlannedRow& p) {
    ChannelRecord rec = *radio.GetChannel(p.channel);
    EncodeDigits(rec.code, p.hz, 8);
    const Byte kept = rec.flags & static_cast<Byte>(~(ri::kFlagModeMask | ri::kFlagPreferential));
    rec.flags = kept | static_cast<Byte>(p.mode & ri::kFlagModeMask) |
                (p.preferential ? ri::kFlagPreferential : Byte{0});
    NameFromText(p.name, rec.name);
    radio.StoreChannel(rec, p.channel);
    radio.SetChannelUsed(p.channel, true);
}

// The header-level checks: what the rows cannot be read without.
void CheckLayout(const Plan& plan, const Options& options, int headerLine,
                 std::vector<Problem>& problems) {
    const Recognised& r = plan.recognised;
    if (r.dialect == nullptr || r.columns[static_cast<int>(Role::Frequency)] < 0) {
        problems.push_back(
            {headerLine, QCoreApplication::translate("Csv", "the header has no Frequency column")});
        return;
    }
    if (r.columns[static_cast<int>(Role::Location)] < 0 && options.placement == Placement::ByNumber)
        problems.push_back(
            {headerLine, QCoreApplication::translate("Csv", "the header has no Location column")});
    if (options.placement == Placement::At &&
        (options.first < 1 || options.first > ri::kChannelCount))
        problems.push_back(
            {headerLine,
             QCoreApplication::translate("Csv", "there is no channel %1").arg(options.first)});
    if (options.placement == Placement::Bank &&
        (options.bank < 0 || options.bank >= ri::kChannelCount / ri::kBankSize))
        problems.push_back(
            {headerLine,
             QCoreApplication::translate("Csv", "there is no bank %1").arg(options.bank)});
}

// Today's numbering argument: 0 for the rows' own numbers, else the channel of the first row.
Options AtOptions(int firstChannel) {
    Options options;
    if (firstChannel > 0) {
        options.placement = Placement::At;
        options.first = firstChannel;
    }
    return options;
}

} // namespace

QByteArray ExportChannels(CVR500Radio& radio) {
    QString text = QString::fromLatin1(kHeader) + QStringLiteral("\r\n");
    for (int n = 1; n <= ri::kChannelCount; ++n)
        if (radio.IsChannelUsed(n))
            text += ChannelRow(radio, n) + QStringLiteral("\r\n");
    return text.toUtf8();
}

Plan PlanImport(CVR500Radio& radio, const QByteArray& bytes, const Options& options,
                const Progress& progress) {
    Plan plan;
    plan.placement = options.placement;
    plan.bank = options.bank;
    Stages stages(progress);
    const auto stopped = [&] {
        plan = Plan{};
        plan.failure = QCoreApplication::translate(
            "Csv", "The import was cancelled; no channels were changed.");
        return plan;
    };
    if (const std::optional<int> line = FirstBadUtf8Line(bytes)) {
        plan.fileProblems.push_back(
            {*line, QCoreApplication::translate("Csv", "the text is not UTF-8")});
        return plan;
    }
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const Dialect* chosen = options.format.isEmpty() ? nullptr : FindDialect(options.format);
    if (!options.format.isEmpty() && chosen == nullptr) {
        plan.fileProblems.push_back(
            {1, QCoreApplication::translate("Csv", "there is no list format \"%1\" (there are %2)")
                    .arg(VisibleText(options.format), DialectKeys())});
        return plan;
    }
    const QChar separator = GuessSeparator(text);
    std::vector<Record> records = SplitRecords(text, separator, plan.fileProblems, stages);
    if (stages.Stopped())
        return stopped();
    if (!plan.fileProblems.empty())
        return plan;
    if (records.empty()) {
        plan.fileProblems.push_back(
            {1, QCoreApplication::translate("Csv", "there is no header line")});
        return plan;
    }
    plan.recognised = Recognise(records.front().fields, options.format);
    plan.recognised.separator = separator;
    if (plan.recognised.dialect == nullptr && chosen != nullptr)
        plan.recognised.dialect = chosen;
    Recognised& r = plan.recognised;
    r.hasHeader = options.hasHeader.value_or(r.hasHeader);
    if (options.columns && r.dialect != nullptr)
        r.columns = *options.columns;
    r.unknownColumns = r.hasHeader && r.dialect != nullptr
                           ? UnknownColumns(*r.dialect, records.front().fields, r.columns)
                           : QStringList();
    plan.recognised.fromZero =
        options.fromZero.value_or(NumberedFromZero(records, plan.recognised));
    CheckLayout(plan, options, records.front().line, plan.fileProblems);
    if (!plan.fileProblems.empty())
        return plan;

    RowReader reader(radio, plan.recognised, options);
    for (size_t i = plan.recognised.hasHeader ? 1 : 0; i < records.size(); ++i) {
        if (!stages.Go(static_cast<qsizetype>(i), static_cast<qsizetype>(records.size()), 40, 100))
            return stopped();
        if (!IsBlank(records[i]))
            reader.Read(records[i]);
    }
    plan.rows = std::move(reader.rows);
    plan.rowProblems = std::move(reader.problems);
    plan.cutNames = std::move(reader.cutNames);
    if (reader.refusedForVersion)
        plan.acceptedRanges = AcceptedRangesNote(radio.Country(), radio.Wideband());
    return plan;
}

ImportResult ApplyPlan(CVR500Radio& radio, const Plan& plan, bool skipRefused) {
    ImportResult result;
    result.failure = plan.failure;
    result.acceptedRanges = plan.acceptedRanges;
    if (!plan.failure.isEmpty())
        return result;
    if (!plan.fileProblems.empty() || (!plan.rowProblems.empty() && !skipRefused)) {
        result.problems = plan.fileProblems.empty() ? plan.rowProblems : plan.fileProblems;
        return result;
    }
    if (plan.placement == Placement::Bank)
        for (int n = plan.bank * ri::kBankSize + 1; n <= (plan.bank + 1) * ri::kBankSize; ++n)
            radio.ClearChannel(n);
    for (const PlannedRow& p : plan.rows)
        if (p.refused.isEmpty()) {
            Apply(radio, p);
            ++result.channelsSet;
        }
    for (const Problem& cut : plan.cutNames)
        if (std::any_of(plan.rows.begin(), plan.rows.end(), [&](const PlannedRow& p) {
                return p.line == cut.line && p.refused.isEmpty();
            }))
            result.cutNames.push_back(cut);
    result.skipped = plan.rowProblems;
    return result;
}

ImportResult ImportChannels(CVR500Radio& radio, const QByteArray& text, const Options& options,
                            const Progress& progress) {
    return ApplyPlan(radio, PlanImport(radio, text, options, progress), options.skipRefused);
}

ImportResult ImportChannels(CVR500Radio& radio, const QByteArray& text, int firstChannel,
                            const Progress& progress) {
    return ImportChannels(radio, text, AtOptions(firstChannel), progress);
}

QByteArray ReadListFile(const QString& path, QString& failure) {
    const QFileInfo info(path);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        failure = QCoreApplication::translate("Csv", "Cannot open file:\n") + path;
        return {};
    }
    // A plain file says its size up front; a device or pipe is read only up to the bound.
    const QByteArray text =
        info.isFile() && info.size() > kLargestFile ? QByteArray() : file.read(kLargestFile + 1);
    if (info.size() > kLargestFile || text.size() > kLargestFile) {
        failure = QCoreApplication::translate(
                      "Csv", "File too large for a channel list (more than %1 MiB):\n%2")
                      .arg(kLargestFile / (1024 * 1024))
                      .arg(path);
        return {};
    }
    return text;
}

ImportResult ImportFile(CVR500Radio& radio, const QString& path, const Options& options,
                        const Progress& progress) {
    ImportResult refused;
    const QByteArray text = ReadListFile(path, refused.failure);
    if (!refused.failure.isEmpty())
        return refused;
    return ImportChannels(radio, text, options, progress);
}

ImportResult ImportFile(CVR500Radio& radio, const QString& path, int firstChannel,
                        const Progress& progress) {
    return ImportFile(radio, path, AtOptions(firstChannel), progress);
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
