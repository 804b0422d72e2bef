// Feeds arbitrary text to the CSV import. The first byte picks the receiver version and
// whether rows are numbered with --at. A refused import must leave the data untouched; an
// accepted one must survive export and import unchanged.

#include "fuzz/FuzzSupport.h"
#include "radio/Csv.h"

#include <cstdint>
#include <cstring>

namespace {

QByteArray ChannelBytes(const CVR500Radio& r) {
    using namespace layout::ri;
    const auto* radio = reinterpret_cast<const char*>(r.EditRadio());
    return QByteArray(radio + kChannelUsedBitmap, kChannelUsedBitmapSize) +
           QByteArray(radio + kChannelFrequencies, 4000) + QByteArray(radio + kChannelNames, 8000) +
           QByteArray(radio + kChannelFlags, 1000);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    CVR500Radio& radio = FuzzModel();
    static const Image base = radio.EditImage();
    radio.SetEditImage(base);
    radio.EditRadio()[layout::ri::kCountryCode] = static_cast<Byte>(data[0] % 5);
    radio.EditRadio()[layout::ri::kWidebandFlag] = (data[0] >> 3) & 1;
    const Image start = radio.EditImage();
    const int at = (data[0] & 0x10) ? 1 + (data[0] >> 5) * 140 : 0;
    const QByteArray text(reinterpret_cast<const char*>(data + 1),
                          static_cast<qsizetype>(size - 1));

    const csv::ImportResult result = csv::ImportChannels(radio, text, at);
    if (!result.problems.empty()) {
        if (radio.EditImage() != start)
            Broken("a refused import changed EditImage");
        return 0;
    }
    const QByteArray imported = ChannelBytes(radio);
    const QByteArray exported = csv::ExportChannels(radio);
    radio.SetEditImage(start);
    const csv::ImportResult again = csv::ImportChannels(radio, exported);
    if (!again.problems.empty())
        Broken("an exported file was refused");
    if (ChannelBytes(radio) != imported)
        Broken("export and import changed the channels");
    return 0;
}
