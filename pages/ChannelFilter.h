#pragma once
// The Memory View's filter: which channels to look at, without moving or renumbering any. A
// row passes when it meets every criterion set; an empty filter passes every row.
//
//     ChannelFilter filter;
//     filter.text = "air";
//     filter.fromHz = 118'000'000;
//     filter.toHz = 137'000'000;
//     const bool shown = filter.Passes(row);

#include "radio/Radio.h"

#include <QString>
#include <vector>

// One channel as the grid shows it.
struct ChannelRow {
    int number = 0;        // 1..1000
    QString frequencyText; // empty when the channel is not in use
    QString modeText;      // the mode cell's item
    QString name;
    bool changedSinceOpened = false;
    bool changedSinceRead = false;
};

struct ChannelFilter {
    QString text;             // in the name or the frequency as shown, letter case aside
    int bank = -1;            // 0..9 (channels 1..100 are bank 0), -1: any
    QString mode;             // a mode's name, empty: any
    int fromHz = 0, toHz = 0; // the band; 0: open at that end
    bool inUse = false;
    bool changedSinceOpened = false;
    bool changedSinceRead = false;

    bool operator==(const ChannelFilter&) const = default;
    bool IsEmpty() const { return *this == ChannelFilter{}; }
    bool Passes(const ChannelRow& row) const;
};

// For channels 1..n (index 0 unused): does the channel differ between the two images as the
// grid would show it? Two channels not in use are alike whatever bytes they keep.
std::vector<bool> ChangedChannels(const Image& now, const Image& then, int channels);
