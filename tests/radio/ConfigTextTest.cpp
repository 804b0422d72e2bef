#include "radio/ConfigText.h"
#include "radio/Records.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace layout;
using namespace layout::ri;

namespace {

Byte* Ri(Image& image) {
    return image.data() + kRadioImage;
}

// Dump, then apply without a base and onto the image itself: both give the image back.
void ExpectRoundTrip(const Image& image, const char* what) {
    const QByteArray text = configtext::Dump(image);
    const configtext::Applied fresh = configtext::Apply(text);
    ASSERT_TRUE(fresh.Ok()) << what << ": " << fresh.error.toStdString();
    EXPECT_TRUE(fresh.image == image) << what;
    const configtext::Applied onto = configtext::Apply(text, &image);
    ASSERT_TRUE(onto.Ok()) << what;
    EXPECT_TRUE(onto.image == image) << what;
}

} // namespace

TEST(ConfigText, EveryReceiverVersionRoundTripsAndNeedsNoRawBytes) {
    for (int country = 0; country <= 4; ++country) {
        for (int wideband = 0; wideband <= 1; ++wideband) {
            const Image image = configtext::NewDataImage(country, wideband);
            ExpectRoundTrip(image, "new data set");
            // A new data set is the text's own base: nothing needs raw bytes.
            const QByteArray text = configtext::Dump(image);
            EXPECT_FALSE(text.contains("\nraw:")) << country << wideband;
            EXPECT_TRUE(text.contains("receiver: {country: " + QByteArray::number(country)));
        }
    }
}

// What a user edits in the pages lands under the page's names, in MHz, and comes back whole.
TEST(ConfigText, EditedValuesAreNamedAndComeBack) {
    Image image = configtext::NewDataImage(4, 0);
    Byte* ri = Ri(image);
    records::MemoryChannel channel(ri, 12);
    channel.SetInUse(true);
    channel.SetFrequencyHz(145'512'500);
    channel.SetModeCode(ModeCode(QStringLiteral("AM")));
    ASSERT_TRUE(channel.SetName(QStringLiteral("Tw: #1")));
    channel.SetPreferential(true);
    records::PresetEntry(ri, 1, 3).SetFrequencyHz(433'050'000);
    records::BankLink(ri, 3).Set(true);
    ri[kRfSquelch] = 4;
    ri[kOpeningBell] = 2; // stored codes are not the list's order
    NameFromText(QStringLiteral("HELLO"), ri + kOpenMessage);

    const QByteArray text = configtext::Dump(image);
    EXPECT_TRUE(text.contains(
        "- {channel: 12, frequency: 145.51250, mode: AM, name: \"Tw: #1\", preferential scan: "
        "true}"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("RF Squelch: 4"));
    EXPECT_TRUE(text.contains("Opening Bell: \"3: Pi-Pi\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("Open Message Text: \"HELLO\""));
    EXPECT_TRUE(text.contains("Bank Link For Scan:"));
    EXPECT_TRUE(text.contains("# channels in use; frequency in MHz"));
    EXPECT_FALSE(text.contains("\nraw:")) << text.toStdString();
    ExpectRoundTrip(image, "edited");
}

// Random values wherever the pages would accept them: every one is held by a named value.
TEST(ConfigText, FuzzedSampleRoundTrips) {
    QRandomGenerator random(18);
    for (int round = 0; round < 5; ++round) {
        const int country = random.bounded(5);
        Image image = configtext::NewDataImage(country, random.bounded(2));
        Byte* ri = Ri(image);
        for (int k = 0; k < 200; ++k) {
            records::MemoryChannel channel(ri, 1 + random.bounded(kChannelCount));
            const int hz = SnapTo50Hz(random.bounded(kLowestHz, kTopHz));
            if (IsFrequencyBlockedFor(hz, country, ri[kWidebandFlag]))
                continue;
            channel.SetInUse(true);
            channel.SetFrequencyHz(hz);
            channel.SetModeCode(1 + random.bounded(6));
            QString name;
            for (int c = random.bounded(9); c > 0; --c)
                name += QChar(0x21 + random.bounded(0x5E));
            ASSERT_TRUE(channel.SetName(name));
            channel.SetPreferential(random.bounded(2));
        }
        for (int i = 0; i < kSkipEntries; i += 1 + random.bounded(5)) {
            records::SkipEntry skip(ri, i);
            skip.SetInUse(true);
            skip.SetFrequencyHz(SnapTo50Hz(random.bounded(108'000'000, 136'000'000)));
            skip.SetModeCode(1 + random.bounded(6));
        }
        for (int e = 0; e < kGroupEntries; ++e) {
            records::PresetEntry(ri, 1, e).SetStepByte(random.bounded(15));
            records::DualWatchSide(ri, e, 0).SetModeByte(1 + random.bounded(6));
        }
        ri[kContrast] = random.bounded(14);
        ri[kResumeDelay] = random.bounded(12);
        records::SettingSwitch(ri, kMonitorBit).Set(random.bounded(2));
        EncodeDigits(ri + kPriorityFrequency, SnapTo50Hz(random.bounded(kLowestHz, kTopHz)), 8);

        EXPECT_FALSE(configtext::Dump(image).contains("\nraw:")) << round;
        ExpectRoundTrip(image, "fuzzed values");
    }
}

// Bytes no page shows or would accept still survive, as raw bytes, onto any base.
TEST(ConfigText, RandomBytesRoundTripThroughRawBytes) {
    QRandomGenerator random(500);
    Image image = configtext::NewDataImage(1, 1);
    for (int k = 0; k < 3000; ++k)
        image[kRadioImage + 2 + random.bounded(kRadioImageSize - 2)] = random.bounded(256);
    image[kChannelSideRecords32 + 7] = 0x5A;
    ExpectRoundTrip(image, "random bytes");

    const Image other = configtext::NewDataImage(1, 1);
    const configtext::Applied onto = configtext::Apply(configtext::Dump(image), &other);
    ASSERT_TRUE(onto.Ok());
    EXPECT_TRUE(onto.image == image);
}

TEST(ConfigText, RefusalsNameLineAndKey) {
    const Image base = configtext::NewDataImage(4, 0);
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"receiver: {country: 4, wideband: 0}\nchannels:\n  - {channel: 3, frequency: 145.5}\n"
         "  - {channel: 4, frequency: 145.5, mode: FM}\n",
         "line 4: channels 4: mode: must be one of \"NFM\""},
        {"receiver: {country: 4, wideband: 0}\nchannels:\n  - {channel: 1, frequency: 1400}\n",
         "line 3: channels 1: frequency: 1400.00000 is not a valid frequency"},
        {"receiver: {country: 4, wideband: 0}\nchannels:\n  - {channel: 1, name: TOOLONGNAME}\n",
         "line 3: channels 1: name: is longer than 8 characters"},
        {"receiver: {country: 4, wideband: 0}\nsettings:\n  Setting:\n    Contrast: 15\n",
         "line 4: settings: Setting: Contrast: must be one of"},
        {"receiver: {country: 4, wideband: 0}\nsettings:\n  Setting:\n    Volume: 3\n",
         "line 4: settings: Setting: Volume: unknown key"},
        // Only dual watch takes the airband ends as typed; a channel on a version that cannot
        // receive them refuses them.
        {"receiver: {country: 1, wideband: 0}\nchannels:\n  - {channel: 1, frequency: 30}\n",
         "line 3: channels 1: frequency: 30.00000 is not a valid frequency"},
        {"receiver: {country: 9, wideband: 0}\n",
         "line 1: receiver: country: must be a number 0..4"},
        {"channels: []\n", "line 1: receiver: must give country and wideband"},
        {"receiver: {country: 4, wideband: 0}\nchannels:\n  - {channel: 1001}\n",
         "line 3: channels: channel: must be a number 1..1000"},
        {"receiver: {country: 4, wideband: 0}\nraw:\n  - {at: 0x110B9, bytes: \"00 00\"}\n",
         "line 3: raw: bytes: run past the end of the file"},
        {"receiver: [unclosed\n", "line 2:"},
    };
    for (const auto& c : cases) {
        const configtext::Applied applied = configtext::Apply(c.text, &base);
        EXPECT_TRUE(applied.error.startsWith(QString::fromUtf8(c.error)))
            << c.text << "\n  gave: " << applied.error.toStdString();
    }
}

// A channel the text leaves out is taken out of use; values it leaves out keep the base's.
TEST(ConfigText, ApplyOntoBaseKeepsWhatTheTextLeavesOut) {
    Image base = configtext::NewDataImage(4, 0);
    records::MemoryChannel(Ri(base), 7).SetInUse(true);
    Ri(base)[kContrast] = 9;
    const configtext::Applied applied = configtext::Apply(
        "receiver: {country: 4, wideband: 0}\nchannels:\n  - {channel: 2, frequency: 146.52}\n",
        &base);
    ASSERT_TRUE(applied.Ok()) << applied.error.toStdString();
    Image result = applied.image;
    EXPECT_FALSE(records::MemoryChannel(Ri(result), 7).InUse());
    records::MemoryChannel two(Ri(result), 2);
    EXPECT_TRUE(two.InUse());
    EXPECT_EQ(two.FrequencyHz(), 146'520'000);
    EXPECT_EQ(Ri(result)[kContrast], 9);
}
