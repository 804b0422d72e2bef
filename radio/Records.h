#pragma once
// Typed views of the records the pages edit, over a clone image (the bytes from RadioImage on).
// A view is a pointer and an index: it holds no copy, reads and writes the image in place
// through Layout.h's offsets, and keeps the codecs inside. Every bit a view does not own is
// left as it was.
//
//     MemoryChannel channel(radio.EditRadio(), 12);
//     if (channel.InUse())
//         channel.SetName(QStringLiteral("AIR 1"));
//     GroupEntry preset(radio.EditRadio(), layout::ri::kPresetB, 3);
//     preset.SetFrequencyHz(145'500'000);

#include "radio/Codecs.h"
#include "radio/Layout.h"

#include <QString>

namespace records {

// Count equal fields of size bytes, stride apart from first: where one record's field lives.
struct FieldArray {
    int first;
    int stride;
    int count;
    int size;
    constexpr int At(int index) const { return first + stride * index; }
    constexpr int End() const { return At(count - 1) + size; }
};

namespace fields {
using namespace layout::ri;
inline constexpr FieldArray kChannelFrequency{ChannelFrequency(1), 4, kChannelCount, 4};
inline constexpr FieldArray kChannelName{ChannelName(1), kChannelNameSize, kChannelCount,
                                         kChannelNameSize};
inline constexpr FieldArray kChannelFlags{ChannelFlag(1), 1, kChannelCount, 1};
inline constexpr FieldArray kSkipFrequency{kSkipFrequencies, 4, kSkipEntries, 4};
inline constexpr FieldArray kSkipMode{kSkipModes, 1, kSkipEntries, 1};
inline constexpr FieldArray kBandEntry{kBandTable, 4, kBandEntries, 4};

// Each table ends before the region after it begins.
static_assert(kChannelFrequency.End() <= kChannelNames);
static_assert(kChannelName.End() == kPresetGroupA);
static_assert(kChannelFlags.End() <= kBandTable);
static_assert(kBandEntry.End() <= kScanMode);
static_assert(kSkipFrequency.End() == kSkipModes);
static_assert(kSkipMode.End() <= kPresetGroupB);
static_assert(kChannelUsedBitmapSize * 8 >= kChannelCount);
static_assert(kSkipEntries <= 13 * 8);
// A ten-entry group: frequencies, then the two-byte bitmap, then its columns.
constexpr bool GroupFits(Group10 g) {
    return g.frequencies + 4 * kGroupEntries <= (g.bitmap >= 0 ? g.bitmap : g.modes) &&
           (g.steps < 0 || g.modes + kGroupEntries <= g.steps ||
            g.steps + kGroupEntries <= g.modes);
}
static_assert(GroupFits(kPresetA) && GroupFits(kPresetB) && GroupFits(kVfoLower) &&
              GroupFits(kVfoUpper) && GroupFits(kDualA) && GroupFits(kDualB));
} // namespace fields

// One of the 1000 memory channels, numbered from 1.
class MemoryChannel {
public:
    MemoryChannel(Byte* ri, int number) : ri_(ri), n_(number) {}
    int Number() const { return n_; }

    bool InUse() const;
    void SetInUse(bool on);
    // The stored frequency, whether or not the channel is in use.
    int FrequencyHz() const;
    // A value the 8-digit code cannot hold is not written (it would come back as another).
    void SetFrequencyHz(int hz);
    int ModeCode() const; // 0..7 as stored; 1..6 are ModeNames()
    void SetModeCode(int code);
    bool Preferential() const;
    void SetPreferential(bool on);
    QString Name() const; // without trailing spaces
    // False, leaving the name as it was, when a character has no byte on the receiver.
    bool SetName(const QString& text);
    // Takes the channel out of use as the Memory View empties one: no name, no preferential
    // scan; the mode bits and the frequency bytes stay.
    void Clear();

private:
    Byte* ri_;
    int n_;
};

// Entry e (0..9) of a ten-entry group: presets, search limits, dual watch sides.
class GroupEntry {
public:
    GroupEntry(Byte* ri, layout::ri::Group10 group, int entry) : ri_(ri), g_(group), e_(entry) {}

    int FrequencyHz() const;
    void SetFrequencyHz(int hz); // not written when the code cannot hold it
    Byte ModeByte() const { return ri_[g_.modes + e_]; }
    void SetModeByte(Byte b) { ri_[g_.modes + e_] = b; }
    bool HasStep() const { return g_.steps >= 0; }
    Byte StepByte() const { return HasStep() ? ri_[g_.steps + e_] : Byte{0}; }
    void SetStepByte(Byte b);

private:
    Byte* ri_;
    layout::ri::Group10 g_;
    int e_;
};

// One side (0 = A, 1 = B) of dual watch pair e (0..9).
inline GroupEntry DualWatchSide(Byte* ri, int pair, int side) {
    return GroupEntry(ri, side == 0 ? layout::ri::kDualA : layout::ri::kDualB, pair);
}
// Preset e (0..9) of group 0 (A) or 1 (B).
inline GroupEntry PresetEntry(Byte* ri, int group, int entry) {
    return GroupEntry(ri, group == 0 ? layout::ri::kPresetA : layout::ri::kPresetB, entry);
}
// The lower (0) or upper (1) edge of search limit pair e (0..9).
inline GroupEntry SearchLimit(Byte* ri, int pair, int edge) {
    return GroupEntry(ri, edge == 0 ? layout::ri::kVfoLower : layout::ri::kVfoUpper, pair);
}

// One of the 100 skip frequencies, from 0.
class SkipEntry {
public:
    SkipEntry(Byte* ri, int index) : ri_(ri), i_(index) {}

    bool InUse() const;
    void SetInUse(bool on);
    int FrequencyHz() const;
    void SetFrequencyHz(int hz); // not written when the code cannot hold it
    int ModeCode() const;        // bits 0-2 of the entry's mode byte
    void SetModeCode(int code);  // the other bits stay

private:
    Byte* ri_;
    int i_;
};

// Entry i (0..49) of the band plan: the band's upper edge in 100 Hz units (stored in six
// digits), and the mode and step codes the receiver picks inside the band.
class BandPlanEntry {
public:
    BandPlanEntry(Byte* ri, int index) : at_(ri + fields::kBandEntry.At(index)) {}

    int EdgeUnits() const { return DecodeDigits(at_, 6); }
    void SetEdgeUnits(int units) { EncodeDigits(at_, units, 6); }
    int ModeCode() const { return at_[3] & 0x0F; }
    void SetModeCode(int code);
    int StepCode() const { return at_[3] >> 4; }
    void SetStepCode(int code);

private:
    Byte* at_;
};

// A set-mode switch that is one bit of a shared byte; the byte's other bits stay.
class SettingSwitch {
public:
    SettingSwitch(Byte* ri, layout::ri::SettingBit bit) : byte_(ri[bit.offset]), bit_(bit.bit) {}
    bool On() const { return (byte_ >> bit_) & 1; }
    void Set(bool on);

private:
    Byte& byte_;
    int bit_;
};

// Bank k (0..9) linked for bank scan: bit k of the two bank link bytes.
SettingSwitch BankLink(Byte* ri, int bank);

} // namespace records
