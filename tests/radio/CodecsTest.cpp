#include "radio/Codecs.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {
using Bytes4 = std::array<Byte, 4>;

Bytes4 Encode8(int hz) {
    Bytes4 b{};
    EncodeDigits(b.data(), hz, 8);
    return b;
}
} // namespace

TEST(FrequencyCode, EightDigitCodesRoundTrip) {
    struct Case {
        int hz;
        Bytes4 bytes;
    } cases[] = {
        {145'123'450, {0x14, 0x51, 0x23, 0x48}}, {1'299'999'950, {0xC9, 0x99, 0x99, 0x98}},
        {100'000, {0x00, 0x01, 0x00, 0x00}},     {0, {0x00, 0x00, 0x00, 0x00}},
        {810'000, {0x00, 0x08, 0x10, 0x00}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Encode8(c.hz), c.bytes) << c.hz;
        EXPECT_EQ(DecodeDigits(c.bytes.data(), 8), c.hz) << c.hz;
    }
}

TEST(FrequencyCode, TensOfHertzOnlyKeepTheFiftyHertzFlag) {
    EXPECT_EQ(Encode8(145'123'470), (Bytes4{0x14, 0x51, 0x23, 0x40}));
    EXPECT_EQ(Encode8(145'123'459), (Bytes4{0x14, 0x51, 0x23, 0x48}));
    // Any last nibble other than 8 reads as 0 Hz.
    const Bytes4 odd{0x14, 0x51, 0x23, 0x45};
    EXPECT_EQ(DecodeDigits(odd.data(), 8), 145'123'400);
}

TEST(FrequencyCode, EmptySlotDecodesAboveTheRange) {
    const Bytes4 empty{0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(DecodeDigits(empty.data(), 8), 1'666'666'500);
}

TEST(FrequencyCode, LeadingDigitNeverSpillsIntoNeighbours) {
    std::array<Byte, 6> guarded{0xAA, 0, 0, 0, 0, 0xBB};
    EncodeDigits(guarded.data() + 1, 2'000'000'000, 8);
    EXPECT_EQ(guarded[0], 0xAA);
    EXPECT_EQ(guarded[5], 0xBB);
    EXPECT_EQ(guarded[1] >> 4, 0xF);
    EXPECT_TRUE(FitsFreq8(kLargestFreq8Hz));
    EXPECT_FALSE(FitsFreq8(kLargestFreq8Hz + 50));
    EXPECT_FALSE(FitsFreq8(-1));
    // Six-digit codes behave the same way.
    std::array<Byte, 5> edge{0xAA, 0, 0, 0, 0xBB};
    EncodeDigits(edge.data() + 1, 99'999'999, 6);
    EXPECT_EQ(edge[0], 0xAA);
    EXPECT_EQ(edge[4], 0xBB);
}

TEST(FrequencyCode, SixDigitBandEdges) {
    const std::array<Byte, 3> edge{0x00, 0x02, 0x85};
    EXPECT_EQ(DecodeDigits(edge.data(), 6), 2850);
    EXPECT_EQ(BandEdgeText(2850), "0.2850");
    std::array<Byte, 3> encoded{};
    EncodeDigits(encoded.data(), 2850, 6);
    EXPECT_EQ(encoded, edge);
    EncodeDigits(encoded.data(), 1'609'750, 6);
    EXPECT_EQ(encoded, (std::array<Byte, 3>{0x16, 0x09, 0x75}));
    EXPECT_EQ(BandEdgeText(13'000'000), "1300.0000");
}

TEST(FrequencyText, ParsesEveryFormUsersType) {
    struct Case {
        const char* text;
        int hz;
    } cases[] = {{"145.5", 145'500'000},
                 {"145.50000", 145'500'000},
                 {"145.5M", 145'500'000},
                 {"145.5K", 145'000},
                 {"145.123456", 145'123'450},
                 {"1.2m", 1'200'000},
                 {"810k", 810'000},
                 {"145000", 145'000'000},
                 {"abc", 0},
                 {"", 0},
                 {"-5", 0},
                 {"145.-5", 0},
                 {" 145.5", 145'500'000},
                 {"145.5   ", 145'500'000},
                 // 4294 MHz does not fit 32 bits: out of reach, not "no frequency".
                 {"4294", kOutOfReachHz},
                 // Where a bare number stops being MHz and becomes kHz.
                 {"2147", 2'147'000'000},
                 {"2148", kOutOfReachHz},
                 {"9999", kOutOfReachHz},
                 {"10000", 10'000'000},
                 {"10000.0", 10'000'000},
                 {"10000.5", kOutOfReachHz},
                 {"1300", 1'300'000'000},
                 {"0.1", 100'000},
                 {"99999999999999999999", kOutOfReachHz},
                 // Too large for 32 bits, whatever 64-bit arithmetic would wrap them to.
                 {"99999999999999.5", kOutOfReachHz},
                 {"18446744073854.5517", kOutOfReachHz}};
    for (const Case& c : cases)
        EXPECT_EQ(ParseFrequency(QString::fromLatin1(c.text)), c.hz) << c.text;
}

TEST(FrequencyText, ParsesHundredHertzUnits) {
    EXPECT_EQ(ParseFrequency100Hz("0.285"), 2850);
    EXPECT_EQ(ParseFrequency100Hz("145.0125"), 1'450'125);
    EXPECT_EQ(ParseFrequency100Hz("145000"), 1'450'000);
    EXPECT_EQ(ParseFrequency100Hz("x"), 0);
    EXPECT_EQ(ParseFrequency100Hz("999999999999999.5"), INT32_MAX);
    EXPECT_EQ(ParseFrequency100Hz("0,285"), 2850);
}

// Whatever its size, a number is a frequency or refused: overflowing into 0 would read as "no
// frequency" and delete a channel without a word.
TEST(FrequencyText, NumbersTooLargeAreRefusedNeverEmpty) {
    struct Case {
        const char* text;
        int hz;
    } cases[] = {
        {"2147483", 2'147'483'000}, // kHz: the largest that fits
        {"2147484", kOutOfReachHz}, // kHz: the first that does not
        {"99999999", kOutOfReachHz},
        {"4294967296", kOutOfReachHz}, // 2^32 kHz: wraps to 0 in 32 bits
        {"2147.48365", kOutOfReachHz},
        {"1e9", 1'000'000}, // reading stops at the first non-digit
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseFrequency(QString::fromLatin1(c.text)), c.hz) << c.text;
    // Every check that refuses a frequency the receiver cannot take refuses it.
    for (int country : {0, 1, 2, 3, 4})
        for (int wideband : {0, 1})
            EXPECT_TRUE(IsFrequencyBlockedFor(kOutOfReachHz, country, wideband));
    EXPECT_FALSE(FitsFreq8(kOutOfReachHz));
    EXPECT_EQ(FrequencyMessage(kOutOfReachHz), "2147.48364 or more is not a valid frequency");
    EXPECT_EQ(FrequencyMessage(2'147'483'000), "2147.48300 is not a valid frequency");
}

TEST(FrequencyText, DecimalCommaIsADecimalPoint) {
    EXPECT_EQ(ParseFrequency("145,5"), 145'500'000);
    EXPECT_EQ(ParseFrequency("145,12345"), 145'123'450);
    EXPECT_EQ(ParseFrequency("0,594M"), 594'000);
    EXPECT_EQ(ParseFrequency("145,5k"), 145'000);
    EXPECT_EQ(ParseFrequency(" 433,0 "), 433'000'000);
}

TEST(FrequencyText, ShowsMegahertzWithFiveDecimals) {
    EXPECT_EQ(FrequencyText(145'123'450), "145.12345");
    EXPECT_EQ(FrequencyText(1'050'000), "1.05000");
    EXPECT_EQ(FrequencyText(0), "0.00000");
    EXPECT_EQ(FrequencyMessage(1'305'500'000), "1305.50000 is not a valid frequency");
}

TEST(FrequencyText, SnapsToTheFiftyHertzRaster) {
    const std::vector<std::pair<int, int>> cases = {
        {145'000'000, 145'000'000}, {145'000'050, 145'000'050}, {145'000'020, 145'000'000},
        {145'000'030, 145'000'050}, {145'000'070, 145'000'050}, {145'000'079, 145'000'050},
        {145'000'080, 145'000'000}, {145'000'099, 145'000'000}, {145'123'880, 145'123'800},
    };
    for (auto [in, out] : cases)
        EXPECT_EQ(SnapTo50Hz(in), out) << in;
}

TEST(PermittedFrequencies, FollowTheCountryAndWideband) {
    struct Case {
        int hz, country, wideband;
        bool blocked;
    } cases[] = {
        {99'999, 2, 0, true},         {1'300'000'000, 2, 0, true}, {1'299'999'950, 2, 0, false},
        {100'000, 3, 0, false},       {99'999, 0, 1, true},        {1'300'000'000, 1, 1, true},
        {823'999'950, 4, 0, false},   {824'000'000, 4, 0, true},   {849'000'000, 4, 0, false},
        {824'000'000, 4, 1, true},    {620'900'000, 4, 0, true},   {620'899'950, 4, 0, false},
        {144'000'000, 1, 0, false},   {143'999'950, 1, 0, true},   {143'999'950, 1, 1, false},
        {812'000'000, 0, 0, true},    {812'000'000, 0, 1, false},  {145'000'000, 0, 0, false},
        {960'999'950, 0, 0, true},    {961'000'000, 0, 0, false},  {500'000'000, 7, 0, false},
        {1'250'000'000, 1, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsFrequencyBlockedFor(c.hz, c.country, c.wideband), c.blocked)
            << c.hz << " country " << c.country << " wide " << c.wideband;

    // Both edges of every blocked band, in kHz: the lower one blocked, the upper one open.
    const struct {
        int country;
        std::vector<std::pair<int, int>> bands;
    } rules[] = {
        {0,
         {{253'000, 256'000},
          {262'000, 267'000},
          {271'000, 276'000},
          {380'000, 383'000},
          {412'000, 416'000},
          {810'000, 835'000},
          {843'000, 846'000},
          {860'000, 890'000},
          {898'000, 901'000},
          {915'000, 961'000}}},
        {1,
         {{30'000, 50'000},
          {54'000, 88'000},
          {108'000, 144'000},
          {148'000, 430'000},
          {440'000, 1'240'000}}},
        {4,
         {{620'900, 629'300},
          {784'600, 797'200},
          {807'100, 819'700},
          {824'000, 849'000},
          {869'000, 894'000},
          {1'055'600, 1'068'200},
          {1'078'100, 1'090'700}}},
    };
    for (const auto& rule : rules) {
        for (auto [low, high] : rule.bands) {
            const int lowHz = low * 1000, highHz = high * 1000;
            for (auto [hz, blocked] : {std::pair{lowHz - 50, false},
                                       {lowHz, true},
                                       {highHz - 50, true},
                                       {highHz, false}}) {
                EXPECT_EQ(IsFrequencyBlockedFor(hz, rule.country, 0), blocked)
                    << hz << " country " << rule.country;
                EXPECT_EQ(IsFrequencyBlockedFor(hz, rule.country, 1), blocked && rule.country == 4)
                    << hz << " country " << rule.country << " wideband";
            }
        }
    }
}

TEST(ModesAndSteps, CodesAreListPositionsPlusOne) {
    EXPECT_EQ(ModeName(1), "NFM");
    EXPECT_EQ(ModeName(6), "CW");
    EXPECT_EQ(ModeName(0), "");
    EXPECT_EQ(ModeName(7), "");
    EXPECT_EQ(ModeCode("LSB"), 4);
    EXPECT_EQ(ModeCode("FM"), 0);
    EXPECT_EQ(StepNames().size(), 14);
    EXPECT_EQ(StepNames()[7], "12.5 kHz");
    EXPECT_EQ(PresetStepNames().front(), "Auto");
    EXPECT_EQ(PresetStepNames().size(), 15);
    EXPECT_EQ(StepHz(1), 50);
    EXPECT_EQ(StepHz(8), 12'500);
    EXPECT_EQ(StepHz(14), 100'000);
    EXPECT_EQ(StepHz(15), 0);
}

TEST(ChannelNames, PadAndTrim) {
    Byte name[8];
    ASSERT_TRUE(NameFromText("ABC", name));
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(name), 8), QByteArray("ABC     "));
    ASSERT_TRUE(NameFromText("ABCDEFGHIJ", name));
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(name), 8), QByteArray("ABCDEFGH"));
    const Byte inner[8] = {'A', ' ', 'B', ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(TextFromName(inner), "A B");
    const Byte blank[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(TextFromName(blank), "");
    const Byte leading[8] = {' ', ' ', 'X', ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(TextFromName(leading), "  X");
}

TEST(ChannelNames, EveryByteSurvivesTheTripThroughText) {
    for (int b = 0; b < 256; ++b) {
        const Byte in[8] = {static_cast<Byte>(b), 'x', ' ', ' ', ' ', ' ', ' ', ' '};
        Byte out[8] = {};
        ASSERT_TRUE(NameFromText(TextFromName(in), out)) << b;
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(in), 8),
                  QByteArray(reinterpret_cast<char*>(out), 8))
            << b;
    }
}

TEST(ChannelNames, KatakanaAndRefusedCharacters) {
    EXPECT_EQ(NameChar(0xA1), QChar(0xFF61));
    EXPECT_EQ(NameChar(0xDF), QChar(0xFF9F));
    EXPECT_EQ(NameChar('A'), QChar('A'));
    EXPECT_EQ(NameChar(0xE9), QChar(0x00E9));
    EXPECT_EQ(NameByte(QChar(0xFF76)), Byte(0xB6)); // half-width KA
    EXPECT_FALSE(NameByte(QChar(0x00C0)));          // its byte shows katakana instead
    EXPECT_FALSE(NameByte(QChar(0x20AC)));          // euro sign
    EXPECT_FALSE(NameByte(QChar(0x30AB)));          // full-width katakana

    Byte name[8] = {'K', 'E', 'E', 'P', ' ', ' ', ' ', ' '};
    EXPECT_FALSE(NameFromText(QString::fromUtf8("Caf\u20AC"), name));
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(name), 8), QByteArray("KEEP    "));
    EXPECT_EQ(FirstUnshowableChar(QString::fromUtf8("ok\u20ACno")), QChar(0x20AC));
    EXPECT_FALSE(FirstUnshowableChar("plain"));
}

// What a user brings into a name may not hold control characters; a name from the receiver
// keeps them, and a text file carries them as \xHH and back.
TEST(ChannelNames, ControlCharactersAreRefusedOnEntryAndEscapedInFiles) {
    for (char16_t c : {u'\0', u'\x01', u'\x1B', u'\x7F', u'\x80', u'\x9B'}) {
        EXPECT_FALSE(IsNameChar(QChar(c))) << int(c);
        EXPECT_EQ(FirstUnshowableChar(QStringLiteral("ab") + QChar(c)), QChar(c));
    }
    EXPECT_TRUE(IsNameChar(QChar(0xA0)));
    EXPECT_TRUE(IsNameChar(QChar(0xFF61)));

    const Byte raw[8] = {0x01, 'A', 0x1B, '[', 0x00, 0x7F, 0x9B, 0xFF};
    const QString inFile = NameToFileText(raw);
    EXPECT_EQ(inFile, QString::fromUtf8("\\x01A\\x1B[\\x00\\x7F\\x9B\u00FF"));
    EXPECT_FALSE(FirstUnshowableChar(inFile));
    Byte back[8] = {};
    ASSERT_TRUE(NameFromText(NameFromFileText(inFile), back));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(back), 8),
              QByteArray(reinterpret_cast<const char*>(raw), 8));
    // Only what the escaping writes is read back as a byte.
    EXPECT_EQ(NameFromFileText(QStringLiteral("\\x41\\xZZ\\")), QStringLiteral("\\x41\\xZZ\\"));
}

TEST(TextRoutines, CopyAndTrim) {
    QString text = "ab  \t  ";
    TrimRight(text);
    EXPECT_EQ(text, "ab  \t"); // spaces only
    EXPECT_EQ(ChannelLabel(1), "1");
    EXPECT_EQ(ChannelLabel(1000), "1000");
    EXPECT_EQ(ChannelLabel(0), "");
    EXPECT_EQ(ChannelLabel(1001), "");

    char dst[12];
    std::fill(std::begin(dst), std::end(dst), 'Z');
    FillCopy(dst, "abc", 8, ' ');
    EXPECT_EQ(QByteArray(dst, 9), QByteArray("abc     Z"));
    CopyLimited(dst, "abcdef", 3);
    EXPECT_EQ(QByteArray(dst, 4), QByteArray("abc\0", 4));
    CopyBytesZ(dst, "a\0c", 3);
    EXPECT_EQ(QByteArray(dst, 4), QByteArray("a\0c\0", 4));
    CopyUntilChar(dst, "key=value", 8, '=');
    EXPECT_EQ(QByteArray(dst), QByteArray("key"));
}
