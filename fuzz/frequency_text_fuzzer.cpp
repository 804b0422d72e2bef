// Feeds arbitrary text to the frequency text reader, as Latin-1 and as UTF-8. Whatever the
// text, the result is 0 (no frequency) or a value in 1..kOutOfReachHz, and every value shown
// again with five decimals reads back as itself.

#include "fuzz/FuzzSupport.h"
#include "radio/Codecs.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>

namespace {

void Check(const QString& text) {
    const int hz = ParseFrequency(text);
    if (hz < 0 || hz > kOutOfReachHz)
        Broken("a frequency outside 0..kOutOfReachHz");
    if (hz != 0 && ParseFrequency(FrequencyText(hz)) != hz)
        Broken("a frequency shown with five decimals read back as another");
    if (hz >= kOutOfReachHz && !FrequencyMessage(hz).contains(QLatin1String("or more")))
        Broken("an out-of-reach frequency shown as an exact one");
    const int units = ParseFrequency100Hz(text);
    if (units < 0)
        Broken("a negative band edge");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data),
                           static_cast<qsizetype>(std::min<std::size_t>(size, 64)));
    Check(QString::fromLatin1(bytes));
    Check(QString::fromUtf8(bytes));
    return 0;
}
