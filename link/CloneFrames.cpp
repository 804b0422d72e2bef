#include "link/CloneFrames.h"

namespace wire {

Byte Checksum(const Byte* bytes, int count) {
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<Byte>(sum & 0xFF);
}

namespace {
const Byte kTag[3] = {0x41, 0x31, 0x36}; // "A16"

QByteArray Frame(Byte kind, const Byte (&head)[3], const Byte* payload, int payloadSize) {
    QByteArray frame;
    frame.reserve(kPayloadOffset + payloadSize + 1);
    frame.append(char(kLead));
    frame.append(char(kind));
    frame.append(reinterpret_cast<const char*>(head), 3);
    frame.append(reinterpret_cast<const char*>(payload), payloadSize);
    frame.append(char(Checksum(reinterpret_cast<const Byte*>(frame.constData()), frame.size())));
    return frame;
}
} // namespace

QByteArray StartFrame(int country, int wideband) {
    const Byte payload[2] = {Byte(country), Byte(wideband)};
    return Frame(kKindStart, kTag, payload, 2);
}

QByteArray DataFrame(int block, const Byte* radioImage) {
    const Byte head[3] = {0x00, 0x00, Byte(block)};
    return Frame(kKindData, head, radioImage + 2 + block * layout::ri::kBlockSize,
                 layout::ri::kBlockSize);
}

QByteArray EndFrame() {
    const Byte payload[2] = {0x00, 0x00};
    return Frame(kKindEnd, kTag, payload, 2);
}

void ClearBeforeWrite(Byte* radioImage) {
    for (int offset : layout::ri::kClearedBeforeWrite)
        radioImage[offset] = 0;
}

QByteArray ToBytes(const std::array<Byte, 3>& reply) {
    return QByteArray(reinterpret_cast<const char*>(reply.data()), int(reply.size()));
}

} // namespace wire
