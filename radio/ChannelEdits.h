#pragma once
// Operations on many memory channels at once (Edit Channels, Fill Down, Fill Series), on the
// model's working image and without a window, so they are tested and timed on their own.
//
// An edit either makes every change or, when a row cannot take it, changes nothing and
// names the refused rows with their reasons:
//
//     ChannelEdit edit;
//     edit.offsetHz = 5'000;
//     edit.name = {NameEdit::Pattern, QStringLiteral("AIR {n:02}")};
//     const EditResult result = EditChannels(radio, {12, 13, 14}, edit);
//     if (!result.Done())
//         ShowRefused(result.refused);
//
// Every frequency goes through CheckFrequency, the rule a typed frequency cell applies.

#include <QString>
#include <optional>
#include <vector>

class CVR500Radio;

namespace bulk {

// What the frequency-cell rule makes of hz for the receiver's version: refused (hz 0) when
// the version may not receive it, else snapped to 50 Hz with the band plan's mode code (0 when
// the plan has none, which leaves a channel's mode as it is).
struct FrequencyVerdict {
    int hz = 0;
    int modeCode = 0;
    bool Accepted() const { return hz != 0; }
};
FrequencyVerdict CheckFrequency(const CVR500Radio& radio, int hz);

struct Refusal {
    int channel;
    QString reason;
};

struct EditResult {
    std::vector<Refusal> refused; // non-empty: the image is as it was
    int changed = 0;              // channels whose bytes changed
    bool Done() const { return refused.empty(); }
};

// A name built from a pattern: "{n}" is the counter, "{n:02}" the counter in two digits.
QString NameFromPattern(const QString& pattern, int counter);

struct NameEdit {
    enum Kind { Keep, Whole, Prefix, Suffix, Pattern };
    Kind kind = Keep;
    QString text;
    int firstCounter = 1; // Pattern: the counter of the first channel edited
};

// The fields to set on every channel in use among those chosen; a field left empty stays.
// Channels not in use are passed over, as the grid empties a row edited without a frequency.
struct ChannelEdit {
    std::optional<int> modeCode; // 1..6
    std::optional<bool> preferential;
    NameEdit name;
    int offsetHz = 0;        // added to the frequency, the result checked like a typed one
    std::optional<int> bank; // 0..9: channels of other banks move to its free channels
};
EditResult EditChannels(CVR500Radio& radio, const std::vector<int>& channels,
                        const ChannelEdit& edit);

// The Memory View's columns, for Fill Down.
enum class ChannelField { Frequency, Mode, Name, Preferential };
// Copies the first chosen channel's field to the others. A frequency brings unused channels
// into use with the band plan's mode; the other fields go only to channels in use.
EditResult FillDown(CVR500Radio& radio, const std::vector<int>& channels, ChannelField field);

// ---- Fill Series ----

struct SeriesPlan {
    int startHz = 0;
    int stepHz = 0;
    int count = 0;
    int firstChannel = 1;
    QString namePattern;    // empty: no name
    bool overwrite = false; // channels in use are written over rather than passed over
};
// The number of frequencies from start to end (inclusive) at step; 0 when none.
int SeriesCount(int startHz, int endHz, int stepHz);

struct SeriesRow {
    enum Kind { Write, Refused };
    Kind kind;
    int hz;          // as it will be written (snapped), or as asked when refused
    int channel = 0; // Write only
    int modeCode = 0;
    QString name;
    QString reason; // Refused only
};
// What a series would write and what it refuses, for the preview; the image is not changed.
// A refused frequency takes no channel; the series ends at the last channel.
std::vector<SeriesRow> PlanSeries(const CVR500Radio& radio, const SeriesPlan& plan);
// Writes the Write rows of a plan; returns the channels whose bytes changed.
int ApplySeries(CVR500Radio& radio, const std::vector<SeriesRow>& rows);

} // namespace bulk
