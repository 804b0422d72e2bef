#pragma once
// Conversions between the receiver's stored codes and what the user reads and types:
// packed-decimal frequencies, modes, steps and the 8-byte channel names.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

using Byte = std::uint8_t;

// ---- Frequencies ----------------------------------------------------------------------
// The receiver covers 0.1 MHz up to, not including, 1300 MHz.
inline constexpr int kLowestHz = 100'000;
inline constexpr int kTopHz = 1'300'000'000;
// The largest value the 8-digit code holds with a leading digit of 15.
inline constexpr int kLargestFreq8Hz = 1'599'999'950;
// What frequency text too large for an int reads as: above every range, so each check that
// refuses an unreachable frequency refuses it, and it never passes for "no frequency" (0).
inline constexpr int kOutOfReachHz = 2'147'483'640;

// Reads count nibbles (high before low) and returns their decimal value x 10. With count 8 the
// last nibble is the 50 Hz flag and the result is Hz; with count 6 the result is 100 Hz units.
int DecodeDigits(const Byte* bytes, int count);
// Writes count nibbles (count/2 bytes). A leading digit above 15 is stored as 15: callers
// refuse such values before they get here, so nothing spills into neighbouring bytes.
void EncodeDigits(Byte* bytes, int value, int count);
// True when hz can be stored as an 8-digit code without loss of its leading digit.
bool FitsFreq8(int hz);

// Reads MHz text ("145.5", "145,5", "145.5M"), kHz text ("810k") or a bare kHz number
// ("145000"). 0 means no frequency: blank text, text without a number, a negative number or
// zero. A number too large for an int reads as kOutOfReachHz, never as 0.
int ParseFrequency(const QString& text);
// The same reading with four decimals, in 100 Hz units; too large reads as INT32_MAX.
int ParseFrequency100Hz(const QString& text);
int SnapTo50Hz(int hz);
// The permitted-frequency rule of a receiver version (country code and wideband flag).
bool IsFrequencyBlockedFor(int hz, int country, int wideband);

QString FrequencyText(int hz);        // "145.12345": MHz with five decimals
QString BandEdgeText(int units100Hz); // "0.2850": MHz with four decimals
// "145.12345 is not a valid frequency"; from kOutOfReachHz on, "2147.48364 or more is ...".
QString FrequencyMessage(int hz);
// A receiver version as people name it: "country 4, general", "country 1, ham bands,
// wideband".
QString VersionText(int country, int wideband);
// What a version receives: "0.1-620.9, 629.3-784.6, ... MHz", each range up to but not
// including its upper edge.
QString AcceptedRangesText(int country, int wideband);
// "This receiver's version (...) receives ...": the one text that tells, in the window and on
// the command line, why a frequency was refused and what would be taken.
QString AcceptedRangesNote(int country, int wideband);
// FrequencyMessage, then AcceptedRangesNote on a line of its own.
QString RefusedFrequencyMessage(int hz, int country, int wideband);

// ---- Modes and steps ------------------------------------------------------------------
// Mode code = list index + 1; code 0 = none.
const QStringList& ModeNames();       // NFM WFM AM LSB USB CW
const QStringList& StepNames();       // "0.05 kHz" .. "100 kHz", step code = index + 1
const QStringList& PresetStepNames(); // "Auto" then the step names, byte = index
QString ModeName(int code);           // empty for codes outside 1..6
int ModeCode(const QString& name);    // 0 when the name is not a mode
// The step of a step code in Hz (code 1 = 50 Hz .. 14 = 100 kHz); 0 for other codes.
int StepHz(int code);

// ---- Channel names --------------------------------------------------------------------
// A name byte as text: 0x20..0x7E ASCII, 0xA1..0xDF half-width katakana, every other byte
// the Latin-1 character of its value. The mapping is one to one, so any 8 bytes survive a
// trip through text.
QChar NameChar(Byte b);
std::optional<Byte> NameByte(QChar c);
// Copies the first 8 characters into name and pads with spaces. Returns false, leaving
// name unchanged, when a character has no byte on the receiver.
bool NameFromText(const QString& text, Byte* name);
// The 8 bytes as text without trailing spaces; inner spaces stay.
QString TextFromName(const Byte* name);
// The one rule for a character the user puts into a name (typing, paste, drop, import): it
// has a byte and is not a control character. Names read from the receiver or a file keep
// whatever bytes they hold; only what the user brings in is held to this.
bool IsNameChar(QChar c);
// The first character of text that IsNameChar refuses, if any.
std::optional<QChar> FirstUnshowableChar(const QString& text);
// A name in a text file: each control character as \xHH, the way VisibleText writes it, so
// the file holds no raw control bytes; NameFromFileText reads such a name back.
QString NameToFileText(const Byte* name);
QString NameFromFileText(const QString& text);

// True for the characters a terminal takes as commands: 0x00..0x1F, 0x7F and 0x80..0x9F.
bool IsControlChar(QChar c);
// text with every control character written as \xHH, so that printing it cannot drive a
// terminal; with keepLineBreaks a line feed stays a line break.
QString VisibleText(const QString& text, bool keepLineBreaks = false);

// ---- Small text routines --------------------------------------------------------------
void TrimRight(QString& text); // trailing spaces (0x20) only
QString ChannelLabel(int n);   // "1".."1000", empty outside that range
void FillCopy(char* dst, const char* src, int n, char fill);
void CopyLimited(char* dst, const char* src, int n);
void CopyBytesZ(char* dst, const char* src, int n);
void CopyUntilChar(char* dst, const char* src, int n, char stop);
