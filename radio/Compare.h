#pragma once
// What differs between two data sets, in the words the pages use: channels added, removed and
// changed, each setting by its label, the preset, dual watch, search limit, skip and band plan
// rows, the country version, and a count of the bytes no page shows.

#include "radio/Radio.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace compare {

enum class Area {
    Channel, // a memory channel
    Setting, // a setting, a row of one of the lists, or the country version
    Hidden,  // bytes no page shows
};

// Where a difference is shown: the page's title, which of its lists in reading order (0 the
// first) and the row of that list (from 1; 0 for a setting outside the lists).
struct Place {
    QString page; // empty: no page shows it
    int list = 0;
    int row = 0;
};

struct Difference {
    Area area;
    QString text; // one line, old value before "→", new value after it
    Place place = {};
};

struct Differences {
    std::vector<Difference> items;

    bool Empty() const { return items.empty(); }
    int Count(Area area) const;
    QStringList Lines() const;
    // "3 channels and 1 setting differ", "No differences".
    QString Summary() const;
};

// Everything that differs between the two data images, in page order (country, Memory View,
// Setting, VFO Scan, Preset Mode, Dual Watch, Auto Band, then the hidden bytes).
Differences CompareImages(const Image& before, const Image& after);

} // namespace compare
