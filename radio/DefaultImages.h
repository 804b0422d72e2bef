#pragma once
// The four clone images a receiver version starts from: what New puts into a fresh data set
// and what the country repair takes replacement values from.

#include "radio/Codecs.h"
#include "radio/Layout.h"

#include <array>

using RadioImageBytes = std::array<Byte, layout::kRadioImageSize>;

enum class DefaultImage { Japan, HamBand, Wideband, General };

// Japan for country 0, ham-band for country 1, wideband for either of them with the wideband
// flag, general for every other version.
DefaultImage DefaultImageFor(int country, int wideband);

// The image's bytes, built from its tables on first use.
const RadioImageBytes& DefaultImageBytes(DefaultImage which);
