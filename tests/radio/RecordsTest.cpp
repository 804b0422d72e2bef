// The typed views read and write their records where the image layout says, and keep every
// bit of a shared byte that is not theirs.

#include "radio/Records.h"

#include <array>
#include <gtest/gtest.h>

using namespace layout::ri;
using namespace records;

namespace {

struct CloneImage {
    CloneImage() { bytes.fill(0xA5); } // every bit a view must keep is set in half the bytes
    std::array<Byte, layout::kRadioImageSize> bytes{};
    Byte* ri() { return bytes.data(); }
};

} // namespace

TEST(Records, MemoryChannelsLiveWhereTheLayoutSaysAndKeepForeignBits) {
    CloneImage image;
    for (int n : {1, 500, 1000}) {
        MemoryChannel channel(image.ri(), n);
        channel.SetInUse(false);
        channel.SetFrequencyHz(145'512'350);
        channel.SetModeCode(3);
        channel.SetPreferential(true);
        ASSERT_TRUE(channel.SetName(QStringLiteral("AIR 1")));
        EXPECT_FALSE(channel.SetName(QStringLiteral("\u4e00"))); // no byte: name stays

        EXPECT_EQ(DecodeDigits(image.ri() + ChannelFrequency(n), 8), 145'512'350) << n;
        EXPECT_EQ(image.ri()[ChannelFlag(n)], (0xA5 & ~0x17) | 0x10 | 3) << n;
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.ri() + ChannelName(n)), 8),
                  QByteArray("AIR 1   "));
        EXPECT_FALSE(channel.InUse());
        channel.SetInUse(true);
        EXPECT_TRUE(image.ri()[kChannelUsedBitmap + (n - 1) / 8] & (1 << ((n - 1) % 8))) << n;
        EXPECT_EQ(channel.Name(), QStringLiteral("AIR 1"));

        // Emptied as the Memory View empties one: the mode and the frequency bytes stay.
        channel.Clear();
        EXPECT_FALSE(channel.InUse());
        EXPECT_FALSE(channel.Preferential());
        EXPECT_EQ(channel.Name(), QString());
        EXPECT_EQ(channel.ModeCode(), 3);
        EXPECT_EQ(channel.FrequencyHz(), 145'512'350);
        // A frequency the code cannot hold is never written.
        channel.SetFrequencyHz(kLargestFreq8Hz + 50);
        EXPECT_EQ(channel.FrequencyHz(), 145'512'350);
    }
    // Neighbours of the channels written are untouched.
    EXPECT_EQ(image.ri()[ChannelFlag(2)], 0xA5);
    EXPECT_EQ(image.ri()[ChannelName(999)], 0xA5);
}

TEST(Records, GroupsSkipsBandPlanAndSwitchesKeepForeignBits) {
    CloneImage image;
    GroupEntry preset = PresetEntry(image.ri(), 1, 9);
    preset.SetFrequencyHz(162'550'000);
    preset.SetModeByte(2);
    preset.SetStepByte(14);
    EXPECT_EQ(DecodeDigits(image.ri() + kPresetB.frequencies + 36, 8), 162'550'000);
    EXPECT_EQ(image.ri()[kPresetB.modes + 9], 2);
    EXPECT_EQ(image.ri()[kPresetB.steps + 9], 14);
    GroupEntry lower = SearchLimit(image.ri(), 0, 0);
    EXPECT_FALSE(lower.HasStep());
    lower.SetStepByte(3); // a group without steps has nowhere to put one
    EXPECT_EQ(lower.StepByte(), 0);
    EXPECT_EQ(DualWatchSide(image.ri(), 4, 1).ModeByte(), image.ri()[kDualB.modes + 4]);

    SkipEntry skip(image.ri(), 98);
    skip.SetModeCode(6);
    skip.SetInUse(false);
    EXPECT_EQ(image.ri()[kSkipModes + 98], (0xA5 & ~0x07) | 6);
    EXPECT_EQ(image.ri()[kSkipBitmap + 12], 0xA5 & ~(1 << 2));

    BandPlanEntry band(image.ri(), 49);
    band.SetModeCode(2);
    band.SetStepCode(14);
    band.SetEdgeUnits(13'000'000);
    EXPECT_EQ(image.ri()[BandEntry(49) + 3], 0xE2);
    EXPECT_EQ(band.EdgeUnits(), 13'000'000);

    BankLink(image.ri(), 8).Set(false);
    EXPECT_EQ(image.ri()[kBankLink + 1], 0xA4);
    SettingSwitch(image.ri(), kSpan300kHzBit).Set(false);
    EXPECT_EQ(image.ri()[kSpan300kHzBit.offset], 0x85);
}
