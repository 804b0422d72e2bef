#pragma once
// The clone frames both transfers exchange with the receiver, and the replies to them.

#include "radio/Codecs.h"
#include "radio/Layout.h"

#include <QByteArray>
#include <array>
#include <chrono>

namespace wire {

// Engines measure the passing of time from any fixed origin the driver chooses.
using Time = std::chrono::microseconds;

inline constexpr Byte kLead = 0x03;
inline constexpr Byte kKindStart = 0x01;
inline constexpr Byte kKindEnd = 0x02;
inline constexpr Byte kKindData = 0x03;

inline constexpr int kStartFrameSize = 8;
inline constexpr int kDataFrameSize = 38;
inline constexpr int kEndFrameSize = 8;
inline constexpr int kPayloadOffset = 5;
inline constexpr int kReplySize = 3;

inline constexpr Byte kReplyAck = 0x06;
inline constexpr Byte kReplyRefuse = 0x15;
inline constexpr Byte kRefuseTimeout = 0x01;
inline constexpr Byte kRefuseChecksum = 0x02;
// Refusal reasons the receiver gives when the data do not suit it.
inline constexpr Byte kRefuseVersion1 = 0x80;
inline constexpr Byte kRefuseVersion2 = 0x40;

inline constexpr std::array<Byte, 3> kAck{kLead, kReplyAck, 0x09};
inline constexpr std::array<Byte, 3> kTimeoutRefusal{kLead, kReplyRefuse, kRefuseTimeout};
inline constexpr std::array<Byte, 3> kChecksumRefusal{kLead, kReplyRefuse, kRefuseChecksum};

// The frames of a whole transfer: start, 488 data frames, end.
inline constexpr int kFrameCount = layout::ri::kBlockCount + 2;
// Image bytes the data frames carry (everything after the country and wideband bytes).
inline constexpr int kDataBytes = layout::ri::kBlockCount * layout::ri::kBlockSize;

// Low 8 bits of the sum of the bytes.
Byte Checksum(const Byte* bytes, int count);

QByteArray StartFrame(int country, int wideband);
// Data frame b carries RadioImage bytes 2 + 32b .. 33 + 32b of radioImage.
QByteArray DataFrame(int block, const Byte* radioImage);
QByteArray EndFrame();

// The first steps that put the receiver into clone mode, one per line; reading and writing
// each add their own last step.
// The window shows them translated (context "wire").
inline constexpr char kCloneModeSteps[] =
    QT_TRANSLATE_NOOP("wire", "Starting clone mode.\n"
                              "1. Insert the cable into the speaker jack\n"
                              "2. Press and hold the 1,  8, and ENT keys and press PWR\n"
                              "3. Verify display shows \"1: RX CLONE 2: TX CLONE\"");
inline constexpr char kReadStep[] =
    QT_TRANSLATE_NOOP("wire", "4. Press the 2 key to start reading the data.");

// Zeroes the set-mode bytes the receiver must get back as zero on every write.
void ClearBeforeWrite(Byte* radioImage);

QByteArray ToBytes(const std::array<Byte, 3>& reply);

} // namespace wire
