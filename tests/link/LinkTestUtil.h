#pragma once
// Byte helpers for the engine tests.

#include "link/CloneFrames.h"

#include <QByteArray>
#include <initializer_list>
#include <vector>

namespace linktest {

using namespace std::chrono_literals;

inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// A clone image whose every byte tells where it came from.
inline std::vector<Byte> PatternImage(int seed = 7) {
    std::vector<Byte> image(layout::kRadioImageSize);
    for (int i = 0; i < int(image.size()); ++i)
        image[i] = Byte((i * 31 + seed + i / 251) & 0xFF);
    return image;
}

// A frame of the given kind and length with a correct checksum.
inline QByteArray FrameOfKind(int kind, int length, Byte fill) {
    QByteArray f(length, char(fill));
    f[0] = char(wire::kLead);
    f[1] = char(kind);
    f[length - 1] = char(wire::Checksum(reinterpret_cast<const Byte*>(f.constData()), length - 1));
    return f;
}

inline const QByteArray kAck = wire::ToBytes(wire::kAck);

} // namespace linktest
