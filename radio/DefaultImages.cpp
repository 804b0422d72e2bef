#include "radio/DefaultImages.h"

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <span>

using namespace layout;

namespace {

enum Mode : Byte { NFM = 1, WFM, AM, LSB, USB, CW };

// Band plan step codes.
enum Step : Byte {
    k50Hz = 1,
    k100Hz,
    k1kHz,
    k5kHz,
    k6_25kHz,
    k9kHz,
    k10kHz,
    k12_5kHz,
    k15kHz,
    k20kHz,
    k25kHz,
    k30kHz,
    k50kHz,
    k100kHz
};

int Hz(double mhz) {
    return static_cast<int>(mhz * 1'000'000.0 + 0.5);
}

struct Channel {
    int number;
    double mhz;
    Mode mode;
    const char* name; // UTF-8; katakana as half-width forms
    bool used;
};

struct Band {
    double upperMHz;
    Mode mode;
    Step step;
};

struct Entry {
    double mhz;
    Mode mode;
};
// A C array of the wrong length does not convert.
using List10 = std::span<const Entry, ri::kGroupEntries>;

struct SearchLimit {
    Entry lower;
    Entry upper;
};
using SearchLimits = std::array<SearchLimit, ri::kGroupEntries>;

// One set-mode value: a whole byte, or one bit of a shared byte.
struct Setting {
    int offset;
    Byte mask;
    Byte value;
};
constexpr Setting Whole(int offset, int value) {
    return {offset, 0xFF, static_cast<Byte>(value)};
}
constexpr Setting Bit(ri::SettingBit bit, bool on) {
    const auto mask = static_cast<Byte>(1u << bit.bit);
    return {bit.offset, mask, on ? mask : Byte{0}};
}

struct Single {
    int offset;
    double mhz;
};

using VersionBytes = std::array<Byte, ri::kCountryFixedBytesSize>;

struct ImageTables {
    Byte country;
    Byte wideband;
    std::span<const Channel> channels;
    std::span<const Band> plan;
    const SearchLimits& searchLimits;
    List10 presetA;
    List10 presetB;
    List10 dualA;
    List10 dualB;
    std::span<const Setting> settings; // what this image sets beyond kCommonSettings
    Byte channelChoice;                // weather channel position or TV channel number
    std::span<const Single> singles;
    VersionBytes versionBytes;
};

// ---- Settings every image shares ------------------------------------------------------

constexpr Setting kCommonSettings[] = {
    Whole(ri::kRfSquelch, 0),            // "RF Squelch" "Off"
    Whole(ri::kOffTimer, 0),             // "Off Timer" "Off"
    Whole(ri::kContrast, 6),             // "Contrast" "7"
    Whole(ri::kOpeningBell, 0),          // "Opening Bell" "1: Pi"
    Whole(ri::kSmartSearchChannels, 2),  // "# of Channels" "31 Channels"
    Whole(ri::kMeterSymbol, 0),          // first "Meter Symbol"
    Whole(ri::kModeScan, 0),             // "Mode Scan" "OFF"
    Whole(ri::kResumeDelay, 4),          // "Resume Delay" "5 sec"
    Whole(ri::kScanMode, 0),             // "Scan Mode" "Pause"
    Whole(ri::kPriorityMode, WFM),       // priority channel "WFM"
    Whole(ri::kDualWatchPairIndex, 0),   // dual watch pair 0
    Whole(ri::kDualWatchScanMode, 0),    // "Dual Watch Scan Mode" "Time"
    Bit(ri::kAutoReceiveModeBit, false), // "Auto Receive Mode" checked
    Bit(ri::kKeypadLampBit, false),      // "Keypad Lamp" checked
    Bit(ri::kKeypadBeeperBit, false),    // "Keypad Beeper" checked
    Bit(ri::kFlexStepBit, false),        // "Flex Step" checked
    Bit(ri::kAttenuatorBit, false),      // "Attenuator" clear
    Bit(ri::kMonitorBit, false),         // "Monitor" clear
    Bit(ri::kLockModeBit, true),         // "Lock Mode" "Key + Dial"
    Bit(ri::kLampModeBit, false),        // "Lamp Mode" "Auto"
    Bit(ri::kSmartSearchModeBit, false), // Smart Search "Single"
    Bit(ri::kBandScopeBit, false),       // "Band Scope" "A Mode"
    Bit(ri::kSpan300kHzBit, false),      // span "600 kHz"
    Bit(ri::kLimitSearchBit, false),     // "Limit Search Mode" clear
    Bit(ri::kBankScanBit, false),        // "Bank Scan" "Off"
};

// Every image's priority channel.
constexpr Single kPriorityChannel{ri::kPriorityFrequency, 100.0};

// ---- The Japan image --------------------------------------------------------------------

// clang-format off
constexpr Channel kJapanChannels[] = {
    {1, 0.810, AM, "FEN", false},
    {2, 124.0, AM, "ﾊﾈﾀﾞ", false},           // Haneda
    {3, 145.0, NFM, "2mﾊﾑ", false},          // 2 m ham
    {4, 433.0, NFM, "70cmﾊﾑ", false},        // 70 cm ham
    {101, 0.594, AM, "NHKﾀﾞｲ1", true},       // NHK Dai-1
    {103, 0.693, AM, "NHKﾀﾞｲ2", true},       // NHK Dai-2
    {104, 0.810, AM, "FEN", true},
    {105, 0.954, AM, "TBSﾗｼﾞｵ", true},       // TBS Rajio
    {106, 1.134, AM, "ﾌﾞﾝｶﾎｳｿｳ", true},      // Bunka Housou
    {107, 1.242, AM, "ﾆｯﾎﾟﾝ", true},         // Nippon
    {112, 147.78, NFM, "", true},
    {201, 95.75, WFM, "NHKｿｳｺﾞｳ", true},     // NHK Sougou, TV 1
    {202, 107.75, WFM, "NHKｷｮｳｲｸ", true},    // NHK Kyouiku, TV 3
    {203, 175.75, WFM, "ﾆｯﾃﾚ", true},        // Nittere, TV 4
    {204, 187.75, WFM, "TBSﾃﾚﾋﾞ", true},     // TBS Terebi, TV 6
    {205, 197.75, WFM, "ﾌｼﾞﾃﾚﾋﾞ", true},     // Fuji Terebi, TV 8
    {206, 209.75, WFM, "ﾃﾚﾋﾞｱｻﾋ", true},     // Terebi Asahi, TV 10
    {207, 221.75, WFM, "TVﾄｳｷｮｳ", true},     // TV Toukyou, TV 12
    {208, 481.75, WFM, "MXﾃﾚﾋﾞ", true},      // MX Terebi, TV 14
    {209, 493.75, WFM, "ﾎｳｿｳﾀﾞｲ", true},     // Housou Dai, TV 16
    {210, 649.75, WFM, "TVK", true},         // TV 42
    {223, 147.78, NFM, "", true},
    {301, 3.925, AM, "ﾗｼﾞｵﾀﾝﾊﾟ", true},      // Rajio Tanpa
    {302, 5.000, AM, "JJY", true},
    {303, 6.055, AM, "ﾆｯｹｲ1", true},         // Nikkei 1
    {304, 6.1149, AM, "ﾆｯｹｲ2", true},        // Nikkei 2
    {426, 147.78, NFM, "", true},
};
// clang-format on

// The plan of the Japan, ham-band and wideband images.
constexpr Band kSharedPlan[] = {
    {0.522, AM, k1kHz},     {1.62, AM, k9kHz},      {1.8, AM, k1kHz},      {2.0, LSB, k100Hz},
    {3.5, AM, k5kHz},       {3.805, LSB, k100Hz},   {7.0, AM, k5kHz},      {7.2, LSB, k100Hz},
    {10.1, AM, k5kHz},      {10.15, CW, k100Hz},    {14.0, AM, k5kHz},     {14.35, USB, k100Hz},
    {18.068, AM, k5kHz},    {18.168, USB, k100Hz},  {21.0, AM, k5kHz},     {21.45, USB, k100Hz},
    {24.89, AM, k5kHz},     {24.99, USB, k100Hz},   {26.96, AM, k5kHz},    {27.15, AM, k1kHz},
    {28.0, AM, k5kHz},      {29.7, USB, k100Hz},    {50.0, NFM, k5kHz},    {54.0, USB, k1kHz},
    {76.0, NFM, k12_5kHz},  {90.0, WFM, k100kHz},   {108.0, WFM, k100kHz}, {118.0, AM, k50kHz},
    {137.0, AM, k25kHz},    {144.0, NFM, k12_5kHz}, {146.0, NFM, k20kHz},  {156.0, NFM, k12_5kHz},
    {162.0, NFM, k25kHz},   {170.0, NFM, k12_5kHz}, {222.0, WFM, k100kHz}, {335.0, AM, k25kHz},
    {400.0, NFM, k12_5kHz}, {430.0, NFM, k12_5kHz}, {440.0, NFM, k20kHz},  {470.0, NFM, k12_5kHz},
    {770.0, WFM, k100kHz},  {806.0, NFM, k12_5kHz}, {850.0, NFM, k25kHz},  {895.0, NFM, k25kHz},
    {962.0, NFM, k25kHz},   {1090.0, AM, k100kHz},  {1215.0, AM, k100kHz}, {1240.0, NFM, k25kHz},
    {1260.0, WFM, k100kHz}, {1300.0, NFM, k20kHz},
};
static_assert(std::size(kSharedPlan) == ri::kBandEntries);

constexpr SearchLimits kJapanLimits{{
    {{76.0, WFM}, {107.75, WFM}},
    {{118.0, AM}, {136.975, AM}},
    {{144.0, NFM}, {146.0, NFM}},
    {{146.0, NFM}, {170.0, NFM}},
    {{170.0, WFM}, {222.0, WFM}},
    {{400.0, NFM}, {470.0, NFM}},
    {{430.0, NFM}, {440.0, NFM}},
    {{470.0, WFM}, {770.0, WFM}},
    {{0.522, AM}, {1.629, AM}},
    {{1260.0, NFM}, {1299.99995, NFM}},
}};

constexpr Entry kJapanPresetA[] = {
    {5.0, AM},   {0.594, AM}, {3.925, AM}, {7.0, LSB},   {14.0, USB},
    {50.0, USB}, {81.3, WFM}, {118.0, AM}, {145.0, NFM}, {433.0, NFM},
};
constexpr Entry kJapanPresetB[] = {
    {0.594, AM}, {0.954, AM},  {6.055, AM}, {21.0, USB},  {28.0, USB},
    {80.0, WFM}, {95.75, WFM}, {124.0, AM}, {144.5, NFM}, {1295.0, NFM},
};
constexpr Entry kJapanDualA[] = {
    {10.0, AM},  {0.594, AM}, {3.925, AM},  {7.0, LSB},   {21.0, USB},
    {50.0, USB}, {118.0, AM}, {145.0, NFM}, {433.0, NFM}, {1295.0, NFM},
};
constexpr Entry kJapanDualB[] = {
    {100.0, WFM}, {0.954, AM}, {6.055, AM},   {14.0, USB},  {28.0, USB},
    {81.3, WFM},  {124.0, AM}, {147.78, NFM}, {439.0, NFM}, {1270.0, NFM},
};

constexpr Setting kJapanSettings[] = {
    Whole(ri::kBatterySaver, 0),    // "Battery Saver" "Off"
    Whole(ri::kOpenMessageMode, 2), // "Open Message" "User"
    Whole(ri::kSweepStepsA, 0),     // A Mode "Sweep Steps" "9 kHz"
    Whole(ri::kSweepStepsB, 5),     // B Mode "Sweep Steps" "9 kHz"
    Bit(ri::kJapaneseBit, false),   // "Japanese" checked
};

constexpr Single kJapanSingles[] = {
    {ri::kHomeFrequency, 81.3},     {ri::kSmartSearchLower, 100.0}, {ri::kSmartSearchStart, 200.0},
    {ri::kSmartSearchUpper, 300.0}, {ri::kDualWatchCurrentA, 10.0}, {ri::kDualWatchCurrentB, 100.0},
};

// ---- What the ham-band and wideband images share with the general one ------------------

constexpr SearchLimits OverseasLimits(double lowerOf10MHzPair) {
    return {{
        {{0.52, AM}, {1.8, AM}},
        {{1.8, AM}, {3.6, LSB}},
        {{3.6, LSB}, {10.5, AM}},
        {{lowerOf10MHzPair, AM}, {21.0, USB}},
        {{21.0, USB}, {30.0, NFM}},
        {{50.0, CW}, {54.0, WFM}},
        {{88.0, WFM}, {108.0, AM}},
        {{144.0, CW}, {148.0, NFM}},
        {{430.0, NFM}, {450.0, NFM}},
        {{1240.0, NFM}, {1299.99995, NFM}},
    }};
}

constexpr Entry kOverseasDualA[] = {
    {0.52, AM}, {3.5, LSB},  {7.0, LSB},   {14.0, USB},  {21.0, USB},
    {50.0, CW}, {88.0, WFM}, {144.0, NFM}, {430.0, NFM}, {1240.0, NFM},
};
constexpr Entry kOverseasDualB[] = {
    {1.8, AM},   {3.6, LSB},   {10.5, AM},   {18.068, USB}, {28.0, USB},
    {52.0, NFM}, {100.0, WFM}, {145.0, NFM}, {433.0, NFM},  {1295.0, NFM},
};

constexpr Setting kOverseasSettings[] = {
    Whole(ri::kBatterySaver, 1),    // "Battery Saver" "1:4 (1 sec)"
    Whole(ri::kOpenMessageMode, 0), // "Open Message" "Default"
    Whole(ri::kSweepStepsA, 3),     // A Mode "Sweep Steps" "20 kHz"
    Whole(ri::kSweepStepsB, 9),     // B Mode "Sweep Steps" "20 kHz"
    Bit(ri::kJapaneseBit, true),    // "Japanese" clear
};

constexpr SearchLimits kHamAndWidebandLimits = OverseasLimits(10.51);

// ---- The ham-band image -----------------------------------------------------------------

constexpr Channel kHamBandChannels[] = {
    {1, 0.810, AM, "FEN", false},
    {2, 144.5, NFM, "VHF Ham", false},
    {3, 433.0, NFM, "UHF Ham", false},
};

constexpr Entry kHamBandPresetA[] = {
    {5.0, AM},   {0.81, AM},  {3.5, LSB},   {7.0, LSB},   {14.0, USB},
    {50.0, USB}, {88.0, WFM}, {144.5, NFM}, {433.0, NFM}, {1240.0, NFM},
};
constexpr Entry kHamBandPresetB[] = {
    {0.52, AM},  {1.8, AM},  {3.6, LSB},   {10.5, AM},   {21.0, USB},
    {28.0, USB}, {50.0, CW}, {100.0, WFM}, {145.0, NFM}, {430.0, NFM},
};

constexpr Single kHamBandSingles[] = {
    {ri::kHomeFrequency, 433.0},    {ri::kSmartSearchLower, 100.0}, {ri::kSmartSearchStart, 200.0},
    {ri::kSmartSearchUpper, 300.0}, {ri::kDualWatchCurrentA, 0.52}, {ri::kDualWatchCurrentB, 1.8},
};

// ---- The wideband image -----------------------------------------------------------------

constexpr Channel kWidebandChannels[] = {
    {1, 145.0, NFM, "VHF HAM", false},
    {2, 430.0, NFM, "UHF HAM", false},
    {3, 108.0, AM, "Air", false},
};

constexpr Entry kWidebandPresetA[] = {
    {5.0, AM},  {0.52, AM},  {3.5, LSB},  {7.0, LSB},   {14.0, USB},
    {50.0, CW}, {88.0, WFM}, {108.0, AM}, {145.0, NFM}, {430.0, NFM},
};
constexpr Entry kWidebandPresetB[] = {
    {0.52, AM}, {1.8, AM},   {3.6, LSB},  {10.5, AM},   {21.0, USB},
    {50.0, CW}, {88.0, WFM}, {118.0, AM}, {430.0, NFM}, {1240.0, NFM},
};

constexpr Single kWidebandSingles[] = {
    {ri::kHomeFrequency, 108.0},    {ri::kSmartSearchLower, 100.0}, {ri::kSmartSearchStart, 200.0},
    {ri::kSmartSearchUpper, 300.0}, {ri::kDualWatchCurrentA, 0.52}, {ri::kDualWatchCurrentB, 1.8},
};

// ---- The general image ------------------------------------------------------------------

constexpr std::span<const Channel> kNoChannels;

// 49 bands; entry 49 stays empty.
constexpr Band kGeneralPlan[] = {
    {0.285, NFM, k1kHz},    {0.52, AM, k1kHz},      {1.71, AM, k10kHz},     {1.8, AM, k5kHz},
    {2.0, LSB, k100Hz},     {3.5, AM, k5kHz},       {4.0, LSB, k100Hz},     {7.0, AM, k5kHz},
    {7.3, LSB, k100Hz},     {10.1, AM, k5kHz},      {10.15, CW, k100Hz},    {14.0, AM, k5kHz},
    {14.35, USB, k100Hz},   {21.0, AM, k5kHz},      {21.45, USB, k100Hz},   {26.965, AM, k5kHz},
    {27.405, AM, k10kHz},   {28.0, AM, k5kHz},      {29.7, USB, k100Hz},    {50.0, NFM, k5kHz},
    {54.0, USB, k1kHz},     {88.0, WFM, k50kHz},    {108.0, WFM, k50kHz},   {118.0, AM, k50kHz},
    {137.0, AM, k25kHz},    {138.0, NFM, k5kHz},    {144.0, NFM, k12_5kHz}, {144.3, USB, k100Hz},
    {148.0, NFM, k5kHz},    {156.0, NFM, k5kHz},    {162.0, NFM, k25kHz},   {163.0, NFM, k25kHz},
    {174.0, NFM, k12_5kHz}, {216.0, WFM, k50kHz},   {220.0, NFM, k12_5kHz}, {225.0, NFM, k20kHz},
    {400.0, AM, k25kHz},    {420.0, NFM, k12_5kHz}, {450.0, NFM, k25kHz},   {470.0, NFM, k12_5kHz},
    {770.0, WFM, k50kHz},   {806.0, NFM, k12_5kHz}, {896.0, NFM, k12_5kHz}, {902.0, NFM, k12_5kHz},
    {928.0, NFM, k25kHz},   {960.0, NFM, k12_5kHz}, {1215.0, AM, k100kHz},  {1240.0, NFM, k25kHz},
    {1300.0, NFM, k25kHz},
};
static_assert(std::size(kGeneralPlan) == ri::kBandLookupEntries);

constexpr SearchLimits kGeneralLimits = OverseasLimits(10.5);

constexpr Entry kGeneralPresetA[] = {
    {5.0, AM},  {0.52, AM},  {3.5, LSB},  {7.0, LSB},   {14.0, USB},
    {50.0, CW}, {88.0, WFM}, {144.0, CW}, {430.0, NFM}, {1240.0, NFM},
};
constexpr Entry kGeneralPresetB[] = {
    {0.52, AM}, {1.8, AM},   {3.6, LSB},  {10.5, AM},   {21.0, USB},
    {50.0, CW}, {88.0, WFM}, {144.0, CW}, {430.0, NFM}, {1240.0, NFM},
};

constexpr Single kGeneralSingles[] = {
    {ri::kHomeFrequency, 145.0},    {ri::kSmartSearchLower, 144.3},
    {ri::kSmartSearchStart, 146.0}, {ri::kSmartSearchUpper, 147.995},
    {ri::kDualWatchCurrentA, 0.52}, {ri::kDualWatchCurrentB, 1.8},
};

// ---- The four images --------------------------------------------------------------------

// The version bytes at the end of each row are what the repair always puts back; the
// program never interprets them. Rows follow the order of DefaultImage.
constexpr ImageTables kImages[] = {
    {0, 0, kJapanChannels, kSharedPlan, kJapanLimits, kJapanPresetA, kJapanPresetB, kJapanDualA,
     kJapanDualB, kJapanSettings, 1 /* Chan 1 */, kJapanSingles,
     VersionBytes{0x00, 0x01, 0x00, 0x76, 0x00, 0x09, 0x00, 0x00}},
    {1, 0, kHamBandChannels, kSharedPlan, kHamAndWidebandLimits, kHamBandPresetA, kHamBandPresetB,
     kOverseasDualA, kOverseasDualB, kOverseasSettings, 1 /* 162.4000 MHz */, kHamBandSingles,
     VersionBytes{0x01, 0x01, 0x00, 0x87, 0x50, 0x09, 0x00, 0x00}},
    {1, 1, kWidebandChannels, kSharedPlan, kHamAndWidebandLimits, kWidebandPresetA,
     kWidebandPresetB, kOverseasDualA, kOverseasDualB, kOverseasSettings, 1 /* 162.4000 MHz */,
     kWidebandSingles, VersionBytes{0x01, 0x01, 0x01, 0x87, 0x50, 0x09, 0x00, 0x00}},
    {4, 0, kNoChannels, kGeneralPlan, kGeneralLimits, kGeneralPresetA, kGeneralPresetB,
     kOverseasDualA, kOverseasDualB, kOverseasSettings, 0 /* 162.5500 MHz */, kGeneralSingles,
     VersionBytes{0x04, 0x01, 0x00, 0x88, 0x00, 0x10, 0x00, 0x00}},
};
static_assert(kImages[static_cast<int>(DefaultImage::Japan)].country == 0);
static_assert(kImages[static_cast<int>(DefaultImage::HamBand)].wideband == 0);
static_assert(kImages[static_cast<int>(DefaultImage::Wideband)].wideband == 1);
static_assert(kImages[static_cast<int>(DefaultImage::General)].country == 4);

// ---- Building the bytes -----------------------------------------------------------------

void PutFreq8(Byte* image, int offset, double mhz) {
    const int hz = Hz(mhz);
    Q_ASSERT(FitsFreq8(hz));
    EncodeDigits(image + offset, hz, 8);
}

void PutChannels(Byte* image, std::span<const Channel> channels) {
    std::fill_n(image + ri::kChannelNames, ri::kChannelCount * ri::kChannelNameSize, Byte{' '});
    for (const Channel& c : channels) {
        PutFreq8(image, ri::ChannelFrequency(c.number), c.mhz);
        image[ri::ChannelFlag(c.number)] = c.mode;
        [[maybe_unused]] const bool named =
            NameFromText(QString::fromUtf8(c.name), image + ri::ChannelName(c.number));
        Q_ASSERT(named);
        if (c.used) {
            const int bit = c.number - 1;
            image[ri::kChannelUsedBitmap + bit / 8] |= static_cast<Byte>(1u << (bit % 8));
        }
    }
}

void PutPlan(Byte* image, std::span<const Band> plan) {
    std::fill_n(image + ri::kBandTable, ri::kBandEntries * 4, Byte{0xFF});
    for (size_t i = 0; i < plan.size(); ++i) {
        Byte* entry = image + ri::BandEntry(static_cast<int>(i));
        EncodeDigits(entry, Hz(plan[i].upperMHz) / 100, 6);
        entry[3] = static_cast<Byte>(plan[i].step << 4 | plan[i].mode);
    }
}

// Steps stay 0, "Auto"; groups with an entry bitmap get every entry marked.
void PutEntry(Byte* image, const ri::Group10& group, int k, const Entry& entry) {
    PutFreq8(image, group.frequencies + 4 * k, entry.mhz);
    image[group.modes + k] = entry.mode;
    if (group.bitmap >= 0)
        image[group.bitmap + k / 8] |= static_cast<Byte>(1u << (k % 8));
}

void PutList(Byte* image, const ri::Group10& group, List10 list) {
    for (int k = 0; k < ri::kGroupEntries; ++k)
        PutEntry(image, group, k, list[k]);
}

void PutSearchLimits(Byte* image, const SearchLimits& limits) {
    for (int k = 0; k < ri::kGroupEntries; ++k) {
        PutEntry(image, ri::kVfoLower, k, limits[k].lower);
        PutEntry(image, ri::kVfoUpper, k, limits[k].upper);
    }
}

void PutSettings(Byte* image, std::span<const Setting> settings) {
    for (const Setting& s : settings)
        image[s.offset] = static_cast<Byte>((image[s.offset] & ~s.mask) | s.value);
}

RadioImageBytes Build(const ImageTables& t) {
    RadioImageBytes bytes{};
    Byte* image = bytes.data();
    image[ri::kCountryCode] = t.country;
    image[ri::kWidebandFlag] = t.wideband;
    PutChannels(image, t.channels);
    PutPlan(image, t.plan);
    PutSearchLimits(image, t.searchLimits);
    PutList(image, ri::kPresetA, t.presetA);
    PutList(image, ri::kPresetB, t.presetB);
    PutList(image, ri::kDualA, t.dualA);
    PutList(image, ri::kDualB, t.dualB);
    std::fill_n(image + ri::kSkipFrequencies, ri::kSkipEntries * 4, Byte{0xFF});
    std::fill_n(image + ri::kOpenMessage, ri::kOpenMessageSize, Byte{' '});
    PutSettings(image, kCommonSettings);
    PutSettings(image, t.settings);
    image[ri::kChannelChoice] = t.channelChoice;
    PutFreq8(image, kPriorityChannel.offset, kPriorityChannel.mhz);
    for (const Single& s : t.singles)
        PutFreq8(image, s.offset, s.mhz);
    std::copy(t.versionBytes.begin(), t.versionBytes.end(), image + ri::kCountryFixedBytes);
    return bytes;
}

} // namespace

DefaultImage DefaultImageFor(int country, int wideband) {
    if ((country == 0 || country == 1) && wideband != 0)
        return DefaultImage::Wideband;
    if (country == 0)
        return DefaultImage::Japan;
    if (country == 1)
        return DefaultImage::HamBand;
    return DefaultImage::General;
}

const RadioImageBytes& DefaultImageBytes(DefaultImage which) {
    static const std::array<RadioImageBytes, std::size(kImages)> images = {
        Build(kImages[0]), Build(kImages[1]), Build(kImages[2]), Build(kImages[3])};
    return images[static_cast<size_t>(which)];
}
