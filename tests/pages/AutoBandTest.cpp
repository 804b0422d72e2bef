#include "pages/AutoBand.h"
#include "GridInput.h"
#include "PageTestSupport.h"
#include "pages/GridCells.h"

#include <QTableView>
#include <gtest/gtest.h>

using namespace layout;

namespace {

class AutoBandTest : public testing::Test {
protected:
    void Open(const Version& v) {
        m.NewFor(v);
        page = std::make_unique<CAutoBand>(m.radio);
        page->resize(500, 700);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        page->OnSetActive();
        grid = page->Grid();
    }
    void Click(int column, int row) {
        const QModelIndex index = grid->model()->index(row - 1, column - 1);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }
    bool Editable(int column, int row) {
        return grid->model()->flags(grid->model()->index(row - 1, column - 1)) & Qt::ItemIsEditable;
    }
    int EdgeHz(int entry) { return DecodeDigits(ri() + ri::BandEntry(entry), 6) * 100; }
    Byte Attributes(int entry) { return ri()[ri::BandEntry(entry) + 3]; }
    Byte* ri() { return m.ri(); }

    PageModel m;
    std::unique_ptr<CAutoBand> page;
    CSpreadSheet* grid = nullptr;
};

} // namespace

TEST_F(AutoBandTest, AcceptedEdgesAreSnappedSortedAndStoredInWholeKilohertz) {
    Open(kVersions[3]); // the general plan: 49 bands up to 1300 MHz
    EXPECT_EQ(CellText(*grid, 1, 1), "0.1000");
    EXPECT_EQ(CellText(*grid, 1, 2), "0.2850");
    EXPECT_EQ(CellText(*grid, 1, 49), "1240.0000");
    EXPECT_EQ(CellText(*grid, 1, 50), "1300.0000");
    EXPECT_EQ(CellText(*grid, 3, 1), "1 kHz");
    EXPECT_EQ(CellText(*grid, 2, 50), ""); // entry 49 is not used
    EXPECT_EQ(CellText(*grid, 3, 0), "Step\nSize");

    TypeInto(*grid, 1, 30, QStringLiteral("150.00373"));
    EXPECT_TRUE(m.prompt.messages.empty());
    EXPECT_EQ(CellText(*grid, 1, 29), "144.3000");
    EXPECT_EQ(CellText(*grid, 1, 30), "150.00375");
    EXPECT_EQ(CellText(*grid, 1, 31), "156.0000");

    // An edge past others takes its band's mode and step along to its new place.
    const QString mode5 = CellText(*grid, 2, 5), step5 = CellText(*grid, 3, 5);
    TypeInto(*grid, 1, 5, QStringLiteral("500"));
    EXPECT_EQ(CellText(*grid, 1, 5), "2.0000");
    EXPECT_EQ(CellText(*grid, 1, 40), "470.0000");
    EXPECT_EQ(CellText(*grid, 1, 41), "500"); // on the raster: left as typed
    EXPECT_EQ(CellText(*grid, 2, 41), mode5);
    EXPECT_EQ(CellText(*grid, 3, 41), step5);
    // A refused edit brings back what the row held, not what its place held when loaded.
    TypeInto(*grid, 1, 41, QStringLiteral("0.1"));
    EXPECT_EQ(CellText(*grid, 1, 41), "500");

    ASSERT_TRUE(page->OnKillActive());
    EXPECT_EQ(EdgeHz(27), 150'003'000); // moved up a row with the edge taken out above it
    EXPECT_EQ(EdgeHz(39), 500'000'000);
    EXPECT_EQ(EdgeHz(3), 2'000'000);
    for (int i = 0; i + 1 < ri::kBandLookupEntries; ++i)
        EXPECT_LT(EdgeHz(i), EdgeHz(i + 1)) << i;
    EXPECT_EQ(ri()[ri::BandEntry(49) + 3], 0xFF);
    // Other pages look frequencies up in the stored plan.
    EXPECT_EQ(m.radio.BandModeFor(100'000'000), 2); // WFM up to 108 MHz
    page->OnSetActive();
    EXPECT_EQ(CellText(*grid, 1, 29), "150.0030");

    // A mode the user changes on its own changes only that nibble, and no edge rule runs.
    const Image before = m.radio.EditImage();
    m.prompt.messages.clear();
    grid->model()->setData(grid->model()->index(9, 1), 5, Qt::EditRole); // CW
    EXPECT_TRUE(m.prompt.messages.empty());
    ASSERT_TRUE(page->OnKillActive());
    Image expected = before;
    Byte& attributes = expected[RadioImageOffset(ri::BandEntry(9) + 3)];
    attributes = static_cast<Byte>((attributes & 0xF0) | 6);
    EXPECT_TRUE(expected == m.radio.EditImage());
}

TEST_F(AutoBandTest, EdgesOutOfRangeOrClosedAndFixedCellsAreRefused) {
    Open(kVersions[3]);
    for (const char* typed : {"1300", "0.1"}) {
        m.prompt.messages.clear();
        TypeInto(*grid, 1, 20, QString::fromLatin1(typed));
        ASSERT_EQ(m.prompt.messages.size(), 1u) << typed;
        EXPECT_EQ(m.prompt.LastText(), "Frequency must be between 0.1000 and 1300.0000");
        EXPECT_EQ(m.prompt.messages[0].caption, "AutoBand Error");
        EXPECT_EQ(CellText(*grid, 1, 20), "29.7000") << typed;
    }
    GoTo(*grid, 1, 20); // an emptied edge is out of range too
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(CellText(*grid, 1, 20), "29.7000");

    m.prompt.messages.clear();
    TypeInto(*grid, 1, 44, QStringLiteral("825")); // closed for this version
    ASSERT_EQ(m.prompt.messages.size(), 1u);
    EXPECT_TRUE(m.prompt.LastText().startsWith("825.00000 is not a valid frequency\n"));
    EXPECT_EQ(m.prompt.messages[0].caption, "");
    EXPECT_EQ(CellText(*grid, 1, 44), "896.0000");

    // The bottom edge and the top band cannot be edited; touching them says so.
    m.prompt.messages.clear();
    EXPECT_FALSE(Editable(1, 1));
    EXPECT_TRUE(Editable(2, 1));
    EXPECT_TRUE(Editable(1, 49));
    for (int c = 1; c <= 3; ++c)
        EXPECT_FALSE(Editable(c, 50)) << c;
    Click(2, 1);
    EXPECT_TRUE(m.prompt.messages.empty());
    Click(1, 1);
    Click(3, 50);
    ASSERT_EQ(m.prompt.messages.size(), 2u);
    EXPECT_EQ(m.prompt.LastText(), "The Lower and Upper Frequencies are not modifiable.");
    EXPECT_EQ(m.prompt.messages[1].caption, "Error");
    GoTo(*grid, 1, 50);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(CellText(*grid, 1, 50), "1300.0000");

    const Image before = m.radio.EditImage();
    ASSERT_TRUE(page->OnKillActive());
    EXPECT_TRUE(before == m.radio.EditImage());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(grid)->text(QAccessible::Name), "Band plan");
}
