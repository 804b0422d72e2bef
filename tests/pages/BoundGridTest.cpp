// What lands in the image when a user edits the channel grid: only what was changed, each
// channel's hidden bytes kept, and a value typed back as it was changes nothing.

#include "GridInput.h"
#include "PageTestSupport.h"
#include "pages/MemoryView.h"
#include "pages/Page2.h"
#include "radio/Records.h"

#include <gtest/gtest.h>

using namespace layout;
using records::MemoryChannel;

namespace {

// The offsets of the clone image whose bytes differ.
std::vector<int> Differences(const Image& a, const Image& b) {
    std::vector<int> offsets;
    for (int i = kRadioImage; i < kRadioImage + kRadioImageSize; ++i)
        if (a[i] != b[i])
            offsets.push_back(i - kRadioImage);
    return offsets;
}

std::vector<int> Span(int first, int count) {
    std::vector<int> offsets;
    for (int i = 0; i < count; ++i)
        offsets.push_back(first + i);
    return offsets;
}

} // namespace

TEST(BoundGrid, ChannelEditsWriteOnlyWhatChanged) {
    PageModel m;
    m.NewFor(kVersions[3]);
    // Channel 7 is not in use but holds a name and flag bits of an earlier life; channel 5 is
    // in use with a flag bit no column owns.
    MemoryChannel hidden(m.ri(), 7), used(m.ri(), 5);
    hidden.Clear();
    ASSERT_TRUE(hidden.SetName(QStringLiteral("HIDDEN")));
    m.ri()[ri::ChannelFlag(7)] = 0x48 | 2;
    used.SetInUse(true);
    used.SetFrequencyHz(145'500'000);
    used.SetModeCode(1);
    ASSERT_TRUE(used.SetName(QStringLiteral("CALL")));
    m.ri()[ri::ChannelFlag(5)] |= 0x80;
    m.radio.MarkSaved();

    CMemoryView view(m.radio);
    view.resize(800, 600);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    CSpreadSheet& grid = *view.Grid();
    EXPECT_EQ(CellText(grid, 3, 7), QString()); // a channel not in use shows nothing
    EXPECT_EQ(CellText(grid, 3, 5), QStringLiteral("CALL"));

    // The name typed back as it was: nothing to write.
    TypeInto(grid, 3, 5, QStringLiteral("CALL"));
    ASSERT_TRUE(view.OnKillActive());
    EXPECT_EQ(Differences(m.radio.SavedImage(), m.radio.EditImage()), std::vector<int>{});

    // A new name: its eight bytes and nothing else, the flag bit no column owns included.
    TypeInto(grid, 3, 5, QStringLiteral("HOME"));
    ASSERT_TRUE(view.OnKillActive());
    EXPECT_EQ(Differences(m.radio.SavedImage(), m.radio.EditImage()), Span(ri::ChannelName(5), 4));
    EXPECT_EQ(m.ri()[ri::ChannelFlag(5)] & 0x80, 0x80);

    // A frequency typed into the unused channel brings it into use without its old name or
    // preferential flag; the mode comes from the band plan.
    m.radio.MarkSaved();
    TypeInto(grid, 1, 7, QStringLiteral("433,5")); // a decimal comma reads as the point
    ASSERT_TRUE(view.OnKillActive());
    EXPECT_TRUE(hidden.InUse());
    EXPECT_EQ(hidden.FrequencyHz(), 433'500'000);
    EXPECT_EQ(hidden.Name(), QString());
    EXPECT_FALSE(hidden.Preferential());
    EXPECT_EQ(hidden.ModeCode(), m.radio.BandModeFor(433'500'000));
    EXPECT_EQ(m.ri()[ri::ChannelFlag(7)] & 0x08, 0x08);
    view.FillGrid();
    EXPECT_EQ(CellText(grid, 1, 7), QStringLiteral("433.50000"));
    EXPECT_EQ(CellText(grid, 2, 7), ModeName(hidden.ModeCode()));

    // Emptying the frequency takes the channel out of use; its name goes, its mode stays.
    grid.WriteCell(1, 5, QString());
    ASSERT_TRUE(view.OnKillActive());
    EXPECT_FALSE(used.InUse());
    EXPECT_EQ(used.Name(), QString());
    EXPECT_EQ(used.ModeCode(), 1);
    EXPECT_EQ(used.FrequencyHz(), 145'500'000);
}

TEST(BoundGrid, PresetValuesOutsideTheListsSurviveEditsBesideThem) {
    PageModel m;
    m.NewFor(kVersions[3]);
    records::GroupEntry entry = records::PresetEntry(m.ri(), 1, 0);
    entry.SetModeByte(9);  // no mode has this code
    entry.SetStepByte(77); // nor any step
    m.radio.MarkSaved();
    CPage2 page(m.radio);
    ASSERT_TRUE(page.OnSetActive());
    CSpreadSheet& right = *page.RightGrid();
    EXPECT_EQ(CellText(right, 2, 1), QString());
    right.WriteCell(1, 1, QStringLiteral("146.00000"));
    ASSERT_TRUE(page.OnKillActive());
    EXPECT_EQ(entry.FrequencyHz(), 146'000'000);
    EXPECT_EQ(entry.ModeByte(), 9);
    EXPECT_EQ(entry.StepByte(), 77);
    // Emptying a step makes it Auto, never a byte the receiver has no step for.
    records::GroupEntry next = records::PresetEntry(m.ri(), 1, 1);
    EXPECT_EQ(CellText(right, 3, 2), PresetStepNames().value(next.StepByte()));
    right.WriteCell(3, 2, QStringLiteral("100 kHz"));
    right.WriteCell(3, 1, QStringLiteral("100 kHz"));
    ASSERT_TRUE(page.OnKillActive());
    EXPECT_EQ(next.StepByte(), PresetStepNames().indexOf("100 kHz"));
    EXPECT_EQ(entry.StepByte(), PresetStepNames().indexOf("100 kHz"));
    right.WriteCell(3, 2, QString());
    ASSERT_TRUE(page.OnKillActive());
    EXPECT_EQ(next.StepByte(), 0);
}
