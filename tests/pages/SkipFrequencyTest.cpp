#include "pages/SkipFrequency.h"
#include "GridInput.h"
#include "PageTestSupport.h"
#include "pages/ControlTable.h"
#include "pages/FrequencyField.h"
#include "pages/GridCells.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <gtest/gtest.h>

using namespace layout;

namespace {

class SkipFrequencyTest : public testing::Test {
protected:
    void Start(const Version& v) {
        m.NewFor(v);
        Open();
    }
    // The page over the data set as it stands.
    void Open() {
        page = std::make_unique<CSkipFrequency>(m.radio);
        page->resize(900, 600);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        page->OnSetActive();
        skip = page->SkipGrid();
        limits = page->LimitsGrid();
    }
    Byte* ri() { return m.ri(); }
    QString Mode(int hz) { return ModeName(m.radio.BandModeFor(hz)); }

    PageModel m;
    std::unique_ptr<CSkipFrequency> page;
    CSpreadSheet* skip = nullptr;
    CSpreadSheet* limits = nullptr;
};

} // namespace

TEST_F(SkipFrequencyTest, SkipEntriesTypedEmptiedAndStoredWithTheirUsedFlags) {
    m.NewFor(kVersions[0]);
    // Entry 5 in use, entry 6 not in use but with frequency bytes: it shows empty.
    m.radio.SetSkipUsed(5, true);
    EncodeDigits(ri() + ri::SkipFrequency(5), 433'000'000, 8);
    EncodeDigits(ri() + ri::SkipFrequency(6), 145'000'000, 8);
    m.radio.SetSkipUsed(7, true); // in use, frequency bytes all zero
    EncodeDigits(ri() + ri::SkipFrequency(7), 0, 8);
    ri()[ri::kSkipModes + 0] = 0xA8; // bits 3-7 belong to no one here
    Open();
    EXPECT_EQ(CellText(*skip, 1, 6), "433.00000");
    EXPECT_EQ(CellText(*skip, 1, 7), "");
    EXPECT_EQ(CellText(*skip, 1, 0), "Skip\nFrequency");

    // Values on the 50 Hz raster stay; others are cut to it, never rounded up past 100 Hz.
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"145.0125", "145.01250"},
                 {"145.01234", "145.01235"},
                 {"145.01238", "145.01230"},
                 {"145.01212", "145.01210"}};
    int row = 1;
    for (const auto& c : cases) {
        TypeInto(*skip, 1, row, QString::fromLatin1(c.typed));
        EXPECT_EQ(CellText(*skip, 1, row), c.shown) << c.typed;
        EXPECT_EQ(CellText(*skip, 2, row), Mode(145'012'500));
        ++row;
    }
    EXPECT_TRUE(m.prompt.messages.empty());
    // The mode follows as soon as a frequency is typed, before the cell is left.
    GoTo(*skip, 1, 9);
    for (QChar ch : QStringLiteral("433"))
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    page->setFocus();
    EXPECT_EQ(CellText(*skip, 2, 9), Mode(433'000'000));

    // A mode picked by hand gives way to the band plan when the frequency cell is left again.
    SetListIndexAt(*skip, 2, 1, 5);
    GoTo(*skip, 1, 1);
    QTest::keyClick(skip, Qt::Key_Down);
    EXPECT_EQ(CellText(*skip, 2, 1), Mode(145'012'500));

    TypeInto(*skip, 1, 5, QStringLiteral("0"), Qt::Key_Return); // no frequency: emptied
    EXPECT_EQ(CellText(*skip, 1, 5), "");
    GoTo(*skip, 1, 6); // the entry in use, emptied with Delete
    QTest::keyClick(skip, Qt::Key_Delete);
    EXPECT_EQ(CellText(*skip, 1, 6), "");

    ASSERT_TRUE(page->OnKillActive());
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(m.radio.IsSkipUsed(i)) << i;
    EXPECT_EQ(DecodeDigits(ri() + ri::SkipFrequency(1), 8), 145'012'350);
    EXPECT_EQ(ri()[ri::kSkipModes + 0], 0xA8 | m.radio.BandModeFor(145'012'500));
    // The page shows again what it stored.
    EXPECT_EQ(CellText(*skip, 1, 2), "145.01235");
    EXPECT_EQ(CellText(*skip, 2, 1), Mode(145'012'500));
    EXPECT_FALSE(m.radio.IsSkipUsed(4));
    EXPECT_FALSE(m.radio.IsSkipUsed(5));
    EXPECT_EQ(DecodeDigits(ri() + ri::SkipFrequency(5), 8), 0);
    // Entries nobody touched keep their flag and bytes.
    EXPECT_FALSE(m.radio.IsSkipUsed(6));
    EXPECT_EQ(DecodeDigits(ri() + ri::SkipFrequency(6), 8), 145'000'000);
    EXPECT_TRUE(m.radio.IsSkipUsed(7));
    EXPECT_EQ(ri()[ri::SkipFrequency(99)], 0xFF);

    page->OnSetActive();
    EXPECT_EQ(CellText(*skip, 1, 2), "145.01235");
    EXPECT_EQ(CellText(*skip, 1, 6), "");
}

TEST_F(SkipFrequencyTest, SearchLimitsRefuseFrequenciesTheReceiverCannotTune) {
    Start(kVersions[1]); // ham-band version: 200 MHz is closed
    EXPECT_EQ(CellText(*limits, 1, 1), "0.52000");
    EXPECT_EQ(CellText(*limits, 4, 10), "NFM");

    TypeInto(*limits, 3, 2, QStringLiteral("1305"));
    ASSERT_EQ(m.prompt.messages.size(), 1u);
    EXPECT_TRUE(m.prompt.LastText().startsWith("1305.00000 is not a valid frequency\n"));
    EXPECT_EQ(m.prompt.messages[0].caption, "");
    EXPECT_EQ(CellText(*limits, 3, 2), "");
    EXPECT_EQ(CurrentRow(*limits), 2); // the cursor stayed
    QTest::keyClick(limits, Qt::Key_Down);
    EXPECT_EQ(CurrentRow(*limits), 3); // the emptied cell may be left

    TypeInto(*limits, 1, 4, QStringLiteral("200"));
    EXPECT_TRUE(m.prompt.LastText().startsWith("200.00000 is not a valid frequency\n"));
    QTest::keyClick(limits, Qt::Key_Down);
    // A row emptied altogether stores 0 for both edges and modes.
    GoTo(*limits, 2, 4);
    QTest::keyClick(limits, Qt::Key_Delete);
    GoTo(*limits, 4, 4);
    QTest::keyClick(limits, Qt::Key_Delete);
    GoTo(*limits, 3, 4);
    QTest::keyClick(limits, Qt::Key_Delete);
    TypeInto(*limits, 1, 5, QStringLiteral("145"));
    EXPECT_EQ(CellText(*limits, 2, 5), Mode(145'000'000));

    ASSERT_TRUE(page->OnKillActive());
    EXPECT_EQ(DecodeDigits(ri() + ri::kVfoBandUpperEdges + 4, 8), 0);
    for (int offset : {ri::kVfoBandLowerEdges + 12, ri::kVfoBandUpperEdges + 12})
        EXPECT_EQ(DecodeDigits(ri() + offset, 8), 0);
    EXPECT_EQ(ri()[ri::kVfoLower.modes + 3], 0);
    EXPECT_EQ(ri()[ri::kVfoUpper.modes + 3], 0);
    EXPECT_EQ(DecodeDigits(ri() + ri::kVfoBandLowerEdges + 16, 8), 145'000'000);
    EXPECT_EQ(ri()[ri::kVfoLower.modes + 4], m.radio.BandModeFor(145'000'000));
}

TEST_F(SkipFrequencyTest, ControlsOwnTheirBitsAndKeepValuesOutsideTheirLists) {
    m.NewFor(kVersions[3]);
    ri()[ri::kResumeDelay] = 40;            // no such delay
    ri()[ri::kPriorityMode] = 0;            // no mode
    ri()[ri::kSpan300kHzBit.offset] = 0x5A; // span bit clear: 600 kHz
    ri()[ri::kBandScopeBit.offset] = 0x00;
    ri()[ri::kLimitSearchBit.offset] = 0xFE;
    Open();
    ControlTable& c = page->Controls();
    EXPECT_EQ(c.Selection(CSkipFrequency::kResumeDelay), -1);
    EXPECT_EQ(c.Selection(CSkipFrequency::kPriorityMode), -1);
    EXPECT_EQ(c.Selection(CSkipFrequency::kSpan), 1);
    EXPECT_EQ(c.Selection(CSkipFrequency::kScanMode), 0);
    EXPECT_EQ(page->PriorityFrequency()->text(), "100.00000");
    EXPECT_EQ(c.Combo(CSkipFrequency::kResumeDelay)->itemText(10), "11sec");

    c.SetSelection(CSkipFrequency::kSpan, 0); // 300 kHz
    c.SetSelection(CSkipFrequency::kBandScope, 1);
    c.SetSelection(CSkipFrequency::kLimitSearch, 1);
    c.SetSelection(CSkipFrequency::kScanMode, 2);
    c.SetSelection(CSkipFrequency::kSweepStepsB, 13);
    page->PriorityFrequency()->setText(QStringLiteral("1700"));
    ASSERT_TRUE(page->OnKillActive());
    // Too large for the frequency code: refused, and the stored frequency stays.
    EXPECT_TRUE(m.prompt.LastText().contains(QStringLiteral("1700")));
    EXPECT_EQ(DecodeDigits(ri() + ri::kPriorityFrequency, 8), 100'000'000);
    EXPECT_EQ(ri()[ri::kResumeDelay], 40);
    EXPECT_EQ(ri()[ri::kPriorityMode], 0);
    EXPECT_EQ(ri()[ri::kSpan300kHzBit.offset], 0x7A);
    EXPECT_EQ(ri()[ri::kBandScopeBit.offset], 0x08);
    EXPECT_EQ(ri()[ri::kLimitSearchBit.offset], 0xFF);
    EXPECT_EQ(ri()[ri::kScanMode], 2);
    EXPECT_EQ(ri()[ri::kSweepStepsB], 13);

    c.SetSelection(CSkipFrequency::kSpan, 1); // 600 kHz
    c.SetSelection(CSkipFrequency::kPriorityMode, 2);
    page->PriorityFrequency()->setText(QStringLiteral("146.52"));
    ASSERT_TRUE(page->OnKillActive());
    EXPECT_EQ(ri()[ri::kSpan300kHzBit.offset], 0x5A);
    EXPECT_EQ(ri()[ri::kPriorityMode], 3);
    EXPECT_EQ(DecodeDigits(ri() + ri::kPriorityFrequency, 8), 146'520'000);
    EXPECT_EQ(page->PriorityFrequency()->text(), "146.52000");

    // A screen reader can name every control.
    const QStringList unnamed =
        UnnamedControls<QComboBox, QCheckBox, QRadioButton, QLineEdit, QTableView>(page.get());
    EXPECT_EQ(unnamed, QStringList());
}
