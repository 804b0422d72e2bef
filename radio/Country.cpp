#include "radio/Radio.h"

#include <algorithm>

// Placeholder until the default images land.
void CRadio::LoadDefaultImage(Byte* dest) const {
    std::fill(dest, dest + layout::kRadioImageSize, 0);
}
void CRadio::RepairForCountry() {}
