#include "radio/ConfigText.h"

#include "radio/DefaultImages.h"
#include "radio/Records.h"
#include "radio/Settings.h"

#include <QRegularExpression>
#include <yaml-cpp/depthguard.h>
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <bit>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace layout;
using namespace layout::ri;
using records::GroupEntry;

namespace configtext {

namespace {

// ---- Values -----------------------------------------------------------------------------
// A value of one record (or of the settings, index unused): how it reads as text, and how
// text is checked and stored. A getter gives nothing for a value no page would show as it is;
// the raw bytes carry it instead. A setter writes nothing when it refuses.
using Getter = std::function<std::optional<QString>(const Byte* ri, int i)>;
using Setter = std::function<QString(Byte* ri, int i, const QString& text)>;

struct Field {
    const char* key;
    Getter get;
    Setter set;
    bool quoted = false; // text that could read as a number, true or null ("~", "yes")
};

int CountryOf(const Byte* ri) {
    return ri[kCountryCode];
}
int WidebandOf(const Byte* ri) {
    return ri[kWidebandFlag];
}

QString OneOf(const QStringList& choices) {
    QStringList quoted;
    for (const QString& c : choices)
        quoted << QLatin1Char('"') + c + QLatin1Char('"');
    return QStringLiteral("must be one of ") + quoted.join(QStringLiteral(", "));
}

// A choice from a list; read gives the position (-1 or beyond the list: none shown).
Field Choice(const char* key, QStringList choices, std::function<int(const Byte*, int)> read,
             std::function<void(Byte*, int, int)> write) {
    return {key,
            [choices, read](const Byte* ri, int i) -> std::optional<QString> {
                const int at = read(ri, i);
                if (at < 0 || at >= choices.size())
                    return std::nullopt;
                return choices[at];
            },
            [choices, write](Byte* ri, int i, const QString& text) {
                const int at = static_cast<int>(choices.indexOf(text));
                if (at < 0)
                    return OneOf(choices);
                write(ri, i, at);
                return QString();
            }};
}

Field Flag(const char* key, std::function<bool(const Byte*, int)> read,
           std::function<void(Byte*, int, bool)> write) {
    return {key,
            [read](const Byte* ri, int i) -> std::optional<QString> {
                return read(ri, i) ? QStringLiteral("true") : QStringLiteral("false");
            },
            [write](Byte* ri, int i, const QString& text) {
                if (text != QLatin1String("true") && text != QLatin1String("false"))
                    return QStringLiteral("must be true or false");
                write(ri, i, text == QLatin1String("true"));
                return QString();
            }};
}

// The frequency rules of the pages: a grid cell (the country's permitted ranges, snapped to
// 50 Hz), a ten-entry group's cell (which also shows 0), a dual watch cell (30 and 108 MHz as
// typed), and a single frequency field (anything the code holds).
enum class Rule { Cell, GroupCell, DualCell, Field };

QString CheckFrequency(int& hz, Rule rule, const Byte* ri) {
    if (rule == Rule::Field)
        return FitsFreq8(hz) ? QString() : FrequencyMessage(hz);
    if (hz == 0 && rule != Rule::Cell)
        return {};
    if (rule == Rule::DualCell && (hz == 30'000'000 || hz == 108'000'000))
        return {};
    if (hz == 0)
        return QStringLiteral("must be a frequency in MHz");
    if (IsFrequencyBlockedFor(hz, CountryOf(ri), WidebandOf(ri)))
        return FrequencyMessage(hz);
    hz = SnapTo50Hz(hz);
    return {};
}

Field Frequency(const char* key, Rule rule, std::function<int(const Byte*, int)> read,
                std::function<void(Byte*, int, int)> write) {
    return {key,
            [read](const Byte* ri, int i) -> std::optional<QString> {
                return FrequencyText(read(ri, i));
            },
            [rule, write](Byte* ri, int i, const QString& text) {
                // A group shows an empty entry as 0; other text that reads as no frequency
                // is no frequency at all.
                static const QRegularExpression zero(QStringLiteral("^0+(\\.0*)?$"));
                int hz = ParseFrequency(text);
                if (hz == 0 && !zero.match(text.trimmed()).hasMatch())
                    return QStringLiteral("must be a frequency in MHz");
                if (const QString problem = CheckFrequency(hz, rule, ri); !problem.isEmpty())
                    return problem;
                write(ri, i, hz);
                return QString();
            }};
}

// Up to size characters, each one the pages let the user type.
QString CheckName(const QString& text, int size) {
    if (text.size() > size)
        return QStringLiteral("is longer than %1 characters").arg(size);
    if (const std::optional<QChar> c = FirstUnshowableChar(text))
        return QStringLiteral("the character \"%1\" has no place on the receiver")
            .arg(VisibleText(QString(*c)));
    return {};
}

Field Name(const char* key, std::function<QString(const Byte*, int)> read,
           std::function<void(Byte*, int, const QString&)> write, int size) {
    return {key,
            [read, size](const Byte* ri, int i) -> std::optional<QString> {
                const QString text = read(ri, i);
                if (!CheckName(text, size).isEmpty())
                    return std::nullopt;
                return text;
            },
            [write, size](Byte* ri, int i, const QString& text) {
                if (const QString problem = CheckName(text, size); !problem.isEmpty())
                    return problem;
                write(ri, i, text);
                return QString();
            },
            true};
}

// ---- Settings ---------------------------------------------------------------------------

// The bits of one byte a setting owns, read and written as a code counted from the lowest.
struct Bits {
    int offset;
    Byte mask;
    Bits(int wholeByte) : offset(wholeByte), mask(0xFF) {}
    Bits(SettingBit b) : offset(b.offset), mask(static_cast<Byte>(1u << b.bit)) {}
    int Shift() const { return std::countr_zero(unsigned{mask}); }
    int Get(const Byte* ri) const { return (ri[offset] & mask) >> Shift(); }
    void Put(Byte* ri, int code) const {
        ri[offset] = static_cast<Byte>((ri[offset] & ~mask) | ((code << Shift()) & mask));
    }
};

// A list or radio group: position = code unless codes are given.
Field Setting(const char* key, Bits bits, QStringList choices, std::vector<int> codes = {}) {
    return Choice(
        key, std::move(choices),
        [bits, codes](const Byte* ri, int) {
            const int code = bits.Get(ri);
            if (codes.empty())
                return code;
            const auto at = std::find(codes.begin(), codes.end(), code);
            return at == codes.end() ? -1 : static_cast<int>(at - codes.begin());
        },
        [bits, codes](Byte* ri, int, int at) { bits.Put(ri, codes.empty() ? at : codes[at]); });
}

// A check box; an inverted one is checked when its bit is 0.
Field Check(const char* key, SettingBit bit, bool inverted = false) {
    return Flag(
        key, [bit, inverted](const Byte* ri, int) { return (Bits(bit).Get(ri) != 0) != inverted; },
        [bit, inverted](Byte* ri, int, bool on) { Bits(bit).Put(ri, on != inverted ? 1 : 0); });
}

Field FrequencySetting(const char* key, int at) {
    return Frequency(
        key, Rule::Field, [at](const Byte* ri, int) { return DecodeDigits(ri + at, 8); },
        [at](Byte* ri, int, int hz) { EncodeDigits(ri + at, hz, 8); });
}

QStringList Numbers(int from, int to, const QString& pattern = QStringLiteral("%1")) {
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << pattern.arg(n);
    return list;
}

std::vector<int> ModeCodes() {
    std::vector<int> codes;
    for (int i = 1; i <= ModeNames().size(); ++i)
        codes.push_back(i);
    return codes;
}

// The Japanese receiver without wideband has TV channels where the others have weather.
bool HasTvChannels(const Byte* ri) {
    return CountryOf(ri) == 0 && WidebandOf(ri) == 0;
}

const QStringList& WeatherChannels() {
    static const QStringList list = {"162.5500 MHz", "162.4000 MHz", "162.4750 MHz", "162.4250 MHz",
                                     "162.4500 MHz", "162.5000 MHz", "162.5250 MHz", "161.6500 MHz",
                                     "161.7750 MHz", "163.2750 MHz"};
    return list;
}

Field ChannelChoice() {
    auto choices = [](const Byte* ri) {
        return HasTvChannels(ri) ? Numbers(1, 62, QStringLiteral("Chan %1")) : WeatherChannels();
    };
    return {"Weather Channel",
            [choices](const Byte* ri, int) -> std::optional<QString> {
                const int at = ri[kChannelChoice] - (HasTvChannels(ri) ? 1 : 0);
                const QStringList list = choices(ri);
                if (at < 0 || at >= list.size())
                    return std::nullopt;
                return list[at];
            },
            [choices](Byte* ri, int, const QString& text) {
                const QStringList list = choices(ri);
                const int at = static_cast<int>(list.indexOf(text));
                if (at < 0)
                    return OneOf(list);
                ri[kChannelChoice] = static_cast<Byte>(at + (HasTvChannels(ri) ? 1 : 0));
                return QString();
            }};
}

// The banks linked for bank scan, as "0, 3, 7" or "none".
Field BankLinks() {
    return {"Bank Link For Scan",
            [](const Byte* ri, int) -> std::optional<QString> {
                QStringList banks;
                for (int bank = 0; bank < 10; ++bank)
                    if (records::BankLink(const_cast<Byte*>(ri), bank).On())
                        banks << QString::number(bank);
                return banks.isEmpty() ? QStringLiteral("none") : banks.join(QStringLiteral(", "));
            },
            [](Byte* ri, int, const QString& text) {
                bool linked[10] = {};
                if (text != QLatin1String("none")) {
                    for (const QString& word : text.split(QLatin1Char(','))) {
                        bool ok = false;
                        const int bank = word.trimmed().toInt(&ok);
                        if (!ok || bank < 0 || bank > 9)
                            return QStringLiteral("must list banks 0..9 (\"0, 3\") or be none");
                        linked[bank] = true;
                    }
                }
                for (int bank = 0; bank < 10; ++bank)
                    records::BankLink(ri, bank).Set(linked[bank]);
                return QString();
            }};
}

// The open message as its page shows it: up to the first zero byte, without trailing blanks.
Field OpenMessageText() {
    return Name(
        "Open Message Text",
        [](const Byte* ri, int) {
            QString text;
            for (int i = 0; i < kOpenMessageSize && ri[kOpenMessage + i] != 0; ++i)
                text.append(NameChar(ri[kOpenMessage + i]));
            while (!text.isEmpty() && text.back().isSpace())
                text.chop(1);
            return text;
        },
        [](Byte* ri, int, const QString& text) { NameFromText(text, ri + kOpenMessage); },
        kOpenMessageSize);
}

struct SettingGroup {
    const char* page;
    std::vector<Field> fields;
};

std::vector<SettingGroup> SettingGroups() {
    return {
        {"Setting",
         {
             Setting("RF Squelch", kRfSquelch, QStringList{QStringLiteral("Off")} + Numbers(1, 9)),
             Setting("Off Timer", kOffTimer, {"Off", "30", "60", "90"}),
             Setting("Battery Saver", kBatterySaver,
                     {"Off", "1:4 (1 sec)", "1:12 (3 sec)", "1:20 (5 sec)", "1:28 (7 sec)",
                      "1:36 (9 sec)"}),
             Setting("Contrast", kContrast, Numbers(1, 14)),
             Setting("Opening Bell", kOpeningBell, {"Off", "1: Pi", "2: Po-Pi", "3: Pi-Pi"},
                     {3, 0, 1, 2}),
             Setting("# of Channels", kSmartSearchChannels,
                     {"11 Channels", "21 Channels", "31 Channels", "41 Channels"}),
             Check("Auto Receive Mode", kAutoReceiveModeBit, true),
             Check("Keypad Lamp", kKeypadLampBit, true),
             Check("Keypad Beeper", kKeypadBeeperBit, true),
             Check("Japanese", kJapaneseBit, true),
             Check("Flex Step", kFlexStepBit, true),
             Check("Attenuator", kAttenuatorBit),
             Check("Monitor", kMonitorBit),
             Setting("Open Message", kOpenMessageMode, {"Default", "Off", "User"}),
             OpenMessageText(),
             Setting("Lock Mode", kLockModeBit, {"Key", "Key + Dial"}),
             Setting("Lamp Mode", kLampModeBit, {"Auto", "Toggle"}),
             Setting("Smart Search", kSmartSearchModeBit, {"Single", "Continuous"}),
             FrequencySetting("Smart Search Lower", kSmartSearchLower),
             FrequencySetting("Smart Search Start", kSmartSearchStart),
             FrequencySetting("Smart Search Upper", kSmartSearchUpper),
             Setting("Meter Symbol", kMeterSymbol, {"rising bars", "blocks", "chevrons"}),
         }},
        {"Memory View",
         {
             Setting("Mode Scan", kModeScan, QStringList{QStringLiteral("OFF")} + ModeNames()),
             Check("Bank Scan", kBankScanBit),
             BankLinks(),
         }},
        {"VFO Scan",
         {
             Setting("Scan Mode", kScanMode, {"Pause", "Busy", "Hold"}),
             Setting("Resume Delay", kResumeDelay,
                     {"1 sec", "2 sec", "3 sec", "4 sec", "5 sec", "6 sec", "7 sec", "8 sec",
                      "9 sec", "10 sec", "11sec", "12 sec"}),
             Setting("Band Scope", kBandScopeBit, {"A Mode", "B Mode"}),
             Setting("A Mode Span", kSpan300kHzBit, {"300 kHz", "600 kHz"}, {1, 0}),
             Setting("A Mode Sweep Steps", kSweepStepsA,
                     {"9 kHz", "10 kHz", "12.5 kHz", "20 kHz", "25 kHz", "50 kHz", "100 kHz"}),
             Setting("B Mode Sweep Steps", kSweepStepsB,
                     {"50 Hz", "100 Hz", "1 kHz", "5 kHz", "6.25 kHz", "9 kHz", "10 kHz",
                      "12.5 kHz", "15 kHz", "20 kHz", "25 kHz", "30 kHz", "50 kHz", "100 kHz"}),
             FrequencySetting("Priority Channel Frequency", kPriorityFrequency),
             Setting("Priority Channel Mode", kPriorityMode, ModeNames(), ModeCodes()),
             Check("Limit Search Mode", kLimitSearchBit),
         }},
        {"Dual Watch",
         {
             Setting("Select Dual Watch memory pair", kDualWatchPairIndex, Numbers(0, 9)),
             Setting("Dual Watch Scan Mode", kDualWatchScanMode, {"Time", "Busy", "Pause"}),
         }},
        {"Preset Mode", {ChannelChoice()}},
    };
}

// ---- Record lists ---------------------------------------------------------------------

struct RecordList {
    const char* key;
    const char* comment;
    const char* indexKey;
    int first;
    int count;
    // Lists whose records are "in use": only those are listed, and a record the text does not
    // list is taken out of use. Null for lists that show every record.
    std::function<bool(const Byte*, int)> inUse;
    std::function<void(Byte*, int, bool)> setInUse;
    std::vector<Field> fields;
};

records::MemoryChannel ChannelAt(const Byte* ri, int n) {
    return records::MemoryChannel(const_cast<Byte*>(ri), n);
}
records::SkipEntry SkipAt(const Byte* ri, int i) {
    return records::SkipEntry(const_cast<Byte*>(ri), i);
}
records::BandPlanEntry BandAt(const Byte* ri, int i) {
    return records::BandPlanEntry(const_cast<Byte*>(ri), i);
}

using EntryOf = std::function<GroupEntry(Byte* ri, int i)>;

// Frequency, mode and (where the group has one) step of a ten-entry group.
std::vector<Field> GroupFields(EntryOf entry, Rule rule, const char* frequency, const char* mode,
                               const char* step) {
    auto at = [entry](const Byte* ri, int i) { return entry(const_cast<Byte*>(ri), i); };
    std::vector<Field> fields = {
        Frequency(
            frequency, rule, [at](const Byte* ri, int i) { return at(ri, i).FrequencyHz(); },
            [at](Byte* ri, int i, int hz) { at(ri, i).SetFrequencyHz(hz); }),
        Choice(
            mode, ModeNames(), [at](const Byte* ri, int i) { return at(ri, i).ModeByte() - 1; },
            [at](Byte* ri, int i, int m) { at(ri, i).SetModeByte(static_cast<Byte>(m + 1)); }),
    };
    if (step)
        fields.push_back(Choice(
            step, PresetStepNames(), [at](const Byte* ri, int i) { return at(ri, i).StepByte(); },
            [at](Byte* ri, int i, int s) { at(ri, i).SetStepByte(static_cast<Byte>(s)); }));
    return fields;
}

std::vector<Field> Concat(std::vector<Field> a, const std::vector<Field>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Row r of the band plan page shows entry r-2's edge, so entry 48's is the fixed top.
constexpr int kFixedEdgeEntry = kBandLookupEntries - 1;

Field BandEdge() {
    return {"edge",
            [](const Byte* ri, int i) -> std::optional<QString> {
                const int units = BandAt(ri, i).EdgeUnits();
                if (i == kFixedEdgeEntry || units * 100 <= kLowestHz || units * 100 >= kTopHz ||
                    units % 10 != 0)
                    return std::nullopt;
                return BandEdgeText(units);
            },
            [](Byte* ri, int i, const QString& text) {
                if (i == kFixedEdgeEntry)
                    return QStringLiteral("the upper frequency is not modifiable");
                const int hz = ParseFrequency(text);
                if (hz <= kLowestHz || hz >= kTopHz)
                    return QStringLiteral("Frequency must be between 0.1000 and 1300.0000");
                BandAt(ri, i).SetEdgeUnits(hz / 1000 * 10);
                return QString();
            }};
}

std::vector<RecordList> RecordLists() {
    using records::MemoryChannel;
    return {
        {"channels",
         "channels in use; frequency in MHz",
         "channel",
         1,
         kChannelCount,
         [](const Byte* ri, int n) { return ChannelAt(ri, n).InUse(); },
         [](Byte* ri, int n, bool on) { ChannelAt(ri, n).SetInUse(on); },
         {
             Frequency(
                 "frequency", Rule::Cell,
                 [](const Byte* ri, int n) { return ChannelAt(ri, n).FrequencyHz(); },
                 [](Byte* ri, int n, int hz) { ChannelAt(ri, n).SetFrequencyHz(hz); }),
             Choice(
                 "mode", ModeNames(),
                 [](const Byte* ri, int n) { return ChannelAt(ri, n).ModeCode() - 1; },
                 [](Byte* ri, int n, int m) { ChannelAt(ri, n).SetModeCode(m + 1); }),
             Name(
                 "name", [](const Byte* ri, int n) { return ChannelAt(ri, n).Name(); },
                 [](Byte* ri, int n, const QString& t) { ChannelAt(ri, n).SetName(t); },
                 kChannelNameSize),
             Flag(
                 "preferential scan",
                 [](const Byte* ri, int n) { return ChannelAt(ri, n).Preferential(); },
                 [](Byte* ri, int n, bool on) { ChannelAt(ri, n).SetPreferential(on); }),
         }},
        {"band plan",
         "upper band edges in MHz; the receiver picks mode and step below each edge",
         "entry",
         0,
         kBandLookupEntries,
         nullptr,
         nullptr,
         {
             BandEdge(),
             Choice(
                 "mode", ModeNames(),
                 [](const Byte* ri, int i) { return BandAt(ri, i).ModeCode() - 1; },
                 [](Byte* ri, int i, int m) { BandAt(ri, i).SetModeCode(m + 1); }),
             Choice(
                 "step", StepNames(),
                 [](const Byte* ri, int i) { return BandAt(ri, i).StepCode() - 1; },
                 [](Byte* ri, int i, int s) { BandAt(ri, i).SetStepCode(s + 1); }),
         }},
        {"skip frequencies",
         "skip frequencies in use, in MHz",
         "entry",
         0,
         kSkipEntries,
         [](const Byte* ri, int i) { return SkipAt(ri, i).InUse(); },
         [](Byte* ri, int i, bool on) { SkipAt(ri, i).SetInUse(on); },
         {
             Frequency(
                 "frequency", Rule::Cell,
                 [](const Byte* ri, int i) { return SkipAt(ri, i).FrequencyHz(); },
                 [](Byte* ri, int i, int hz) { SkipAt(ri, i).SetFrequencyHz(hz); }),
             Choice(
                 "mode", ModeNames(),
                 [](const Byte* ri, int i) { return SkipAt(ri, i).ModeCode() - 1; },
                 [](Byte* ri, int i, int m) { SkipAt(ri, i).SetModeCode(m + 1); }),
         }},
        {"search limits", "pre-programmable frequency search limits in MHz", "pair", 0,
         kGroupEntries, nullptr, nullptr,
         Concat(GroupFields([](Byte* ri, int i) { return records::SearchLimit(ri, i, 0); },
                            Rule::GroupCell, "lower", "lower mode", nullptr),
                GroupFields([](Byte* ri, int i) { return records::SearchLimit(ri, i, 1); },
                            Rule::GroupCell, "upper", "upper mode", nullptr))},
        // Entry 0 of group A is the receiver's own.
        {"preset group A", "frequency in MHz", "entry", 1, kGroupEntries - 1, nullptr, nullptr,
         GroupFields([](Byte* ri, int i) { return records::PresetEntry(ri, 0, i); },
                     Rule::GroupCell, "frequency", "mode", "step")},
        {"preset group B", "frequency in MHz", "entry", 0, kGroupEntries, nullptr, nullptr,
         GroupFields([](Byte* ri, int i) { return records::PresetEntry(ri, 1, i); },
                     Rule::GroupCell, "frequency", "mode", "step")},
        {"dual watch", "the two sides of each pair; frequency in MHz", "pair", 0, kGroupEntries,
         nullptr, nullptr,
         Concat(GroupFields([](Byte* ri, int i) { return records::DualWatchSide(ri, i, 0); },
                            Rule::DualCell, "A frequency", "A mode", "A step"),
                GroupFields([](Byte* ri, int i) { return records::DualWatchSide(ri, i, 1); },
                            Rule::DualCell, "B frequency", "B mode", "B step"))},
    };
}

// ---- The receiver version and the raw bytes -------------------------------------------

constexpr char kReceiver[] = "receiver";
constexpr char kSettings[] = "settings";
constexpr char kRaw[] = "raw";
constexpr int kRawRunMax = 16; // bytes per raw line
constexpr int kRawGapJoined = 4;

// Runs of bytes where image differs from made: [offset, length].
std::vector<std::pair<int, int>> DifferingRuns(const Image& image, const Image& made) {
    std::vector<std::pair<int, int>> runs;
    for (int at = 0; at < kImageSize; ++at) {
        if (image[at] == made[at])
            continue;
        if (!runs.empty()) {
            auto& [start, length] = runs.back();
            if (at - (start + length) <= kRawGapJoined && at - start < kRawRunMax) {
                length = at - start + 1;
                continue;
            }
        }
        runs.emplace_back(at, 1);
    }
    return runs;
}

QString HexBytes(const Byte* bytes, int length) {
    QStringList hex;
    for (int i = 0; i < length; ++i)
        hex << QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper();
    return hex.join(QLatin1Char(' '));
}

// ---- Writing --------------------------------------------------------------------------

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// Emits each field the getter shows and the candidate image accepts, so the dump holds only
// values its own apply takes.
void EmitFields(YAML::Emitter& out, const std::vector<Field>& fields, const Byte* ri, Byte* made,
                int index) {
    for (const Field& f : fields) {
        const std::optional<QString> text = f.get(ri, index);
        if (!text || !f.set(made, index, *text).isEmpty())
            continue;
        out << YAML::Key << f.key << YAML::Value;
        if (f.quoted)
            out << YAML::DoubleQuoted;
        out << Utf8(*text);
    }
}

} // namespace

Image NewDataImage(int country, int wideband) {
    Image image{};
    WriteNewHeader(image.data());
    const RadioImageBytes& ri = DefaultImageBytes(DefaultImageFor(country, wideband));
    std::copy(ri.begin(), ri.end(), image.begin() + kRadioImage);
    image[kRadioImage + kCountryCode] = static_cast<Byte>(country);
    image[kRadioImage + kWidebandFlag] = static_cast<Byte>(wideband);
    return image;
}

QByteArray Dump(const Image& image) {
    const Byte* ri = image.data() + kRadioImage;
    const bool known = IsReceiverVersion(CountryOf(ri), WidebandOf(ri));
    const int country = known ? CountryOf(ri) : settings::kDefaultCountry;
    const int wideband = known ? WidebandOf(ri) : settings::kDefaultWideband;
    Image made = NewDataImage(country, wideband);
    Byte* madeRi = made.data() + kRadioImage;

    YAML::Emitter out;
    out << YAML::Comment("Corvinel data file as text; frequencies in MHz");
    out << YAML::BeginMap;
    out << YAML::Key << kReceiver << YAML::Value << YAML::Flow << YAML::BeginMap << YAML::Key
        << "country" << YAML::Value << country << YAML::Key << "wideband" << YAML::Value << wideband
        << YAML::EndMap;

    for (const RecordList& list : RecordLists()) {
        out << YAML::Key << list.key << YAML::Value << YAML::Comment(list.comment)
            << YAML::BeginSeq;
        for (int i = list.first; i < list.first + list.count; ++i) {
            if (list.inUse && !list.inUse(ri, i)) {
                list.setInUse(madeRi, i, false);
                continue;
            }
            if (list.setInUse)
                list.setInUse(madeRi, i, true);
            out << YAML::Flow << YAML::BeginMap << YAML::Key << list.indexKey << YAML::Value << i;
            EmitFields(out, list.fields, ri, madeRi, i);
            out << YAML::EndMap;
        }
        out << YAML::EndSeq;
    }

    out << YAML::Key << kSettings << YAML::Value << YAML::Comment("by page") << YAML::BeginMap;
    for (const SettingGroup& group : SettingGroups()) {
        out << YAML::Key << group.page << YAML::Value << YAML::BeginMap;
        EmitFields(out, group.fields, ri, madeRi, 0);
        out << YAML::EndMap;
    }
    out << YAML::EndMap;

    const auto runs = DifferingRuns(image, made);
    if (!runs.empty()) {
        out << YAML::Key << kRaw << YAML::Value
            << YAML::Comment("data file bytes the values above do not hold: offset, hex bytes")
            << YAML::BeginSeq;
        for (const auto& [at, length] : runs)
            out << YAML::Flow << YAML::BeginMap << YAML::Key << "at" << YAML::Value
                << Utf8(QStringLiteral("0x%1").arg(at, 5, 16, QLatin1Char('0'))) << YAML::Key
                << "bytes" << YAML::Value << Utf8(HexBytes(image.data() + at, length))
                << YAML::EndMap;
        out << YAML::EndSeq;
    }
    out << YAML::EndMap;
    return QByteArray(out.c_str()).append('\n');
}

// ---- Reading --------------------------------------------------------------------------

namespace {

// A refusal with the line it was found on.
struct Refused {
    int line;
    QString where;
    QString problem;
};

int LineOf(const YAML::Node& node) {
    return node.Mark().line + 1;
}

// A value longer than any the text form holds is refused unread: an alias may repeat one
// long value for every channel.
constexpr std::size_t kLongestValue = 256;

QString Scalar(const YAML::Node& node, const QString& where, std::size_t longest = kLongestValue) {
    if (!node.IsScalar())
        throw Refused{LineOf(node), where, QStringLiteral("must be a single value")};
    if (node.Scalar().size() > longest)
        throw Refused{LineOf(node), where, QStringLiteral("is too long")};
    return QString::fromStdString(node.Scalar());
}

void Require(bool ok, const YAML::Node& node, const QString& where, const QString& problem) {
    if (!ok)
        throw Refused{LineOf(node), where, problem};
}

int IntIn(const YAML::Node& node, const QString& where, int low, int high) {
    bool ok = false;
    const int value = Scalar(node, where).toInt(&ok, 0);
    Require(ok && value >= low && value <= high, node, where,
            QStringLiteral("must be a number %1..%2").arg(low).arg(high));
    return value;
}

void SetField(const std::vector<Field>& fields, Byte* ri, int index, const YAML::Node& key,
              const YAML::Node& value, const QString& where) {
    const QString name = Scalar(key, where);
    const QString at = where + QStringLiteral(": ") + name;
    for (const Field& f : fields) {
        if (name != QLatin1String(f.key))
            continue;
        const QString problem = f.set(ri, index, Scalar(value, at));
        Require(problem.isEmpty(), value, at, problem);
        return;
    }
    throw Refused{LineOf(key), at, QStringLiteral("unknown key")};
}

void ApplyList(const RecordList& list, const YAML::Node& node, Byte* ri) {
    const QString where = QString::fromLatin1(list.key);
    Require(node.IsSequence() || node.IsNull(), node, where, QStringLiteral("must be a list"));
    std::vector<bool> listed(list.count, false);
    for (const YAML::Node& record : node) {
        Require(record.IsMap(), record, where, QStringLiteral("each entry must be a map"));
        const QString indexWhere = where + QStringLiteral(": ") + list.indexKey;
        const YAML::Node index = record[list.indexKey];
        Require(index.IsDefined(), record, indexWhere, QStringLiteral("is missing"));
        const int i = IntIn(index, indexWhere, list.first, list.first + list.count - 1);
        Require(!listed[i - list.first], index, indexWhere,
                QStringLiteral("%1 is listed twice").arg(i));
        listed[i - list.first] = true;
        if (list.setInUse)
            list.setInUse(ri, i, true);
        const QString recordWhere = QStringLiteral("%1 %2").arg(where).arg(i);
        for (const auto& kv : record) {
            if (kv.first.IsScalar() && kv.first.Scalar() == list.indexKey)
                continue;
            SetField(list.fields, ri, i, kv.first, kv.second, recordWhere);
        }
    }
    if (list.setInUse)
        for (int i = 0; i < list.count; ++i)
            if (!listed[i])
                list.setInUse(ri, list.first + i, false);
}

void ApplySettings(const YAML::Node& node, Byte* ri) {
    const QString where = QString::fromLatin1(kSettings);
    Require(node.IsMap() || node.IsNull(), node, where, QStringLiteral("must be a map of pages"));
    const std::vector<SettingGroup> groups = SettingGroups();
    for (const auto& page : node) {
        const QString name = Scalar(page.first, where);
        const auto group = std::find_if(groups.begin(), groups.end(), [&](const SettingGroup& g) {
            return name == QLatin1String(g.page);
        });
        const QString pageWhere = where + QStringLiteral(": ") + name;
        Require(group != groups.end(), page.first, pageWhere, QStringLiteral("unknown page"));
        Require(page.second.IsMap() || page.second.IsNull(), page.second, pageWhere,
                QStringLiteral("must be a map"));
        for (const auto& kv : page.second)
            SetField(group->fields, ri, 0, kv.first, kv.second, pageWhere);
    }
}

void ApplyRaw(const YAML::Node& node, Image& image) {
    const QString where = QString::fromLatin1(kRaw);
    Require(node.IsSequence() || node.IsNull(), node, where, QStringLiteral("must be a list"));
    int total = 0;
    for (const YAML::Node& run : node) {
        Require(run.IsMap() && run["at"].IsDefined() && run["bytes"].IsDefined(), run, where,
                QStringLiteral("each entry must be a map with at and bytes"));
        const int at = IntIn(run["at"], where + QStringLiteral(": at"), 0, kImageSize - 1);
        const QString bytesWhere = where + QStringLiteral(": bytes");
        const QStringList hex = Scalar(run["bytes"], bytesWhere, 3 * kImageSize)
                                    .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        Require(at + hex.size() <= kImageSize, run["bytes"], bytesWhere,
                QStringLiteral("run past the end of the file"));
        total += static_cast<int>(hex.size());
        Require(total <= kImageSize, run["bytes"], bytesWhere,
                QStringLiteral("more raw bytes than the file holds"));
        for (int k = 0; k < hex.size(); ++k) {
            bool ok = false;
            const uint value = hex[k].toUInt(&ok, 16);
            Require(ok && hex[k].size() == 2 && value <= 0xFF, run["bytes"], bytesWhere,
                    QStringLiteral("must be hex bytes (\"0A FF\")"));
            image[at + k] = static_cast<Byte>(value);
        }
    }
}

void ApplyDocument(const YAML::Node& doc, const Image* base, Image& image) {
    Require(doc.IsMap(), doc, QStringLiteral("document"),
            QStringLiteral("must be a map of sections"));
    std::set<std::string> known = {kReceiver, kSettings, kRaw};
    const std::vector<RecordList> lists = RecordLists();
    for (const RecordList& list : lists)
        known.insert(list.key);
    for (const auto& kv : doc) {
        Require(kv.first.IsScalar() && known.count(kv.first.Scalar()), kv.first,
                kv.first.IsScalar() ? QString::fromStdString(kv.first.Scalar()) : QString(),
                QStringLiteral("unknown section"));
    }

    const YAML::Node receiver = doc[kReceiver];
    const QString where = QString::fromLatin1(kReceiver);
    Require(receiver.IsDefined(), doc, where, QStringLiteral("must give country and wideband"));
    Require(receiver.IsMap(), receiver, where, QStringLiteral("must give country and wideband"));
    Require(receiver["country"].IsDefined() && receiver["wideband"].IsDefined(), receiver, where,
            QStringLiteral("must give country and wideband"));
    const int country =
        IntIn(receiver["country"], where + QStringLiteral(": country"), 0, kHighestCountry);
    const int wideband =
        IntIn(receiver["wideband"], where + QStringLiteral(": wideband"), 0, kHighestWideband);
    image = base ? *base : NewDataImage(country, wideband);
    Byte* ri = image.data() + kRadioImage;
    ri[kCountryCode] = static_cast<Byte>(country);
    ri[kWidebandFlag] = static_cast<Byte>(wideband);

    for (const RecordList& list : lists)
        if (const YAML::Node node = doc[list.key])
            ApplyList(list, node, ri);
    if (const YAML::Node node = doc[kSettings])
        ApplySettings(node, ri);
    if (const YAML::Node node = doc[kRaw])
        ApplyRaw(node, image);
}

} // namespace

Applied Apply(const QByteArray& text, const Image* base) {
    Applied result;
    if (text.size() > kMaxTextSize) {
        result.error = QStringLiteral("the text is larger than %1 MiB").arg(kMaxTextSize >> 20);
        return result;
    }
    try {
        ApplyDocument(YAML::Load(text.toStdString()), base, result.image);
    } catch (const Refused& r) {
        result.error = QStringLiteral("line %1: %2: %3").arg(r.line).arg(r.where, r.problem);
    } catch (const YAML::DeepRecursion& e) {
        result.error = QStringLiteral("line %1: nested too deeply").arg(e.mark.line + 1);
    } catch (const YAML::Exception& e) {
        result.error = QStringLiteral("line %1: %2")
                           .arg(std::max(e.mark.line + 1, 1))
                           .arg(QString::fromStdString(e.msg));
    }
    return result;
}

} // namespace configtext
