#include "radio/Compare.h"

#include <QCoreApplication>
#include <array>

using namespace layout;

namespace compare {

namespace {

const QString kArrow = QStringLiteral(" → ");

// The texts of the tables below, in the window's language.
QString Text(const char* text) {
    return QCoreApplication::translate("Compare", text);
}

// ---- The settings, as the pages label them ------------------------------------------------

enum class Kind {
    List,      // a whole byte; choices in byte order from firstByte
    Bit,       // one bit; choices for bit values 0 and 1
    Frequency, // a freq8
    Text,      // 8 bytes of text
    BankLinks, // ten bits over two bytes, bank k = bit k
    Channel,   // the weather or TV channel, by the country version
};

struct SettingRow {
    const char* page;
    const char* label;
    Kind kind;
    int offset;
    int bit;       // Bit only
    int firstByte; // List: the byte value of the first choice
    const char* choices;
};

constexpr SettingRow Byte0(const char* page, const char* label, int offset, const char* choices,
                           int firstByte = 0) {
    return {page, label, Kind::List, offset, 0, firstByte, choices};
}
constexpr SettingRow Bit(const char* page, const char* label, ri::SettingBit bit,
                         const char* choices) {
    return {page, label, Kind::Bit, bit.offset, bit.bit, 0, choices};
}
constexpr SettingRow Other(const char* page, const char* label, Kind kind, int offset) {
    return {page, label, kind, offset, 0, 0, ""};
}

constexpr char kMemoryView[] = QT_TRANSLATE_NOOP("Compare", "Memory View");
constexpr char kSetting[] = QT_TRANSLATE_NOOP("Compare", "Setting");
constexpr char kVfoScan[] = QT_TRANSLATE_NOOP("Compare", "VFO Scan");
constexpr char kPresetMode[] = QT_TRANSLATE_NOOP("Compare", "Preset Mode");
constexpr char kDualWatch[] = QT_TRANSLATE_NOOP("Compare", "Dual Watch");
constexpr char kAutoBand[] = QT_TRANSLATE_NOOP("Compare", "Auto Band");

constexpr char kOnOff[] = QT_TRANSLATE_NOOP("Compare", "off|on");
constexpr char kOnOffInverted[] =
    QT_TRANSLATE_NOOP("Compare", "on|off"); // boxes stored as 0 when checked
constexpr char kModes[] = "NFM|WFM|AM|LSB|USB|CW";

const SettingRow kSettings[] = {
    Byte0(kMemoryView, QT_TRANSLATE_NOOP("Compare", "Mode Scan"), ri::kModeScan,
          QT_TRANSLATE_NOOP("Compare", "OFF|NFM|WFM|AM|LSB|USB|CW")),
    Bit(kMemoryView, QT_TRANSLATE_NOOP("Compare", "Bank Scan"), ri::kBankScanBit,
        QT_TRANSLATE_NOOP("Compare", "Off|On")),
    Other(kMemoryView, QT_TRANSLATE_NOOP("Compare", "Bank Link For Scan"), Kind::BankLinks,
          ri::kBankLink),

    Byte0(kSetting, QT_TRANSLATE_NOOP("Compare", "RF Squelch"), ri::kRfSquelch,
          QT_TRANSLATE_NOOP("Compare", "Off|1|2|3|4|5|6|7|8|9")),
    Byte0(kSetting, QT_TRANSLATE_NOOP("Compare", "Off Timer"), ri::kOffTimer,
          QT_TRANSLATE_NOOP("Compare", "Off|30|60|90")),
    Byte0(kSetting, QT_TRANSLATE_NOOP("Compare", "Battery Saver"), ri::kBatterySaver,
          QT_TRANSLATE_NOOP("Compare",
                            "Off|1:4 (1 sec)|1:12 (3 sec)|1:20 (5 sec)|1:28 (7 sec)|1:36 (9 sec)")),
    Byte0(kSetting, QT_TRANSLATE_NOOP("Compare", "Contrast"), ri::kContrast,
          "1|2|3|4|5|6|7|8|9|10|11|12|13|14"),
    // Stored as 0..2 for the bells and 3 for Off.
    Byte0(kSetting, QT_TRANSLATE_NOOP("Compare", "Opening Bell"), ri::kOpeningBell,
          QT_TRANSLATE_NOOP("Compare", "1: Pi|2: Po-Pi|3: Pi-Pi|Off")),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Auto Receive Mode"), ri::kAutoReceiveModeBit,
        kOnOffInverted),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Keypad Lamp"), ri::kKeypadLampBit, kOnOffInverted),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Keypad Beeper"), ri::kKeypadBeeperBit,
        kOnOffInverted),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Japanese"), ri::kJapaneseBit, kOnOffInverted),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Flex Step"), ri::kFlexStepBit, kOnOffInverted),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Attenuator"), ri::kAttenuatorBit, kOnOff),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Monitor"), ri::kMonitorBit, kOnOff),
    Byte0(kSetting, QT_TRANSLATE_NOOP("Compare", "Open Message"), ri::kOpenMessageMode,
          QT_TRANSLATE_NOOP("Compare", "Default|Off|User")),
    Other(kSetting, QT_TRANSLATE_NOOP("Compare", "Open message text"), Kind::Text,
          ri::kOpenMessage),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Lock Mode"), ri::kLockModeBit,
        QT_TRANSLATE_NOOP("Compare", "Key|Key + Dial")),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Lamp Mode"), ri::kLampModeBit,
        QT_TRANSLATE_NOOP("Compare", "Auto|Toggle")),
    Byte0(kSetting, QT_TRANSLATE_NOOP("Compare", "Meter Symbol"), ri::kMeterSymbol,
          QT_TRANSLATE_NOOP("Compare", "rising bars|blocks|chevrons")),
    Bit(kSetting, QT_TRANSLATE_NOOP("Compare", "Smart Search"), ri::kSmartSearchModeBit,
        QT_TRANSLATE_NOOP("Compare", "Single|Continuous")),
    Byte0(kSetting, QT_TRANSLATE_NOOP("Compare", "Smart Search # of Channels"),
          ri::kSmartSearchChannels,
          QT_TRANSLATE_NOOP("Compare", "11 Channels|21 Channels|31 Channels|41 Channels")),
    Other(kSetting, QT_TRANSLATE_NOOP("Compare", "Smart Search Lower"), Kind::Frequency,
          ri::kSmartSearchLower),
    Other(kSetting, QT_TRANSLATE_NOOP("Compare", "Smart Search Start"), Kind::Frequency,
          ri::kSmartSearchStart),
    Other(kSetting, QT_TRANSLATE_NOOP("Compare", "Smart Search Upper"), Kind::Frequency,
          ri::kSmartSearchUpper),

    Byte0(kVfoScan, QT_TRANSLATE_NOOP("Compare", "Scan Mode"), ri::kScanMode,
          QT_TRANSLATE_NOOP("Compare", "Pause|Busy|Hold")),
    Byte0(kVfoScan, QT_TRANSLATE_NOOP("Compare", "Resume Delay"), ri::kResumeDelay,
          QT_TRANSLATE_NOOP(
              "Compare",
              "1 sec|2 sec|3 sec|4 sec|5 sec|6 sec|7 sec|8 sec|9 sec|10 sec|11sec|12 sec")),
    Bit(kVfoScan, QT_TRANSLATE_NOOP("Compare", "Band Scope"), ri::kBandScopeBit,
        QT_TRANSLATE_NOOP("Compare", "A Mode|B Mode")),
    Bit(kVfoScan, QT_TRANSLATE_NOOP("Compare", "A Mode span"), ri::kSpan300kHzBit,
        QT_TRANSLATE_NOOP("Compare", "600 kHz|300 kHz")),
    Byte0(kVfoScan, QT_TRANSLATE_NOOP("Compare", "A Mode Sweep Steps"), ri::kSweepStepsA,
          QT_TRANSLATE_NOOP("Compare", "9 kHz|10 kHz|12.5 kHz|20 kHz|25 kHz|50 kHz|100 kHz")),
    Byte0(kVfoScan, QT_TRANSLATE_NOOP("Compare", "B Mode Sweep Steps"), ri::kSweepStepsB,
          QT_TRANSLATE_NOOP(
              "Compare",
              "50 Hz|100 Hz|1 kHz|5 kHz|6.25 kHz|9 kHz|10 kHz|12.5 kHz|15 kHz|20 kHz|25 kHz|30 "
              "kHz|50 kHz|100 kHz")),
    Other(kVfoScan, QT_TRANSLATE_NOOP("Compare", "Priority Channel"), Kind::Frequency,
          ri::kPriorityFrequency),
    Byte0(kVfoScan, QT_TRANSLATE_NOOP("Compare", "Priority Channel mode"), ri::kPriorityMode,
          kModes, 1),
    Bit(kVfoScan, QT_TRANSLATE_NOOP("Compare", "Limit Search Mode"), ri::kLimitSearchBit, kOnOff),

    Other(kPresetMode, "", Kind::Channel, ri::kChannelChoice),

    Byte0(kDualWatch, QT_TRANSLATE_NOOP("Compare", "Select Dual Watch memory pair"),
          ri::kDualWatchPairIndex, "0|1|2|3|4|5|6|7|8|9"),
    Byte0(kDualWatch, QT_TRANSLATE_NOOP("Compare", "Dual Watch Scan Mode"), ri::kDualWatchScanMode,
          QT_TRANSLATE_NOOP("Compare", "Time|Busy|Pause")),
};

constexpr char kWeatherChannels[] = "162.5500 MHz|162.4000 MHz|162.4750 MHz|162.4250 MHz|162.4500 "
                                    "MHz|162.5000 MHz|162.5250 MHz|161.6500 MHz|161.7750 "
                                    "MHz|163.2750 MHz";
constexpr int kTvChannels = 62;

QString Choice(const char* choices, int value) {
    const QStringList list = Text(choices).split(QLatin1Char('|'));
    return (value >= 0 && value < list.size())
               ? list[value]
               : QCoreApplication::translate("Compare", "(value %1)").arg(value);
}

// Control bytes are spelled out, so a name never breaks its line.
QString Quoted(const QString& text) {
    if (text.isEmpty())
        return QCoreApplication::translate("Compare", "no name");
    QString shown;
    for (const QChar c : text)
        shown += (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString ModeText(int code) {
    return code == 0 ? QCoreApplication::translate("Compare", "no mode")
                     : (ModeName(code).isEmpty()
                            ? QCoreApplication::translate("Compare", "(value %1)").arg(code)
                            : ModeName(code));
}

QString PresetStepText(int code) {
    return code < PresetStepNames().size()
               ? PresetStepNames()[code]
               : QCoreApplication::translate("Compare", "(value %1)").arg(code);
}

QString BandStepText(int code) {
    return code == 0 ? QCoreApplication::translate("Compare", "no step")
                     : (code <= StepNames().size()
                            ? StepNames()[code - 1]
                            : QCoreApplication::translate("Compare", "(value %1)").arg(code));
}

QString Freq8Text(const Byte* at) {
    return FrequencyText(DecodeDigits(at, 8));
}

// Walks both images region by region, noting what it has looked at, so whatever is left over
// can be counted as hidden.
class Comparer {
public:
    Comparer(const Image& before, const Image& after)
        : a_(before.data() + kRadioImage), b_(after.data() + kRadioImage), before_(before),
          after_(after) {
        covered_.fill(0);
    }

    Differences Run() {
        Country();
        Channels();
        SettingsOf(kMemoryView);
        SettingsOf(kSetting);
        SettingsOf(kVfoScan);
        SearchLimits();
        SkipFrequencies();
        SettingsOf(kPresetMode);
        Presets();
        SettingsOf(kDualWatch);
        DualWatchPairs();
        BandPlan();
        Hidden();
        return std::move(result_);
    }

private:
    void Add(Area area, const QString& text, Place place = {}) {
        result_.items.push_back({area, text, std::move(place)});
    }
    static Place On(const char* page, int list = 0, int row = 0) {
        return {QString::fromLatin1(page), list, row};
    }
    void Cover(int riOffset, int size, Byte mask = 0xFF) {
        for (int i = 0; i < size; ++i)
            covered_[kRadioImage + riOffset + i] |= mask;
    }
    bool Same(int riOffset, int size, Byte mask = 0xFF) const {
        for (int i = 0; i < size; ++i)
            if ((a_[riOffset + i] ^ b_[riOffset + i]) & mask)
                return false;
        return true;
    }

    void Country() {
        Cover(ri::kCountryCode, 1);
        Cover(ri::kWidebandFlag, 1);
        if (!Same(ri::kCountryCode, 1))
            Add(Area::Setting, QCoreApplication::translate("Compare", "Country code: %1%2%3")
                                   .arg(a_[ri::kCountryCode])
                                   .arg(kArrow)
                                   .arg(b_[ri::kCountryCode]));
        if (!Same(ri::kWidebandFlag, 1))
            Add(Area::Setting, QCoreApplication::translate("Compare", "Wideband: ") +
                                   Choice(kOnOff, a_[ri::kWidebandFlag] != 0) + kArrow +
                                   Choice(kOnOff, b_[ri::kWidebandFlag] != 0));
    }

    // ---- Memory channels ----

    static bool Used(const Byte* radio, int n) {
        return CRadio::GetBit(radio + ri::kChannelUsedBitmap, n - 1);
    }

    QString ChannelText(const Byte* radio, int n) const {
        const Byte flags = radio[ri::ChannelFlag(n)];
        QString text = Freq8Text(radio + ri::ChannelFrequency(n)) + QLatin1Char(' ') +
                       ModeText(flags & ri::kFlagModeMask) + QLatin1Char(' ') +
                       Quoted(TextFromName(radio + ri::ChannelName(n)));
        if (flags & ri::kFlagPreferential)
            text += QCoreApplication::translate("Compare", ", preferential scan");
        if (const int other = flags & kOtherFlags)
            text += QCoreApplication::translate("Compare", ", flags 0x%1")
                        .arg(other, 2, 16, QLatin1Char('0'));
        return text;
    }

    void Channels() {
        Cover(ri::kChannelUsedBitmap, ri::kChannelUsedBitmapSize);
        for (int n = 1; n <= ri::kChannelCount; ++n) {
            Cover(ri::ChannelFrequency(n), 4);
            Cover(ri::ChannelName(n), ri::kChannelNameSize);
            Cover(ri::ChannelFlag(n), 1);
            const bool inA = Used(a_, n);
            const bool inB = Used(b_, n);
            const QString head = QCoreApplication::translate("Compare", "Channel %1 (bank %2)")
                                     .arg(n)
                                     .arg((n - 1) / ri::kBankSize);
            if (inA && !inB)
                Add(Area::Channel,
                    head + QCoreApplication::translate("Compare", " removed: ") +
                        ChannelText(a_, n),
                    On(kMemoryView, 0, n));
            else if (!inA && inB)
                Add(Area::Channel,
                    head + QCoreApplication::translate("Compare", " added: ") + ChannelText(b_, n),
                    On(kMemoryView, 0, n));
            else if (inA && inB)
                ChangedChannel(n, head);
        }
    }

    void ChangedChannel(int n, const QString& head) {
        QStringList parts;
        const int f = ri::ChannelFrequency(n);
        if (!Same(f, 4))
            parts << QCoreApplication::translate("Compare", "frequency ") + Freq8Text(a_ + f) +
                         kArrow + Freq8Text(b_ + f);
        const Byte fa = a_[ri::ChannelFlag(n)];
        const Byte fb = b_[ri::ChannelFlag(n)];
        if ((fa ^ fb) & ri::kFlagModeMask)
            parts << QCoreApplication::translate("Compare", "mode ") +
                         ModeText(fa & ri::kFlagModeMask) + kArrow +
                         ModeText(fb & ri::kFlagModeMask);
        const int name = ri::ChannelName(n);
        if (!Same(name, ri::kChannelNameSize))
            parts << QCoreApplication::translate("Compare", "name ") +
                         Quoted(TextFromName(a_ + name)) + kArrow + Quoted(TextFromName(b_ + name));
        if ((fa ^ fb) & ri::kFlagPreferential)
            parts << QCoreApplication::translate("Compare", "preferential scan ") +
                         Choice(kOnOff, (fa & ri::kFlagPreferential) != 0) + kArrow +
                         Choice(kOnOff, (fb & ri::kFlagPreferential) != 0);
        if ((fa ^ fb) & kOtherFlags)
            parts << QCoreApplication::translate("Compare", "flags 0x%1%20x%3")
                         .arg(fa & kOtherFlags, 2, 16, QLatin1Char('0'))
                         .arg(kArrow)
                         .arg(fb & kOtherFlags, 2, 16, QLatin1Char('0'));
        if (!parts.isEmpty())
            Add(Area::Channel, head + QStringLiteral(": ") + parts.join(QStringLiteral(", ")),
                On(kMemoryView, 0, n));
    }

    // ---- Settings ----

    QString SettingValue(const SettingRow& row, const Byte* radio) const {
        const Byte* at = radio + row.offset;
        switch (row.kind) {
        case Kind::List:
            return Choice(row.choices, *at - row.firstByte);
        case Kind::Bit:
            return Choice(row.choices, (*at >> row.bit) & 1);
        case Kind::Frequency:
            return Freq8Text(at);
        case Kind::Text: {
            QString text =
                QString::fromLatin1(reinterpret_cast<const char*>(at), ri::kOpenMessageSize);
            TrimRight(text);
            return text.isEmpty() ? QStringLiteral("\"\"") : Quoted(text);
        }
        case Kind::BankLinks: {
            QStringList banks;
            for (int bank = 0; bank < ri::kChannelCount / ri::kBankSize; ++bank)
                if (CRadio::GetBit(at, bank))
                    banks << QString::number(bank);
            return banks.isEmpty() ? QCoreApplication::translate("Compare", "none")
                                   : banks.join(QStringLiteral(", "));
        }
        case Kind::Channel:
            return TvChannels(radio) ? QCoreApplication::translate("Compare", "Chan %1").arg(*at)
                                     : Choice(kWeatherChannels, *at);
        }
        return {};
    }

    static bool TvChannels(const Byte* radio) {
        return radio[ri::kCountryCode] == 0 && radio[ri::kWidebandFlag] == 0;
    }

    void SettingsOf(const char* page) {
        for (const SettingRow& row : kSettings)
            if (row.page == page)
                Setting(row);
    }

    void Setting(const SettingRow& row) {
        int size = 1;
        Byte mask = 0xFF;
        if (row.kind == Kind::Bit)
            mask = static_cast<Byte>(1 << row.bit);
        else if (row.kind == Kind::Frequency)
            size = 4;
        else if (row.kind == Kind::Text)
            size = ri::kOpenMessageSize;
        Cover(row.offset, size, mask);
        if (row.kind == Kind::BankLinks) {
            // Bank 8 and 9 are the low two bits of the second byte; the rest are not banks.
            Cover(row.offset, 1);
            Cover(row.offset + 1, 1, 0x03);
            if (Same(row.offset, 1) && Same(row.offset + 1, 1, 0x03))
                return;
        } else if (Same(row.offset, size, mask)) {
            if (row.kind != Kind::Channel || TvChannels(a_) == TvChannels(b_))
                return;
        }
        QString label = Text(row.label);
        if (row.kind == Kind::Channel)
            label = TvChannels(b_) ? QCoreApplication::translate("Compare", "TV Channels")
                                   : QCoreApplication::translate("Compare", "Weather Channels");
        Add(Area::Setting,
            QCoreApplication::translate("Compare", "%1 (%2 page): ").arg(label, Text(row.page)) +
                SettingValue(row, a_) + kArrow + SettingValue(row, b_),
            On(row.page));
    }

    // ---- The lists ----

    // One entry of a 10-entry group: frequency, mode and (if the group has them) step.
    QString GroupEntry(const Byte* radio, const ri::Group10& group, int k) const {
        QString text = Freq8Text(radio + group.frequencies + 4 * k) + QLatin1Char(' ') +
                       ModeText(radio[group.modes + k]);
        if (group.steps >= 0)
            text += QLatin1Char(' ') + PresetStepText(radio[group.steps + k]);
        return text;
    }

    bool GroupEntrySame(const ri::Group10& group, int k) {
        Cover(group.frequencies + 4 * k, 4);
        Cover(group.modes + k, 1);
        bool same = Same(group.frequencies + 4 * k, 4) && Same(group.modes + k, 1);
        if (group.steps >= 0) {
            Cover(group.steps + k, 1);
            same = same && Same(group.steps + k, 1);
        }
        return same;
    }

    void SearchLimits() {
        for (int k = 0; k < ri::kGroupEntries; ++k) {
            const bool lowSame = GroupEntrySame(ri::kVfoLower, k);
            const bool highSame = GroupEntrySame(ri::kVfoUpper, k);
            if (lowSame && highSame)
                continue;
            auto pair = [&](const Byte* radio) {
                return GroupEntry(radio, ri::kVfoLower, k) +
                       QCoreApplication::translate("Compare", " to ") +
                       GroupEntry(radio, ri::kVfoUpper, k);
            };
            Add(Area::Setting,
                QCoreApplication::translate("Compare", "Search limits row %1 (VFO Scan page): ")
                        .arg(k + 1) +
                    pair(a_) + kArrow + pair(b_),
                On(kVfoScan, 1, k + 1));
        }
    }

    void SkipFrequencies() {
        Cover(ri::kSkipBitmap, ri::kSkipEntries / 8);
        Cover(ri::kSkipBitmap + ri::kSkipEntries / 8, 1, 0x0F);
        for (int i = 0; i < ri::kSkipEntries; ++i) {
            Cover(ri::SkipFrequency(i), 4);
            Cover(ri::kSkipModes + i, 1, ri::kFlagModeMask);
            auto entry = [&](const Byte* radio) {
                if (!CRadio::GetBit(radio + ri::kSkipBitmap, i))
                    return QCoreApplication::translate("Compare", "empty");
                return Freq8Text(radio + ri::SkipFrequency(i)) + QLatin1Char(' ') +
                       ModeText(radio[ri::kSkipModes + i] & ri::kFlagModeMask);
            };
            const QString before = entry(a_);
            const QString after = entry(b_);
            if (before != after)
                Add(Area::Setting,
                    QCoreApplication::translate("Compare",
                                                "Skip frequency row %1 (VFO Scan page): ")
                            .arg(i + 1) +
                        before + kArrow + after,
                    On(kVfoScan, 0, i + 1));
        }
    }

    void Presets() {
        // The page shows entries 1..9 of group A as rows 1..9 and all of group B as rows
        // 1..10; entry 0 of group A is kept for the receiver.
        for (int k = 0; k < ri::kGroupEntries; ++k) {
            if (GroupEntrySame(ri::kPresetA, k))
                continue;
            const QString where =
                k == 0
                    ? QCoreApplication::translate("Compare", "Preset A, the entry the page keeps: ")
                    : QCoreApplication::translate("Compare", "Preset A row %1: ").arg(k);
            Add(Area::Setting,
                where + GroupEntry(a_, ri::kPresetA, k) + kArrow + GroupEntry(b_, ri::kPresetA, k),
                On(kPresetMode, 0, k));
        }
        for (int k = 0; k < ri::kGroupEntries; ++k)
            if (!GroupEntrySame(ri::kPresetB, k))
                Add(Area::Setting,
                    QCoreApplication::translate("Compare", "Preset B row %1: ").arg(k + 1) +
                        GroupEntry(a_, ri::kPresetB, k) + kArrow + GroupEntry(b_, ri::kPresetB, k),
                    On(kPresetMode, 1, k + 1));
    }

    void DualWatchPairs() {
        for (int k = 0; k < ri::kGroupEntries; ++k) {
            for (const auto& [group, side] :
                 {std::pair{ri::kDualA, 'A'}, std::pair{ri::kDualB, 'B'}}) {
                if (!GroupEntrySame(group, k))
                    Add(Area::Setting,
                        QCoreApplication::translate("Compare", "Dual watch pair %1 %2: ")
                                .arg(k)
                                .arg(side) +
                            GroupEntry(a_, group, k) + kArrow + GroupEntry(b_, group, k),
                        On(kDualWatch, 0, k + 1));
            }
        }
    }

    void BandPlan() {
        // Row r shows the lower edge of band r-1 (the edge of entry r-2; row 1 starts at the
        // bottom of the range) and the mode and step of entry r-1.
        for (int row = 1; row <= ri::kBandEntries; ++row) {
            QStringList parts;
            if (row >= 2) {
                const int e = ri::BandEntry(row - 2);
                Cover(e, 3);
                if (!Same(e, 3))
                    parts << QCoreApplication::translate("Compare", "lower edge ") +
                                 BandEdgeText(DecodeDigits(a_ + e, 6)) + kArrow +
                                 BandEdgeText(DecodeDigits(b_ + e, 6));
            }
            const int attr = ri::BandEntry(row - 1) + 3;
            Cover(attr, 1);
            if (!Same(attr, 1, 0x0F))
                parts << QCoreApplication::translate("Compare", "mode ") +
                             ModeText(a_[attr] & 0x0F) + kArrow + ModeText(b_[attr] & 0x0F);
            if (!Same(attr, 1, 0xF0))
                parts << QCoreApplication::translate("Compare", "step ") +
                             BandStepText(a_[attr] >> 4) + kArrow + BandStepText(b_[attr] >> 4);
            if (!parts.isEmpty())
                Add(Area::Setting,
                    QCoreApplication::translate("Compare", "Auto Band row %1: ").arg(row) +
                        parts.join(QStringLiteral(", ")),
                    On(kAutoBand, 0, row));
        }
    }

    void Hidden() {
        int count = 0;
        for (int i = 0; i < kImageSize; ++i)
            count += ((before_[i] ^ after_[i]) & ~covered_[i]) != 0;
        if (count > 0)
            Add(Area::Hidden,
                count == 1
                    ? QCoreApplication::translate("Compare", "1 other byte differs (data no page "
                                                             "shows)")
                    : QCoreApplication::translate("Compare", "%1 other bytes differ (data no page "
                                                             "shows)")
                          .arg(count));
    }

    static constexpr Byte kOtherFlags =
        static_cast<Byte>(~(ri::kFlagModeMask | ri::kFlagPreferential));

    const Byte* a_;
    const Byte* b_;
    const Image& before_;
    const Image& after_;
    std::array<Byte, kImageSize> covered_;
    Differences result_;
};

QString Counted(int n, const char* one, const char* many) {
    return n == 1 ? Text(one) : Text(many).arg(n);
}

} // namespace

int Differences::Count(Area area) const {
    int n = 0;
    for (const Difference& d : items)
        n += d.area == area;
    return n;
}

QStringList Differences::Lines() const {
    QStringList lines;
    for (const Difference& d : items)
        lines << d.text;
    return lines;
}

QString Differences::Summary() const {
    if (Empty())
        return QCoreApplication::translate("Compare", "No differences");
    const int channels = Count(Area::Channel);
    const int settings = Count(Area::Setting);
    if (channels == 0 && settings == 0)
        return QCoreApplication::translate("Compare", "Only data no page shows differs");
    return QCoreApplication::translate("Compare", "%1 and %2 differ")
        .arg(Counted(channels, QT_TRANSLATE_NOOP("Compare", "1 channel"),
                     QT_TRANSLATE_NOOP("Compare", "%1 channels")),
             Counted(settings, QT_TRANSLATE_NOOP("Compare", "1 setting"),
                     QT_TRANSLATE_NOOP("Compare", "%1 settings")));
}

Differences CompareImages(const Image& before, const Image& after) {
    return Comparer(before, after).Run();
}

} // namespace compare
