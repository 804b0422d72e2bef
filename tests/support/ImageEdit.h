#pragma once
// Planting data in a model's working image, as tests do to set up odd cases.

#include "radio/Radio.h"

inline void PokeImage(CRadio& radio, int offset, int value) {
    Image image = radio.EditImage();
    image[offset] = static_cast<Byte>(value);
    radio.SetEditImage(image);
}

inline void FillImage(CRadio& radio, Byte value) {
    Image image;
    image.fill(value);
    radio.SetEditImage(image);
}
