#pragma once
// The memory channels as CSV in the column set that the common open-source radio programmers
// exchange, so channel lists can travel between them and this receiver.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
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
    int channelsSet = 0;
    // Set when a frequency was refused for the receiver's version: what that version takes.
    QString acceptedRanges;
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

// One line per problem, "<where><line>: <reason>", the first kListedProblems of them, then
// "and N more".
QStringList ProblemLines(const std::vector<Problem>& problems, const QString& where);

} // namespace csv
