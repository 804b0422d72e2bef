#include "pages/ChannelFilter.h"

#include "radio/Codecs.h"
#include "radio/Records.h"

bool ChannelFilter::Passes(const ChannelRow& row) const {
    const bool used = !row.frequencyText.isEmpty();
    if ((inUse && !used) || (bank >= 0 && (row.number - 1) / 100 != bank))
        return false;
    if ((changedSinceOpened && !row.changedSinceOpened) ||
        (changedSinceRead && !row.changedSinceRead))
        return false;
    if (!mode.isEmpty() && (!used || row.modeText != mode))
        return false;
    if (fromHz != 0 || toHz != 0) {
        const int hz = used ? ParseFrequency(row.frequencyText) : 0;
        if (hz == 0 || (fromHz != 0 && hz < fromHz) || (toHz != 0 && hz > toHz))
            return false;
    }
    const QString wanted = text.trimmed();
    if (wanted.isEmpty() || row.name.contains(wanted, Qt::CaseInsensitive) ||
        row.frequencyText.contains(wanted))
        return true;
    // A frequency typed as Find reads it ("810k") names the channels on it.
    const int hz = used ? ParseFrequency(wanted) : 0;
    return hz != 0 && hz == ParseFrequency(row.frequencyText);
}

namespace {

bool SameChannel(const records::MemoryChannel& a, const records::MemoryChannel& b) {
    if (a.InUse() != b.InUse())
        return false;
    return !a.InUse() || (a.FrequencyHz() == b.FrequencyHz() && a.ModeCode() == b.ModeCode() &&
                          a.Name() == b.Name() && a.Preferential() == b.Preferential());
}

} // namespace

std::vector<bool> ChangedChannels(const Image& now, const Image& then, int channels) {
    // The channel views write as well as read, so they look at copies.
    Image a = now, b = then;
    Byte* ra = a.data() + layout::kRadioImage;
    Byte* rb = b.data() + layout::kRadioImage;
    std::vector<bool> changed(channels + 1, false);
    for (int n = 1; n <= channels; ++n)
        changed[n] = !SameChannel(records::MemoryChannel(ra, n), records::MemoryChannel(rb, n));
    return changed;
}
