// The filter above the channel list: it hides rows, never moves or renumbers channels, works
// with Hide Unused, and what is edited in a filtered view lands on the channel it shows.

#include "AppTestSupport.h"

#include "app/EditHistory.h"
#include "pages/ChannelFinder.h"
#include "pages/FilterBar.h"
#include "pages/GridInput.h"
#include "radio/Backups.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

namespace {

class ChannelFilterTest : public AppTest {
protected:
    // 1 ONE 145, 2 TWO 146, 3 EDGE 809.998 (NFM); 150 AIRPORT 118.1, 151 TOWER 119 (AM).
    void StartWithChannels() {
        CVR500Radio maker;
        maker.NewImage();
        const struct {
            int n, hz, mode;
            const char* name;
        } channels[] = {{1, 145'000'000, 1, "ONE"},
                        {2, 146'000'000, 1, "TWO"},
                        {3, 809'998'000, 1, "EDGE"},
                        {150, 118'100'000, 3, "AIRPORT"},
                        {151, 119'000'000, 3, "TOWER"}};
        for (const auto& c : channels) {
            records::MemoryChannel channel(maker.EditRadio(), c.n);
            channel.SetInUse(true);
            channel.SetFrequencyHz(c.hz);
            channel.SetModeCode(c.mode);
            channel.SetName(QString::fromLatin1(c.name));
        }
        ASSERT_TRUE(maker.SaveTo(Path("filter.rdf")));
        Start(kLanguageEnglishUS, {Path("filter.rdf")});
    }
    CSpreadSheet* Sheet() const { return Host()->MemoryView()->Grid(); }
    CFilterBar* Bar() const { return Host()->MemoryView()->FilterBar(); }
    // The channels whose rows are shown.
    std::vector<int> Shown() const {
        std::vector<int> rows;
        for (int row = 1; row <= CMemoryView::kRows; ++row)
            if (!Sheet()->isRowHidden(row - 1))
                rows.push_back(row);
        return rows;
    }
    void Select(int first, int last) {
        Sheet()->SetCurrentColumn(1);
        Sheet()->SetCurrentRow(first);
        Sheet()->SetLastColumn(4);
        Sheet()->SetLastRow(last);
        Sheet()->SetOperation(CSpreadSheet::OpSelect);
    }
    QString Name(const CVR500Radio& radio, int n) const {
        Image image = radio.EditImage();
        return records::MemoryChannel(image.data() + layout::kRadioImage, n).Name();
    }
};

using Rows = std::vector<int>;

} // namespace

TEST_F(ChannelFilterTest, FilteredRowsKeepTheirNumbersAndEditsLandOnTheChannelShown) {
    StartWithChannels();
    Grid()->setCurrentIndex(FrequencyCell(1));

    // Ctrl+L goes to the filter; the cursor follows to the first channel shown.
    QTest::keyClick(Grid(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), Bar()->TextField());
    QTest::keyClicks(Bar()->TextField(), QStringLiteral("air"));
    EXPECT_EQ(Shown(), Rows({150}));
    EXPECT_EQ(Grid()->model()->headerData(149, Qt::Vertical).toString(), QStringLiteral("150"));
    EXPECT_EQ(CurrentRow(*Sheet()), 150);
    QTest::keyClicks(Bar()->TextField(), QStringLiteral("x"));
    EXPECT_EQ(Shown(), Rows({150})); // nothing matches; the cursor's row stays
    Bar()->TextField()->setText(QStringLiteral("118.1"));
    EXPECT_EQ(Shown(), Rows({150}));

    // Bank 1 and AM: both air channels; typing in the second lands on channel 151.
    Bar()->TextField()->clear();
    Bar()->BankList()->setCurrentIndex(2);
    Bar()->ModeList()->setCurrentText(QStringLiteral("AM"));
    EXPECT_EQ(Shown(), Rows({150, 151}));
    TypeInto(*Sheet(), 3, 151, QStringLiteral("TWR"), Qt::Key_Return);
    EXPECT_EQ(::CellText(*Sheet(), 3, 151), QStringLiteral("TWR"));

    // A band with channels in use between selected rows the filter hides: Clear and Fill Down
    // change only the rows shown.
    Bar()->Clear();
    Bar()->InUseBox()->setChecked(true);
    Bar()->FromField()->setText(QStringLiteral("100"));
    Bar()->ToField()->setText(QStringLiteral("200"));
    EXPECT_EQ(Shown(), Rows({1, 2, 150, 151}));
    Sheet()->setCurrentIndex(Sheet()->model()->index(0, 2));
    Select(1, 150);
    Frame()->Action(CMainFrame::ID_FILL_DOWN)->trigger();
    EXPECT_EQ(::CellText(*Sheet(), 3, 150), QStringLiteral("ONE"));
    EXPECT_EQ(::CellText(*Sheet(), 3, 3), QStringLiteral("EDGE"));
    Select(2, 150);
    Frame()->Action(CMainFrame::ID_EDIT_CLEAR)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(::CellText(*Sheet(), 1, 2), QString());
    EXPECT_EQ(::CellText(*Sheet(), 1, 150), QString());
    EXPECT_EQ(::CellText(*Sheet(), 1, 3), QStringLiteral("809.99800"));
    // Cut and Move work on a run of channels: across the hidden channel 3 they refuse and say so.
    Select(1, 150);
    prompt.messages.clear();
    Frame()->Action(CMainFrame::ID_EDIT_CUT)->trigger();
    Select(2, 3);
    Frame()->Action(CMainFrame::ID_EDIT_MOVE_DOWN)->trigger();
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_TRUE(prompt.messages[0].text.startsWith("Cut would reach channel 3, which the filter"))
        << qPrintable(prompt.messages[0].text);
    EXPECT_EQ(::CellText(*Sheet(), 1, 1), QStringLiteral("145.00000"));
    EXPECT_EQ(::CellText(*Sheet(), 3, 3), QStringLiteral("EDGE"));
    EXPECT_EQ(::CellText(*Sheet(), 3, 4), QString());

    // Escape in the filter shows every row again; the file holds what was shown.
    Bar()->FocusText();
    QTest::keyClick(Bar()->TextField(), Qt::Key_Escape);
    EXPECT_TRUE(Bar()->Filter().IsEmpty());
    EXPECT_EQ(Shown().size(), 1000u);
    ASSERT_TRUE(Frame()->CommitPages());
    ASSERT_TRUE(Radio().SaveTo(Path("out.rdf")));
    CVR500Radio saved;
    ASSERT_TRUE(saved.LoadFile(Path("out.rdf")));
    EXPECT_EQ(Name(saved, 1), QStringLiteral("ONE"));
    EXPECT_FALSE(saved.IsChannelUsed(2));
    EXPECT_EQ(Name(saved, 3), QStringLiteral("EDGE"));
    EXPECT_FALSE(saved.IsChannelUsed(150));
    EXPECT_EQ(Name(saved, 151), QStringLiteral("TWR"));

    // Every control has a name a screen reader says.
    for (QWidget* control : Bar()->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) || !control->focusPolicy())
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << control->metaObject()->className();
    }
}

TEST_F(ChannelFilterTest, HideUnusedAndTheFilterDecideTogether) {
    StartWithChannels();
    Grid()->setCurrentIndex(FrequencyCell(1));
    QAction* hideUnused = Frame()->Action(CMainFrame::ID_HIDE_UNUSED);
    hideUnused->trigger();
    EXPECT_EQ(Shown(), Rows({1, 2, 3, 150, 151}));
    Bar()->BankList()->setCurrentIndex(1); // bank 0
    EXPECT_EQ(Shown(), Rows({1, 2, 3}));
    hideUnused->trigger(); // the filter still holds
    EXPECT_EQ(Shown().size(), 100u);
    hideUnused->trigger();
    Bar()->Clear(); // Hide Unused still holds
    EXPECT_EQ(Shown(), Rows({1, 2, 3, 150, 151}));

    // A channel taken out of use keeps its row while the cursor is on it.
    Grid()->setCurrentIndex(FrequencyCell(2));
    Select(2, 2);
    Frame()->Action(CMainFrame::ID_EDIT_CLEAR)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(Shown(), Rows({1, 2, 3, 150, 151}));
    Grid()->setCurrentIndex(FrequencyCell(1));
    Frame()->History()->Finder()->RefreshHidden();
    EXPECT_EQ(Shown(), Rows({1, 3, 150, 151}));
}

TEST_F(ChannelFilterTest, ChangedSinceOpenedAndSinceTheLastRead) {
    StartWithChannels();
    // The newest backup of a read differs from the file in channel 3.
    Image read = Radio().EditImage();
    records::MemoryChannel(read.data() + layout::kRadioImage, 3).SetName(QStringLiteral("OLD"));
    ASSERT_FALSE(backups::Write(read).path.isEmpty());

    TypeInto(*Sheet(), 3, 151, QStringLiteral("NEW"));
    QCoreApplication::processEvents();
    Grid()->setCurrentIndex(FrequencyCell(1));
    Bar()->ChangedSinceOpenedBox()->setChecked(true);
    EXPECT_EQ(Shown(), Rows({151}));
    Bar()->ChangedSinceOpenedBox()->setChecked(false);
    Bar()->ChangedSinceReadBox()->setChecked(true);
    EXPECT_EQ(Shown(), Rows({3, 151})); // 3 as read, 151 as edited since
    Bar()->ChangedSinceOpenedBox()->setChecked(true);
    EXPECT_EQ(Shown(), Rows({151}));

    // Saved, nothing is changed since the file; undone, the edit is again.
    ASSERT_TRUE(Radio().SaveTo(Path("saved.rdf")));
    Bar()->ChangedSinceReadBox()->setChecked(false);
    Grid()->setCurrentIndex(FrequencyCell(1));
    Frame()->History()->Finder()->RefreshHidden();
    EXPECT_EQ(Shown(), Rows({1})); // the cursor's row alone
    Frame()->Action(CMainFrame::ID_EDIT_UNDO)->trigger();
    EXPECT_FALSE(Sheet()->isRowHidden(150));
    EXPECT_TRUE(Sheet()->isRowHidden(149));
}

// A click on a column header orders the view only: rows keep their channel numbers, edits
// land on the channel shown, a run of channels scattered by the order is refused, and the third
// click brings channel order back; memory never moves.
TEST_F(ChannelFilterTest, HeaderClicksOrderTheViewWithoutMovingChannels) {
    StartWithChannels();
    QHeaderView* header = Sheet()->horizontalHeader();
    const auto click = [header](int section) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(section) + 5, 5));
    };
    const auto shownOrder = [this](int count) {
        Rows rows;
        for (int visual = 0; visual < count; ++visual)
            rows.push_back(Sheet()->verticalHeader()->logicalIndex(visual) + 1);
        return rows;
    };

    click(2); // Channel Name
    EXPECT_EQ(shownOrder(6), Rows({150, 3, 1, 151, 2, 4}));
    EXPECT_EQ(header->sortIndicatorSection(), 2);
    TypeInto(*Sheet(), 3, 3, QStringLiteral("EDGE2"), Qt::Key_Return);
    EXPECT_EQ(::CellText(*Sheet(), 3, 3), QStringLiteral("EDGE2"));

    // Channels 150 and 3 sit side by side in this order; Cut of 3..150 would take 147 more.
    Sheet()->selectionModel()->clearSelection();
    Sheet()->selectRow(149);
    Sheet()->selectionModel()->select(Sheet()->model()->index(2, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    prompt.messages.clear();
    Frame()->Action(CMainFrame::ID_EDIT_CUT)->trigger();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.messages[0].text.startsWith("Cut works on channels that follow each other"))
        << qPrintable(prompt.messages[0].text);
    EXPECT_EQ(::CellText(*Sheet(), 3, 150), QStringLiteral("AIRPORT"));

    click(0); // Receive Frequency, then the other way, then channel order
    EXPECT_EQ(shownOrder(5), Rows({150, 151, 1, 2, 3}));
    click(0);
    EXPECT_EQ(shownOrder(5), Rows({3, 2, 1, 151, 150}));
    click(0);
    EXPECT_EQ(shownOrder(5), Rows({1, 2, 3, 4, 5}));
    EXPECT_FALSE(header->isSortIndicatorShown());

    ASSERT_TRUE(Frame()->CommitPages());
    EXPECT_EQ(Name(Radio(), 1), QStringLiteral("ONE"));
    EXPECT_EQ(Name(Radio(), 3), QStringLiteral("EDGE2"));
    EXPECT_EQ(Name(Radio(), 150), QStringLiteral("AIRPORT"));
}
