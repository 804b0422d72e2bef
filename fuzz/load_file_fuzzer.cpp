// Feeds arbitrary bytes to the data file loader as a file, then lists and exports whatever
// it accepted: any 69818 bytes with the right header must be safe to show.

#include "fuzz/FuzzSupport.h"
#include "radio/Csv.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("input.rdf"));
    CVR500Radio& radio = FuzzModel();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            Broken("cannot write the input file");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const Image before = radio.EditImage();
    if (!radio.LoadFile(path)) {
        if (radio.EditImage() != before)
            Broken("a refused file changed EditImage");
        return 0;
    }
    if (size < static_cast<std::size_t>(layout::kImageSize))
        Broken("a short file was accepted");
    for (int i = 0; i < layout::header::kClearedOnLoadSize; ++i)
        if (radio.EditImage()[layout::header::kClearedOnLoad + i] != 0)
            Broken("header bytes 82..99 were not cleared");
    const QByteArray csv = csv::ExportChannels(radio);
    if (!csv.startsWith(QByteArray(csv::kHeader)))
        Broken("the export lost its header");
    return 0;
}
