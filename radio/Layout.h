#pragma once
// Where everything lives in a data image (which is byte for byte a radio data file) and in
// the receiver's clone image inside it. Nothing else in the program spells a raw offset.

#include <cstdint>

namespace layout {

// ---- The data image / radio data file -------------------------------------------------
inline constexpr int kImageSize = 69818;

inline constexpr int kRdfHeader = 0;
inline constexpr int kRdfHeaderSize = 180;
inline constexpr int kReservedChannelArea = 180;
inline constexpr int kReservedChannelAreaSize = 12000;
inline constexpr int kRadioImage = 12180;
inline constexpr int kRadioImageSize = 15618;
inline constexpr int kRadioImageGap = 27798;
inline constexpr int kRadioImageGapSize = 20;
inline constexpr int kChannelSideRecords10 = 27818;
inline constexpr int kSideRecord10Size = 10;
inline constexpr int kChannelSideRecords32 = 37818;
inline constexpr int kSideRecord32Size = 32;

// Header fields (offsets inside RdfHeader). All integers little-endian.
namespace header {
inline constexpr int kSignature = 0;   // "RDF" 0
inline constexpr int kRadioTag = 4;    // "VX50"
inline constexpr int kFormatWord = 8;  // 2
inline constexpr int kFileLength = 12; // 69818
inline constexpr int kRadioName = 16;  // "Yaesu VX500", 40 bytes
inline constexpr int kRadioNameSize = 40;
inline constexpr int kChannelCount = 56; // u16 1000
inline constexpr int kReservedRecordSize = 58;
inline constexpr int kSide10RecordSize = 60;
inline constexpr int kSide32RecordSize = 62;
inline constexpr int kReservedAreaOffset = 64; // u32
inline constexpr int kSide10Offset = 68;
inline constexpr int kSide32Offset = 72;
inline constexpr int kRadioImageOffset = 76;
inline constexpr int kReserved80 = 80;
inline constexpr int kReserved81 = 81;
inline constexpr int kClearedOnLoad = 82; // 18 bytes zeroed in every loaded copy
inline constexpr int kClearedOnLoadSize = 18;

inline constexpr std::uint8_t kSignatureBytes[4] = {'R', 'D', 'F', 0};
inline constexpr std::uint8_t kRadioTagBytes[4] = {'V', 'X', '5', '0'};
inline constexpr char kRadioNameText[] = "Yaesu VX500";
inline constexpr std::uint32_t kFormatWordValue = 2;
} // namespace header

// ---- The clone image (offsets from the start of RadioImage) ----------------------------
namespace ri {
inline constexpr int kChannelCount = 1000;
inline constexpr int kBankSize = 100;
inline constexpr int kBlockCount = 488; // 32-byte blocks after the 2 country bytes
inline constexpr int kBlockSize = 32;

inline constexpr int kCountryCode = 0x0000;
inline constexpr int kWidebandFlag = 0x0001;
inline constexpr int kChannelUsedBitmap = 0x0002; // 125 bytes, channel n = bit n-1
inline constexpr int kChannelUsedBitmapSize = 125;
inline constexpr int kHomeFrequency = 0x0082; // freq8 no page edits
inline constexpr int kSettingsBlock = 0x0086; // 120 bytes up to 0x00FD
inline constexpr int kSettingsBlockSize = 120;
inline constexpr int kCountryFixedBytes = 0x00C8; // 8 bytes always taken from the default image
inline constexpr int kCountryFixedBytesSize = 8;
inline constexpr int kOpenMessage = 0x00DE; // 8 bytes of text
inline constexpr int kOpenMessageSize = 8;
inline constexpr int kSmartSearchLower = 0x00EC;   // freq8
inline constexpr int kSmartSearchStart = 0x00F0;   // freq8
inline constexpr int kSmartSearchUpper = 0x00F4;   // freq8
inline constexpr int kChannelFrequencies = 0x0102; // channel n at 0x00FE + 4n
inline constexpr int kChannelNames = 0x1102;       // channel n at 0x10FA + 8n
inline constexpr int kChannelNameSize = 8;
inline constexpr int kPresetGroupA = 0x3042;
inline constexpr int kVfoBandLowerEdges = 0x3082;
inline constexpr int kVfoBandUpperEdges = 0x30C2;
inline constexpr int kChannelFlags = 0x3102; // channel n at 0x3101 + n
inline constexpr int kBandTable = 0x3502;    // 50 entries of 4 bytes
inline constexpr int kBandEntries = 50;
inline constexpr int kBandLookupEntries = 49; // entry 49 carries no usable edge
inline constexpr int kScanMode = 0x3694;
inline constexpr int kPriorityFrequency = 0x36C2; // freq8
inline constexpr int kPriorityMode = 0x36D0;
inline constexpr int kDualWatchCurrentA = 0x36D1; // freq8
inline constexpr int kDualWatchCurrentB = 0x36D5; // freq8
inline constexpr int kDualWatchPairIndex = 0x36DE;
inline constexpr int kDualWatchScanMode = 0x36DF;
inline constexpr int kDualWatchListA = 0x3702;
inline constexpr int kDualWatchListB = 0x3742;
inline constexpr int kSkipBitmap = 0x3782; // 13 bytes, entry i = bit i
inline constexpr int kSkipEntries = 100;
inline constexpr int kSkipFrequencies = 0x3802; // 100 freq8, empty = FF FF FF FF
inline constexpr int kSkipModes = 0x3992;       // 100 bytes, bits 0-2 mode
inline constexpr int kPresetGroupB = 0x3A02;

// The 10-entry groups: ten freq8, a 2-byte entry bitmap and up to two 10-byte columns.
struct Group10 {
    int frequencies;
    int bitmap; // -1: the group has none
    int modes;
    int steps; // -1: the group has none
};
inline constexpr int kGroupEntries = 10;
inline constexpr Group10 kPresetA{kPresetGroupA, 0x306A, 0x306C, 0x3076};
inline constexpr Group10 kPresetB{kPresetGroupB, 0x3A2A, 0x3A2C, 0x3A36};
inline constexpr Group10 kVfoLower{kVfoBandLowerEdges, 0x30AA, 0x30AC, -1};
inline constexpr Group10 kVfoUpper{kVfoBandUpperEdges, 0x30EA, 0x30EC, -1};
inline constexpr Group10 kDualA{kDualWatchListA, -1, 0x3734, 0x372A};
inline constexpr Group10 kDualB{kDualWatchListB, -1, 0x3774, 0x376A};

inline constexpr int ChannelFrequency(int n) {
    return 0x00FE + 4 * n;
}
inline constexpr int ChannelName(int n) {
    return 0x10FA + 8 * n;
}
inline constexpr int ChannelFlag(int n) {
    return 0x3101 + n;
}
inline constexpr int BandEntry(int i) {
    return kBandTable + 4 * i;
}
inline constexpr int SkipFrequency(int i) {
    return kSkipFrequencies + 4 * i;
}

// Set-mode bytes inside SettingsBlock that hold one value each.
inline constexpr int kBatterySaver = 0x008A;
inline constexpr int kOffTimer = 0x008B;
inline constexpr int kResumeDelay = 0x008C;
inline constexpr int kContrast = 0x008D;
inline constexpr int kModeScan = 0x008E;
inline constexpr int kRfSquelch = 0x008F;
inline constexpr int kSmartSearchChannels = 0x0090;
inline constexpr int kOpeningBell = 0x0091;
inline constexpr int kOpenMessageMode = 0x0092;
inline constexpr int kBankLink = 0x009E; // 2 bytes, bank k = bit k
inline constexpr int kSweepStepsB = 0x00A3;
inline constexpr int kSweepStepsA = 0x00A4;
inline constexpr int kMeterSymbol = 0x00A7;
inline constexpr int kChannelChoice = 0x00AF; // weather or TV channel

// Set-mode switches that are single bits of shared bytes.
struct SettingBit {
    int offset;
    int bit;
};
inline constexpr SettingBit kLockModeBit{0x0098, 7};        // 1 = Key + Dial
inline constexpr SettingBit kAttenuatorBit{0x0098, 2};      // 1 = on
inline constexpr SettingBit kAutoReceiveModeBit{0x009B, 7}; // inverted
inline constexpr SettingBit kKeypadLampBit{0x009B, 5};      // inverted
inline constexpr SettingBit kLampModeBit{0x009B, 4};        // 1 = Toggle
inline constexpr SettingBit kBandScopeBit{0x009B, 3};       // 1 = B Mode
inline constexpr SettingBit kKeypadBeeperBit{0x009B, 2};    // inverted
inline constexpr SettingBit kJapaneseBit{0x009B, 1};        // inverted
inline constexpr SettingBit kBankScanBit{0x009C, 6};        // 1 = on
inline constexpr SettingBit kFlexStepBit{0x009C, 5};        // inverted
inline constexpr SettingBit kSmartSearchModeBit{0x009C, 3}; // 1 = Continuous
inline constexpr SettingBit kMonitorBit{0x009C, 2};         // 1 = on
inline constexpr SettingBit kLimitSearchBit{0x009C, 0};     // 1 = on
inline constexpr SettingBit kSpan300kHzBit{0x00A2, 5};      // 1 = 300 kHz, 0 = 600 kHz

// ChannelFlags bits.
inline constexpr std::uint8_t kFlagModeMask = 0x07;
inline constexpr std::uint8_t kFlagPreferential = 0x10;

// Set-mode bytes the receiver must get back as zero on every clone write.
inline constexpr int kClearedBeforeWrite[] = {0x0087, 0x0088, 0x0089, 0x0094, 0x0095,
                                              0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD,
                                              0x00AE, 0x00B2, 0x00C3, 0x3693};
} // namespace ri

inline constexpr int RadioImageOffset(int riOffset) {
    return kRadioImage + riOffset;
}
inline constexpr int SideRecord10(int n) {
    return kChannelSideRecords10 + 10 * (n - 1);
}
inline constexpr int SideRecord32(int n) {
    return kChannelSideRecords32 + 32 * (n - 1);
}

static_assert(kRadioImage + kRadioImageSize == kRadioImageGap);
static_assert(kRadioImageGap + kRadioImageGapSize == kChannelSideRecords10);
static_assert(kChannelSideRecords32 + 1000 * kSideRecord32Size == kImageSize);
static_assert(2 + ri::kBlockCount * ri::kBlockSize == kRadioImageSize);
static_assert(ri::ChannelFrequency(1000) + 4 == ri::kChannelFrequencies + 4000);
static_assert(ri::ChannelName(1000) + 8 == ri::kPresetGroupA);

} // namespace layout
