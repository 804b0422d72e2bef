#include "SimRadio.h"

#include "link/CloneFrames.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

using namespace std::chrono_literals;
constexpr int kBlocks = layout::ri::kBlockCount;

void Report(const QString& text) {
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

void Recheck(QByteArray& frame) {
    frame[frame.size() - 1] =
        char(wire::Checksum(reinterpret_cast<const Byte*>(frame.constData()), frame.size() - 1));
}

QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' '));
}

// Echoes on until the program lets go of the device.
int Finish(SimWire& link, const SimOptions& o, int code) {
    link.Drain(o.waitOpenMs);
    return code;
}

std::vector<QByteArray> FramesToSend(const SimOptions& o, const Byte* ri) {
    const int country = o.country >= 0 ? o.country : ri[layout::ri::kCountryCode];
    const int wideband = o.wideband >= 0 ? o.wideband : ri[layout::ri::kWidebandFlag];
    std::vector<QByteArray> frames{wire::StartFrame(country, wideband)};
    for (int b = 0; b < kBlocks + o.extraFrames; ++b) {
        QByteArray f = wire::DataFrame(b % kBlocks, ri);
        f[4] = char(b & 0xFF);
        Recheck(f);
        frames.push_back(f);
    }
    frames.push_back(wire::EndFrame());
    if (o.secondStartAt >= 0 && o.secondStartAt < int(frames.size()))
        frames.insert(frames.begin() + o.secondStartAt, frames.front());
    if (o.kindAt >= 0 && o.kindAt < int(frames.size())) {
        frames[o.kindAt][1] = char(o.kindByte);
        Recheck(frames[o.kindAt]);
    }
    if (o.badChecksumAt >= 0 && o.badChecksumAt < int(frames.size())) {
        QByteArray& f = frames[o.badChecksumAt];
        f[f.size() - 1] = char(f[f.size() - 1] + 1);
    }
    return frames;
}

void WriteFrame(SimWire& link, const SimOptions& o, const QByteArray& frame) {
    if (o.pieces.isEmpty())
        return link.Write(frame);
    for (int at = 0, i = 0; at < frame.size(); ++i) {
        const int size = std::max(1, o.pieces[i % o.pieces.size()]);
        if (at > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(o.pieceGapMs));
        link.Write(frame.mid(at, size));
        at += size;
    }
}

QByteArray ReadBytes(SimWire& link, int count, int timeoutMs) {
    QByteArray got;
    while (got.size() < count) {
        const auto b = link.ReadByte(timeoutMs);
        if (!b)
            break;
        got.append(char(*b));
    }
    return got;
}

// Get Data: the receiver sends its image, one frame per acknowledgement.
int RunSend(const SimOptions& o, SimWire& link) {
    QString error;
    std::vector<Byte> image = LoadRdf(o.file, error);
    if (image.empty()) {
        std::fprintf(stderr, "corvinel-sim: %s\n", qPrintable(error));
        return 2;
    }
    const std::vector<QByteArray> frames = FramesToSend(o, image.data() + layout::kRadioImage);
    if (!link.WaitForOpen(o.waitOpenMs)) {
        Report(QStringLiteral("result: nobody opened the device"));
        return 1;
    }
    link.Idle(o.startDelayMs);
    const QByteArray ack = wire::ToBytes(wire::kAck);
    for (int i = 0; i < int(frames.size()); ++i) {
        if (i == o.vanishAt) {
            link.Write(frames[i].left(frames[i].size() / 2));
            link.Vanish();
            Report(QStringLiteral("result: vanished at frame %1").arg(i));
            return 1;
        }
        WriteFrame(link, o, frames[i]);
        const QByteArray reply = ReadBytes(link, wire::kReplySize, o.replyWaitMs);
        if (reply != ack) {
            Report(QStringLiteral("result: frame %1 answered with [%2]").arg(i).arg(Hex(reply)));
            return Finish(link, o, 1);
        }
        if (i == o.silenceAfter) {
            Report(QStringLiteral("result: silent after frame %1").arg(i));
            return Finish(link, o, 1);
        }
    }
    Report(QStringLiteral("result: sent %1 frames").arg(frames.size()));
    return Finish(link, o, 0);
}

QByteArray ReadFrame(SimWire& link, int timeoutMs) {
    QByteArray head = ReadBytes(link, 2, timeoutMs);
    if (head.size() < 2)
        return head;
    const int length =
        Byte(head[1]) == wire::kKindData ? wire::kDataFrameSize : wire::kStartFrameSize;
    return head + ReadBytes(link, length - 2, 1000);
}

// What the receiver answers to frame index; empty when it stays silent.
QByteArray ReplyFor(const SimOptions& o, int index) {
    if (o.noReply || (o.silenceAfter >= 0 && index > o.silenceAfter))
        return {};
    if (index == o.refuseAt)
        return QByteArray::fromRawData("\x03\x15", 2) + char(o.refuseReason);
    if (index == o.badReplyAt)
        return QByteArray(1, char(wire::kLead)) + char(o.badReplyByte) + char(0);
    return wire::ToBytes(wire::kAck);
}

// Send Data: the receiver takes an image frame by frame and keeps it.
int RunReceive(const SimOptions& o, SimWire& link) {
    std::vector<Byte> image(layout::kImageSize, 0);
    Byte* ri = image.data() + layout::kRadioImage;
    if (!link.WaitForOpen(o.waitOpenMs)) {
        Report(QStringLiteral("result: nobody opened the device"));
        return 1;
    }
    int block = 0;
    for (int index = 0;; ++index) {
        const QByteArray f = ReadFrame(link, index == 0 ? o.waitOpenMs : o.replyWaitMs);
        if (index == o.vanishAt) {
            link.Vanish();
            Report(QStringLiteral("result: vanished at frame %1").arg(index));
            return 1;
        }
        const int expected = f.size() > 1 && Byte(f[1]) == wire::kKindData ? wire::kDataFrameSize
                                                                           : wire::kStartFrameSize;
        if (f.size() < expected) {
            Report(QStringLiteral("result: frame %1 incomplete [%2]").arg(index).arg(Hex(f)));
            return Finish(link, o, 1);
        }
        const auto* bytes = reinterpret_cast<const Byte*>(f.constData());
        const Byte kind = bytes[1];
        const bool sound =
            wire::Checksum(bytes, f.size() - 1) == bytes[f.size() - 1] &&
            (kind != wire::kKindData || (block < kBlocks && bytes[4] == Byte(block)));
        if (!sound) {
            link.Write(wire::ToBytes(wire::kChecksumRefusal));
            Report(QStringLiteral("result: frame %1 refused [%2]").arg(index).arg(Hex(f)));
            return Finish(link, o, 1);
        }
        if (kind == wire::kKindStart)
            std::memcpy(ri, bytes + wire::kPayloadOffset, 2);
        else if (kind == wire::kKindData)
            std::memcpy(ri + 2 + 32 * block++, bytes + wire::kPayloadOffset, 32);
        const QByteArray reply = ReplyFor(o, index);
        link.Write(reply);
        if (reply != wire::ToBytes(wire::kAck) && !reply.isEmpty()) {
            Report(QStringLiteral("result: frame %1 answered [%2]").arg(index).arg(Hex(reply)));
            return Finish(link, o, 1);
        }
        if (kind == wire::kKindEnd) {
            if (block != kBlocks || !SaveRdf(o.file, image)) {
                Report(QStringLiteral("result: end after %1 blocks, not saved").arg(block));
                return Finish(link, o, 1);
            }
            Report(
                QStringLiteral("result: received %1 frames, saved %2").arg(index + 1).arg(o.file));
            return Finish(link, o, 0);
        }
    }
}

} // namespace

std::vector<Byte> LoadRdf(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": ") + file.errorString();
        return {};
    }
    const QByteArray data = file.readAll();
    if (data.size() != layout::kImageSize ||
        std::memcmp(data.constData(), layout::header::kSignatureBytes, 4) != 0) {
        error = path + QStringLiteral(": not a radio data file");
        return {};
    }
    return std::vector<Byte>(data.begin(), data.end());
}

bool SaveRdf(const QString& path, const std::vector<Byte>& image) {
    std::vector<Byte> out = image;
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = Byte(v >> (8 * i));
    };
    auto put16 = [&](int at, int v) {
        out[at] = Byte(v);
        out[at + 1] = Byte(v >> 8);
    };
    namespace h = layout::header;
    std::memcpy(out.data() + h::kSignature, h::kSignatureBytes, 4);
    std::memcpy(out.data() + h::kRadioTag, h::kRadioTagBytes, 4);
    put32(h::kFormatWord, h::kFormatWordValue);
    put32(h::kFileLength, layout::kImageSize);
    std::memcpy(out.data() + h::kRadioName, h::kRadioNameText, sizeof h::kRadioNameText - 1);
    put16(h::kChannelCount, layout::ri::kChannelCount);
    put16(h::kReservedRecordSize, layout::kReservedChannelAreaSize / layout::ri::kChannelCount);
    put16(h::kSide10RecordSize, layout::kSideRecord10Size);
    put16(h::kSide32RecordSize, layout::kSideRecord32Size);
    put32(h::kReservedAreaOffset, layout::kReservedChannelArea);
    put32(h::kSide10Offset, layout::kChannelSideRecords10);
    put32(h::kSide32Offset, layout::kChannelSideRecords32);
    put32(h::kRadioImageOffset, layout::kRadioImage);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(reinterpret_cast<const char*>(out.data()), qint64(out.size()));
    return file.commit();
}

int RunSimulator(const SimOptions& options, SimWire& link) {
    link.SetEcho(!options.noEcho);
    link.SetBaud(options.baud);
    return options.role == SimOptions::Role::Send ? RunSend(options, link)
                                                  : RunReceive(options, link);
}
