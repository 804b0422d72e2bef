#include "radio/ChannelEdits.h"

#include "radio/Radio.h"
#include "radio/Records.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>

using namespace layout::ri;
using records::MemoryChannel;

namespace bulk {

namespace {

bool IsChannel(int n) {
    return n >= 1 && n <= kChannelCount;
}

bool SameChannel(const Image& a, const Image& b, int n) {
    const auto same = [&](int offset, int size) {
        const int at = layout::kRadioImage + offset;
        return std::memcmp(a.data() + at, b.data() + at, size) == 0;
    };
    const int bit = layout::kRadioImage + kChannelUsedBitmap + (n - 1) / 8;
    return same(ChannelFrequency(n), 4) && same(ChannelName(n), kChannelNameSize) &&
           same(ChannelFlag(n), 1) && ((a[bit] ^ b[bit]) & (1 << ((n - 1) % 8))) == 0;
}

int CountChanged(const Image& before, const Image& after) {
    int changed = 0;
    for (int n = 1; n <= kChannelCount; ++n)
        changed += SameChannel(before, after, n) ? 0 : 1;
    return changed;
}

// Names are held to the rule of a typed name cell: at most 8 characters, each with a byte.
std::optional<QString> NameProblem(const QString& name) {
    if (const std::optional<QChar> bad = FirstUnshowableChar(name))
        return QCoreApplication::translate("ChannelEdits",
                                           "\"%1\" cannot be part of a channel name")
            .arg(*bad);
    return std::nullopt;
}

// The channel's frequency as the frequency cell would take it; the band plan's mode with it.
bool SetCheckedFrequency(CVR500Radio& radio, MemoryChannel& channel, int hz, QString& reason) {
    const FrequencyVerdict verdict = CheckFrequency(radio, hz);
    if (!verdict.Accepted()) {
        reason = FrequencyMessage(hz);
        return false;
    }
    channel.SetFrequencyHz(verdict.hz);
    if (verdict.modeCode != 0)
        channel.SetModeCode(verdict.modeCode);
    return true;
}

QString EditedName(const NameEdit& edit, const QString& old, int counter) {
    switch (edit.kind) {
    case NameEdit::Whole:
        return edit.text;
    case NameEdit::Prefix:
        return edit.text + old;
    case NameEdit::Suffix: // the suffix is what the user asked for: the old name gives way
        return old.left(std::max<int>(0, kChannelNameSize - edit.text.size())) + edit.text;
    case NameEdit::Pattern:
        return NameFromPattern(edit.text, counter);
    case NameEdit::Keep:
        break;
    }
    return old;
}

// Moves a channel's frequency, flags and name to a free channel; the old one is emptied.
void MoveChannel(Byte* ri, int from, int to) {
    std::memcpy(ri + ChannelFrequency(to), ri + ChannelFrequency(from), 4);
    std::memcpy(ri + ChannelName(to), ri + ChannelName(from), kChannelNameSize);
    ri[ChannelFlag(to)] = ri[ChannelFlag(from)];
    MemoryChannel(ri, to).SetInUse(true);
    MemoryChannel(ri, from).Clear();
}

void MoveToBank(Byte* ri, const std::vector<int>& channels, int bank,
                std::vector<Refusal>& refused) {
    const int first = bank * 100 + 1;
    std::vector<int> movers, freeChannels;
    for (int n : channels)
        if ((n - 1) / 100 != bank)
            movers.push_back(n);
    for (int n = first; n < first + 100; ++n)
        if (!MemoryChannel(ri, n).InUse())
            freeChannels.push_back(n);
    for (std::size_t i = freeChannels.size(); i < movers.size(); ++i)
        refused.push_back({movers[i], QCoreApplication::translate(
                                          "ChannelEdits", "bank %1 has no free channel left")
                                          .arg(bank)});
    if (movers.size() > freeChannels.size())
        return;
    for (std::size_t i = 0; i < movers.size(); ++i)
        MoveChannel(ri, movers[i], freeChannels[i]);
}

EditResult Finish(CVR500Radio& radio, const Image& before, std::vector<Refusal> refused) {
    if (!refused.empty()) {
        radio.SetEditImage(before);
        return {std::move(refused), 0};
    }
    return {{}, CountChanged(before, radio.EditImage())};
}

} // namespace

FrequencyVerdict CheckFrequency(const CVR500Radio& radio, int hz) {
    if (hz <= 0 || radio.IsFrequencyBlocked(hz))
        return {};
    const int snapped = SnapTo50Hz(hz);
    return {snapped, radio.BandIndexFor(snapped) >= 0 ? radio.BandModeFor(snapped) : 0};
}

QString NameFromPattern(const QString& pattern, int counter) {
    static const QRegularExpression field(QStringLiteral("\\{n(?::(0?)(\\d+))?\\}"));
    QString name;
    qsizetype at = 0;
    for (const QRegularExpressionMatch& m : field.globalMatch(pattern)) {
        name += pattern.mid(at, m.capturedStart() - at);
        const QChar fill = m.captured(1).isEmpty() ? QLatin1Char(' ') : QLatin1Char('0');
        name += QStringLiteral("%1").arg(counter, m.captured(2).toInt(), 10, fill);
        at = m.capturedEnd();
    }
    return name + pattern.mid(at);
}

EditResult EditChannels(CVR500Radio& radio, const std::vector<int>& channels,
                        const ChannelEdit& edit) {
    const Image before = radio.EditImage();
    Byte* ri = radio.EditRadio();
    std::vector<Refusal> refused;
    std::vector<int> inUse;
    int counter = edit.name.firstCounter;
    for (int n : channels) {
        if (!IsChannel(n) || !MemoryChannel(ri, n).InUse())
            continue;
        inUse.push_back(n);
        MemoryChannel channel(ri, n);
        QString reason;
        if (edit.offsetHz != 0 &&
            !SetCheckedFrequency(radio, channel, channel.FrequencyHz() + edit.offsetHz, reason)) {
            refused.push_back({n, reason});
            continue;
        }
        if (edit.modeCode)
            channel.SetModeCode(*edit.modeCode);
        if (edit.preferential)
            channel.SetPreferential(*edit.preferential);
        if (edit.name.kind != NameEdit::Keep) {
            const QString name =
                EditedName(edit.name, channel.Name(), counter++).left(kChannelNameSize);
            if (const std::optional<QString> problem = NameProblem(name))
                refused.push_back({n, *problem});
            else
                channel.SetName(name);
        }
    }
    if (edit.bank && refused.empty())
        MoveToBank(ri, inUse, *edit.bank, refused);
    return Finish(radio, before, std::move(refused));
}

EditResult FillDown(CVR500Radio& radio, const std::vector<int>& channels, ChannelField field) {
    if (channels.size() < 2 || !IsChannel(channels.front()))
        return {};
    const Image before = radio.EditImage();
    Byte* ri = radio.EditRadio();
    const int from = channels.front();
    const MemoryChannel source(ri, from);
    if (!source.InUse())
        return {{{from, QCoreApplication::translate(
                            "ChannelEdits", "channel %1 is not in use: there is nothing to copy")
                            .arg(from)}}};
    std::vector<Refusal> refused;
    for (auto it = channels.begin() + 1; it != channels.end() && refused.empty(); ++it) {
        if (!IsChannel(*it))
            continue;
        MemoryChannel target(ri, *it);
        if (field == ChannelField::Frequency) {
            if (!target.InUse())
                target.Clear();
            target.SetInUse(true);
            QString reason;
            if (!SetCheckedFrequency(radio, target, source.FrequencyHz(), reason))
                refused.push_back({from, reason});
            continue;
        }
        if (!target.InUse())
            continue;
        switch (field) {
        case ChannelField::Mode:
            target.SetModeCode(source.ModeCode());
            break;
        case ChannelField::Name: // byte for byte: a name read from the receiver stays whole
            std::memcpy(ri + ChannelName(*it), ri + ChannelName(from), kChannelNameSize);
            break;
        case ChannelField::Preferential:
            target.SetPreferential(source.Preferential());
            break;
        case ChannelField::Frequency:
            break;
        }
    }
    return Finish(radio, before, std::move(refused));
}

int SeriesCount(int startHz, int endHz, int stepHz) {
    if (stepHz <= 0 || endHz < startHz)
        return 0;
    return static_cast<int>((static_cast<long long>(endHz) - startHz) / stepHz + 1);
}

std::vector<SeriesRow> PlanSeries(const CVR500Radio& radio, const SeriesPlan& plan) {
    std::vector<SeriesRow> rows;
    int channel = std::max(1, plan.firstChannel);
    int counter = 1;
    for (int i = 0; i < plan.count; ++i) {
        const long long wanted = plan.startHz + static_cast<long long>(i) * plan.stepHz;
        const int hz = static_cast<int>(std::clamp<long long>(wanted, 0, kOutOfReachHz));
        const FrequencyVerdict verdict = CheckFrequency(radio, hz);
        if (!verdict.Accepted()) {
            rows.push_back({SeriesRow::Refused, hz, 0, 0, {}, FrequencyMessage(hz)});
            continue;
        }
        while (!plan.overwrite && IsChannel(channel) && radio.IsChannelUsed(channel))
            ++channel;
        if (!IsChannel(channel)) {
            const int left = plan.count - i - 1;
            rows.push_back(
                {SeriesRow::Refused,
                 hz,
                 0,
                 0,
                 {},
                 left == 0 ? QCoreApplication::translate("ChannelEdits", "no free channel left")
                           : QCoreApplication::translate(
                                 "ChannelEdits", "no free channel left for this frequency and the "
                                                 "%1 after it")
                                 .arg(left)});
            break;
        }
        QString name = NameFromPattern(plan.namePattern, counter).left(kChannelNameSize);
        if (const std::optional<QString> problem = NameProblem(name)) {
            rows.push_back({SeriesRow::Refused, hz, 0, 0, {}, *problem});
            continue;
        }
        rows.push_back({SeriesRow::Write, verdict.hz, channel++, verdict.modeCode, name, {}});
        ++counter;
    }
    return rows;
}

int ApplySeries(CVR500Radio& radio, const std::vector<SeriesRow>& rows) {
    const Image before = radio.EditImage();
    Byte* ri = radio.EditRadio();
    for (const SeriesRow& row : rows) {
        if (row.kind != SeriesRow::Write || !IsChannel(row.channel))
            continue;
        MemoryChannel channel(ri, row.channel);
        channel.Clear(); // a channel written over starts afresh, as a newly typed one
        channel.SetInUse(true);
        channel.SetFrequencyHz(row.hz);
        if (row.modeCode != 0)
            channel.SetModeCode(row.modeCode);
        channel.SetName(row.name);
    }
    return CountChanged(before, radio.EditImage());
}

} // namespace bulk
