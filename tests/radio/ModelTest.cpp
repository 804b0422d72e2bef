#include "radio/Radio.h"
#include "support/ImageEdit.h"
#include "support/TempSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace layout;

namespace {
class ModelTest : public testing::Test {
protected:
    TempSettings settings;
    CVR500Radio radio;
    Byte* ri() { return radio.EditRadio(); }
};
} // namespace

TEST_F(ModelTest, FirstAndLastChannelsLieWhereTheReceiverKeepsThem) {
    ChannelRecord rec{};
    EncodeDigits(rec.code, 145'123'450, 8);
    rec.flags = 0x13;
    std::memcpy(rec.name, "FIRST   ", 8);
    radio.StoreChannel(rec, 1);
    EXPECT_EQ(ri()[0x0102], 0x14);
    EXPECT_EQ(ri()[0x0105], 0x48);
    EXPECT_EQ(ri()[0x1102], 'F');
    EXPECT_EQ(ri()[0x1109], ' ');
    EXPECT_EQ(ri()[0x3102], 0x13);

    std::memcpy(rec.name, "LAST1000", 8);
    rec.flags = 0x05;
    radio.StoreChannel(rec, 1000);
    EXPECT_EQ(ri()[0x109E], 0x14);
    EXPECT_EQ(ri()[0x10A1], 0x48);
    EXPECT_EQ(ri()[0x303A], 'L');
    EXPECT_EQ(ri()[0x3041], '0');
    EXPECT_EQ(ri()[0x34E9], 0x05);
    // Neighbours outside the channel arrays are untouched.
    EXPECT_EQ(ri()[0x10A2], 0);
    EXPECT_EQ(ri()[0x3042], 0);
    EXPECT_EQ(ri()[0x34EA], 0);
    EXPECT_EQ(ri()[0x0101], 0);

    const ChannelRecord* got = radio.GetChannel(1000);
    EXPECT_EQ(got->frequencyHz, 145'123'450);
    EXPECT_EQ(got->flags, 0x05);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(got->name), 8), "LAST1000");
    EXPECT_EQ(got->code[0], 0); // GetChannel leaves the code to the caller
}

TEST_F(ModelTest, GetChannelReusesOneScratchRecord) {
    ri()[ri::ChannelFlag(1)] = 1;
    const ChannelRecord* a = radio.GetChannel(1);
    const ChannelRecord* b = radio.GetChannel(2);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a->flags, 0);
}

TEST_F(ModelTest, UsedBitsFollowTheBitmapRule) {
    struct Case {
        int channel, byte, bit;
    } cases[] = {{1, 0x0002, 0}, {8, 0x0002, 7}, {9, 0x0003, 0}, {1000, 0x007E, 7}};
    for (const Case& c : cases) {
        radio.SetChannelUsed(c.channel, true);
        EXPECT_EQ(ri()[c.byte], 1 << c.bit) << c.channel;
        EXPECT_TRUE(radio.IsChannelUsed(c.channel));
        radio.SetChannelUsed(c.channel, false);
        EXPECT_EQ(ri()[c.byte], 0);
    }
    const Image before = radio.EditImage();
    radio.SetChannelUsed(0, true);
    radio.SetChannelUsed(1001, true);
    radio.SetChannelUsed(-5, true);
    EXPECT_EQ(radio.EditImage(), before);
    EXPECT_FALSE(radio.IsChannelUsed(0));
    EXPECT_FALSE(radio.IsChannelUsed(1001));
}

TEST_F(ModelTest, SkipEntriesUseTheirOwnBitmap) {
    radio.SetSkipUsed(0, true);
    radio.SetSkipUsed(99, true);
    EXPECT_EQ(ri()[0x3782], 0x01);
    EXPECT_EQ(ri()[0x3782 + 12], 0x08);
    EXPECT_TRUE(radio.IsSkipUsed(99));
    EXPECT_FALSE(radio.IsSkipUsed(98));
    const Image before = radio.EditImage();
    radio.SetSkipUsed(-1, true);
    radio.SetSkipUsed(100, true);
    EXPECT_EQ(radio.EditImage(), before);
    EXPECT_FALSE(radio.IsSkipUsed(100));
    // The bitmap's spare bits after entry 99 name no entry, whatever they hold.
    std::fill_n(ri() + 0x3782, 13, Byte{0xFF});
    EXPECT_TRUE(radio.IsSkipUsed(99));
    EXPECT_FALSE(radio.IsSkipUsed(100));
}

TEST_F(ModelTest, ChannelMovesCarryTheSideRecords) {
    PokeImage(radio, SideRecord10(5), 0x55);
    PokeImage(radio, SideRecord32(5) + 31, 0x66);
    radio.SetChannelUsed(5, true);
    radio.CopyChannel(7, 5);
    EXPECT_TRUE(radio.IsChannelUsed(7));
    EXPECT_EQ(radio.EditImage()[SideRecord10(7)], 0x55);
    EXPECT_EQ(radio.EditImage()[SideRecord32(7) + 31], 0x66);

    radio.SwapChannels(7, 1000);
    EXPECT_FALSE(radio.IsChannelUsed(7));
    EXPECT_TRUE(radio.IsChannelUsed(1000));
    EXPECT_EQ(radio.EditImage()[SideRecord32(1000) + 31], 0x66);
    EXPECT_EQ(radio.EditImage()[SideRecord32(7) + 31], 0);

    radio.ClearChannel(5);
    EXPECT_FALSE(radio.IsChannelUsed(5));
    EXPECT_EQ(radio.EditImage()[SideRecord10(5)], 0);
    EXPECT_EQ(radio.EditImage()[SideRecord32(5)], 0);
    EXPECT_EQ(radio.EditImage()[SideRecord32(5) + 31], 0x66); // only byte 0 is cleared

    const Image before = radio.EditImage();
    radio.ClearChannel(0);
    radio.CopyChannel(1001, 1);
    radio.SwapChannels(0, 1);
    EXPECT_EQ(radio.EditImage(), before);
}

TEST_F(ModelTest, AnyByteDifferenceCountsAsChanged) {
    EXPECT_FALSE(radio.IsChanged());
    for (int offset : {0, 81, kRadioImage + 5000, kImageSize - 1}) {
        PokeImage(radio, offset, radio.EditImage()[offset] ^ 1);
        EXPECT_TRUE(radio.IsChanged()) << offset;
        PokeImage(radio, offset, radio.EditImage()[offset] ^ 1);
    }
    EXPECT_FALSE(radio.IsChanged());
}

TEST_F(ModelTest, BandLookupTakesTheFirstEdgeAboveTheFrequency) {
    // Edges 1, 2, 3 MHz with modes AM, USB, CW; every other entry empty (FF).
    for (int i = 0; i < ri::kBandEntries; ++i)
        std::memset(ri() + ri::BandEntry(i), 0xFF, 4);
    const int modes[] = {3, 5, 6};
    for (int i = 0; i < 3; ++i) {
        EncodeDigits(ri() + ri::BandEntry(i), (i + 1) * 10'000, 6);
        ri()[ri::BandEntry(i) + 3] = static_cast<Byte>(0x40 | modes[i]);
    }
    EXPECT_EQ(radio.BandModeFor(500'000), 3);
    EXPECT_EQ(radio.BandModeFor(999'999), 3);
    EXPECT_EQ(radio.BandModeFor(1'000'000), 5); // the edge itself belongs to the next band
    EXPECT_EQ(radio.BandIndexFor(2'999'950), 2);
    // Empty edges decode above the range, so the first of them catches the rest; entry 49
    // is never consulted.
    EXPECT_EQ(radio.BandIndexFor(1'200'000'000), 3);
    for (int i = 3; i < ri::kBandEntries; ++i)
        EncodeDigits(ri() + ri::BandEntry(i), 30'000, 6);
    EXPECT_EQ(radio.BandIndexFor(5'000'000), -1);
    EXPECT_EQ(radio.BandModeFor(5'000'000), 0);
}

TEST_F(ModelTest, BlockedFrequenciesFollowTheImageCountryBytes) {
    ri()[ri::kCountryCode] = 1;
    ri()[ri::kWidebandFlag] = 0;
    EXPECT_TRUE(radio.IsFrequencyBlocked(120'000'000));
    ri()[ri::kWidebandFlag] = 1;
    EXPECT_FALSE(radio.IsFrequencyBlocked(120'000'000));

    // The two fixed ranges, both ends open.
    for (auto [hz, inside] : {std::pair{82'399'000, false},
                              {82'399'050, true},
                              {84'899'950, true},
                              {84'900'000, false},
                              {86'799'000, false},
                              {86'799'050, true},
                              {89'399'950, true},
                              {89'400'000, false}})
        EXPECT_EQ(CRadio::InFixedRanges(hz), inside) << hz;
}
