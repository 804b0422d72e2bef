#include "radio/DefaultImages.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <algorithm>
#include <initializer_list>

using namespace layout;

void CRadio::LoadDefaultImage(Byte* dest) const {
    int country = settings::kDefaultCountry;
    int wideband = settings::kDefaultWideband;
    ReadCountrySettings(country, wideband);
    const RadioImageBytes& image = DefaultImageBytes(DefaultImageFor(country, wideband));
    std::copy(image.begin(), image.end(), dest);
}

namespace {

// One repair pass: the image being repaired, the default image it takes replacements from,
// and the receiver version (from the image's own bytes 0 and 1) that decides what is blocked.
class Repair {
public:
    Repair(Byte* image, const Byte* defaults, int country, int wideband)
        : image_(image), defaults_(defaults), country_(country), wideband_(wideband) {}

    bool Blocked(int hz) const { return IsFrequencyBlockedFor(hz, country_, wideband_); }
    bool BlockedFreq8(int offset) const { return Blocked(DecodeDigits(image_ + offset, 8)); }

    void ClearBlockedChannels() {
        for (int n = 1; n <= ri::kChannelCount; ++n)
            if (CRadio::GetBit(image_ + ri::kChannelUsedBitmap, n - 1) &&
                BlockedFreq8(ri::ChannelFrequency(n)))
                CRadio::SetBit(image_ + ri::kChannelUsedBitmap, n - 1, false);
    }

    void ClearBlockedSkips() {
        for (int i = 0; i < ri::kSkipEntries; ++i)
            if (CRadio::GetBit(image_ + ri::kSkipBitmap, i) && BlockedFreq8(ri::SkipFrequency(i)))
                CRadio::SetBit(image_ + ri::kSkipBitmap, i, false);
    }

    // Entry by entry, each group in the order given: a blocked entry takes its frequency,
    // mode, step and bitmap bit from the default image.
    void RestoreGroups(std::initializer_list<ri::Group10> groups) {
        for (int k = 0; k < ri::kGroupEntries; ++k)
            for (const ri::Group10& g : groups)
                if (BlockedFreq8(g.frequencies + 4 * k))
                    RestoreGroupEntry(g, k);
    }

    // A blocked current frequency of dual watch takes the list entry of the selected pair.
    void RestoreDualWatchCurrent(int current, const ri::Group10& list) {
        if (!BlockedFreq8(current))
            return;
        const int pair = image_[ri::kDualWatchPairIndex];
        // A pair index beyond the list would point into unrelated bytes.
        if (pair < ri::kGroupEntries)
            std::copy_n(image_ + list.frequencies + 4 * pair, 4, image_ + current);
        else
            Take(current, 4);
    }

    void RestoreBlockedBands() {
        for (int i = 0; i < ri::kBandEntries; ++i)
            if (Blocked(DecodeDigits(image_ + ri::BandEntry(i), 6) * 100))
                Take(ri::BandEntry(i), 4);
    }

    void RestorePriority() {
        if (BlockedFreq8(ri::kPriorityFrequency)) {
            Take(ri::kPriorityFrequency, 4);
            Take(ri::kPriorityMode, 1);
        }
    }

    void ResetIfBlocked(int offset, int hz) {
        if (BlockedFreq8(offset))
            EncodeDigits(image_ + offset, hz, 8);
    }

    void Take(int offset, int count) { std::copy_n(defaults_ + offset, count, image_ + offset); }

private:
    void RestoreGroupEntry(const ri::Group10& g, int k) {
        Take(g.frequencies + 4 * k, 4);
        Take(g.modes + k, 1);
        if (g.steps >= 0)
            Take(g.steps + k, 1);
        if (g.bitmap >= 0)
            CRadio::SetBit(image_ + g.bitmap, k, CRadio::GetBit(defaults_ + g.bitmap, k));
    }

    Byte* image_;
    const Byte* defaults_;
    int country_;
    int wideband_;
};

} // namespace

void CRadio::RepairForCountry() {
    RadioImageBytes defaults{};
    LoadDefaultImage(defaults.data());
    Repair repair(EditRadio(), defaults.data(), Country(), Wideband());

    repair.ClearBlockedChannels();
    repair.ClearBlockedSkips();
    repair.RestoreGroups({ri::kVfoLower, ri::kVfoUpper});
    repair.Take(ri::kCountryFixedBytes, ri::kCountryFixedBytesSize);
    repair.RestoreGroups({ri::kDualA, ri::kDualB});
    repair.RestoreDualWatchCurrent(ri::kDualWatchCurrentA, ri::kDualA);
    repair.RestoreDualWatchCurrent(ri::kDualWatchCurrentB, ri::kDualB);
    repair.RestoreBlockedBands();
    repair.RestorePriority();
    repair.ResetIfBlocked(ri::kSmartSearchLower, 144'000'000);
    repair.ResetIfBlocked(ri::kSmartSearchStart, 146'000'000);
    repair.ResetIfBlocked(ri::kSmartSearchUpper, 148'000'000);
    repair.RestoreGroups({ri::kPresetB});
    repair.RestoreGroups({ri::kPresetA});
    repair.ResetIfBlocked(ri::kHomeFrequency, 144'000'000);
}
