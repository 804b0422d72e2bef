#include "radio/DefaultImages.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace layout;

namespace {

constexpr int NFM = 1, WFM = 2, AM = 3, LSB = 4, USB = 5, CW = 6;

int Hz(double mhz) {
    return static_cast<int>(mhz * 1'000'000.0 + 0.5);
}

const Byte* Bytes(DefaultImage which) {
    return DefaultImageBytes(which).data();
}
int Freq8(const Byte* image, int offset) {
    return DecodeDigits(image + offset, 8);
}
int EdgeHz(const Byte* image, int entry) {
    return DecodeDigits(image + ri::BandEntry(entry), 6) * 100;
}
int BandMode(const Byte* image, int entry) {
    return image[ri::BandEntry(entry) + 3] & 0x0F;
}
int BandStep(const Byte* image, int entry) {
    return image[ri::BandEntry(entry) + 3] >> 4;
}
bool BitOf(const Byte* image, ri::SettingBit b) {
    return (image[b.offset] >> b.bit) & 1;
}
bool ChannelUsed(const Byte* image, int n) {
    return (image[ri::kChannelUsedBitmap + (n - 1) / 8] >> ((n - 1) % 8)) & 1;
}
QString Name(const Byte* image, int n) {
    return TextFromName(image + ri::ChannelName(n));
}
int ChannelMode(const Byte* image, int n) {
    return image[ri::ChannelFlag(n)] & 0x07;
}

constexpr DefaultImage kAll[] = {DefaultImage::Japan, DefaultImage::HamBand, DefaultImage::Wideband,
                                 DefaultImage::General};

// What sets the four images apart.
struct ImageFacts {
    DefaultImage image;
    int country, wideband;
    double home;
    double smartSearch[3];
    double dualCurrent[2];
    int batterySaver, openMessage, sweepA, sweepB, channelChoice;
    bool japaneseBitSet;
};

constexpr ImageFacts kFacts[] = {
    {DefaultImage::General, 4, 0, 145.0, {144.3, 146.0, 147.995}, {0.52, 1.8}, 1, 0, 3, 9, 0, true},
    {DefaultImage::Japan, 0, 0, 81.3, {100, 200, 300}, {10, 100}, 0, 2, 0, 5, 1, false},
    {DefaultImage::HamBand, 1, 0, 433.0, {100, 200, 300}, {0.52, 1.8}, 1, 0, 3, 9, 1, true},
    {DefaultImage::Wideband, 1, 1, 108.0, {100, 200, 300}, {0.52, 1.8}, 1, 0, 3, 9, 1, true},
};

} // namespace

TEST(DefaultImages, ValuesThatDifferBetweenImages) {
    for (const ImageFacts& f : kFacts) {
        SCOPED_TRACE(static_cast<int>(f.image));
        const Byte* image = Bytes(f.image);
        EXPECT_EQ(image[ri::kCountryCode], f.country);
        EXPECT_EQ(image[ri::kWidebandFlag], f.wideband);
        EXPECT_EQ(Freq8(image, ri::kHomeFrequency), Hz(f.home));
        EXPECT_EQ(Freq8(image, ri::kSmartSearchLower), Hz(f.smartSearch[0]));
        EXPECT_EQ(Freq8(image, ri::kSmartSearchStart), Hz(f.smartSearch[1]));
        EXPECT_EQ(Freq8(image, ri::kSmartSearchUpper), Hz(f.smartSearch[2]));
        EXPECT_EQ(Freq8(image, ri::kDualWatchCurrentA), Hz(f.dualCurrent[0]));
        EXPECT_EQ(Freq8(image, ri::kDualWatchCurrentB), Hz(f.dualCurrent[1]));
        EXPECT_EQ(image[ri::kBatterySaver], f.batterySaver);
        EXPECT_EQ(image[ri::kOpenMessageMode], f.openMessage);
        EXPECT_EQ(image[ri::kSweepStepsA], f.sweepA);
        EXPECT_EQ(image[ri::kSweepStepsB], f.sweepB);
        EXPECT_EQ(image[ri::kChannelChoice], f.channelChoice);
        EXPECT_EQ(BitOf(image, ri::kJapaneseBit), f.japaneseBitSet);
    }
}

TEST(DefaultImages, ValuesAllFourShare) {
    for (DefaultImage which : kAll) {
        SCOPED_TRACE(static_cast<int>(which));
        const Byte* image = Bytes(which);
        EXPECT_EQ(image[ri::kRfSquelch], 0);
        EXPECT_EQ(image[ri::kOffTimer], 0);
        EXPECT_EQ(image[ri::kContrast], 6);
        EXPECT_EQ(image[ri::kOpeningBell], 0);
        EXPECT_EQ(image[ri::kSmartSearchChannels], 2);
        EXPECT_EQ(image[ri::kMeterSymbol], 0);
        EXPECT_EQ(image[ri::kResumeDelay], 4);
        EXPECT_EQ(image[ri::kScanMode], 0);
        for (ri::SettingBit clear :
             {ri::kAutoReceiveModeBit, ri::kKeypadLampBit, ri::kKeypadBeeperBit, ri::kFlexStepBit,
              ri::kAttenuatorBit, ri::kMonitorBit, ri::kLampModeBit, ri::kSmartSearchModeBit,
              ri::kBandScopeBit, ri::kSpan300kHzBit, ri::kLimitSearchBit})
            EXPECT_FALSE(BitOf(image, clear)) << clear.offset << ":" << clear.bit;
        EXPECT_TRUE(BitOf(image, ri::kLockModeBit));
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image + ri::kOpenMessage), 8),
                  QByteArray(8, ' '));

        EXPECT_EQ(Freq8(image, ri::kPriorityFrequency), Hz(100.0));
        EXPECT_EQ(image[ri::kPriorityMode], WFM);
        EXPECT_EQ(Freq8(image, ri::kPresetGroupA), Hz(5.0));
        EXPECT_EQ(image[ri::kPresetA.modes], AM);
        for (const ri::Group10& g : {ri::kPresetA, ri::kPresetB, ri::kDualA, ri::kDualB})
            for (int k = 0; k < ri::kGroupEntries; ++k)
                EXPECT_EQ(image[g.steps + k], 0) << "step bytes are Auto";
        // Every entry of the lists with an entry bitmap is marked, the last two included.
        for (const ri::Group10& g : {ri::kPresetA, ri::kPresetB, ri::kVfoLower, ri::kVfoUpper}) {
            EXPECT_EQ(image[g.bitmap], 0xFF) << g.bitmap;
            EXPECT_EQ(image[g.bitmap + 1] & 0x03, 0x03) << g.bitmap;
        }

        for (int i = 0; i < 13; ++i)
            EXPECT_EQ(image[ri::kSkipBitmap + i], 0);
        for (int i = 0; i < ri::kSkipEntries * 4; ++i)
            ASSERT_EQ(image[ri::kSkipFrequencies + i], 0xFF);
    }
}

TEST(DefaultImages, GeneralBandPlan) {
    const Byte* image = Bytes(DefaultImage::General);
    struct Row {
        double mhz;
        int mode, step;
    };
    // Step codes: 3 = 1 kHz, 4 = 5 kHz, 7 = 10 kHz, 8 = 12.5 kHz, 11 = 25 kHz, 13 = 50 kHz.
    const Row stated[] = {{0.285, NFM, 3}, {0.52, AM, 3},   {1.71, AM, 7},   {108.0, WFM, 13},
                          {144.0, NFM, 8}, {148.0, NFM, 4}, {770.0, WFM, 13}};
    for (const Row& row : stated) {
        int found = -1;
        for (int i = 0; i < ri::kBandEntries; ++i)
            if (EdgeHz(image, i) == Hz(row.mhz))
                found = i;
        ASSERT_GE(found, 0) << row.mhz;
        EXPECT_EQ(BandMode(image, found), row.mode) << row.mhz;
        EXPECT_EQ(BandStep(image, found), row.step) << row.mhz;
    }
    EXPECT_EQ(EdgeHz(image, 27), Hz(144.3));
    EXPECT_GT(EdgeHz(image, 28), Hz(144.3));
    EXPECT_LT(EdgeHz(image, 28), Hz(156.0));
    EXPECT_EQ(EdgeHz(image, 29), Hz(156.0));
    EXPECT_EQ(EdgeHz(image, 47), Hz(1240.0));
    EXPECT_EQ(EdgeHz(image, 48), Hz(1300.0));
    EXPECT_EQ(BandMode(image, 48), NFM);
    EXPECT_EQ(BandStep(image, 48), 11);
    for (int b = 0; b < 4; ++b)
        EXPECT_EQ(image[ri::BandEntry(49) + b], 0xFF);

    // 100 MHz lies in the band that ends at 108 MHz.
    int entry = 0;
    while (EdgeHz(image, entry) <= Hz(100.0))
        ++entry;
    EXPECT_EQ(EdgeHz(image, entry), Hz(108.0));
    EXPECT_EQ(BandMode(image, entry), WFM);
}

TEST(DefaultImages, SharedBandPlan) {
    const Byte* japan = Bytes(DefaultImage::Japan);
    for (DefaultImage other : {DefaultImage::HamBand, DefaultImage::Wideband})
        EXPECT_TRUE(std::equal(japan + ri::kBandTable, japan + ri::kBandTable + 200,
                               Bytes(other) + ri::kBandTable));
    EXPECT_EQ(EdgeHz(japan, 48), Hz(1260.0));
    EXPECT_EQ(BandMode(japan, 48), WFM);
    EXPECT_EQ(BandStep(japan, 48), 14);
    EXPECT_EQ(EdgeHz(japan, 49), Hz(1300.0));
    EXPECT_EQ(BandMode(japan, 49), NFM);
    EXPECT_EQ(BandStep(japan, 49), 10);
}

TEST(DefaultImages, BandPlansAscendWithModesAndSteps) {
    for (DefaultImage which : kAll) {
        const Byte* image = Bytes(which);
        const int entries = which == DefaultImage::General ? 49 : 50;
        for (int i = 0; i < entries; ++i) {
            EXPECT_GE(BandMode(image, i), 1);
            EXPECT_LE(BandMode(image, i), 6);
            EXPECT_GE(BandStep(image, i), 1);
            EXPECT_LE(BandStep(image, i), 14);
            if (i > 0) {
                EXPECT_GT(EdgeHz(image, i), EdgeHz(image, i - 1))
                    << static_cast<int>(which) << " entry " << i;
            }
        }
        EXPECT_GT(EdgeHz(image, 0), kLowestHz);
        EXPECT_EQ(EdgeHz(image, entries - 1), kTopHz);
    }
}

TEST(DefaultImages, SearchLimitPairs) {
    struct Pair {
        double lower;
        int lowerMode;
        double upper;
        int upperMode;
    };
    const Pair general[] = {{0.52, AM, 1.8, AM},      {1.8, AM, 3.6, LSB},
                            {3.6, LSB, 10.5, AM},     {10.5, AM, 21.0, USB},
                            {21.0, USB, 30.0, NFM},   {50.0, CW, 54.0, WFM},
                            {88.0, WFM, 108.0, AM},   {144.0, CW, 148.0, NFM},
                            {430.0, NFM, 450.0, NFM}, {1240.0, NFM, 1299.99995, NFM}};
    for (DefaultImage which :
         {DefaultImage::General, DefaultImage::HamBand, DefaultImage::Wideband}) {
        const Byte* image = Bytes(which);
        for (int k = 0; k < 10; ++k) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(which) << " pair " << k);
            const bool tenPointFiftyOne = k == 3 && which != DefaultImage::General;
            EXPECT_EQ(Freq8(image, ri::kVfoBandLowerEdges + 4 * k),
                      tenPointFiftyOne ? Hz(10.51) : Hz(general[k].lower));
            EXPECT_EQ(Freq8(image, ri::kVfoBandUpperEdges + 4 * k), Hz(general[k].upper));
            EXPECT_EQ(image[ri::kVfoLower.modes + k], general[k].lowerMode);
            EXPECT_EQ(image[ri::kVfoUpper.modes + k], general[k].upperMode);
        }
    }
    const Byte* japan = Bytes(DefaultImage::Japan);
    EXPECT_EQ(Freq8(japan, ri::kVfoBandLowerEdges), Hz(76.0));
    EXPECT_EQ(Freq8(japan, ri::kVfoBandUpperEdges), Hz(107.75));
}

TEST(DefaultImages, GeneralPresetGroups) {
    struct Entry {
        double mhz;
        int mode;
    };
    const Entry a[] = {{5.0, AM},  {0.52, AM},  {3.5, LSB},  {7.0, LSB},   {14.0, USB},
                       {50.0, CW}, {88.0, WFM}, {144.0, CW}, {430.0, NFM}, {1240.0, NFM}};
    const Entry b[] = {{0.52, AM}, {1.8, AM},   {3.6, LSB},  {10.5, AM},   {21.0, USB},
                       {50.0, CW}, {88.0, WFM}, {144.0, CW}, {430.0, NFM}, {1240.0, NFM}};
    const Byte* image = Bytes(DefaultImage::General);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(Freq8(image, ri::kPresetA.frequencies + 4 * k), Hz(a[k].mhz)) << k;
        EXPECT_EQ(image[ri::kPresetA.modes + k], a[k].mode) << k;
        EXPECT_EQ(Freq8(image, ri::kPresetB.frequencies + 4 * k), Hz(b[k].mhz)) << k;
        EXPECT_EQ(image[ri::kPresetB.modes + k], b[k].mode) << k;
    }
}

TEST(DefaultImages, JapanChannels) {
    const Byte* image = Bytes(DefaultImage::Japan);
    std::set<int> used;
    for (int n = 1; n <= ri::kChannelCount; ++n)
        if (ChannelUsed(image, n))
            used.insert(n);
    const std::set<int> expected = {101, 103, 104, 105, 106, 107, 112, 201, 202, 203, 204, 205,
                                    206, 207, 208, 209, 210, 223, 301, 302, 303, 304, 426};
    EXPECT_EQ(used, expected);

    for (int n = 101; n <= 107; ++n)
        if (used.count(n)) {
            EXPECT_EQ(ChannelMode(image, n), AM) << n;
            EXPECT_GE(DecodeDigits(image + ri::ChannelFrequency(n), 8), Hz(0.594)) << n;
        }
    EXPECT_EQ(Freq8(image, ri::ChannelFrequency(101)), Hz(0.594));
    EXPECT_EQ(Name(image, 104), QStringLiteral("FEN"));
    for (int n = 201; n <= 210; ++n) {
        EXPECT_EQ(ChannelMode(image, n), WFM) << n;
        EXPECT_GE(Freq8(image, ri::ChannelFrequency(n)), Hz(95.75)) << n;
        EXPECT_LE(Freq8(image, ri::ChannelFrequency(n)), Hz(649.75)) << n;
    }
    EXPECT_EQ(Freq8(image, ri::ChannelFrequency(201)), Hz(95.75));
    EXPECT_EQ(Freq8(image, ri::ChannelFrequency(210)), Hz(649.75));
    const double shortWave[] = {3.925, 5.000, 6.055, 6.1149};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Freq8(image, ri::ChannelFrequency(301 + i)), Hz(shortWave[i]));
        EXPECT_EQ(ChannelMode(image, 301 + i), AM);
    }
    EXPECT_EQ(Name(image, 302), QStringLiteral("JJY"));
    for (int n : {112, 223, 426}) {
        EXPECT_EQ(Freq8(image, ri::ChannelFrequency(n)), Hz(147.78)) << n;
        EXPECT_EQ(ChannelMode(image, n), NFM) << n;
        EXPECT_EQ(Name(image, n), QString()) << n;
    }
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FALSE(ChannelUsed(image, n));
        EXPECT_NE(Freq8(image, ri::ChannelFrequency(n)), 0) << n;
    }

    // Japanese station names use the receiver's single-byte katakana.
    int katakanaNames = 0;
    for (int n : used) {
        const Byte* name = image + ri::ChannelName(n);
        katakanaNames += std::any_of(name, name + 8, [](Byte b) { return b >= 0xA1 && b <= 0xDF; });
        for (int i = 0; i < 8; ++i)
            EXPECT_TRUE((name[i] >= 0x20 && name[i] <= 0x7E) ||
                        (name[i] >= 0xA1 && name[i] <= 0xDF))
                << n;
    }
    EXPECT_GE(katakanaNames, 10);
    EXPECT_EQ(Name(image, 106), QString::fromUtf8("ﾌﾞﾝｶﾎｳｿｳ"));
}

TEST(DefaultImages, ChannelsOfTheOtherImages) {
    struct Stored {
        DefaultImage image;
        int n;
        double mhz;
        int mode;
        const char* name;
    };
    const Stored stored[] = {
        {DefaultImage::HamBand, 1, 0.810, AM, "FEN"},
        {DefaultImage::HamBand, 2, 144.5, NFM, "VHF Ham"},
        {DefaultImage::HamBand, 3, 433.0, NFM, "UHF Ham"},
        {DefaultImage::Wideband, 1, 145.0, NFM, "VHF HAM"},
        {DefaultImage::Wideband, 2, 430.0, NFM, "UHF HAM"},
        {DefaultImage::Wideband, 3, 108.0, AM, "Air"},
    };
    for (const Stored& s : stored) {
        const Byte* image = Bytes(s.image);
        EXPECT_EQ(Freq8(image, ri::ChannelFrequency(s.n)), Hz(s.mhz));
        EXPECT_EQ(ChannelMode(image, s.n), s.mode);
        EXPECT_EQ(Name(image, s.n), QString::fromLatin1(s.name));
    }
    for (DefaultImage which :
         {DefaultImage::HamBand, DefaultImage::Wideband, DefaultImage::General}) {
        const Byte* image = Bytes(which);
        for (int i = 0; i < ri::kChannelUsedBitmapSize; ++i)
            ASSERT_EQ(image[ri::kChannelUsedBitmap + i], 0) << static_cast<int>(which);
    }
    const Byte* general = Bytes(DefaultImage::General);
    for (int n = 1; n <= ri::kChannelCount; ++n)
        ASSERT_EQ(Freq8(general, ri::ChannelFrequency(n)), 0) << n;
}

// Everything an image holds as a frequency is one its own receiver version accepts. The
// ham-band image is the exception its stated values make: the shared plan, the upper search
// limits 30/54/108/148/450 MHz and Smart Search 200/300 MHz lie outside its open bands.
TEST(DefaultImages, FrequenciesValidForTheirOwnVersion) {
    for (DefaultImage which : kAll) {
        SCOPED_TRACE(static_cast<int>(which));
        const Byte* image = Bytes(which);
        const auto valid = [&](int hz) {
            return !IsFrequencyBlockedFor(hz, image[ri::kCountryCode], image[ri::kWidebandFlag]);
        };
        std::vector<int> offsets = {ri::kHomeFrequency, ri::kPriorityFrequency,
                                    ri::kDualWatchCurrentA, ri::kDualWatchCurrentB};
        for (int n = 1; n <= ri::kChannelCount; ++n)
            if (Freq8(image, ri::ChannelFrequency(n)) != 0)
                offsets.push_back(ri::ChannelFrequency(n));
        for (const ri::Group10& g :
             {ri::kPresetA, ri::kPresetB, ri::kDualA, ri::kDualB, ri::kVfoLower})
            for (int k = 0; k < 10; ++k)
                offsets.push_back(g.frequencies + 4 * k);
        const bool hamBand = which == DefaultImage::HamBand;
        if (!hamBand) {
            for (int k = 0; k < 10; ++k)
                offsets.push_back(ri::kVfoUpper.frequencies + 4 * k);
            for (int o : {ri::kSmartSearchLower, ri::kSmartSearchStart, ri::kSmartSearchUpper})
                offsets.push_back(o);
            for (int i = 0; i < 48; ++i)
                EXPECT_TRUE(valid(EdgeHz(image, i))) << "band entry " << i;
        }
        for (int offset : offsets)
            EXPECT_TRUE(valid(Freq8(image, offset))) << "offset " << offset;
    }
}
