#include "pages/Page2.h"
#include "PageTestSupport.h"
#include "pages/SpreadSheet.h"

#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

using namespace layout::ri;

namespace {
class Page2Test : public testing::Test {
protected:
    PageModel m;
    CPage2 page{m.radio};

    template <typename F> void Edit(F edit) {
        page.OnSetActive();
        edit();
        EXPECT_TRUE(page.OnKillActive());
    }
    static QString Text(CSpreadSheet* grid, int column, int row) {
        QString text;
        grid->ReadCell(column, row, text);
        return text;
    }
    static int Index(CSpreadSheet* grid, int column, int row) {
        grid->SetCurrentColumn(column);
        grid->SetCurrentRow(row);
        return grid->GetListIndex();
    }
    static void Choose(CSpreadSheet* grid, int column, int row, int index) {
        grid->SetCurrentColumn(column);
        grid->SetCurrentRow(row);
        grid->SetListIndex(index);
    }
    // The grid's leave-cell event, as the grid raises it when the cursor moves on.
    static bool Leave(CSpreadSheet* grid, int column, int row) {
        bool cancel = false;
        emit grid->LeavingCell(column, row, column + 1, row, cancel);
        return cancel;
    }
    int Entry(const Group10& g, int k) { return DecodeDigits(m.ri() + g.frequencies + 4 * k, 8); }
};
} // namespace

TEST_F(Page2Test, ShowingAndLeavingChangesNoByte) {
    m.NewFor(kVersions[0]);
    const Image fresh = m.radio.EditImage();
    EXPECT_TRUE(page.OnKillActive()); // never shown: nothing to store
    EXPECT_EQ(m.radio.EditImage(), fresh);
    for (const Version& v : kVersions) {
        m.NewFor(v);
        const Image before = m.radio.EditImage();
        Edit([] {});
        EXPECT_EQ(m.radio.EditImage(), before) << v.name;
    }
    // Random bytes: modes, steps and channel bytes outside their lists, codes the encoder never
    // writes; with the TV list and with the weather list.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        WriteCountrySettings(seed % 2 ? 0 : 4, 0);
        m.FillRandom(seed);
        Edit([] {});
        EXPECT_EQ(m.radio.EditImage(), m.radio.SavedImage()) << "seed " << seed;
    }
    EXPECT_TRUE(m.prompt.messages.empty());
}

TEST_F(Page2Test, GridsShowBothGroupsButNeverTheFirstEntryOfTheFirst) {
    m.NewFor(kVersions[3]); // general
    CSpreadSheet* left = page.LeftGrid();
    CSpreadSheet* right = page.RightGrid();
    page.OnSetActive();
    EXPECT_EQ(left->RowCount(), 9);
    EXPECT_EQ(right->RowCount(), 10);
    EXPECT_EQ(Text(left, 1, 0), "Receive\nFrequency");
    EXPECT_EQ(Text(right, 3, 0), "Step\nSize");
    EXPECT_EQ(left->ListItems(2), ModeNames());
    EXPECT_EQ(left->ListItems(3), PresetStepNames());
    EXPECT_EQ(Text(left, 1, 1), "0.52000"); // entry 1; entry 0 holds 5 MHz
    EXPECT_EQ(Text(left, 2, 1), "AM");
    EXPECT_EQ(Text(left, 3, 1), "Auto");
    EXPECT_EQ(Text(left, 1, 9), "1240.00000");
    EXPECT_EQ(Text(right, 1, 1), "0.52000");
    EXPECT_EQ(Text(right, 1, 2), "1.80000");
    EXPECT_EQ(Text(right, 2, 10), "NFM");

    // Whatever is done to the left grid, entry 0 keeps its bytes.
    const std::array<Byte, 4> entry0 = {0x00, 0x50, 0x00, 0x00};
    ASSERT_TRUE(std::equal(entry0.begin(), entry0.end(), m.ri() + kPresetA.frequencies));
    for (int row = 1; row <= 9; ++row) {
        left->WriteCell(1, row, "");
        Choose(left, 2, row, 5);
        Choose(left, 3, row, 14);
    }
    page.OnKillActive();
    EXPECT_TRUE(std::equal(entry0.begin(), entry0.end(), m.ri() + kPresetA.frequencies));
    EXPECT_EQ(m.ri()[kPresetA.modes], 3);
    EXPECT_EQ(m.ri()[kPresetA.steps], 0);
    EXPECT_EQ(Entry(kPresetA, 1), 0);
    EXPECT_EQ(m.ri()[kPresetA.modes + 9], 6);
    EXPECT_EQ(m.ri()[kPresetA.steps + 9], 14);
}

TEST_F(Page2Test, EditedRowsAreStoredAndTypedFrequenciesFollowTheBandPlan) {
    m.NewFor(kVersions[3]);
    CSpreadSheet* right = page.RightGrid();
    Edit([&] {
        right->WriteCell(1, 3, "145.01238");
        EXPECT_FALSE(Leave(right, 1, 3));
        EXPECT_EQ(Text(right, 1, 3), "145.01230");
        EXPECT_EQ(Text(right, 2, 3), ModeName(m.radio.BandModeFor(145'012'300)));
        // A mode chosen by hand goes when the cursor leaves the frequency again; the step
        // is never changed for the user.
        Choose(right, 2, 3, 5);
        Choose(right, 3, 3, 7);
        Leave(right, 1, 3);
        EXPECT_EQ(Index(right, 2, 3), m.radio.BandModeFor(145'012'300) - 1);
        EXPECT_EQ(Index(right, 3, 3), 7);
        // A row with its mode taken away stores mode 0.
        Choose(right, 2, 4, -1);
    });
    EXPECT_EQ(Entry(kPresetB, 2), 145'012'300);
    EXPECT_EQ(m.ri()[kPresetB.modes + 2], m.radio.BandModeFor(145'012'300));
    EXPECT_EQ(m.ri()[kPresetB.steps + 2], 7);
    EXPECT_EQ(m.ri()[kPresetB.modes + 3], 0);

    // A frequency the receiver cannot take is refused, emptied, and the cursor stays.
    Edit([&] {
        CSpreadSheet* left = page.LeftGrid();
        left->WriteCell(1, 2, "1305");
        EXPECT_TRUE(Leave(left, 1, 2));
        ASSERT_EQ(m.prompt.messages.size(), 1u);
        EXPECT_TRUE(m.prompt.LastText().startsWith("1305.00000 is not a valid frequency\n"));
        EXPECT_EQ(Text(left, 1, 2), "");
        EXPECT_FALSE(Leave(left, 1, 2)); // the emptied cell may be left
        // Text the leave-cell check never saw (the page was switched) and the 8-digit code
        // cannot hold leaves the entry as it was.
        left->WriteCell(1, 3, "1700");
    });
    EXPECT_EQ(Entry(kPresetA, 2), 0);
    EXPECT_EQ(Entry(kPresetA, 3), 7'000'000);
}

TEST_F(Page2Test, ChannelListFollowsTheCountrySettings) {
    m.NewFor(kVersions[0]); // Japan: TV channels
    m.ri()[kChannelChoice] = 13;
    Edit([&] {
        EXPECT_EQ(page.ChannelLabel()->text(), "TV Channels");
        EXPECT_EQ(page.ChannelList()->count(), 62);
        EXPECT_EQ(page.ChannelList()->itemText(61), "Chan 62");
        EXPECT_EQ(page.ChannelList()->currentText(), "Chan 13");
        page.ChannelList()->setCurrentIndex(0);
    });
    EXPECT_EQ(m.ri()[kChannelChoice], 1);

    for (const Version& v : {kVersions[1], kVersions[2], kVersions[3]}) {
        WriteCountrySettings(v.country, v.wideband);
        m.ri()[kChannelChoice] = 0;
        Edit([&] {
            EXPECT_EQ(page.ChannelLabel()->text(), "Weather Channels") << v.name;
            EXPECT_EQ(page.ChannelList()->count(), 10);
            EXPECT_EQ(page.ChannelList()->currentText(), "162.5500 MHz");
            page.ChannelList()->setCurrentIndex(9);
            EXPECT_EQ(page.ChannelList()->currentText(), "163.2750 MHz");
        });
        EXPECT_EQ(m.ri()[kChannelChoice], 9);
    }
    m.ri()[kChannelChoice] = 20; // outside the list: no selection, kept
    Edit([&] { EXPECT_EQ(page.ChannelList()->currentIndex(), -1); });
    EXPECT_EQ(m.ri()[kChannelChoice], 20);
}

TEST_F(Page2Test, EveryControlIsNamedAndHasItsOwnPlace) {
    EXPECT_EQ(page.Title(), "Preset Mode");
    EXPECT_EQ(page.HelpContext(), 106);
    m.NewFor(kVersions[3]);
    page.OnSetActive();
    EXPECT_EQ(SpokenName(page.ChannelList()), "Weather Channels");
    EXPECT_FALSE(SpokenName(page.LeftGrid()).isEmpty());
    EXPECT_FALSE(SpokenName(page.RightGrid()).isEmpty());
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(page.RightGrid());
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(grid->tableInterface(), nullptr);
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(0, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "0.52000");
    EXPECT_EQ((OverlappingControls<CSpreadSheet, QComboBox, QLabel>(&page)), QStringList());
}
