#include "radio/Compare.h"
#include "support/TempSettings.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace layout;

namespace {

Byte* At(Image& image, int riOffset) {
    return image.data() + kRadioImage + riOffset;
}

void Channel(Image& image, int n, bool used, int hz, Byte flags, const char* name) {
    CRadio::SetBit(At(image, ri::kChannelUsedBitmap), n - 1, used);
    EncodeDigits(At(image, ri::ChannelFrequency(n)), hz, 8);
    *At(image, ri::ChannelFlag(n)) = flags;
    NameFromText(QString::fromLatin1(name), At(image, ri::ChannelName(n)));
}

void SetBit(Image& image, ri::SettingBit bit, bool on) {
    CRadio::SetBit(At(image, bit.offset), bit.bit, on);
}

} // namespace

TEST(Compare, ListsEveryKindOfDifferenceInThePagesWords) {
    TempSettings settings;
    CVR500Radio radio;
    radio.NewImage();
    Image a = radio.EditImage();
    // The values the test starts from, whatever the default image holds.
    Channel(a, 5, false, 0, 0, "");
    Channel(a, 101, true, 433'000'000, 1, "UHF");
    Channel(a, 1000, true, 594'000, 3, "");
    Channel(a, 900, false, 100'000'000, 2, "OLD");
    *At(a, ri::kBankLink) = 0;
    *At(a, ri::kBankLink + 1) = 0;
    *At(a, ri::kRfSquelch) = 0;
    *At(a, ri::kOpeningBell) = 0;
    SetBit(a, ri::kKeypadLampBit, false);
    CRadio::SetBit(At(a, ri::kSkipBitmap), 0, false);
    EncodeDigits(At(a, ri::kPresetB.frequencies), 520'000, 8);
    *At(a, ri::kPresetB.modes) = 3;
    *At(a, ri::kPresetB.steps) = 0;
    EncodeDigits(At(a, ri::kDualB.frequencies + 8), 433'000'000, 8);
    *At(a, ri::kDualB.modes + 2) = 1;
    *At(a, ri::kDualB.steps + 2) = 0;
    EncodeDigits(At(a, ri::BandEntry(28)), 1'443'000, 6);
    *At(a, ri::kCountryCode) = 4;

    Image b = a;
    EXPECT_TRUE(compare::CompareImages(a, b).Empty());
    EXPECT_EQ(compare::CompareImages(a, b).Summary(), "No differences");

    Channel(b, 5, true, 145'500'000, 0x11, "ALP\tHA"); // a control byte is spelled out
    Channel(b, 101, true, 433'025'000, 1, "UHF 2");
    CRadio::SetBit(At(b, ri::kChannelUsedBitmap), 999, false);
    Channel(b, 900, false, 145'000'000, 1, "STALE"); // not in use on either side: not listed
    *At(b, ri::kBankLink) = 0x01;
    *At(b, ri::kBankLink + 1) = 0x02 | 0x80; // bank 9, and a bit that is no bank
    *At(b, ri::kRfSquelch) = 3;
    *At(b, ri::kOpeningBell) = 3;
    SetBit(b, ri::kKeypadLampBit, true); // stored inverted: the lamp is now off
    CRadio::SetBit(At(b, ri::kSkipBitmap), 0, true);
    EncodeDigits(At(b, ri::SkipFrequency(0)), 145'000'000, 8);
    *At(b, ri::kSkipModes) = 1;
    EncodeDigits(At(b, ri::kPresetB.frequencies), 530'000, 8);
    *At(b, ri::kDualB.modes + 2) = 3;
    EncodeDigits(At(b, ri::BandEntry(28)), 1'500'030, 6);
    *At(b, ri::kCountryCode) = 1;
    *At(b, ri::kHomeFrequency) ^= 0x01;
    b[SideRecord32(7) + 3] ^= 0xFF;

    const compare::Differences d = compare::CompareImages(a, b);
    const QStringList expected = {
        "Country code: 4 → 1",
        "Channel 5 (bank 0) added: 145.50000 NFM \"ALP\\x09HA\", preferential scan",
        "Channel 101 (bank 1): frequency 433.00000 → 433.02500, name \"UHF\" → \"UHF 2\"",
        "Channel 1000 (bank 9) removed: 0.59400 AM no name",
        "Bank Link For Scan (Memory View page): none → 0, 9",
        "RF Squelch (Setting page): Off → 3",
        "Opening Bell (Setting page): 1: Pi → Off",
        "Keypad Lamp (Setting page): on → off",
        "Skip frequency row 1 (VFO Scan page): empty → 145.00000 NFM",
        "Preset B row 1: 0.52000 AM Auto → 0.53000 AM Auto",
        "Dual watch pair 2 B: 433.00000 NFM Auto → 433.00000 AM Auto",
        "Auto Band row 30: lower edge 144.3000 → 150.0030",
        "3 other bytes differ (data no page shows)",
    };
    EXPECT_EQ(d.Lines(), expected) << d.Lines().join('\n').toStdString();
    EXPECT_EQ(d.Count(compare::Area::Channel), 3);
    EXPECT_EQ(d.Summary(), "3 channels and 9 settings differ");

    // The other way round, additions become removals.
    const QStringList back = compare::CompareImages(b, a).Lines();
    EXPECT_TRUE(
        back.contains("Channel 5 (bank 0) removed: 145.50000 NFM \"ALP\\x09HA\", preferential "
                      "scan"));
    EXPECT_TRUE(back.contains("Channel 1000 (bank 9) added: 0.59400 AM no name"));
}
