#pragma once
// The program's remembered settings: QSettings("Tarnwick", "VR500"), which is the registry key
// Software\Tarnwick\VR500 on Windows and $XDG_CONFIG_HOME/Tarnwick/VR500.conf elsewhere.
// An absent value means the default; a value that cannot be read counts as absent.

#include <QString>
#include <memory>

class QSettings;

namespace settings {
inline constexpr char kCommPort[] = "CommPort";
inline constexpr char kCountry[] = "Country";
inline constexpr char kWideband[] = "Wideband";
inline constexpr char kDataDir[] = "DataDir";

inline constexpr int kDefaultCountry = 4;
inline constexpr int kDefaultWideband = 0;

std::unique_ptr<QSettings> Open();
} // namespace settings

// Reads "Country" (absent: 4) and "Wideband" (absent: 0); true only when both were present.
bool ReadCountrySettings(int& country, int& wideband);
// Stores the pair; the defaults (country 4, wideband 0) are stored by deleting the value.
void WriteCountrySettings(int country, int wideband);
// Stores the version a receiver reported, both values written even when they are the
// defaults, so the next start keeps it instead of choosing again by the system language.
void RememberReceiverVersion(int country, int wideband);

// Windows language ids the country choice knows.
inline constexpr int kLanguageJapanese = 1041;
inline constexpr int kLanguageEnglishUS = 1033;
// The system language as a Windows language id (Japanese 1041, US English 1033, others 0).
int SystemLanguageId();
// Start-up: unless both country values are stored, chooses them from the language and stores
// the choice. The program and the command-line tool call this before they need the country.
void SettleCountry(int languageId);

QString ReadDataDir();
void WriteDataDir(const QString& folder);

// "CommPort": "0" (none), "1".."9" (Com 1..Com 9) or a device path.
QString ReadCommPort();
void WriteCommPort(const QString& port);
