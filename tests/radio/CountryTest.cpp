#include "radio/DefaultImages.h"
#include "radio/Radio.h"
#include "radio/Settings.h"
#include "support/TempSettings.h"

#include <QSettings>
#include <gtest/gtest.h>
#include <optional>

using namespace layout;

namespace {

int Hz(double mhz) {
    return static_cast<int>(mhz * 1'000'000.0 + 0.5);
}
const Byte* Bytes(DefaultImage which) {
    return DefaultImageBytes(which).data();
}

class Country : public testing::Test {
protected:
    // The stored version, and an EditImage that starts as that version's default image.
    void Start(int country, int wideband) {
        WriteCountrySettings(country, wideband);
        radio.LoadDefaultImage(radio.EditRadio());
    }
    Byte* Edit() { return radio.EditRadio(); }
    int Freq8(int offset) { return DecodeDigits(Edit() + offset, 8); }
    void SetFreq8(int offset, int hz) { EncodeDigits(Edit() + offset, hz, 8); }
    void SetEmpty(int offset) { std::fill_n(Edit() + offset, 4, Byte{0xFF}); }
    bool SameAsDefault(const Byte* d, int offset, int count) {
        return std::equal(d + offset, d + offset + count, Edit() + offset);
    }

    TempSettings temp;
    CVR500Radio radio;
};

} // namespace

TEST_F(Country, LoadDefaultImageFollowsTheStoredSettings) {
    struct Case {
        std::optional<int> country, wideband;
        DefaultImage expected;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, DefaultImage::General},
        {0, std::nullopt, DefaultImage::Japan},
        {1, std::nullopt, DefaultImage::HamBand},
        {1, 1, DefaultImage::Wideband},
        {0, 1, DefaultImage::Wideband},
        {std::nullopt, 1, DefaultImage::General}, // country 4: wideband changes nothing
        {2, std::nullopt, DefaultImage::General},
        {3, 1, DefaultImage::General},
        {9, std::nullopt, DefaultImage::General},
    };
    for (const Case& c : cases) {
        auto store = settings::Open();
        store->clear();
        if (c.country)
            store->setValue(QLatin1String(settings::kCountry), *c.country);
        if (c.wideband)
            store->setValue(QLatin1String(settings::kWideband), *c.wideband);
        store->sync();
        // The image bytes must not sway the choice.
        radio.EditRadio()[ri::kCountryCode] = 0;
        radio.EditRadio()[ri::kWidebandFlag] = 1;

        RadioImageBytes dest{};
        radio.LoadDefaultImage(dest.data());
        EXPECT_EQ(dest, DefaultImageBytes(c.expected))
            << c.country.value_or(-1) << "/" << c.wideband.value_or(-1);
    }
}

// Repairing a default image for its own version changes nothing, apart from the ham-band
// image's Smart Search values that lie in bands it may not receive.
TEST_F(Country, RepairLeavesDefaultImagesAlone) {
    const struct { int country, wideband; } versions[] = {{0, 0}, {1, 0}, {1, 1}, {4, 0}};
    for (const auto& v : versions) {
        Start(v.country, v.wideband);
        const Image before = radio.EditImage();
        radio.RepairForCountry();
        Image expected = before;
        if (v.country == 1 && v.wideband == 0) {
            EncodeDigits(expected.data() + RadioImageOffset(ri::kSmartSearchStart), Hz(146), 8);
            EncodeDigits(expected.data() + RadioImageOffset(ri::kSmartSearchUpper), Hz(148), 8);
        }
        EXPECT_EQ(radio.EditImage(), expected) << v.country << "/" << v.wideband;
    }
}

TEST_F(Country, BlockedChannelLosesOnlyItsUsedBit) {
    Start(0, 0);
    const int n = 500;
    SetFreq8(ri::ChannelFrequency(n), Hz(812.0));
    NameFromText(QStringLiteral("MOBILE"), Edit() + ri::ChannelName(n));
    Edit()[ri::ChannelFlag(n)] = 0x11;
    radio.SetChannelUsed(n, true);
    SetFreq8(ri::ChannelFrequency(n + 1), Hz(145.0));
    radio.SetChannelUsed(n + 1, true);
    const Image before = radio.EditImage();

    radio.RepairForCountry();

    EXPECT_FALSE(radio.IsChannelUsed(n));
    EXPECT_TRUE(radio.IsChannelUsed(n + 1));
    EXPECT_EQ(Freq8(ri::ChannelFrequency(n)), Hz(812.0));
    EXPECT_EQ(TextFromName(Edit() + ri::ChannelName(n)), QStringLiteral("MOBILE"));
    EXPECT_EQ(Edit()[ri::ChannelFlag(n)], 0x11);
    Image expected = before;
    CRadio::SetBit(expected.data() + RadioImageOffset(ri::kChannelUsedBitmap), n - 1, false);
    EXPECT_EQ(radio.EditImage(), expected);
}

// Blocked means blocked for the version in the image's bytes 0 and 1; the replacements come
// from the default image of the stored settings.
TEST_F(Country, BlockingFollowsTheImageBytes) {
    Start(4, 0);
    Edit()[ri::kCountryCode] = 1;
    SetFreq8(ri::ChannelFrequency(7), Hz(200.0)); // open in country 4, closed in country 1
    radio.SetChannelUsed(7, true);
    SetFreq8(ri::kSmartSearchStart, Hz(300.0));
    radio.RepairForCountry();
    EXPECT_FALSE(radio.IsChannelUsed(7));
    EXPECT_EQ(Freq8(ri::kSmartSearchStart), Hz(146.0));
}

TEST_F(Country, BlockedSkipEntriesAreDropped) {
    Start(1, 0);
    const struct {
        int entry;
        double mhz;
        bool used, keeps;
    } skips[] = {{0, 145.0, true, true},
                 {1, 200.0, true, false},
                 {2, 200.0, false, false},
                 {99, 1305.0, true, false}};
    for (const auto& s : skips) {
        SetFreq8(ri::SkipFrequency(s.entry), Hz(s.mhz));
        radio.SetSkipUsed(s.entry, s.used);
    }
    radio.RepairForCountry();
    for (const auto& s : skips) {
        EXPECT_EQ(radio.IsSkipUsed(s.entry), s.keeps) << s.entry;
        EXPECT_EQ(Freq8(ri::SkipFrequency(s.entry)), Hz(s.mhz)) << s.entry;
    }
}

TEST_F(Country, BandEntryInABlockedBandComesFromTheDefaultPlan) {
    Start(4, 0);
    const Byte* d = Bytes(DefaultImage::General);
    const int entry = 42;
    EncodeDigits(Edit() + ri::BandEntry(entry), Hz(830.0) / 100, 6);
    Edit()[ri::BandEntry(entry) + 3] = 0x32;
    EncodeDigits(Edit() + ri::BandEntry(entry - 1), Hz(805.0) / 100, 6);

    radio.RepairForCountry();

    EXPECT_TRUE(SameAsDefault(d, ri::BandEntry(entry), 4));
    EXPECT_EQ(DecodeDigits(Edit() + ri::BandEntry(entry - 1), 6), Hz(805.0) / 100);
}

// Each 10-entry group: a blocked entry takes its frequency, mode, step and bitmap bit from
// the default image; its neighbours keep theirs.
TEST_F(Country, BlockedGroupEntriesComeFromTheDefaultImage) {
    for (const ri::Group10& g :
         {ri::kPresetA, ri::kPresetB, ri::kVfoLower, ri::kVfoUpper, ri::kDualA, ri::kDualB}) {
        SCOPED_TRACE(g.frequencies);
        Start(0, 0);
        const Byte* d = Bytes(DefaultImage::Japan);
        const int blocked = 4, kept = 5;
        SetEmpty(g.frequencies + 4 * blocked); // FF FF FF FF reads 1666.6665 MHz
        SetFreq8(g.frequencies + 4 * kept, Hz(433.0));
        for (int k : {blocked, kept}) {
            Edit()[g.modes + k] = 6;
            if (g.steps >= 0)
                Edit()[g.steps + k] = 9;
            if (g.bitmap >= 0)
                CRadio::SetBit(Edit() + g.bitmap, k, false);
        }

        radio.RepairForCountry();

        EXPECT_TRUE(SameAsDefault(d, g.frequencies + 4 * blocked, 4));
        EXPECT_TRUE(SameAsDefault(d, g.modes + blocked, 1));
        EXPECT_EQ(Freq8(g.frequencies + 4 * kept), Hz(433.0));
        EXPECT_EQ(Edit()[g.modes + kept], 6);
        if (g.steps >= 0) {
            EXPECT_TRUE(SameAsDefault(d, g.steps + blocked, 1));
            EXPECT_EQ(Edit()[g.steps + kept], 9);
        }
        if (g.bitmap >= 0) {
            EXPECT_EQ(CRadio::GetBit(Edit() + g.bitmap, blocked),
                      CRadio::GetBit(d + g.bitmap, blocked));
            EXPECT_FALSE(CRadio::GetBit(Edit() + g.bitmap, kept));
        }
    }
}

TEST_F(Country, VersionBytesAreAlwaysRestored) {
    Start(2, 0);
    std::fill_n(Edit() + ri::kCountryFixedBytes, ri::kCountryFixedBytesSize, Byte{0x5A});
    radio.RepairForCountry();
    EXPECT_TRUE(SameAsDefault(Bytes(DefaultImage::General), ri::kCountryFixedBytes,
                              ri::kCountryFixedBytesSize));
}

TEST_F(Country, DualWatchCurrentTakesTheSelectedPair) {
    Start(4, 0);
    Edit()[ri::kDualWatchPairIndex] = 3;
    SetFreq8(ri::kDualWatchListA + 4 * 3, Hz(162.55));
    SetEmpty(ri::kDualWatchListB + 4 * 3); // repaired first, then copied
    SetEmpty(ri::kDualWatchCurrentA);
    SetFreq8(ri::kDualWatchCurrentB, Hz(830.0));

    radio.RepairForCountry();

    const Byte* d = Bytes(DefaultImage::General);
    EXPECT_EQ(Freq8(ri::kDualWatchCurrentA), Hz(162.55));
    EXPECT_EQ(Freq8(ri::kDualWatchCurrentB), DecodeDigits(d + ri::kDualWatchListB + 4 * 3, 8));
}

TEST_F(Country, DualWatchPairIndexOutsideTheListUsesTheDefaultCurrent) {
    Start(4, 0);
    Edit()[ri::kDualWatchPairIndex] = 200;
    SetEmpty(ri::kDualWatchCurrentA);
    SetFreq8(ri::kDualWatchCurrentB, Hz(145.0));
    radio.RepairForCountry();
    EXPECT_EQ(Freq8(ri::kDualWatchCurrentA), Hz(0.52));
    EXPECT_EQ(Freq8(ri::kDualWatchCurrentB), Hz(145.0));
    EXPECT_EQ(Edit()[ri::kDualWatchPairIndex], 200);
}

TEST_F(Country, SingleFrequenciesAreReset) {
    Start(1, 0);
    SetFreq8(ri::kSmartSearchLower, Hz(1.0)); // open: stays
    SetEmpty(ri::kSmartSearchStart);
    SetFreq8(ri::kSmartSearchUpper, Hz(0.05));
    SetFreq8(ri::kHomeFrequency, Hz(1300.0));
    SetFreq8(ri::kPriorityFrequency, Hz(500.0));
    Edit()[ri::kPriorityMode] = 5;

    radio.RepairForCountry();

    EXPECT_EQ(Freq8(ri::kSmartSearchLower), Hz(1.0));
    EXPECT_EQ(Freq8(ri::kSmartSearchStart), Hz(146.0));
    EXPECT_EQ(Freq8(ri::kSmartSearchUpper), Hz(148.0));
    EXPECT_EQ(Freq8(ri::kHomeFrequency), Hz(144.0));
    EXPECT_EQ(Freq8(ri::kPriorityFrequency), Hz(100.0));
    EXPECT_EQ(Edit()[ri::kPriorityMode], 2);
}

TEST_F(Country, RepairTouchesOnlyTheCloneImage) {
    Start(0, 0);
    Image planted = radio.EditImage();
    std::fill(planted.begin(), planted.begin() + kRadioImage, Byte{0x77});
    std::fill(planted.begin() + kRadioImageGap, planted.end(), Byte{0x66});
    radio.SetEditImage(planted);
    std::fill_n(Edit() + ri::kChannelFrequencies, 4000, Byte{0xFF});
    std::fill_n(Edit() + ri::kChannelUsedBitmap, ri::kChannelUsedBitmapSize, Byte{0xFF});
    const Image before = radio.EditImage();
    const Image saved = radio.SavedImage();

    radio.RepairForCountry();

    EXPECT_TRUE(
        std::equal(before.begin(), before.begin() + kRadioImage, radio.EditImage().begin()));
    EXPECT_TRUE(std::equal(before.begin() + kRadioImageGap, before.end(),
                           radio.EditImage().begin() + kRadioImageGap));
    EXPECT_EQ(radio.SavedImage(), saved);
    for (int n = 1; n <= ri::kChannelCount; ++n)
        ASSERT_FALSE(radio.IsChannelUsed(n)) << n;
}
