#include "radio/Codecs.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace {

int Nibble(const Byte* bytes, int i) {
    const Byte b = bytes[i / 2];
    return (i % 2 == 0) ? (b >> 4) : (b & 0x0F);
}

// The C library's atol, but saturating instead of overflowing: leading white space and a
// sign are accepted, reading stops at the first non-digit. The cap lies far above any 32-bit
// result yet low enough that scaling by a million cannot overflow 64 bits either.
std::int64_t ReadLong(const QByteArray& text) {
    int i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    constexpr std::int64_t kCap = 10'000'000'000LL;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(kCap, value * 10 + (text[i] - '0'));
    return negative ? -value : value;
}

struct ParsedParts {
    std::int64_t whole = 0;
    std::int64_t frac = 0;
    bool hasFraction = false;
    bool kilohertz = false;
};

ParsedParts SplitFrequencyText(const QString& input, int fractionDigits) {
    QByteArray text = input.left(19).toLatin1().toUpper();
    // European keyboards type the decimal point as a comma.
    text.replace(',', '.');
    ParsedParts parts;
    if (const int k = text.indexOf('K'); k >= 0) {
        parts.kilohertz = true;
        text.truncate(k);
    }
    if (const int m = text.indexOf('M'); m >= 0)
        text.truncate(m);
    QByteArray integer = text;
    if (const int dot = text.indexOf('.'); dot >= 0) {
        integer = text.left(dot);
        QByteArray fraction = text.mid(dot + 1);
        while (fraction.endsWith(' '))
            fraction.chop(1);
        while (fraction.size() < fractionDigits)
            fraction.append('0');
        parts.frac = ReadLong(fraction.left(fractionDigits));
        parts.hasFraction = true;
    }
    parts.whole = ReadLong(integer);
    return parts;
}

// Both parts are capped by ReadLong, so the 64-bit value is exact; only the int may overflow.
int Saturated(std::int64_t value, int ceiling) {
    return static_cast<int>(std::min<std::int64_t>(value, ceiling));
}

struct BlockedRange {
    int country;
    bool wideOpens; // the wideband flag lifts the block
    int lowHz;      // included
    int highHz;     // excluded
};

constexpr int MHz(double mhz) {
    return static_cast<int>(mhz * 1'000'000.0 + 0.5);
}

constexpr BlockedRange kBlockedRanges[] = {
    {0, true, MHz(253), MHz(256)},        {0, true, MHz(262), MHz(267)},
    {0, true, MHz(271), MHz(276)},        {0, true, MHz(380), MHz(383)},
    {0, true, MHz(412), MHz(416)},        {0, true, MHz(810), MHz(835)},
    {0, true, MHz(843), MHz(846)},        {0, true, MHz(860), MHz(890)},
    {0, true, MHz(898), MHz(901)},        {0, true, MHz(915), MHz(961)},
    {1, true, MHz(30), MHz(50)},          {1, true, MHz(54), MHz(88)},
    {1, true, MHz(108), MHz(144)},        {1, true, MHz(148), MHz(430)},
    {1, true, MHz(440), MHz(1240)},       {4, false, MHz(620.9), MHz(629.3)},
    {4, false, MHz(784.6), MHz(797.2)},   {4, false, MHz(807.1), MHz(819.7)},
    {4, false, MHz(824), MHz(849)},       {4, false, MHz(869), MHz(894)},
    {4, false, MHz(1055.6), MHz(1068.2)}, {4, false, MHz(1078.1), MHz(1090.7)},
};

QStringList SplitTabs(const char* text) {
    return QString::fromLatin1(text).split('\t');
}

} // namespace

int DecodeDigits(const Byte* bytes, int count) {
    std::int64_t value = 0;
    for (int i = 0; i < count; ++i) {
        int nibble = Nibble(bytes, i);
        if (count == 8 && i == 7)
            nibble = (nibble == 8) ? 5 : 0;
        value = value * 10 + nibble;
    }
    return static_cast<int>(value * 10);
}

void EncodeDigits(Byte* bytes, int value, int count) {
    std::int64_t q = value / 10;
    if (q < 0)
        q = -q;
    int digits[8] = {};
    for (int i = count - 1; i > 0; --i) {
        digits[i] = static_cast<int>(q % 10);
        q /= 10;
    }
    digits[0] = static_cast<int>(std::min<std::int64_t>(q, 15));
    if (count == 8)
        digits[7] = (digits[7] == 5) ? 8 : 0;
    for (int i = 0; i < count; i += 2)
        bytes[i / 2] = static_cast<Byte>((digits[i] << 4) | digits[i + 1]);
}

bool FitsFreq8(int hz) {
    return hz >= 0 && hz <= kLargestFreq8Hz;
}

int ParseFrequency(const QString& text) {
    const ParsedParts p = SplitFrequencyText(text, 5);
    if (p.whole < 0 || p.frac < 0)
        return 0;
    if ((p.frac == 0 && p.whole > 9999) || p.kilohertz)
        return Saturated(p.whole * 1000, kOutOfReachHz);
    return Saturated(p.whole * 1'000'000 + p.frac * 10, kOutOfReachHz);
}

int ParseFrequency100Hz(const QString& text) {
    const ParsedParts p = SplitFrequencyText(text, 4);
    if (p.whole < 0 || p.frac < 0)
        return 0;
    if ((p.frac == 0 && p.whole > 9999) || p.kilohertz)
        return Saturated(p.whole * 10, INT32_MAX);
    return Saturated(p.whole * 10'000 + p.frac, INT32_MAX);
}

int SnapTo50Hz(int hz) {
    const int r = hz % 100;
    if (r == 0 || r == 50)
        return hz;
    return hz / 100 * 100 + ((r >= 30 && r <= 79) ? 50 : 0);
}

bool IsFrequencyBlockedFor(int hz, int country, int wideband) {
    if (hz < kLowestHz || hz >= kTopHz)
        return true;
    for (const BlockedRange& range : kBlockedRanges) {
        if (range.country != country || (range.wideOpens && wideband != 0))
            continue;
        if (hz >= range.lowHz && hz < range.highHz)
            return true;
    }
    return false;
}

QString FrequencyText(int hz) {
    return QStringLiteral("%1.%2")
        .arg(hz / 1'000'000)
        .arg((hz % 1'000'000) / 10, 5, 10, QLatin1Char('0'));
}

QString BandEdgeText(int units100Hz) {
    return QStringLiteral("%1.%2")
        .arg(units100Hz / 10'000)
        .arg(units100Hz % 10'000, 4, 10, QLatin1Char('0'));
}

QString FrequencyMessage(int hz) {
    if (hz >= kOutOfReachHz)
        return FrequencyText(kOutOfReachHz) +
               QCoreApplication::translate("Codecs", " or more is not a valid frequency");
    return FrequencyText(hz) + QCoreApplication::translate("Codecs", " is not a valid frequency");
}

QString VersionText(int country, int wideband) {
    static const char* const kRegions[] = {QT_TRANSLATE_NOOP("Codecs", "Japan"),
                                           QT_TRANSLATE_NOOP("Codecs", "ham bands"), nullptr,
                                           nullptr, QT_TRANSLATE_NOOP("Codecs", "general")};
    const char* region = (country >= 0 && country < 5) ? kRegions[country] : nullptr;
    QString text = QCoreApplication::translate("Codecs", "country %1").arg(country);
    if (region)
        text += QStringLiteral(", %1").arg(QCoreApplication::translate("Codecs", region));
    if (wideband != 0)
        text += QCoreApplication::translate("Codecs", ", wideband");
    return text;
}

namespace {

QString MHzText(int hz) {
    QString text = QString::number(hz / 1e6, 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

QString AcceptedRangesText(int country, int wideband) {
    // The blocked ranges of a country are listed in ascending order; the gaps are what is open.
    QStringList open;
    int from = kLowestHz;
    for (const BlockedRange& range : kBlockedRanges) {
        if (range.country != country || (range.wideOpens && wideband != 0))
            continue;
        if (range.lowHz > from)
            open << MHzText(from) + QLatin1Char('-') + MHzText(range.lowHz);
        from = std::max(from, range.highHz);
    }
    open << MHzText(from) + QLatin1Char('-') + MHzText(kTopHz);
    return open.join(QLatin1String(", ")) + QStringLiteral(" MHz");
}

QString AcceptedRangesNote(int country, int wideband) {
    return QCoreApplication::translate("Codecs",
                                       "This receiver's version (%1) receives %2, each range up "
                                       "to but not including its upper edge.")
        .arg(VersionText(country, wideband), AcceptedRangesText(country, wideband));
}

QString RefusedFrequencyMessage(int hz, int country, int wideband) {
    return FrequencyMessage(hz) + QLatin1Char('\n') + AcceptedRangesNote(country, wideband);
}

const QStringList& ModeNames() {
    static const QStringList names = SplitTabs("NFM\tWFM\tAM\tLSB\tUSB\tCW");
    return names;
}

const QStringList& StepNames() {
    static const QStringList names =
        SplitTabs("0.05 kHz\t0.1 kHz\t1 kHz\t5 kHz\t6.25 kHz\t9 kHz\t10 kHz\t12.5 kHz\t15 "
                  "kHz\t20 kHz\t25 kHz\t30 kHz\t50 kHz\t100 kHz");
    return names;
}

const QStringList& PresetStepNames() {
    static const QStringList names = QStringList{QStringLiteral("Auto")} + StepNames();
    return names;
}

QString ModeName(int code) {
    return (code >= 1 && code <= ModeNames().size()) ? ModeNames()[code - 1] : QString();
}

int ModeCode(const QString& name) {
    return static_cast<int>(ModeNames().indexOf(name)) + 1;
}

int StepHz(int code) {
    static constexpr int kStepHz[] = {50,    100,   1000,  5000,  6250,  9000,  10000,
                                      12500, 15000, 20000, 25000, 30000, 50000, 100000};
    return (code >= 1 && code <= 14) ? kStepHz[code - 1] : 0;
}

QChar NameChar(Byte b) {
    if (b >= 0xA1 && b <= 0xDF)
        return QChar(0xFF61 + (b - 0xA1));
    return QChar(static_cast<char16_t>(b));
}

std::optional<Byte> NameByte(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 0xFF61 && u <= 0xFF9F)
        return static_cast<Byte>(0xA1 + (u - 0xFF61));
    if (u <= 0xFF && !(u >= 0xA1 && u <= 0xDF))
        return static_cast<Byte>(u);
    return std::nullopt;
}

bool IsNameChar(QChar c) {
    return NameByte(c).has_value() && !IsControlChar(c);
}

std::optional<QChar> FirstUnshowableChar(const QString& text) {
    for (QChar c : text)
        if (!IsNameChar(c))
            return c;
    return std::nullopt;
}

QString NameToFileText(const Byte* name) {
    return VisibleText(TextFromName(name));
}

QString NameFromFileText(const QString& text) {
    static const QRegularExpression escape(QStringLiteral("\\\\x([0-9A-Fa-f]{2})"));
    QString name;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : escape.globalMatch(text)) {
        const QChar c(static_cast<char16_t>(m.captured(1).toUShort(nullptr, 16)));
        if (!IsControlChar(c))
            continue; // only what VisibleText escapes is read back as a byte
        name += QStringView(text).mid(from, m.capturedStart() - from);
        name += c;
        from = m.capturedEnd();
    }
    name += QStringView(text).mid(from);
    return name;
}

bool NameFromText(const QString& text, Byte* name) {
    Byte bytes[8];
    std::memset(bytes, ' ', sizeof bytes);
    const QString head = text.left(8);
    for (int i = 0; i < head.size(); ++i) {
        const std::optional<Byte> b = NameByte(head[i]);
        if (!b)
            return false;
        bytes[i] = *b;
    }
    std::memcpy(name, bytes, sizeof bytes);
    return true;
}

QString TextFromName(const Byte* name) {
    int length = 8;
    while (length > 0 && name[length - 1] == ' ')
        --length;
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(NameChar(name[i]));
    return text;
}

bool IsControlChar(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

QString VisibleText(const QString& text, bool keepLineBreaks) {
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        if (IsControlChar(c) && !(keepLineBreaks && c == QLatin1Char('\n')))
            shown += QStringLiteral("\\x") +
                     QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    return shown;
}

void TrimRight(QString& text) {
    int length = static_cast<int>(text.size());
    while (length > 0 && text[length - 1] == QLatin1Char(' '))
        --length;
    text.truncate(length);
}

QString ChannelLabel(int n) {
    return (n >= 1 && n <= 1000) ? QString::number(n) : QString();
}

void FillCopy(char* dst, const char* src, int n, char fill) {
    std::memset(dst, fill, 8);
    for (int i = 0; i < n && src[i] != 0; ++i)
        dst[i] = src[i];
}

void CopyLimited(char* dst, const char* src, int n) {
    int i = 0;
    for (; i < n && src[i] != 0; ++i)
        dst[i] = src[i];
    dst[i] = 0;
}

void CopyBytesZ(char* dst, const char* src, int n) {
    std::memcpy(dst, src, static_cast<size_t>(n));
    dst[n] = 0;
}

void CopyUntilChar(char* dst, const char* src, int n, char stop) {
    int i = 0;
    for (; i < n && src[i] != stop; ++i)
        dst[i] = src[i];
    dst[i] = 0;
}
