// Pastes arbitrary bytes into a grid shaped like the channel grid, as the grid's own row format
// and as text from another program. Whatever arrives, every cell afterwards holds what its
// column accepts: an empty or readable frequency in the receiver's range, an item of its list
// or none, a name of at most eight characters the receiver has bytes for, a check of "1", "0"
// or nothing; and the paste's report names only rows of the grid.

#include "fuzz/FuzzSupport.h"
#include "pages/SpreadSheet.h"
#include "radio/Codecs.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kRows = 40;

// Made after the application and so gone before it at exit.
CSpreadSheet& Grid() {
    static CSpreadSheet grid;
    static const bool shaped = [] {
        grid.SetShape(4, kRows);
        grid.SetColumnKind(1, CellKind::Frequency);
        grid.SetColumnKind(2, CellKind::List);
        grid.SetColumnKind(3, CellKind::Text);
        grid.SetColumnKind(4, CellKind::Check);
        grid.SetCurrentColumn(2);
        grid.SetLastColumn(2);
        grid.SetListItems(ModeNames().join(QLatin1Char('\t')));
        grid.SetColumnMaxLength(3, 8);
        grid.SetColumnCharFilter(3, IsNameChar);
        return true;
    }();
    (void)shaped;
    return grid;
}

void CheckCells(CSpreadSheet& grid) {
    for (int row = 1; row <= kRows; ++row) {
        QString frequency, mode, name, check;
        grid.ReadCell(1, row, frequency);
        grid.ReadCell(2, row, mode);
        grid.ReadCell(3, row, name);
        grid.ReadCell(4, row, check);
        const int hz = ParseFrequency(frequency);
        if (!frequency.isEmpty() && (hz < kLowestHz || hz > kTopHz))
            Broken("a frequency cell holding no frequency of the receiver's range");
        if (!mode.isEmpty() && !ModeNames().contains(mode))
            Broken("a list cell holding no item of its list");
        if (name.size() > 8 || FirstUnshowableChar(name) ||
            std::any_of(name.begin(), name.end(), [](QChar c) { return !IsNameChar(c); }))
            Broken("a name the receiver cannot hold");
        if (!check.isEmpty() && check != QLatin1String("1") && check != QLatin1String("0"))
            Broken("a check cell holding something else than 1 or 0");
    }
    for (const CSpreadSheet::PasteReport::Row& refused : grid.LastPaste().rows)
        if (refused.row < 1 || refused.row > kRows)
            Broken("a refused row outside the grid");
}

void Paste(const char* format, const QByteArray& bytes, int row) {
    CSpreadSheet& grid = Grid();
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(format), bytes);
    QApplication::clipboard()->setMimeData(mime);
    grid.SetCurrentColumn(1);
    grid.SetLastColumn(4);
    grid.SetCurrentRow(row);
    grid.SetLastRow(row);
    grid.SetOperation(CSpreadSheet::OpSelect);
    grid.SetRangeMode(true);
    grid.SetOperation(CSpreadSheet::OpClipboardPaste);
    grid.SetRangeMode(false);
    CheckCells(grid);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "grid_paste_fuzzer";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const int row = 1 + data[0] % kRows; // where the paste lands, the last rows included
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    Paste(CSpreadSheet::kRowsMimeType, bytes, row);
    Paste("text/plain", bytes, row);
    return 0;
}
