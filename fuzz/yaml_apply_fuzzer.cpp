// Feeds arbitrary text to the apply of the data file's text form (the first byte picks the
// base: none, or a new data set of one receiver version). A refusal must name its line; an
// accepted text must give an image whose own dump applies back to the very same image.

#include "fuzz/FuzzSupport.h"
#include "radio/ConfigText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int pick = data[0] % 11;
    const Image base = configtext::NewDataImage(pick % 5, pick / 5 % 2);
    const QByteArray text(reinterpret_cast<const char*>(data + 1),
                          static_cast<qsizetype>(size - 1));
    const configtext::Applied applied = configtext::Apply(text, pick == 10 ? nullptr : &base);
    if (!applied.Ok()) {
        if (!applied.error.startsWith(QLatin1String("line ")))
            Broken("a refusal without its line");
        return 0;
    }
    const configtext::Applied again = configtext::Apply(configtext::Dump(applied.image));
    if (!again.Ok())
        Broken("the dump of an applied text was refused");
    if (again.image != applied.image)
        Broken("the dump of an applied text did not give the image back");
    return 0;
}
