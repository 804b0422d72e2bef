// The commands that work on radio data files and CSV: new, info, channels, export, import.

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "radio/Csv.h"
#include "radio/FileIo.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>
#include <sys/stat.h>

using namespace layout;

namespace {

// The model as the tool uses it: messages through the tool's prompt.
struct Model {
    explicit Model(CliPrompt& prompt) { radio.SetPrompt(&prompt); }
    CVR500Radio radio;
};

std::optional<int> IntInRange(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return (ok && value >= low && value <= high) ? std::optional<int>(value) : std::nullopt;
}

bool WriteTextFile(const QString& path, const QByteArray& bytes) {
    const QString failure = SaveWholeFile(path, bytes);
    if (!failure.isEmpty())
        PrintError(failure);
    return failure.isEmpty();
}

// True when both paths exist and reach the same file, through links of either kind too.
bool SameFile(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Writing the output over the input would lose the input and still report success.
bool RefusedAsInput(const QString& output, const QString& input) {
    if (!SameFile(output, input))
        return false;
    PrintError(QStringLiteral("Refused: the output %1 is the file being read.\nChoose another "
                              "output file.")
                   .arg(output));
    return true;
}

bool WriteToStdout(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, bytes.size(), stdout) ==
           static_cast<size_t>(bytes.size());
}

// Points the settings at a scratch folder holding only the given country, so the model's
// New starts from that country's default image without touching the user's settings.
class ScopedCountry {
public:
    ScopedCountry(int country, int wideband)
        : home_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch_.path());
        WriteCountrySettings(country, wideband);
    }
    ~ScopedCountry() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home_); }
    ScopedCountry(const ScopedCountry&) = delete;
    ScopedCountry& operator=(const ScopedCountry&) = delete;

private:
    QString home_;
    QTemporaryDir scratch_;
};

// ---- new ------------------------------------------------------------------------------

int RunNew(const Invocation& inv) {
    if (!inv.Has("-o"))
        return UsageError(inv.command, QStringLiteral("-o FILE is required"));
    int country = settings::kDefaultCountry;
    int wideband = settings::kDefaultWideband;
    ReadCountrySettings(country, wideband);
    if (inv.Has("--country")) {
        const std::optional<int> chosen = IntInRange(inv.Value("--country"), 0, 4);
        if (!chosen)
            return UsageError(inv.command, QStringLiteral("--country takes 0..4"));
        country = *chosen;
        wideband = 0;
    }
    if (inv.Flag("--wideband"))
        wideband = 1;

    Model m(inv.prompt);
    {
        ScopedCountry scope(country, wideband);
        m.radio.NewImage();
    }
    return m.radio.SaveTo(inv.Value("-o")) ? kExitOk : kExitFailed;
}

// ---- info -----------------------------------------------------------------------------

// A header text field as shown: a file may hold anything there, terminal commands included.
QString HeaderText(const Image& image, int at, int size) {
    QByteArray bytes(reinterpret_cast<const char*>(image.data() + at), size);
    const qsizetype end = bytes.indexOf('\0');
    return VisibleText(QString::fromLatin1(end < 0 ? bytes : bytes.left(end)));
}

int RunInfo(const Invocation& inv) {
    Model m(inv.prompt);
    CVR500Radio& r = m.radio;
    const QString path = inv.positional[0];
    if (!r.LoadFile(path))
        return kExitFailed;
    const Image& im = r.EditImage();
    auto line = [](const char* label, const QString& value) {
        PrintOut(QStringLiteral("%1 %2").arg(QString::fromLatin1(label), -16).arg(value));
    };
    line("File:", path);
    line("Signature:", HeaderText(im, header::kSignature, 4));
    line("Radio tag:", HeaderText(im, header::kRadioTag, 4));
    line("Format word:", QString::number(GetU32(im.data() + header::kFormatWord)));
    line("File length:", QString::number(GetU32(im.data() + header::kFileLength)));
    line("Radio name:", HeaderText(im, header::kRadioName, header::kRadioNameSize));
    line("Channels:", QString::number(GetU16(im.data() + header::kChannelCount)));
    line("Record sizes:", QStringLiteral("%1, %2, %3")
                              .arg(GetU16(im.data() + header::kReservedRecordSize))
                              .arg(GetU16(im.data() + header::kSide10RecordSize))
                              .arg(GetU16(im.data() + header::kSide32RecordSize)));
    line("Region offsets:", QStringLiteral("%1, %2, %3, %4")
                                .arg(GetU32(im.data() + header::kReservedAreaOffset))
                                .arg(GetU32(im.data() + header::kSide10Offset))
                                .arg(GetU32(im.data() + header::kSide32Offset))
                                .arg(GetU32(im.data() + header::kRadioImageOffset)));
    line("Country code:", QString::number(r.Country()));
    line("Wideband flag:", QString::number(r.Wideband()));
    int total = 0;
    QStringList banks;
    for (int bank = 0; bank < ri::kChannelCount / ri::kBankSize; ++bank) {
        int used = 0;
        for (int n = bank * ri::kBankSize + 1; n <= (bank + 1) * ri::kBankSize; ++n)
            used += r.IsChannelUsed(n);
        total += used;
        banks.append(QStringLiteral("  Bank %1: %2").arg(bank).arg(used, 3));
    }
    line("Channels in use:", QString::number(total));
    PrintOut(banks.join(QLatin1Char('\n')));
    return kExitOk;
}

// ---- channels -------------------------------------------------------------------------

int RunChannels(const Invocation& inv) {
    Model m(inv.prompt);
    CVR500Radio& r = m.radio;
    if (!r.LoadFile(inv.positional[0]))
        return kExitFailed;
    for (int n = 1; n <= ri::kChannelCount; ++n) {
        if (!r.IsChannelUsed(n))
            continue;
        const ChannelRecord& rec = *r.GetChannel(n);
        QString row =
            QStringLiteral("%1  %2  %3  %4  %5")
                .arg(n, 4)
                .arg(FrequencyText(rec.frequencyHz), 10)
                .arg(ModeName(rec.flags & ri::kFlagModeMask), -3)
                .arg(VisibleText(TextFromName(rec.name)), -8)
                .arg((rec.flags & ri::kFlagPreferential) ? QStringLiteral("P") : QString());
        TrimRight(row);
        PrintOut(row);
    }
    return kExitOk;
}

// ---- export ---------------------------------------------------------------------------

int RunExport(const Invocation& inv) {
    const QString input = inv.positional[0];
    const QString output = inv.Value("-o");
    const bool toStdout = output.isEmpty() || output == QLatin1String("-");
    if (!toStdout && RefusedAsInput(output, input))
        return kExitFailed;
    Model m(inv.prompt);
    if (!m.radio.LoadFile(input))
        return kExitFailed;
    const QByteArray text = csv::ExportChannels(m.radio);
    if (toStdout)
        return WriteToStdout(text) ? kExitOk : kExitFailed;
    return WriteTextFile(output, text) ? kExitOk : kExitFailed;
}

// ---- import ---------------------------------------------------------------------------

// The placement and list format the options ask for; a problem in words when they conflict.
std::optional<csv::Options> ImportOptions(const Invocation& inv, QString& problem) {
    csv::Options options;
    const int placements = inv.Has("--at") + inv.Flag("--append") + inv.Has("--bank");
    if (placements > 1) {
        problem = QStringLiteral("choose one of --at, --append and --bank");
        return std::nullopt;
    }
    if (inv.Has("--at")) {
        const std::optional<int> at = IntInRange(inv.Value("--at"), 1, ri::kChannelCount);
        if (!at) {
            problem = QStringLiteral("--at takes a channel 1..1000");
            return std::nullopt;
        }
        options.placement = csv::Placement::At;
        options.first = *at;
    } else if (inv.Flag("--append")) {
        options.placement = csv::Placement::Append;
    } else if (inv.Has("--bank")) {
        const std::optional<int> bank =
            IntInRange(inv.Value("--bank"), 0, ri::kChannelCount / ri::kBankSize - 1);
        if (!bank) {
            problem = QStringLiteral("--bank takes a bank 0..9");
            return std::nullopt;
        }
        options.placement = csv::Placement::Bank;
        options.bank = *bank;
    }
    if (inv.Has("--format")) {
        options.format = inv.Value("--format");
        if (csv::FindDialect(options.format) == nullptr) {
            problem = QStringLiteral("--format takes one of: %1").arg(csv::DialectKeys());
            return std::nullopt;
        }
    }
    if (inv.Has("--numbered-from")) {
        const std::optional<int> base = IntInRange(inv.Value("--numbered-from"), 0, 1);
        if (!base) {
            problem = QStringLiteral("--numbered-from takes 0 or 1");
            return std::nullopt;
        }
        options.fromZero = *base == 0;
    }
    options.skipRefused = inv.Flag("--skip-bad");
    return options;
}

// What was recognised, so a wrong guess is seen: the format, the numbering, columns not read.
// Our own columns, as the export writes them, need no word.
void PrintRecognised(const csv::Plan& plan, const csv::Options& options) {
    const csv::Recognised& r = plan.recognised;
    if (r.dialect == nullptr)
        return;
    if (r.dialect != &csv::Dialects().front() || !r.hasHeader)
        PrintOut(QStringLiteral("Format: %1%2")
                     .arg(QLatin1String(r.dialect->key),
                          r.hasHeader ? QString() : QStringLiteral(", no header")));
    if (r.fromZero && options.placement == csv::Placement::ByNumber && !options.fromZero)
        PrintOut(QStringLiteral("The list is numbered from 0: its row 0 goes to channel 1 "
                                "(--numbered-from 1 reads the numbers as channels)."));
    if (!r.unknownColumns.isEmpty())
        PrintOut(QStringLiteral("Columns not read: %1")
                     .arg(r.unknownColumns.join(QStringLiteral(", "))));
}

int RunImport(const Invocation& inv) {
    const QString csvPath = inv.positional[0];
    const QString dataPath = inv.positional[1];
    QString problem;
    const std::optional<csv::Options> options = ImportOptions(inv, problem);
    if (!options)
        return UsageError(inv.command, problem);
    const QString out = inv.Has("-o") ? inv.Value("-o") : dataPath;
    if (RefusedAsInput(out, csvPath))
        return kExitFailed;

    Model m(inv.prompt);
    if (!m.radio.LoadFile(dataPath))
        return kExitFailed;
    QString failure;
    const QByteArray text = csv::ReadListFile(csvPath, failure);
    if (!failure.isEmpty()) {
        PrintError(failure);
        return kExitFailed;
    }
    const csv::Plan plan = csv::PlanImport(m.radio, text, *options);
    PrintRecognised(plan, *options);
    const csv::ImportResult result = csv::ApplyPlan(m.radio, plan, options->skipRefused);
    const QString where = csvPath + QLatin1Char(':');
    if (!result.problems.empty()) {
        for (const QString& line : csv::ProblemLines(result.problems, where))
            PrintError(line);
        if (!result.acceptedRanges.isEmpty())
            PrintError(result.acceptedRanges);
        if (plan.recognised.dialect != nullptr &&
            plan.recognised.columns[static_cast<int>(csv::Role::Location)] < 0 &&
            options->placement == csv::Placement::ByNumber)
            PrintError(QStringLiteral("The list names no channels: choose --at N, --append or "
                                      "--bank B."));
        PrintError(QStringLiteral("Nothing was written."));
        return kExitFailed;
    }
    if (!result.skipped.empty()) {
        PrintError(QStringLiteral("Rows left out:"));
        for (const QString& line : csv::ProblemLines(result.skipped, where))
            PrintError(line);
    }
    for (const QString& line : csv::ProblemLines(result.cutNames, where))
        PrintError(line);
    if (!m.radio.SaveTo(out))
        return kExitFailed;
    PrintOut(QStringLiteral("%1 channels set, written to %2").arg(result.channelsSet).arg(out));
    // Reported here, once, with what did happen: the file is written whatever became of the
    // summary.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        PrintError(QStringLiteral("Error writing file:\nstandard output\n%1 was written all the "
                                  "same.")
                       .arg(out));
        std::clearerr(stdout);
        return kExitFailed;
    }
    return kExitOk;
}

const Command kFileCommands[] = {
    {"new",
     "Create a new data set (for the stored country unless --country is given).\n"
     "Each country starts from its own default image: 0 the Japan image, 1 the ham-band\n"
     "image, 2, 3 and 4 the general image. --wideband gives countries 0 and 1 the wideband\n"
     "image and changes nothing for the others. With --country and no --wideband the file\n"
     "is without wideband, whatever the stored setting says.",
     "new [--country N] [--wideband] -o FILE", "-o --country", "--wideband", 0, 0, true, RunNew},
    {"info", "Show the header fields, country code, wideband flag and channels in use per bank.",
     "info FILE", "", "", 1, 1, false, RunInfo},
    {"channels", "List the channels in use: number, MHz, mode, name, P for preferential scan.",
     "channels FILE", "", "", 1, 1, false, RunChannels},
    {"export",
     "Write the channels in use as CSV to stdout (also with -o -) or to CSV.\n"
     "CSV may be a device or named pipe, which is written into; it may not be FILE itself.",
     "export FILE [-o CSV]", "-o", "", 1, 1, false, RunExport},
    {"import",
     "Set the channels a CSV names and write FILE (or OUT).\n"
     "The list's format is recognised from its header (--format common, commercial or\n"
     "plain chooses it): our own columns, the commercial programmers' columns (Channel\n"
     "Number, Receive Frequency, Operating Mode, Name), or frequency, name and mode with\n"
     "or without a header; separated by commas, semicolons or tabs; a decimal comma and\n"
     "lines starting with # are understood. A list numbered from 0 puts row 0 into\n"
     "channel 1 (--numbered-from 1 reads the numbers as they are).\n"
     "With --at N the rows set channels N, N+1, ... in row order, whatever their Location\n"
     "says; --append puts them into the channels not in use, lowest first; --bank B\n"
     "replaces bank B (0..9) with them. Every other channel is kept. Any bad row is\n"
     "reported (the first 100, then how many more) and nothing is written; with\n"
     "--skip-bad the other rows are written and the bad ones listed.\n"
     "A Mode must be one the receiver has (FM counts as NFM); an empty Mode takes the band\n"
     "plan's. Names longer than 8 characters are cut, and the rows are listed. OUT may not\n"
     "be the CSV itself; a CSV over 16 MiB is refused.",
     "import CSV FILE [--at N | --append | --bank B] [--format NAME] [--numbered-from 0|1]\n"
     "       [--skip-bad] [-o OUT]",
     "-o --at --bank --format --numbered-from", "--append --skip-bad", 2, 2, false, RunImport},
};

} // namespace

std::span<const Command> FileCommands() {
    return kFileCommands;
}
