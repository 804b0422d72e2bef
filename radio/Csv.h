#pragma once
// The memory channels as CSV in the column set that the common open-source radio programmers
// exchange, so channel lists can travel between them and this receiver. The import also reads
// the lists other programs and people write (radio/CsvDialects).

#include "radio/CsvDialects.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class CVR500Radio;

namespace csv {

// The header line, exactly as written and as the other programs expect it.
extern const char kHeader[];

struct Problem {
    int line; // 1-based line of the file where the row starts
    QString reason;
};

struct ImportResult {
    QString failure;               // the file was not read (missing, too large); in words
    std::vector<Problem> problems; // empty when the channels were set
    std::vector<Problem> cutNames; // rows whose name was longer than the receiver holds
    std::vector<Problem> skipped;  // refused rows left out when the user chose to write the rest
    int channelsSet = 0;
    // Set when a frequency was refused for the receiver's version: what that version takes.
    QString acceptedRanges;
};

// Where the rows land.
enum class Placement {
    ByNumber, // the channel each row names
    At,       // channels first, first + 1, ... in row order
    Append,   // the channels not in use, lowest first
    Bank,     // the channels of one bank in row order; the bank's other channels are cleared
};

struct Options {
    QString format;                   // a dialect key; empty: recognised from the header
    std::optional<ColumnMap> columns; // the user's mapping, over the recognised one
    std::optional<bool> fromZero;     // rows numbered from 0; unset: as recognised
    std::optional<bool> hasHeader;    // the first line names the columns; unset: as recognised
    Placement placement = Placement::ByNumber;
    int first = 1;            // Placement::At
    int bank = 0;             // Placement::Bank, 0..9
    bool skipRefused = false; // write the good rows and leave the refused out
};

// One row as it will land: what the preview shows and what Apply writes.
struct PlannedRow {
    int line = 0;
    int channel = 0; // 0 when the row has none
    int hz = 0;      // snapped to 50 Hz
    int mode = 0;
    bool preferential = false;
    QString name;    // as the receiver will hold it, cut to 8
    QString comment; // the list's note on the row; not stored
    QString refused; // why the row is not written; empty when it is
};

struct Plan {
    Recognised recognised;
    QString failure;                   // cancelled
    std::vector<Problem> fileProblems; // the text is no list at all (no header, not UTF-8)
    std::vector<Problem> rowProblems;  // every refused row, one line per reason
    std::vector<PlannedRow> rows;      // every row that is not blank, in file order
    std::vector<Problem> cutNames;
    QString acceptedRanges; // what the receiver's version takes, when a row was refused for it
    Placement placement = Placement::ByNumber;
    int bank = 0;
};

// No real channel list comes near this size; a larger input is refused unread.
inline constexpr qsizetype kLargestFile = 16 * 1024 * 1024;
// Reports list this many problems and count the rest: nobody reads thousands of lines.
inline constexpr int kListedProblems = 100;

// Told how far a long import is (0..100); returning false stops it, with EditImage untouched
// and `failure` saying so.
using Progress = std::function<bool(int percent)>;

// One row per channel in use, in channel order, CRLF line ends, UTF-8.
QByteArray ExportChannels(CVR500Radio& radio);

// Reads the list and decides where each row goes, without changing anything: the preview.
Plan PlanImport(CVR500Radio& radio, const QByteArray& text, const Options& options,
                const Progress& progress = {});
// Writes a plan into EditImage: everything, the good rows only (skipRefused), or nothing.
ImportResult ApplyPlan(CVR500Radio& radio, const Plan& plan, bool skipRefused);
ImportResult ImportChannels(CVR500Radio& radio, const QByteArray& text, const Options& options,
                            const Progress& progress = {});

// The bytes of a list file, or a `failure` in words: not opened, larger than kLargestFile (a
// device stops being read at the bound).
QByteArray ReadListFile(const QString& path, QString& failure);

// Sets the channels the rows name (or, with firstChannel > 0, the channels firstChannel,
// firstChannel + 1, ... in row order) in EditImage; keeps every other channel. Frequencies
// are judged by the country and wideband bytes of EditImage. When any row is bad, every bad
// row is reported and EditImage is left exactly as it was.
ImportResult ImportChannels(CVR500Radio& radio, const QByteArray& text, int firstChannel = 0,
                            const Progress& progress = {});

// ImportChannels on the file at path: the one import of the window and the command line. A
// file that cannot be opened, or is larger than kLargestFile, is refused unread with a
// `failure`; a device stops being read at the bound.
ImportResult ImportFile(CVR500Radio& radio, const QString& path, int firstChannel = 0,
                        const Progress& progress = {});
ImportResult ImportFile(CVR500Radio& radio, const QString& path, const Options& options,
                        const Progress& progress = {});

// One line per problem, "<where><line>: <reason>", the first kListedProblems of them, then
// "and N more".
QStringList ProblemLines(const std::vector<Problem>& problems, const QString& where);

} // namespace csv
