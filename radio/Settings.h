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
// The main window's size, place and maximised state, as the window saves them.
inline constexpr char kWindowGeometry[] = "WindowGeometry";

inline constexpr int kDefaultCountry = 4;
inline constexpr int kDefaultWideband = 0;

std::unique_ptr<QSettings> Open();
} // namespace settings

// The versions the receiver comes in: countries 0..4, wideband 0 or 1.
inline constexpr int kHighestCountry = 4;
inline constexpr int kHighestWideband = 1;
bool IsReceiverVersion(int country, int wideband);

// Reads "Country" (absent: 4) and "Wideband" (absent: 0); true only when both were present.
// A stored value outside the receiver's range is ignored with a warning and counts as absent,
// so nothing outside the range is ever sent or saved.
bool ReadCountrySettings(int& country, int& wideband);
// Stores the pair; the defaults (country 4, wideband 0) are stored by deleting the value.
void WriteCountrySettings(int country, int wideband);
// Stores the version a receiver reported, both values written even when they are the
// defaults, so the next start keeps it instead of choosing again by the system language.
// False when it could not be stored (a settings file or folder that cannot be written, or a
// version outside the receiver's range): the next write would send another version.
[[nodiscard]] bool RememberReceiverVersion(int country, int wideband);
// What the user is told when RememberReceiverVersion failed for that version: why, and which
// version writes send instead.
QString VersionNotStoredMessage(int country, int wideband);

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

// "CommPort": "0" (none), "1".."9" (Com 1..Com 9) or a device path. A stored name that
// PortNameProblem refuses is ignored with a warning and reads as "0".
QString ReadCommPort();
void WriteCommPort(const QString& port);

// Why port cannot name a serial port, in words for the user ("... contains the control
// character \x00."), or an empty string when it can. Every port name, wherever it comes from,
// passes this before anything (the serial layer's lock file among them) is named after it.
QString PortNameProblem(const QString& port);
