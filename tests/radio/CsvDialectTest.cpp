// Lists written by other programs and by hand: each format is recognised from its header and
// lands in the channels the user chose.

#include "radio/Csv.h"
#include "radio/Radio.h"
#include "support/TempSettings.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace layout;

namespace {

class CsvDialect : public testing::Test {
protected:
    CsvDialect() {
        radio.NewImage();
        radio.EditRadio()[ri::kCountryCode] = 2;
        radio.EditRadio()[ri::kWidebandFlag] = 0;
    }

    // "channel MHz mode name" for each channel in use, as the user would read them back.
    QStringList Channels() {
        QStringList out;
        for (int n = 1; n <= ri::kChannelCount; ++n)
            if (radio.IsChannelUsed(n)) {
                const ChannelRecord& rec = *radio.GetChannel(n);
                out << QStringLiteral("%1 %2 %3 %4")
                           .arg(n)
                           .arg(rec.frequencyHz)
                           .arg(ModeName(rec.flags & ri::kFlagModeMask),
                                QString::fromLatin1(reinterpret_cast<const char*>(rec.name), 8))
                           .simplified();
            }
        return out;
    }

    void Use(int n, int hz) {
        ChannelRecord rec = *radio.GetChannel(n);
        EncodeDigits(rec.code, hz, 8);
        rec.flags = static_cast<Byte>((rec.flags & ~ri::kFlagModeMask) | 1);
        std::memset(rec.name, ' ', sizeof rec.name);
        radio.StoreChannel(rec, n);
        radio.SetChannelUsed(n, true);
    }

    TempSettings settings;
    CVR500Radio radio;
};

TEST_F(CsvDialect, EachFormatIsRecognisedAndItsRowsLand) {
    struct Sample {
        const char* what;
        QByteArray text;
        csv::Options options;
        const char* dialect;
        bool header;
        QStringList unknown;
        QStringList channels;
    };
    const auto at = [](int first) {
        csv::Options o;
        o.placement = csv::Placement::At;
        o.first = first;
        return o;
    };
    const Sample samples[] = {
        {"our own columns, as other open-source programmers write them",
         "Location,Name,Frequency,Duplex,Offset,Tone,Mode,TStep,Skip,Comment,Colour\r\n"
         "3,Calling,145.500000,,0.000000,,FM,12.50,P,,red\r\n",
         {},
         "common",
         true,
         {"Colour"},
         {"3 145500000 NFM Calling"}},
        {"the commercial programmers' columns, tab separated, with a byte-order mark",
         "\xEF\xBB\xBF"
         "Channel Number\tReceive Frequency\tTransmit Frequency\tOperating Mode\tName\tSkip\n"
         "5\t446.00625\t446.00625\tNFM\tPMR 1\tSelect\n"
         "6\t118.1\t\tAM\tTower\t\n",
         {},
         "commercial",
         true,
         {},
         {"5 446006250 NFM PMR 1", "6 118100000 AM Tower"}},
        {"a hand-made list: semicolons, decimal comma, comments",
         "# my scanner notes\n"
         "Freq;Description;Mode\n"
         "# marine\n"
         "156,8;Marine 16;NFM\n"
         "\"433,5\";UHF call;NFM\n",
         at(10),
         "plain",
         true,
         {},
         {"10 156800000 NFM Marine 1", "11 433500000 NFM UHF call"}},
        {"a bare list of frequency and name",
         "162.55,WX1,NFM\n162.4,WX2,NFM\n",
         at(20),
         "plain",
         false,
         {},
         {"20 162550000 NFM WX1", "21 162400000 NFM WX2"}},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.what);
        radio.NewImage();
        const csv::Plan plan = csv::PlanImport(radio, s.text, s.options);
        ASSERT_NE(plan.recognised.dialect, nullptr);
        EXPECT_STREQ(plan.recognised.dialect->key, s.dialect);
        EXPECT_EQ(plan.recognised.hasHeader, s.header);
        EXPECT_EQ(plan.recognised.unknownColumns, s.unknown);
        const csv::ImportResult result = csv::ApplyPlan(radio, plan, false);
        ASSERT_TRUE(result.problems.empty()) << result.problems[0].reason.toStdString();
        EXPECT_EQ(Channels(), s.channels);
    }
}

TEST_F(CsvDialect, AListNumberedFromZeroStartsAtChannelOneUnlessTheUserSaysOtherwise) {
    const QByteArray text = "Location,Name,Frequency,Mode\n0,first,145.5,NFM\n1,second,145.6,NFM\n"
                            "999,last,145.7,NFM\n";
    const csv::Plan plan = csv::PlanImport(radio, text, {});
    EXPECT_TRUE(plan.recognised.fromZero);
    ASSERT_TRUE(csv::ApplyPlan(radio, plan, false).problems.empty());
    EXPECT_EQ(Channels(), (QStringList{"1 145500000 NFM first", "2 145600000 NFM second",
                                       "1000 145700000 NFM last"}));

    // Read as written, row 0 has no channel, and nothing is written.
    radio.NewImage();
    csv::Options asWritten;
    asWritten.fromZero = false;
    const csv::ImportResult refused = csv::ImportChannels(radio, text, asWritten);
    ASSERT_EQ(refused.problems.size(), 1u);
    EXPECT_EQ(refused.problems[0].line, 2);
    EXPECT_EQ(Channels(), QStringList{});

    // A list that starts at 1 but holds a 0 somewhere is not taken for one counted from 0.
    EXPECT_FALSE(
        csv::PlanImport(radio, "Location,Frequency\n1,145\n0,146\n", {}).recognised.fromZero);
}

TEST_F(CsvDialect, PlacementsFillFreeChannelsOrReplaceABank) {
    const QByteArray list =
        "Frequency,Name,Mode\n145.5,A,NFM\n145.6,B,NFM\nabc,bad,NFM\n145.7,C,NFM\n";
    Use(1, 100'000'000);
    Use(2, 100'000'000);
    Use(4, 100'000'000);

    csv::Options append;
    append.placement = csv::Placement::Append;
    // The good rows close ranks in the free channels; the refused one is reported.
    append.skipRefused = true;
    const csv::ImportResult rest = csv::ImportChannels(radio, list, append);
    EXPECT_TRUE(rest.problems.empty());
    EXPECT_EQ(rest.channelsSet, 3);
    ASSERT_EQ(rest.skipped.size(), 1u);
    EXPECT_EQ(rest.skipped[0].line, 4);
    EXPECT_EQ(Channels(),
              (QStringList{"1 100000000 NFM", "2 100000000 NFM", "3 145500000 NFM A",
                           "4 100000000 NFM", "5 145600000 NFM B", "6 145700000 NFM C"}));

    // A bank: its old channels go, the others stay; rows past its end are refused.
    Use(150, 100'000'000);
    Use(250, 100'000'000);
    csv::Options bank;
    bank.placement = csv::Placement::Bank;
    bank.bank = 1;
    ASSERT_TRUE(csv::ImportChannels(radio, "145.5,A,NFM\n145.6,B,NFM\n", bank).problems.empty());
    const QStringList after = Channels();
    EXPECT_TRUE(after.contains("101 145500000 NFM A"));
    EXPECT_TRUE(after.contains("102 145600000 NFM B"));
    EXPECT_FALSE(radio.IsChannelUsed(150));
    EXPECT_TRUE(after.contains("250 100000000 NFM"));

    QByteArray tooMany;
    for (int i = 0; i <= ri::kBankSize; ++i)
        tooMany += "145.5\n";
    const Image before = radio.EditImage();
    const csv::ImportResult over = csv::ImportChannels(radio, tooMany, bank);
    ASSERT_EQ(over.problems.size(), 1u);
    EXPECT_EQ(over.problems[0].line, ri::kBankSize + 1);
    EXPECT_EQ(over.problems[0].reason, "the row goes past the end of bank 1");
    EXPECT_EQ(radio.EditImage(), before);
}

TEST_F(CsvDialect, AChosenFormatOrMappingOverridesTheGuess) {
    // The header fits the common columns; the user says the numbers are not channels.
    const QByteArray text = "Location;Frequency;Name;Mode\n7;145,5;X;NFM\n";
    csv::Options options;
    options.format = QStringLiteral("plain");
    options.placement = csv::Placement::Append;
    const csv::Plan plan = csv::PlanImport(radio, text, options);
    EXPECT_STREQ(plan.recognised.dialect->key, "plain");
    ASSERT_TRUE(csv::ApplyPlan(radio, plan, false).problems.empty());
    EXPECT_EQ(Channels(), QStringList{"1 145500000 NFM X"});

    // A mapping of the user's: the name is read from the first column.
    radio.NewImage();
    options.columns = csv::ColumnMap{-1, 0, 1, 3, -1, -1};
    ASSERT_TRUE(csv::ImportChannels(radio, text, options).problems.empty());
    EXPECT_EQ(Channels(), QStringList{"1 145500000 NFM 7"});

    // A bare list in an order nobody guesses: the user says there is no header and maps it.
    radio.NewImage();
    options.hasHeader = false;
    options.columns = csv::ColumnMap{-1, 0, 1, -1, -1, -1};
    ASSERT_TRUE(
        csv::ImportChannels(radio, "Tower;118,1\nGround;121,9\n", options).problems.empty());
    EXPECT_EQ(Channels().size(), 2);
    EXPECT_TRUE(Channels().front().startsWith("1 118100000 "));

    options.format = QStringLiteral("nonsense");
    const csv::ImportResult unknown = csv::ImportChannels(radio, text, options);
    ASSERT_EQ(unknown.problems.size(), 1u);
    EXPECT_EQ(unknown.problems[0].reason,
              "there is no list format \"nonsense\" (there are common, commercial, plain)");
}

} // namespace
