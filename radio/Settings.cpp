#include "radio/Settings.h"

#include <QLocale>
#include <QSettings>
#include <optional>

namespace settings {
std::unique_ptr<QSettings> Open() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Tarnwick"), QStringLiteral("VR500"));
}
} // namespace settings

namespace {
// An integer value, or nothing when it is absent or not a number.
std::optional<int> ReadInt(QSettings& store, const char* key) {
    const QVariant value = store.value(QLatin1String(key));
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

void WriteOrRemove(QSettings& store, const char* key, int value, int absentMeans) {
    if (value == absentMeans)
        store.remove(QLatin1String(key));
    else
        store.setValue(QLatin1String(key), value);
}
} // namespace

bool ReadCountrySettings(int& country, int& wideband) {
    auto store = settings::Open();
    const std::optional<int> storedCountry = ReadInt(*store, settings::kCountry);
    const std::optional<int> storedWideband = ReadInt(*store, settings::kWideband);
    country = storedCountry.value_or(settings::kDefaultCountry);
    wideband = storedWideband.value_or(settings::kDefaultWideband);
    return storedCountry && storedWideband;
}

void WriteCountrySettings(int country, int wideband) {
    auto store = settings::Open();
    WriteOrRemove(*store, settings::kCountry, country, settings::kDefaultCountry);
    WriteOrRemove(*store, settings::kWideband, wideband, settings::kDefaultWideband);
    store->sync();
}

void RememberReceiverVersion(int country, int wideband) {
    auto store = settings::Open();
    store->setValue(QLatin1String(settings::kCountry), country);
    store->setValue(QLatin1String(settings::kWideband), wideband);
    store->sync();
}

int SystemLanguageId() {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::Japanese)
        return kLanguageJapanese;
    if (locale.language() == QLocale::English && locale.territory() == QLocale::UnitedStates)
        return kLanguageEnglishUS;
    return 0;
}

void SettleCountry(int languageId) {
    int country = 0;
    int wideband = 0;
    if (ReadCountrySettings(country, wideband))
        return;
    if (languageId == kLanguageJapanese)
        WriteCountrySettings(0, 0);
    else if (languageId == kLanguageEnglishUS)
        WriteCountrySettings(4, 0);
    else
        WriteCountrySettings(1, wideband);
}

QString ReadDataDir() {
    return settings::Open()->value(QLatin1String(settings::kDataDir)).toString();
}

void WriteDataDir(const QString& folder) {
    auto store = settings::Open();
    store->setValue(QLatin1String(settings::kDataDir), folder);
    store->sync();
}

QString ReadCommPort() {
    const QString port =
        settings::Open()->value(QLatin1String(settings::kCommPort)).toString().trimmed();
    return port.isEmpty() ? QStringLiteral("0") : port;
}

void WriteCommPort(const QString& port) {
    auto store = settings::Open();
    store->setValue(QLatin1String(settings::kCommPort), port);
    store->sync();
}
