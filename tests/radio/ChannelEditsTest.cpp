// Editing many channels at once: all or nothing, refused rows named, the frequency rule of the
// grid applied to every result.

#include "radio/ChannelEdits.h"
#include "radio/Radio.h"
#include "radio/Records.h"
#include "support/TempSettings.h"

#include <gtest/gtest.h>

using namespace bulk;
using records::MemoryChannel;

namespace {

// A general-version data set (810..835 MHz and 843..846 MHz blocked) with a few channels.
struct Channels {
    Channels() {
        radio.NewImage();
        radio.EditRadio()[layout::ri::kCountryCode] = 0;
        radio.EditRadio()[layout::ri::kWidebandFlag] = 0;
    }
    MemoryChannel At(int n) { return MemoryChannel(radio.EditRadio(), n); }
    void Put(int n, int hz, const QString& name = {}) {
        MemoryChannel c = At(n);
        c.Clear();
        c.SetInUse(true);
        c.SetFrequencyHz(hz);
        c.SetModeCode(1);
        c.SetName(name);
    }
    TempSettings settings;
    CVR500Radio radio;
};

} // namespace

TEST(ChannelEdits, ARefusedRowLeavesEveryChannelAsItWasAndIsNamed) {
    Channels set;
    set.Put(1, 145'000'000, QStringLiteral("ONE"));
    set.Put(2, 146'000'000, QStringLiteral("TWO"));
    set.Put(3, 809'998'000, QStringLiteral("EDGE"));
    const Image before = set.radio.EditImage();

    ChannelEdit edit;
    edit.offsetHz = 5'000; // channel 3 lands in the blocked 810 MHz range
    edit.modeCode = 3;
    const EditResult refused = EditChannels(set.radio, {1, 2, 3, 4}, edit);
    ASSERT_EQ(refused.refused.size(), 1u);
    EXPECT_EQ(refused.refused[0].channel, 3);
    EXPECT_EQ(refused.refused[0].reason, QStringLiteral("810.00300 is not a valid frequency"));
    EXPECT_TRUE(set.radio.EditImage() == before);

    // A name character the receiver has no byte for is refused like a bad frequency.
    edit = {};
    edit.name = {NameEdit::Whole, QStringLiteral("\u4e00")};
    EXPECT_EQ(EditChannels(set.radio, {1, 2}, edit).refused.size(), 2u);
    EXPECT_TRUE(set.radio.EditImage() == before);
}

TEST(ChannelEdits, SetsTheChosenFieldsOnTheChannelsInUseOnly) {
    Channels set;
    set.Put(1, 145'000'000, QStringLiteral("ONE"));
    set.Put(2, 146'000'000, QStringLiteral("TOWER"));
    set.Put(4, 118'100'000);

    ChannelEdit edit;
    edit.offsetHz = -12'500;
    edit.modeCode = 3;
    edit.preferential = true;
    edit.name = {NameEdit::Pattern, QStringLiteral("AIR {n:02}"), 7};
    const EditResult result = EditChannels(set.radio, {1, 2, 3, 4}, edit);
    ASSERT_TRUE(result.Done());
    EXPECT_EQ(result.changed, 3);
    EXPECT_EQ(set.At(1).FrequencyHz(), 144'987'500);
    EXPECT_EQ(set.At(2).Name(), QStringLiteral("AIR 08"));
    EXPECT_EQ(set.At(4).Name(), QStringLiteral("AIR 09"));
    EXPECT_EQ(set.At(4).ModeCode(), 3); // the chosen mode wins over the band plan's
    EXPECT_TRUE(set.At(4).Preferential());
    EXPECT_FALSE(set.At(3).InUse());

    // Prefixes and suffixes are cut to eight characters; a suffix stays whole.
    edit = {};
    edit.name = {NameEdit::Suffix, QStringLiteral("-N")};
    ASSERT_TRUE(EditChannels(set.radio, {1}, edit).Done());
    EXPECT_EQ(set.At(1).Name(), QStringLiteral("AIR 07-N"));
    edit.name = {NameEdit::Prefix, QStringLiteral("X")};
    ASSERT_TRUE(EditChannels(set.radio, {1}, edit).Done());
    EXPECT_EQ(set.At(1).Name(), QStringLiteral("XAIR 07-"));
}

TEST(ChannelEdits, MovingToABankTakesItsFreeChannelsOrNothing) {
    Channels set;
    set.Put(1, 145'000'000, QStringLiteral("ONE"));
    set.Put(2, 146'000'000, QStringLiteral("TWO"));
    set.Put(501, 147'000'000);
    ChannelEdit edit;
    edit.bank = 5;
    ASSERT_TRUE(EditChannels(set.radio, {1, 2, 501}, edit).Done());
    EXPECT_FALSE(set.At(1).InUse());
    EXPECT_EQ(set.At(502).Name(), QStringLiteral("ONE"));
    EXPECT_EQ(set.At(503).FrequencyHz(), 146'000'000);
    EXPECT_EQ(set.At(501).FrequencyHz(), 147'000'000);

    for (int n = 901; n <= 999; ++n)
        set.Put(n, 150'000'000);
    const Image before = set.radio.EditImage();
    edit.bank = 9;
    const EditResult full = EditChannels(set.radio, {502, 503}, edit);
    ASSERT_EQ(full.refused.size(), 1u);
    EXPECT_EQ(full.refused[0].channel, 503);
    EXPECT_TRUE(set.radio.EditImage() == before);
}

TEST(ChannelEdits, FillDownCopiesTheFirstRowsValue) {
    Channels set;
    set.Put(10, 145'000'000, QStringLiteral("SRC"));
    set.Put(11, 88'000'000, QStringLiteral("KEEP"));
    ASSERT_TRUE(FillDown(set.radio, {10, 11, 12}, ChannelField::Name).Done());
    EXPECT_EQ(set.At(11).Name(), QStringLiteral("SRC"));
    EXPECT_FALSE(set.At(12).InUse()); // a name alone does not make a channel

    const EditResult filled = FillDown(set.radio, {10, 11, 12}, ChannelField::Frequency);
    EXPECT_EQ(filled.changed, 2);
    EXPECT_TRUE(set.At(12).InUse());
    EXPECT_EQ(set.At(12).FrequencyHz(), 145'000'000);
    EXPECT_EQ(set.At(12).Name(), QString());
    EXPECT_EQ(set.At(12).ModeCode(), set.radio.BandModeFor(145'000'000));

    const Image before = set.radio.EditImage();
    EXPECT_EQ(FillDown(set.radio, {13, 10}, ChannelField::Mode).refused.size(), 1u);
    EXPECT_TRUE(set.radio.EditImage() == before);
}

TEST(ChannelEdits, SeriesAcrossABlockedRangeSkipsItAndTheChannelsInUse) {
    Channels set;
    set.Put(3, 100'000'000, QStringLiteral("BUSY"));
    SeriesPlan plan{800'000'000, 5'000'000, 0, 2, QStringLiteral("S{n}"), false};
    plan.count = SeriesCount(800'000'000, 850'000'000, 5'000'000);
    EXPECT_EQ(plan.count, 11);

    const std::vector<SeriesRow> rows = PlanSeries(set.radio, plan);
    QStringList written, refused;
    for (const SeriesRow& row : rows)
        (row.kind == SeriesRow::Write ? written : refused)
            << QStringLiteral("%1@%2 %3").arg(row.hz / 1'000'000).arg(row.channel).arg(row.name);
    EXPECT_EQ(written, QStringList({"800@2 S1", "805@4 S2", "835@5 S3", "840@6 S4", "850@7 S5"}));
    EXPECT_EQ(refused.size(), 6);        // 810..830 and 845 MHz
    EXPECT_EQ(set.At(2).InUse(), false); // planning writes nothing

    EXPECT_EQ(ApplySeries(set.radio, rows), 5);
    EXPECT_EQ(set.At(4).FrequencyHz(), 805'000'000);
    EXPECT_EQ(set.At(3).Name(), QStringLiteral("BUSY"));

    // Written over, channel 3 is taken; the series stops at the last channel.
    plan = {145'000'020, 12'500, 5, 998, {}, true};
    const std::vector<SeriesRow> end = PlanSeries(set.radio, plan);
    ASSERT_EQ(end.size(), 4u);
    EXPECT_EQ(end[0].hz, 145'000'000); // snapped to 50 Hz, as a typed frequency is
    EXPECT_EQ(end[2].channel, 1000);
    EXPECT_EQ(end[3].kind, SeriesRow::Refused);
}
