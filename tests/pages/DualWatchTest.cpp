#include "pages/DualWatch.h"
#include "GridInput.h"
#include "PageTestSupport.h"
#include "pages/ControlTable.h"
#include "pages/GridCells.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTableView>
#include <gtest/gtest.h>

using namespace layout;

namespace {

class DualWatchTest : public testing::Test {
protected:
    void Open() {
        page = std::make_unique<CDualWatch>(m.radio);
        page->resize(800, 500);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        page->OnSetActive();
        grid = page->Grid();
    }
    Byte* ri() { return m.ri(); }
    QString Mode(int hz) { return ModeName(m.radio.BandModeFor(hz)); }

    PageModel m;
    std::unique_ptr<CDualWatch> page;
    CSpreadSheet* grid = nullptr;
};

} // namespace

TEST_F(DualWatchTest, AirbandEndsAreTakenAsTypedAndOtherFrequenciesChecked) {
    m.NewFor(kVersions[1]); // ham-band version: 30 to 50 and 108 to 144 MHz are closed
    Open();
    EXPECT_EQ(CellText(*grid, 3, 0), "Step\nSize A");
    EXPECT_EQ(CellText(*grid, 6, 0), "Step\nSize B");

    TypeInto(*grid, 1, 1, QStringLiteral("30.00000"));
    EXPECT_EQ(CellText(*grid, 1, 1), "30.00000");
    EXPECT_EQ(CellText(*grid, 2, 1), Mode(30'000'000));
    TypeInto(*grid, 4, 1, QStringLiteral("108.00000"));
    EXPECT_EQ(CellText(*grid, 4, 1), "108.00000");
    EXPECT_EQ(CellText(*grid, 5, 1), Mode(108'000'000));
    EXPECT_TRUE(m.prompt.messages.empty());

    TypeInto(*grid, 4, 2, QStringLiteral("108.00005"));
    ASSERT_EQ(m.prompt.messages.size(), 1u);
    EXPECT_TRUE(m.prompt.LastText().startsWith("108.00005 is not a valid frequency\n"));
    EXPECT_EQ(CellText(*grid, 4, 2), "");
    EXPECT_EQ(CurrentRow(*grid), 2);
    QTest::keyClick(grid, Qt::Key_Down);

    TypeInto(*grid, 1, 3, QStringLiteral("145.0125"));
    EXPECT_EQ(CellText(*grid, 1, 3), "145.01250");
    TypeInto(*grid, 1, 4, QStringLiteral("145.5"));
    EXPECT_EQ(CellText(*grid, 1, 4), "145.50000");
    TypeInto(*grid, 1, 5, QStringLiteral("145.12388"));
    EXPECT_EQ(CellText(*grid, 1, 5), "145.12380");
    // Typed, then the page left without leaving the cell: the value is checked as leaving the
    // cell would check it, and the page stays until it is mended.
    GoTo(*grid, 4, 6);
    for (QChar ch : QStringLiteral("2000"))
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    page->setFocus();
    EXPECT_EQ(CellText(*grid, 4, 6), "2000");
    EXPECT_FALSE(page->OnKillActive());
    EXPECT_TRUE(m.prompt.LastText().startsWith("2000.00000 is not a valid frequency\n"));
    EXPECT_EQ(CellText(*grid, 4, 6), "");

    ASSERT_TRUE(page->OnKillActive());
    EXPECT_EQ(DecodeDigits(ri() + ri::kDualWatchListA, 8), 30'000'000);
    EXPECT_EQ(DecodeDigits(ri() + ri::kDualWatchListB, 8), 108'000'000);
    EXPECT_EQ(ri()[ri::kDualB.modes], m.radio.BandModeFor(108'000'000));
    // The refused cell was emptied: that entry is stored as frequency 0 and shows 0.00000.
    EXPECT_EQ(DecodeDigits(ri() + ri::kDualWatchListB + 4, 8), 0);
    EXPECT_EQ(DecodeDigits(ri() + ri::kDualWatchListA + 8, 8), 145'012'500);
    EXPECT_EQ(DecodeDigits(ri() + ri::kDualWatchListB + 20, 8), 0); // refused and emptied
    page->OnSetActive();
    EXPECT_EQ(CellText(*grid, 4, 2), "0.00000");
    EXPECT_EQ(CellText(*grid, 1, 4), "145.50000");
}

TEST_F(DualWatchTest, ModesStepsPairAndScanModeAreStoredWhereTheyBelong) {
    m.NewFor(kVersions[3]);
    ri()[ri::kDualA.modes + 6] = 0;     // no mode
    ri()[ri::kDualB.steps + 7] = 15;    // no such step
    ri()[ri::kDualWatchPairIndex] = 12; // no such pair
    ri()[ri::kDualWatchScanMode] = 1;
    Open();
    EXPECT_EQ(ListIndexAt(*grid, 2, 7), -1);
    EXPECT_EQ(ListIndexAt(*grid, 6, 8), -1);
    ControlTable& c = page->Controls();
    EXPECT_EQ(c.Selection(CDualWatch::kPairLabel), -1);
    EXPECT_EQ(c.Combo(CDualWatch::kScanModeLabel)->currentText(), "Busy");
    EXPECT_EQ(c.Buttons(CDualWatch::kPairLabel).size(), 10);

    ASSERT_TRUE(page->OnKillActive());
    EXPECT_EQ(ri()[ri::kDualA.modes + 6], 0);
    EXPECT_EQ(ri()[ri::kDualB.steps + 7], 15);
    EXPECT_EQ(ri()[ri::kDualWatchPairIndex], 12);

    SetListIndexAt(*grid, 3, 1, 0);  // Auto
    SetListIndexAt(*grid, 6, 8, 14); // 100 kHz
    SetListIndexAt(*grid, 5, 2, 3);  // LSB
    GoTo(*grid, 2, 3);               // a mode cell emptied: no mode
    QTest::keyClick(grid, Qt::Key_Delete);
    GoTo(*grid, 3, 3); // an emptied step cell keeps its step
    QTest::keyClick(grid, Qt::Key_Delete);
    const Byte step3 = ri()[ri::kDualA.steps + 2];
    c.SetSelection(CDualWatch::kPairLabel, 9);
    c.SetSelection(CDualWatch::kScanModeLabel, 2);
    ASSERT_TRUE(page->OnKillActive());
    EXPECT_EQ(ri()[ri::kDualA.steps], 0);
    EXPECT_EQ(ri()[ri::kDualB.steps + 7], 14);
    EXPECT_EQ(ri()[ri::kDualB.modes + 1], 4);
    EXPECT_EQ(ri()[ri::kDualA.modes + 2], 0);
    EXPECT_EQ(ri()[ri::kDualA.steps + 2], step3);
    EXPECT_EQ(ri()[ri::kDualWatchPairIndex], 9);
    EXPECT_EQ(ri()[ri::kDualWatchScanMode], 2);

    // Another data set arrives (File Open): the page shows its scan mode, not the last one.
    m.NewFor(kVersions[0]);
    ri()[ri::kDualWatchScanMode] = 0;
    page->OnSetActive();
    EXPECT_EQ(c.Combo(CDualWatch::kScanModeLabel)->currentText(), "Time");
    ASSERT_TRUE(page->OnKillActive());
    EXPECT_EQ(ri()[ri::kDualWatchScanMode], 0);

    const QStringList unnamed = UnnamedControls<QComboBox, QRadioButton, QTableView>(page.get());
    EXPECT_EQ(unnamed, QStringList());
}
