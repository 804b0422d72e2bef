#include "radio/Compare.h"

#include <array>

using namespace layout;

namespace compare {

namespace {

const QString kArrow = QStringLiteral(" → ");

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

constexpr char kMemoryView[] = "Memory View";
constexpr char kSetting[] = "Setting";
constexpr char kVfoScan[] = "VFO Scan";
constexpr char kPresetMode[] = "Preset Mode";
constexpr char kDualWatch[] = "Dual Watch";
constexpr char kAutoBand[] = "Auto Band";

constexpr char kOnOff[] = "off|on";
constexpr char kOnOffInverted[] = "on|off"; // boxes stored as 0 when checked
constexpr char kModes[] = "NFM|WFM|AM|LSB|USB|CW";

const SettingRow kSettings[] = {
    Byte0(kMemoryView, "Mode Scan", ri::kModeScan, "OFF|NFM|WFM|AM|LSB|USB|CW"),
    Bit(kMemoryView, "Bank Scan", ri::kBankScanBit, "Off|On"),
    Other(kMemoryView, "Bank Link For Scan", Kind::BankLinks, ri::kBankLink),

    Byte0(kSetting, "RF Squelch", ri::kRfSquelch, "Off|1|2|3|4|5|6|7|8|9"),
    Byte0(kSetting, "Off Timer", ri::kOffTimer, "Off|30|60|90"),
    Byte0(kSetting, "Battery Saver", ri::kBatterySaver,
          "Off|1:4 (1 sec)|1:12 (3 sec)|1:20 (5 sec)|1:28 (7 sec)|1:36 (9 sec)"),
    Byte0(kSetting, "Contrast", ri::kContrast, "1|2|3|4|5|6|7|8|9|10|11|12|13|14"),
    // Stored as 0..2 for the bells and 3 for Off.
    Byte0(kSetting, "Opening Bell", ri::kOpeningBell, "1: Pi|2: Po-Pi|3: Pi-Pi|Off"),
    Bit(kSetting, "Auto Receive Mode", ri::kAutoReceiveModeBit, kOnOffInverted),
    Bit(kSetting, "Keypad Lamp", ri::kKeypadLampBit, kOnOffInverted),
    Bit(kSetting, "Keypad Beeper", ri::kKeypadBeeperBit, kOnOffInverted),
    Bit(kSetting, "Japanese", ri::kJapaneseBit, kOnOffInverted),
    Bit(kSetting, "Flex Step", ri::kFlexStepBit, kOnOffInverted),
    Bit(kSetting, "Attenuator", ri::kAttenuatorBit, kOnOff),
    Bit(kSetting, "Monitor", ri::kMonitorBit, kOnOff),
    Byte0(kSetting, "Open Message", ri::kOpenMessageMode, "Default|Off|User"),
    Other(kSetting, "Open message text", Kind::Text, ri::kOpenMessage),
    Bit(kSetting, "Lock Mode", ri::kLockModeBit, "Key|Key + Dial"),
    Bit(kSetting, "Lamp Mode", ri::kLampModeBit, "Auto|Toggle"),
    Byte0(kSetting, "Meter Symbol", ri::kMeterSymbol, "rising bars|blocks|chevrons"),
    Bit(kSetting, "Smart Search", ri::kSmartSearchModeBit, "Single|Continuous"),
    Byte0(kSetting, "Smart Search # of Channels", ri::kSmartSearchChannels,
          "11 Channels|21 Channels|31 Channels|41 Channels"),
    Other(kSetting, "Smart Search Lower", Kind::Frequency, ri::kSmartSearchLower),
    Other(kSetting, "Smart Search Start", Kind::Frequency, ri::kSmartSearchStart),
    Other(kSetting, "Smart Search Upper", Kind::Frequency, ri::kSmartSearchUpper),

    Byte0(kVfoScan, "Scan Mode", ri::kScanMode, "Pause|Busy|Hold"),
    Byte0(kVfoScan, "Resume Delay", ri::kResumeDelay,
          "1 sec|2 sec|3 sec|4 sec|5 sec|6 sec|7 sec|8 sec|9 sec|10 sec|11sec|12 sec"),
    Bit(kVfoScan, "Band Scope", ri::kBandScopeBit, "A Mode|B Mode"),
    Bit(kVfoScan, "A Mode span", ri::kSpan300kHzBit, "600 kHz|300 kHz"),
    Byte0(kVfoScan, "A Mode Sweep Steps", ri::kSweepStepsA,
          "9 kHz|10 kHz|12.5 kHz|20 kHz|25 kHz|50 kHz|100 kHz"),
    Byte0(kVfoScan, "B Mode Sweep Steps", ri::kSweepStepsB,
          "50 Hz|100 Hz|1 kHz|5 kHz|6.25 kHz|9 kHz|10 kHz|12.5 kHz|15 kHz|20 kHz|25 kHz|30 "
          "kHz|50 kHz|100 kHz"),
    Other(kVfoScan, "Priority Channel", Kind::Frequency, ri::kPriorityFrequency),
    Byte0(kVfoScan, "Priority Channel mode", ri::kPriorityMode, kModes, 1),
    Bit(kVfoScan, "Limit Search Mode", ri::kLimitSearchBit, kOnOff),

    Other(kPresetMode, "", Kind::Channel, ri::kChannelChoice),

    Byte0(kDualWatch, "Select Dual Watch memory pair", ri::kDualWatchPairIndex,
          "0|1|2|3|4|5|6|7|8|9"),
    Byte0(kDualWatch, "Dual Watch Scan Mode", ri::kDualWatchScanMode, "Time|Busy|Pause"),
};

constexpr char kWeatherChannels[] = "162.5500 MHz|162.4000 MHz|162.4750 MHz|162.4250 MHz|162.4500 "
                                    "MHz|162.5000 MHz|162.5250 MHz|161.6500 MHz|161.7750 "
                                    "MHz|163.2750 MHz";
constexpr int kTvChannels = 62;

QString Choice(const char* choices, int value) {
    const QStringList list = QString::fromUtf8(choices).split(QLatin1Char('|'));
    return (value >= 0 && value < list.size()) ? list[value]
                                               : QStringLiteral("(value %1)").arg(value);
}

// Control bytes are spelled out, so a name never breaks its line.
QString Quoted(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("no name");
    QString shown;
    for (const QChar c : text)
        shown += (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString ModeText(int code) {
    return code == 0 ? QStringLiteral("no mode")
                     : (ModeName(code).isEmpty() ? QStringLiteral("(value %1)").arg(code)
                                                 : ModeName(code));
}

QString PresetStepText(int code) {
    return code < PresetStepNames().size() ? PresetStepNames()[code]
                                           : QStringLiteral("(value %1)").arg(code);
}

QString BandStepText(int code) {
    return code == 0 ? QStringLiteral("no step")
                     : (code <= StepNames().size() ? StepNames()[code - 1]
                                                   : QStringLiteral("(value %1)").arg(code));
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
            Add(Area::Setting, QStringLiteral("Country code: %1%2%3")
                                   .arg(a_[ri::kCountryCode])
                                   .arg(kArrow)
                                   .arg(b_[ri::kCountryCode]));
        if (!Same(ri::kWidebandFlag, 1))
            Add(Area::Setting, QStringLiteral("Wideband: ") +
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
            text += QStringLiteral(", preferential scan");
        if (const int other = flags & kOtherFlags)
            text += QStringLiteral(", flags 0x%1").arg(other, 2, 16, QLatin1Char('0'));
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
            const QString head =
                QStringLiteral("Channel %1 (bank %2)").arg(n).arg((n - 1) / ri::kBankSize);
            if (inA && !inB)
                Add(Area::Channel, head + QStringLiteral(" removed: ") + ChannelText(a_, n),
                    On(kMemoryView, 0, n));
            else if (!inA && inB)
                Add(Area::Channel, head + QStringLiteral(" added: ") + ChannelText(b_, n),
                    On(kMemoryView, 0, n));
            else if (inA && inB)
                ChangedChannel(n, head);
        }
    }

    void ChangedChannel(int n, const QString& head) {
        QStringList parts;
        const int f = ri::ChannelFrequency(n);
        if (!Same(f, 4))
            parts << QStringLiteral("frequency ") + Freq8Text(a_ + f) + kArrow + Freq8Text(b_ + f);
        const Byte fa = a_[ri::ChannelFlag(n)];
        const Byte fb = b_[ri::ChannelFlag(n)];
        if ((fa ^ fb) & ri::kFlagModeMask)
            parts << QStringLiteral("mode ") + ModeText(fa & ri::kFlagModeMask) + kArrow +
                         ModeText(fb & ri::kFlagModeMask);
        const int name = ri::ChannelName(n);
        if (!Same(name, ri::kChannelNameSize))
            parts << QStringLiteral("name ") + Quoted(TextFromName(a_ + name)) + kArrow +
                         Quoted(TextFromName(b_ + name));
        if ((fa ^ fb) & ri::kFlagPreferential)
            parts << QStringLiteral("preferential scan ") +
                         Choice(kOnOff, (fa & ri::kFlagPreferential) != 0) + kArrow +
                         Choice(kOnOff, (fb & ri::kFlagPreferential) != 0);
        if ((fa ^ fb) & kOtherFlags)
            parts << QStringLiteral("flags 0x%1%20x%3")
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
            return banks.isEmpty() ? QStringLiteral("none") : banks.join(QStringLiteral(", "));
        }
        case Kind::Channel:
            return TvChannels(radio) ? QStringLiteral("Chan %1").arg(*at)
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
        QString label = QString::fromUtf8(row.label);
        if (row.kind == Kind::Channel)
            label =
                TvChannels(b_) ? QStringLiteral("TV Channels") : QStringLiteral("Weather Channels");
        Add(Area::Setting,
            QStringLiteral("%1 (%2 page): ").arg(label, QString::fromUtf8(row.page)) +
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
                return GroupEntry(radio, ri::kVfoLower, k) + QStringLiteral(" to ") +
                       GroupEntry(radio, ri::kVfoUpper, k);
            };
            Add(Area::Setting,
                QStringLiteral("Search limits row %1 (VFO Scan page): ").arg(k + 1) + pair(a_) +
                    kArrow + pair(b_),
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
                    return QStringLiteral("empty");
                return Freq8Text(radio + ri::SkipFrequency(i)) + QLatin1Char(' ') +
                       ModeText(radio[ri::kSkipModes + i] & ri::kFlagModeMask);
            };
            const QString before = entry(a_);
            const QString after = entry(b_);
            if (before != after)
                Add(Area::Setting,
                    QStringLiteral("Skip frequency row %1 (VFO Scan page): ").arg(i + 1) + before +
                        kArrow + after,
                    On(kVfoScan, 0, i + 1));
        }
    }

    void Presets() {
        // The page shows entries 1..9 of group A as rows 1..9 and all of group B as rows
        // 1..10; entry 0 of group A is kept for the receiver.
        for (int k = 0; k < ri::kGroupEntries; ++k) {
            if (GroupEntrySame(ri::kPresetA, k))
                continue;
            const QString where = k == 0 ? QStringLiteral("Preset A, the entry the page keeps: ")
                                         : QStringLiteral("Preset A row %1: ").arg(k);
            Add(Area::Setting,
                where + GroupEntry(a_, ri::kPresetA, k) + kArrow + GroupEntry(b_, ri::kPresetA, k),
                On(kPresetMode, 0, k));
        }
        for (int k = 0; k < ri::kGroupEntries; ++k)
            if (!GroupEntrySame(ri::kPresetB, k))
                Add(Area::Setting,
                    QStringLiteral("Preset B row %1: ").arg(k + 1) +
                        GroupEntry(a_, ri::kPresetB, k) + kArrow + GroupEntry(b_, ri::kPresetB, k),
                    On(kPresetMode, 1, k + 1));
    }

    void DualWatchPairs() {
        for (int k = 0; k < ri::kGroupEntries; ++k) {
            for (const auto& [group, side] :
                 {std::pair{ri::kDualA, 'A'}, std::pair{ri::kDualB, 'B'}}) {
                if (!GroupEntrySame(group, k))
                    Add(Area::Setting,
                        QStringLiteral("Dual watch pair %1 %2: ").arg(k).arg(side) +
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
                    parts << QStringLiteral("lower edge ") + BandEdgeText(DecodeDigits(a_ + e, 6)) +
                                 kArrow + BandEdgeText(DecodeDigits(b_ + e, 6));
            }
            const int attr = ri::BandEntry(row - 1) + 3;
            Cover(attr, 1);
            if (!Same(attr, 1, 0x0F))
                parts << QStringLiteral("mode ") + ModeText(a_[attr] & 0x0F) + kArrow +
                             ModeText(b_[attr] & 0x0F);
            if (!Same(attr, 1, 0xF0))
                parts << QStringLiteral("step ") + BandStepText(a_[attr] >> 4) + kArrow +
                             BandStepText(b_[attr] >> 4);
            if (!parts.isEmpty())
                Add(Area::Setting,
                    QStringLiteral("Auto Band row %1: ").arg(row) +
                        parts.join(QStringLiteral(", ")),
                    On(kAutoBand, 0, row));
        }
    }

    void Hidden() {
        int count = 0;
        for (int i = 0; i < kImageSize; ++i)
            count += ((before_[i] ^ after_[i]) & ~covered_[i]) != 0;
        if (count > 0)
            Add(Area::Hidden, count == 1 ? QStringLiteral("1 other byte differs (data no page "
                                                          "shows)")
                                         : QStringLiteral("%1 other bytes differ (data no page "
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
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
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
        return QStringLiteral("No differences");
    const int channels = Count(Area::Channel);
    const int settings = Count(Area::Setting);
    if (channels == 0 && settings == 0)
        return QStringLiteral("Only data no page shows differs");
    return Counted(channels, "channel", "channels") + QStringLiteral(" and ") +
           Counted(settings, "setting", "settings") + QStringLiteral(" differ");
}

Differences CompareImages(const Image& before, const Image& after) {
    return Comparer(before, after).Run();
}

} // namespace compare
