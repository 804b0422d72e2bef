// Under a dark desktop palette the pages draw in its colours, so nothing is black on black.

#include "PageTestSupport.h"
#include "pages/ControlTable.h"
#include "pages/PageMain.h"

#include <QApplication>
#include <QPalette>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

QPalette Dark() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    return p;
}

// The darkest and lightest opaque pixels of an image.
std::pair<int, int> LightnessRange(const QImage& image) {
    int darkest = 255, lightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200)
                continue;
            darkest = std::min(darkest, c.lightness());
            lightest = std::max(lightest, c.lightness());
        }
    return {darkest, lightest};
}

} // namespace

TEST(DarkPalette, MeterSymbolsAreDrawnInTheTextColour) {
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(Dark());
    PageModel m;
    CPageMain page(m.radio);
    QApplication::setPalette(saved);
    const QList<QRadioButton*> symbols = page.Controls().Buttons("Meter Symbol");
    ASSERT_EQ(symbols.size(), 3);
    for (QRadioButton* symbol : symbols) {
        const QImage drawn = symbol->icon().pixmap(symbol->iconSize()).toImage();
        const auto [darkest, lightest] = LightnessRange(drawn);
        EXPECT_GE(darkest, 200) << symbol->accessibleName().toStdString();
        EXPECT_GE(lightest, 230);
    }
}
