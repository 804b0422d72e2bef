#include "radio/Csv.h"
#include "radio/Radio.h"
#include "support/TempSettings.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace layout;

namespace {

struct Band {
    int edge100Hz;
    int mode;
    int step;
};

// A band plan of our own, so the tests do not lean on the default images.
void SetBandPlan(CVR500Radio& radio) {
    const Band plan[] = {{17'100, 3, 7}, {1'080'000, 2, 13}, {1'460'000, 1, 8}};
    for (int i = 0; i < ri::kBandLookupEntries; ++i) {
        const Band b = i < 3 ? plan[i] : Band{13'000'000, 1, 11};
        Byte* entry = radio.EditRadio() + ri::BandEntry(i);
        EncodeDigits(entry, b.edge100Hz, 6);
        entry[3] = static_cast<Byte>(b.step << 4 | b.mode);
    }
}

void SetCountry(CVR500Radio& radio, int country, int wideband) {
    radio.EditRadio()[ri::kCountryCode] = static_cast<Byte>(country);
    radio.EditRadio()[ri::kWidebandFlag] = static_cast<Byte>(wideband);
}

// Stores a channel in use; flag bits the program never changes are kept from the image.
void PutChannel(CVR500Radio& radio, int n, int hz, int mode, bool preferential,
                const QByteArray& name) {
    ChannelRecord rec = *radio.GetChannel(n);
    EncodeDigits(rec.code, hz, 8);
    rec.flags = static_cast<Byte>((rec.flags & ~0x17) | mode | (preferential ? 0x10 : 0));
    std::memset(rec.name, ' ', 8);
    std::memcpy(rec.name, name.constData(), std::min<size_t>(8, name.size()));
    radio.StoreChannel(rec, n);
    radio.SetChannelUsed(n, true);
}

QByteArray Region(const CVR500Radio& radio, int offset, int size) {
    return QByteArray(reinterpret_cast<const char*>(radio.EditRadio() + offset), size);
}

// Every byte that describes the memory channels.
QByteArray ChannelBytes(const CVR500Radio& radio) {
    return Region(radio, ri::kChannelUsedBitmap, ri::kChannelUsedBitmapSize) +
           Region(radio, ri::kChannelFrequencies, 4000) + Region(radio, ri::kChannelNames, 8000) +
           Region(radio, ri::kChannelFlags, 1000);
}

class Csv : public testing::Test {
protected:
    Csv() { Fresh(radio); }

    static void Fresh(CVR500Radio& r) {
        r.NewImage();
        SetCountry(r, 2, 0);
        SetBandPlan(r);
    }

    QStringList Problems(const QByteArray& text, int at = 0) {
        const Image before = radio.EditImage();
        const csv::ImportResult result = csv::ImportChannels(radio, text, at);
        EXPECT_EQ(radio.EditImage(), before) << "a refused import changed the data";
        QStringList out;
        for (const csv::Problem& p : result.problems)
            out.append(QStringLiteral("%1: %2").arg(p.line).arg(p.reason));
        return out;
    }

    TempSettings settings;
    CVR500Radio radio;
};

TEST_F(Csv, ExportWritesTheCommonColumnsForChannelsInUse) {
    PutChannel(radio, 1, 145'123'450, 1, true, "Na,\"me");
    PutChannel(radio, 150, 594'000, 3, false, "\xB1\xB2\xB3");
    PutChannel(radio, 1000, 1'299'999'950, 0, false, "");
    PutChannel(radio, 2, 146'000'000, 1, false, "unused");
    radio.SetChannelUsed(2, false);

    const QByteArray expected =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
        "1,\"Na,\"\"me\",145.123450,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,P,,"
        "Bank 0,,,,\r\n"
        "150,\xEF\xBD\xB1\xEF\xBD\xB2\xEF\xBD\xB3,0.594000,,0.000000,,88.5,88.5,023,NN,023,"
        "Tone->Tone,AM,10.00,,,Bank 1,,,,\r\n"
        "1000,,1299.999950,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,,25.00,,,Bank 9,,,,\r\n";
    EXPECT_EQ(csv::ExportChannels(radio), expected);
}

TEST_F(Csv, ExportThenImportIntoAFreshDataSetGivesTheSameChannelBytes) {
    const QByteArray names[] = {"A,B", "\"q\"", "\xB6\xC0\xB6\xC5", " lead", "in ner", "12345678",
                                "", "\xE9t\xE9", "\x80\xA0", "\x9F\xFF",
                                // control bytes as a receiver may hold them
                                QByteArray("\x01\x1B[2J\x00\x7F", 7)};
    for (int n = 1, k = 0; n <= ri::kChannelCount; n += 7, ++k) {
        const int hz = (100'000 + n * 1'299'871) / 50 * 50;
        PutChannel(radio, n, hz, 1 + k % 6, k % 3 == 0, names[k % std::size(names)]);
    }
    PutChannel(radio, 1000, 1'299'999'950, 5, true, "LAST");

    CVR500Radio fresh;
    Fresh(fresh);
    const csv::ImportResult result = csv::ImportChannels(fresh, csv::ExportChannels(radio));
    ASSERT_TRUE(result.problems.empty()) << result.problems[0].reason.toStdString();
    EXPECT_EQ(result.channelsSet, 144);
    EXPECT_EQ(ChannelBytes(fresh), ChannelBytes(radio));
}

TEST_F(Csv, ImportReadsColumnsByNameInAnyOrder) {
    PutChannel(radio, 5, 50'000'000, 2, false, "old");
    radio.EditRadio()[ri::ChannelFlag(5)] |= 0x88;   // bits the program never touches
    PutChannel(radio, 6, 1'000'000, 3, true, "old"); // a row without P and Mode clears both
    PutChannel(radio, 9, 433'000'000, 1, true, "keep me");
    const QByteArray lines[] = {
        "\xEF\xBB\xBFName,Skip,Mode,Frequency,Location,Power",
        "\"x,\"\"y\"\"\",P,FM,145.123470,5,High",
        "LongName12,,,100.5,6,",
        ",,,1,7,",
        "\xEF\xBE\x83\xEF\xBD\xBD\xEF\xBE\x84, p ,usb,.5,8,",
        ",,,,,",
    };
    for (const char* end : {"\n", "\r\n"}) {
        SCOPED_TRACE(end[0] == '\r' ? "CRLF" : "LF");
        CVR500Radio r;
        Fresh(r);
        r.SetEditImage(radio.EditImage());
        QByteArray text;
        for (const QByteArray& line : lines)
            text += line + end;
        const csv::ImportResult result = csv::ImportChannels(r, text);
        ASSERT_TRUE(result.problems.empty()) << result.problems[0].reason.toStdString();
        EXPECT_EQ(result.channelsSet, 4);
        ASSERT_EQ(result.cutNames.size(), 1u);
        EXPECT_EQ(result.cutNames[0].line, 3);
        EXPECT_EQ(result.cutNames[0].reason, "Name \"LongName12\" was cut to \"LongName\"");

        struct Expect {
            int n;
            int hz;
            Byte flags;
            const char* name;
        } expected[] = {
            {5, 145'123'450, 0x99, "x,\"y\"   "}, {6, 100'500'000, 0x02, "LongName"},
            {7, 1'000'000, 0x03, "        "},     {8, 500'000, 0x15, "\xC3\xBD\xC4     "},
            {9, 433'000'000, 0x11, "keep me "},
        };
        for (const Expect& e : expected) {
            SCOPED_TRACE(e.n);
            const ChannelRecord& rec = *r.GetChannel(e.n);
            EXPECT_TRUE(r.IsChannelUsed(e.n));
            EXPECT_EQ(rec.frequencyHz, e.hz);
            EXPECT_EQ(rec.flags, e.flags);
            EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(rec.name), 8), QByteArray(e.name));
        }
    }
}

TEST_F(Csv, ImportWithAtNumbersTheRowsFromThere) {
    const QByteArray text = "Location,Frequency\n0,145\n1,146.5\n";
    ASSERT_TRUE(csv::ImportChannels(radio, text, 999).problems.empty());
    EXPECT_EQ(radio.GetChannel(999)->frequencyHz, 145'000'000);
    EXPECT_EQ(radio.GetChannel(1000)->frequencyHz, 146'500'000);
    EXPECT_FALSE(radio.IsChannelUsed(1));

    EXPECT_EQ(Problems("Frequency\n145\n146\n147\n", 999),
              QStringList{"4: the row goes past channel 1000"});
}

TEST_F(Csv, EveryBadRowIsReportedAndNothingIsWritten) {
    SetCountry(radio, 1, 0);
    const QByteArray text = "Location,Name,Frequency,Mode,Comment\n"
                            "0,a,145\n"
                            "1001,a,145\n"
                            "x,a,145\n"
                            "10,a,abc\n"
                            "11,a,\n"
                            "12,a,200\n"
                            "13,a,1600.5\n"
                            "14,a,99999999999999999999\n"
                            "15,a\xE2\x82\xAC"
                            "b,145\n"
                            "16,a,145\n"
                            "16,b,145\n"
                            "17,a,145,,\"multi\n"
                            "line\"\n"
                            "18,a,-145\n"
                            ",,\n"
                            "19,a,0\n"
                            "20,\"a\x1B[2Jb\",145\n"
                            "21,long name\x7F,145\n"
                            "22,a,145,DV\n"
                            "23,a,145,\n";
    const QStringList expected = {
        "2: Location \"0\" is not a channel number 1..1000",
        "3: Location \"1001\" is not a channel number 1..1000",
        "4: Location \"x\" is not a channel number 1..1000",
        "5: Frequency \"abc\" is not a frequency in MHz",
        "6: Frequency \"\" is not a frequency in MHz",
        "7: 200.00000 is not a valid frequency",
        "8: 1600.5 is not a valid frequency",
        "9: 99999999999999999999 is not a valid frequency",
        "10: Name \"a\u20ACb\": the receiver cannot show \"\u20AC\"",
        "12: channel 16 is also set by line 11",
        "15: Frequency \"-145\" is not a frequency in MHz",
        "17: Frequency \"0\" is not a frequency in MHz",
        "18: Name \"a\\x1B[2Jb\": the receiver cannot show \"\\x1B\"",
        "19: Name \"long name\\x7F\": the receiver cannot show \"\\x7F\"",
        "20: Mode \"DV\" is not a mode of the receiver",
    };
    // The lines are counted alike for every kind of line end, inside quotes too.
    for (const char* end : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(QByteArray(end).toHex().toStdString());
        EXPECT_EQ(Problems(QByteArray(text).replace("\n", end)), expected);
    }
}

TEST_F(Csv, BrokenFilesAreRefusedAsAWhole) {
    EXPECT_EQ(Problems(""), QStringList{"1: there is no header line"});
    EXPECT_EQ(Problems("Location,Name\n1,a\n"),
              QStringList{"1: the header has no Frequency column"});
    EXPECT_EQ(Problems("Name,Frequency\na,145\n"),
              QStringList{"1: the header has no Location column"});
    EXPECT_EQ(Problems("Location,Name,Frequency\n1,\"open,145\n2,a,145\n"),
              QStringList{"2: a quoted field is not closed"});
    for (const char* end : {"\n", "\r\n", "\r"})
        EXPECT_EQ(
            Problems(
                QByteArray("Location,Name,Frequency\n1,a,145\n2,\xFF,145\n").replace("\n", end)),
            QStringList{"3: the text is not UTF-8"})
            << QByteArray(end).toHex().toStdString();
}

TEST_F(Csv, FrequenciesAreJudgedByTheDataSetsCountryAndWideband) {
    SetCountry(radio, 1, 1);
    EXPECT_TRUE(csv::ImportChannels(radio, "Location,Frequency\n1,200\n").problems.empty());
    SetCountry(radio, 4, 0);
    EXPECT_EQ(Problems("Location,Frequency\n1,824\n2,823.99995\n"),
              QStringList{"2: 824.00000 is not a valid frequency"});
}

} // namespace
