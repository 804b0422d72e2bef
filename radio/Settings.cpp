#include "radio/Settings.h"

#include "radio/Codecs.h"

#include <QCoreApplication>
#include <QDir>
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

// A stored value outside 0..highest is no version of the receiver: sent, it would be
// truncated to a byte.
std::optional<int> ReadInRange(QSettings& store, const char* key, int highest) {
    const std::optional<int> value = ReadInt(store, key);
    if (value && (*value < 0 || *value > highest)) {
        qWarning("Settings: %s=%d is outside 0..%d and is ignored (%s).", key, *value, highest,
                 qPrintable(QDir::toNativeSeparators(store.fileName())));
        return std::nullopt;
    }
    return value;
}
} // namespace

bool IsReceiverVersion(int country, int wideband) {
    return country >= 0 && country <= kHighestCountry && wideband >= 0 &&
           wideband <= kHighestWideband;
}

bool ReadCountrySettings(int& country, int& wideband) {
    auto store = settings::Open();
    const std::optional<int> storedCountry =
        ReadInRange(*store, settings::kCountry, kHighestCountry);
    const std::optional<int> storedWideband =
        ReadInRange(*store, settings::kWideband, kHighestWideband);
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

bool RememberReceiverVersion(int country, int wideband) {
    if (!IsReceiverVersion(country, wideband))
        return false;
    auto store = settings::Open();
    store->setValue(QLatin1String(settings::kCountry), country);
    store->setValue(QLatin1String(settings::kWideband), wideband);
    // QSettings keeps what it could not write in memory only; sync() tells.
    store->sync();
    return store->status() == QSettings::NoError;
}

QString VersionNotStoredMessage(int country, int wideband) {
    int storedCountry = settings::kDefaultCountry;
    int storedWideband = settings::kDefaultWideband;
    ReadCountrySettings(storedCountry, storedWideband);
    const QString version = QCoreApplication::translate("Settings", "country %1, wideband %2");
    const QString instead = QCoreApplication::translate(
                                "Settings", "\nUntil it is, writes send the stored version (%1).")
                                .arg(version.arg(storedCountry).arg(storedWideband));
    if (!IsReceiverVersion(country, wideband))
        return QCoreApplication::translate(
                   "Settings",
                   "The receiver reported a version this program does not know (%1); it was not "
                   "stored.")
                   .arg(version.arg(country).arg(wideband)) +
               instead;
    return QCoreApplication::translate("Settings",
                                       "The receiver's version (%1) could not be stored in the "
                                       "settings file:\n%2")
               .arg(version.arg(country).arg(wideband),
                    QDir::toNativeSeparators(settings::Open()->fileName())) +
           instead +
           QCoreApplication::translate(
               "Settings", "\nMake that file and its folder writable, then read again.");
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
    auto store = settings::Open();
    const QString port = store->value(QLatin1String(settings::kCommPort)).toString().trimmed();
    if (const QString problem = PortNameProblem(port); !problem.isEmpty()) {
        // A value the program cannot use must not keep it from starting, nor from Port Setup.
        qWarning("Settings: %s is ignored (%s): %s", settings::kCommPort,
                 qPrintable(QDir::toNativeSeparators(store->fileName())),
                 qPrintable(VisibleText(problem)));
        return QStringLiteral("0");
    }
    return port.isEmpty() ? QStringLiteral("0") : port;
}

void WriteCommPort(const QString& port) {
    auto store = settings::Open();
    store->setValue(QLatin1String(settings::kCommPort), port);
    store->sync();
}

QString PortNameProblem(const QString& port) {
    for (QChar c : port)
        if (IsControlChar(c))
            return QCoreApplication::translate(
                       "Settings", "The port name \"%1\" contains the control character %2.")
                .arg(VisibleText(port), VisibleText(QString(c)));
    return {};
}
