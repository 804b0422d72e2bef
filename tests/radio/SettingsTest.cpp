#include "radio/Settings.h"
#include "support/TempSettings.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {
class SettingsTest : public testing::Test {
protected:
    TempSettings temp;

    void Store(const char* key, const QVariant& value) {
        auto store = settings::Open();
        store->setValue(QLatin1String(key), value);
    }
    bool Has(const char* key) { return settings::Open()->contains(QLatin1String(key)); }
    QVariant Value(const char* key) { return settings::Open()->value(QLatin1String(key)); }
};
} // namespace

TEST_F(SettingsTest, AbsentValuesReadAsDefaults) {
    int country = -1, wideband = -1;
    EXPECT_FALSE(ReadCountrySettings(country, wideband));
    EXPECT_EQ(country, 4);
    EXPECT_EQ(wideband, 0);
    Store(settings::kCountry, 0);
    EXPECT_FALSE(ReadCountrySettings(country, wideband));
    EXPECT_EQ(country, 0);
    Store(settings::kWideband, 1);
    EXPECT_TRUE(ReadCountrySettings(country, wideband));
    // A value someone mangled by hand counts as absent.
    Store(settings::kCountry, "japan");
    EXPECT_FALSE(ReadCountrySettings(country, wideband));
    EXPECT_EQ(country, 4);
}

TEST_F(SettingsTest, DefaultsAreStoredByDeletingTheValue) {
    WriteCountrySettings(1, 1);
    EXPECT_EQ(Value(settings::kCountry).toInt(), 1);
    EXPECT_EQ(Value(settings::kWideband).toInt(), 1);
    WriteCountrySettings(4, 0);
    EXPECT_FALSE(Has(settings::kCountry));
    EXPECT_FALSE(Has(settings::kWideband));
    // The values live in [General] of Tarnwick/VR500.conf.
    WriteCountrySettings(0, 1);
    QFile file(temp.FilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[General]"));
    EXPECT_TRUE(text.contains("Country=0"));
    EXPECT_TRUE(text.contains("Wideband=1"));
}

TEST_F(SettingsTest, StartUpChoosesTheCountryFromTheLanguage) {
    struct Case {
        const char* name;
        QVariant country, wideband; // stored before start-up; invalid = absent
        int language;
        QVariant wantCountry, wantWideband;
    } cases[] = {
        {"Japanese first start", {}, {}, kLanguageJapanese, 0, {}},
        {"US English first start", {}, {}, kLanguageEnglishUS, {}, {}},
        {"US English deletes a stored 1", 1, {}, kLanguageEnglishUS, {}, {}},
        {"both stored: language ignored", 0, 1, kLanguageEnglishUS, 0, 1},
        {"other language keeps wideband", {}, 1, 0, 1, 1},
        {"other language, nothing stored", {}, {}, 0, 1, {}},
    };
    for (const Case& c : cases) {
        TempSettings fresh;
        if (c.country.isValid())
            Store(settings::kCountry, c.country);
        if (c.wideband.isValid())
            Store(settings::kWideband, c.wideband);
        SettleCountry(c.language);
        EXPECT_EQ(Value(settings::kCountry), c.wantCountry) << c.name;
        EXPECT_EQ(Value(settings::kWideband), c.wantWideband) << c.name;
        // Starting again gives the same result.
        SettleCountry(c.language);
        EXPECT_EQ(Value(settings::kCountry), c.wantCountry) << c.name << " (second start)";
    }
    // The version a receiver reported outlasts every later start, on any system language,
    // also when it is the default pair; an explicit default reads the same as an absent one.
    const int read[][3] = {
        {4, 0, 0}, {0, 0, kLanguageEnglishUS}, {1, 0, kLanguageJapanese}, {1, 1, 0}};
    for (const auto& [country, wideband, language] : read) {
        TempSettings fresh;
        EXPECT_TRUE(RememberReceiverVersion(country, wideband));
        SettleCountry(language);
        SettleCountry(language);
        int gotCountry = -1, gotWideband = -1;
        EXPECT_TRUE(ReadCountrySettings(gotCountry, gotWideband)) << country << wideband;
        EXPECT_EQ(gotCountry, country);
        EXPECT_EQ(gotWideband, wideband);
    }
}

TEST_F(SettingsTest, PortAndDataFolder) {
    EXPECT_EQ(ReadCommPort(), "0");
    WriteCommPort("3");
    EXPECT_EQ(ReadCommPort(), "3");
    WriteCommPort("/dev/ttyUSB0");
    EXPECT_EQ(ReadCommPort(), "/dev/ttyUSB0");
    EXPECT_EQ(ReadDataDir(), "");
    WriteDataDir("/home/listener/radio");
    EXPECT_EQ(ReadDataDir(), "/home/listener/radio");
}

// Values edited by hand, or left by another program, that no receiver has: sent, they would be
// cut to a byte (-1 becomes 255).
TEST_F(SettingsTest, StoredVersionOutsideTheRangeIsIgnored) {
    Store(settings::kCountry, -1);
    Store(settings::kWideband, 7);
    int country = -1, wideband = -1;
    EXPECT_FALSE(ReadCountrySettings(country, wideband));
    EXPECT_EQ(country, 4);
    EXPECT_EQ(wideband, 0);
    Store(settings::kCountry, 5);
    Store(settings::kWideband, 1);
    // Start-up chooses again and so replaces what it cannot use.
    SettleCountry(kLanguageJapanese);
    EXPECT_EQ(Value(settings::kCountry), 0);
    EXPECT_FALSE(Has(settings::kWideband));
    // Nor is a reported version outside the range stored.
    EXPECT_FALSE(RememberReceiverVersion(9, 0));
    EXPECT_EQ(Value(settings::kCountry), 0);
}

TEST_F(SettingsTest, PortNamesWithControlCharactersAreRefused) {
    EXPECT_EQ(PortNameProblem("/dev/ttyUSB0"), "");
    EXPECT_EQ(PortNameProblem(QString("/dev/tty") + QChar(0) + "S0"),
              "The port name \"/dev/tty\\x00S0\" contains the control character \\x00.");
    EXPECT_NE(PortNameProblem(QString("/dev/ttyS0") + QChar(0x9B)), "");
    // Stored, it is ignored, so the program starts and Port Setup can mend it.
    WriteCommPort("/dev/ttyS0\x1b[2J");
    EXPECT_EQ(ReadCommPort(), "0");
}
