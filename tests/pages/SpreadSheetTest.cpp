#include "pages/SpreadSheet.h"
#include "pages/FrequencyCell.h"
#include "radio/Radio.h"
#include "radio/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A memory-list shaped grid: frequency, mode list, name, check box.
class SheetTest : public testing::Test {
protected:
    SheetTest() {
        grid.SetShape(4, 20);
        grid.SetColumnKind(1, CellKind::Frequency);
        grid.SetColumnKind(2, CellKind::List);
        grid.SetColumnKind(4, CellKind::Check);
        grid.SetColumnMaxLength(3, 8);
        grid.SetColumnCharFilter(3, [](QChar c) { return c.unicode() < 0x80; });
        grid.SetCurrentColumn(2);
        grid.SetLastColumn(2);
        grid.SetListItems(QStringLiteral("NFM\tWFM\tAM\tLSB\tUSB\tCW"));
        grid.resize(500, 400);
    }
    void Row(int row, const char* freq, int mode, const char* name, const char* check) {
        grid.WriteCell(1, row, QString::fromLatin1(freq));
        grid.SetCurrentColumn(2);
        grid.SetCurrentRow(row);
        grid.SetListIndex(mode);
        grid.WriteCell(3, row, QString::fromLatin1(name));
        grid.WriteCell(4, row, QString::fromLatin1(check));
    }
    QString Text(int col, int row) {
        QString t;
        grid.ReadCell(col, row, t);
        return t;
    }
    QString RowText(int row) {
        return QStringList{Text(1, row), Text(2, row), Text(3, row), Text(4, row)}.join('|');
    }
    void Range(int c1, int r1, int c2, int r2) {
        grid.SetCurrentColumn(c1);
        grid.SetCurrentRow(r1);
        grid.SetLastColumn(c2);
        grid.SetLastRow(r2);
    }
    CSpreadSheet grid;
};

} // namespace

TEST_F(SheetTest, CellsRangesAndBlockOperations) {
    Row(1, "145.00000", 0, "ONE", "1");
    Row(2, "430.00000", 2, "TWO", "0");
    Row(3, "", -1, "", "");
    EXPECT_EQ(RowText(1), "145.00000|NFM|ONE|1");
    EXPECT_EQ(RowText(2), "430.00000|AM|TWO|0");
    grid.SetCurrentColumn(2);
    grid.SetCurrentRow(3);
    EXPECT_EQ(grid.GetListIndex(), -1);
    grid.SetListIndex(9); // not an item: no item
    EXPECT_EQ(grid.GetListIndex(), -1);
    EXPECT_EQ(grid.ReadCellFrequency(1, 2), 430'000'000);
    EXPECT_EQ(grid.ReadCellFrequency(1, 3), 0);
    grid.WriteCell(1, 0, QStringLiteral("Receive\nFrequency"));
    EXPECT_EQ(Text(1, 0), "Receive\nFrequency");
    EXPECT_EQ(Text(0, 7), "7");
    QString out;
    EXPECT_FALSE(grid.ReadCell(5, 1, out));
    EXPECT_FALSE(grid.ReadCell(1, 21, out));

    // Range mode puts reach the whole range; without it only the current cell.
    Range(3, 5, 3, 7);
    grid.SetCellText(QStringLiteral("X"));
    EXPECT_EQ(Text(3, 5), "X");
    EXPECT_EQ(Text(3, 6), "");
    grid.SetRangeMode(true);
    grid.SetCellText(QStringLiteral("Y"));
    grid.SetRangeMode(false);
    EXPECT_EQ(Text(3, 7), "Y");

    // Copy, move, swap (apart and one row away), clear.
    Range(1, 1, 4, 2);
    grid.SetTargetColumn(1);
    grid.SetTargetRow(10);
    grid.SetOperation(CSpreadSheet::OpCopyTo);
    EXPECT_EQ(RowText(10), RowText(1));
    EXPECT_EQ(RowText(11), RowText(2));
    Range(1, 10, 4, 11);
    grid.SetTargetRow(11);
    grid.SetOperation(CSpreadSheet::OpMoveTo);
    EXPECT_EQ(RowText(10), "|||");
    EXPECT_EQ(RowText(11), "145.00000|NFM|ONE|1");
    EXPECT_EQ(RowText(12), "430.00000|AM|TWO|0");
    Range(1, 1, 4, 1);
    grid.SetTargetRow(2);
    grid.SetOperation(CSpreadSheet::OpSwap);
    EXPECT_EQ(RowText(1), "430.00000|AM|TWO|0");
    EXPECT_EQ(RowText(2), "145.00000|NFM|ONE|1");
    Row(3, "50.00000", 1, "THREE", "0");
    Range(1, 2, 4, 3); // a block of two moved up by one: row 1 goes below it
    grid.SetTargetRow(1);
    grid.SetOperation(CSpreadSheet::OpSwap);
    EXPECT_EQ(RowText(1), "145.00000|NFM|ONE|1");
    EXPECT_EQ(RowText(2), "50.00000|WFM|THREE|0");
    EXPECT_EQ(RowText(3), "430.00000|AM|TWO|0");
    grid.SetTargetRow(20); // a target that does not fit changes nothing
    grid.SetOperation(CSpreadSheet::OpSwap);
    EXPECT_EQ(RowText(2), "50.00000|WFM|THREE|0");
    Range(1, 11, 4, 12);
    grid.SetOperation(CSpreadSheet::OpClear);
    EXPECT_EQ(RowText(11) + RowText(12), "||||||");
}

TEST_F(SheetTest, SortKeepsEmptyRowsLastAndUsesTheSecondKey) {
    Row(1, "", -1, "EMPTY", "");
    Row(2, "430.00000", 0, "B", "0");
    Row(3, "145.00000", 2, "A", "1");
    Row(4, "430.00000", 0, "A", "1");
    Row(5, "88.00000", 1, "Z", "0");
    grid.SetSortOrientation(0);
    grid.SetSortKeyColumn(1, 1);
    grid.SetSortKeyOrder(1, CSpreadSheet::Ascending);
    grid.SetSortKeyColumn(2, 3);
    Range(1, 1, 4, 5);
    grid.SetOperation(CSpreadSheet::OpSort);
    EXPECT_EQ(Text(3, 1) + Text(3, 2) + Text(3, 3) + Text(3, 4) + Text(3, 5), "ZAABEMPTY");
    grid.SetSortKeyOrder(1, CSpreadSheet::Descending);
    grid.SetSortKeyColumn(2, 0);
    grid.SetOperation(CSpreadSheet::OpSort);
    // Descending, stable among equals, the empty frequency still last.
    EXPECT_EQ(Text(3, 1) + Text(3, 2) + Text(3, 3) + Text(3, 4) + Text(3, 5), "ABAZEMPTY");
    Range(1, 2, 4, 3); // rows outside the range stay
    grid.SetSortKeyColumn(1, 3);
    grid.SetSortKeyOrder(1, CSpreadSheet::Ascending);
    grid.SetOperation(CSpreadSheet::OpSort);
    EXPECT_EQ(Text(3, 1) + Text(3, 2) + Text(3, 3) + Text(3, 4), "AABZ");
}

TEST_F(SheetTest, ChangedRowsAreThoseWhoseValuesDiffer) {
    Row(1, "145.00000", 0, "ONE", "1");
    Row(2, "430.00000", 2, "TWO", "0");
    grid.ResetChangedRows();
    Row(1, "145.00000", 0, "ONE", "1"); // same values
    EXPECT_FALSE(grid.IsRowChanged(1));
    Range(1, 1, 4, 1);
    grid.SetTargetRow(2);
    grid.SetOperation(CSpreadSheet::OpSwap);
    EXPECT_TRUE(grid.IsRowChanged(1));
    EXPECT_TRUE(grid.IsRowChanged(2));
    EXPECT_FALSE(grid.IsRowChanged(3));
    grid.ResetChangedRows();
    Range(1, 5, 4, 6); // clearing empty rows changes nothing
    grid.SetOperation(CSpreadSheet::OpClear);
    EXPECT_FALSE(grid.IsRowChanged(5));
}

// A cell is changed while its value differs from the one it had at the last reset, whoever
// changed it; a value changed back is not changed.
TEST_F(SheetTest, ChangedCellsCompareWithTheValuesLoaded) {
    Row(1, "", -1, "NEW", ""); // a grid never reset counts as loaded empty
    EXPECT_TRUE(grid.IsCellChanged(3, 1));
    EXPECT_FALSE(grid.IsCellChanged(1, 1));
    Row(1, "145.00000", 0, "ONE", "1");
    Row(2, "50.00000", 1, "THREE", "0");
    Row(3, "430.00000", 2, "TWO", "0");
    grid.ResetChangedRows();
    EXPECT_FALSE(grid.IsRowChanged(1) || grid.IsRowChanged(2) || grid.IsRowChanged(3));

    // The user types a name, then types the old one back.
    grid.show();
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    grid.setFocus();
    const auto type = [&](int col, int row, const char* text) {
        Range(col, row, col, row);
        grid.SetOperation(CSpreadSheet::OpActivate);
        for (const char* c = text; *c; ++c) // the first key opens the editor
            QTest::keyClick(QApplication::focusWidget(), *c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    type(3, 1, "UNO");
    EXPECT_TRUE(grid.IsCellChanged(3, 1));
    EXPECT_FALSE(grid.IsCellChanged(1, 1));
    EXPECT_TRUE(grid.IsRowChanged(1));
    EXPECT_FALSE(grid.IsRowChanged(2));
    type(3, 1, "ONE");
    EXPECT_FALSE(grid.IsCellChanged(3, 1));
    EXPECT_FALSE(grid.IsRowChanged(1));

    // The program writes a new mode, then the same frequency again.
    grid.SetCurrentColumn(2);
    grid.SetCurrentRow(2);
    grid.SetListIndex(2);
    grid.WriteCell(1, 2, QStringLiteral("50.00000"));
    EXPECT_TRUE(grid.IsCellChanged(2, 2));
    EXPECT_FALSE(grid.IsCellChanged(1, 2));
    grid.SetListIndex(1);
    EXPECT_FALSE(grid.IsRowChanged(2));

    // Sorting by frequency swaps rows 1 and 2; row 3 keeps its values. Sorting by name puts
    // every row back where it was loaded.
    grid.SetSortOrientation(0);
    grid.SetSortKeyColumn(1, 1);
    grid.SetSortKeyOrder(1, CSpreadSheet::Ascending);
    Range(1, 1, 4, 3);
    grid.SetOperation(CSpreadSheet::OpSort);
    EXPECT_EQ(Text(3, 1) + Text(3, 2) + Text(3, 3), "THREEONETWO");
    EXPECT_TRUE(grid.IsRowChanged(1) && grid.IsRowChanged(2));
    EXPECT_FALSE(grid.IsRowChanged(3));
    EXPECT_TRUE(grid.IsCellChanged(4, 1));  // "0" where "1" was loaded
    EXPECT_FALSE(grid.IsCellChanged(4, 3)); // "0" both
    grid.SetSortKeyColumn(1, 3);
    grid.SetOperation(CSpreadSheet::OpSort);
    EXPECT_FALSE(grid.IsRowChanged(1) || grid.IsRowChanged(2) || grid.IsRowChanged(3));

    // A reset takes what the grid holds now; outside the grid nothing is changed.
    Range(1, 3, 4, 3);
    grid.SetOperation(CSpreadSheet::OpClear);
    EXPECT_TRUE(grid.IsRowChanged(3));
    grid.ResetChangedRows();
    EXPECT_FALSE(grid.IsRowChanged(3));
    EXPECT_FALSE(grid.IsCellChanged(0, 1) || grid.IsCellChanged(5, 1) || grid.IsCellChanged(1, 0) ||
                 grid.IsCellChanged(1, 21));
}

TEST_F(SheetTest, ClipboardCarriesWholeRowsAndAcceptsTabSeparatedText) {
    Row(1, "145.00000", 0, "ONE", "1");
    Row(2, "430.00000", 2, "TWO", "0");
    Range(1, 1, 4, 2);
    grid.SetOperation(CSpreadSheet::OpClipboardCopy);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime);
    EXPECT_TRUE(mime->hasFormat(QString::fromLatin1(CSpreadSheet::kRowsMimeType)));
    EXPECT_EQ(mime->text(), "145.00000\tNFM\tONE\t1\n430.00000\tAM\tTWO\t0\n");
    Range(1, 8, 4, 8);
    grid.SetOperation(CSpreadSheet::OpClipboardPaste);
    EXPECT_EQ(RowText(8), RowText(1));
    EXPECT_EQ(RowText(9), RowText(2));
    Range(1, 1, 4, 1);
    grid.SetOperation(CSpreadSheet::OpClipboardCut);
    EXPECT_EQ(RowText(1), "|||");

    // Text from another program: a row whose frequency is outside 0.1..1300 MHz does not get
    // in at all, nor do characters the name column refuses, and the grid tells what it left
    // out; modes are matched by name.
    QApplication::clipboard()->setText(QStringLiteral("146.5\tusb\tNAME\xe2\x82\xac LONGER\tyes\r\n"
                                                      "1400\tXYZ\tOK\t0\r\n"
                                                      "0.05\tCW\t\t\r\n"));
    Range(1, 12, 4, 12);
    grid.SetOperation(CSpreadSheet::OpClipboardPaste);
    EXPECT_EQ(RowText(12), "146.50000|USB|NAME LON|1");
    EXPECT_EQ(RowText(13), "|||");
    EXPECT_EQ(RowText(14), "|||");
    const CSpreadSheet::PasteReport& report = grid.LastPaste();
    ASSERT_EQ(report.rows.size(), 3u);
    EXPECT_EQ(report.rows[0].row, 12);
    EXPECT_EQ(report.rows[1].row, 13);
    EXPECT_EQ(report.rows[1].reason, "\"1400\" is not a frequency; the row was not pasted");
    EXPECT_EQ(report.rows[2].row, 14);

    // A text column without a length limit takes the whole line.
    CSpreadSheet notes;
    notes.SetShape(1, 2);
    QApplication::clipboard()->setText(QStringLiteral("A LONG NOTE, WITH SPACES\r\n"));
    notes.SetCurrentColumn(1);
    notes.SetCurrentRow(1);
    notes.SetOperation(CSpreadSheet::OpClipboardPaste);
    QString note;
    notes.ReadCell(1, 1, note);
    EXPECT_EQ(note, "A LONG NOTE, WITH SPACES");
}

TEST_F(SheetTest, KeyboardEditingRaisesTheEventsInOrder) {
    grid.show();
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    grid.setFocus();
    QStringList events;
    QObject::connect(
        &grid, &CSpreadSheet::EditModeChanged, [&](int c, int r, short mode, bool changed) {
            events << QStringLiteral("edit %1,%2 %3 %4").arg(c).arg(r).arg(mode).arg(changed);
        });
    int changes = 0;
    QObject::connect(&grid, &CSpreadSheet::CellChanged, [&](int, int) { ++changes; });
    bool refuse = true;
    QObject::connect(&grid, &CSpreadSheet::LeavingCell,
                     [&](int c, int r, int nc, int nr, bool& cancel) {
                         events << QStringLiteral("leave %1,%2 -> %3,%4 %5")
                                       .arg(c)
                                       .arg(r)
                                       .arg(nc)
                                       .arg(nr)
                                       .arg(Text(c, r));
                         cancel = refuse;
                     });
    Range(1, 3, 1, 3);
    grid.SetOperation(CSpreadSheet::OpActivate);
    for (QChar ch :
         QStringLiteral("145.5x")) // the first key opens the editor, which takes the rest
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(events.join(';'), "edit 1,3 1 0;edit 1,3 0 1;leave 1,3 -> 1,4 145.5");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(grid.currentIndex().row(), 2); // refused: the cursor stays
    refuse = false;
    events.clear();
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(events.join(';'), "leave 1,3 -> 1,4 145.5");
    EXPECT_EQ(grid.currentIndex().row(), 3);

    short seen = 0, shift = 0;
    QObject::connect(&grid, &CSpreadSheet::KeyReleased, [&](short& key, short s) {
        seen = key;
        shift = s;
    });
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(seen, 67);
    EXPECT_EQ(shift, 2);
    Range(4, 4, 4, 4);
    grid.SetOperation(CSpreadSheet::OpActivate);
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(Text(4, 4), "1");
}

TEST(FrequencyCellTest, SnapsChecksAndFillsTheMode) {
    TempSettings settings;
    WriteCountrySettings(1, 0); // ham-band version: 148-430 MHz is closed
    CVR500Radio radio;
    ScriptedPrompt prompt;
    radio.SetPrompt(&prompt);
    radio.NewImage();
    CSpreadSheet grid;
    grid.SetShape(3, 5);
    grid.SetColumnKind(1, CellKind::Frequency);
    grid.SetColumnKind(2, CellKind::List);
    grid.SetCurrentColumn(2);
    grid.SetLastColumn(2);
    grid.SetListItems(QStringLiteral("NFM\tWFM\tAM\tLSB\tUSB\tCW"));
    InvalidFrequencyGuard guard;
    QString t;

    grid.WriteCell(1, 1, QStringLiteral("145.12388"));
    bool cancel = false;
    EXPECT_EQ(CheckFrequencyCell(grid, radio, guard, 1, 1, cancel), 145'123'800);
    grid.ReadCell(1, 1, t);
    EXPECT_EQ(t, "145.12380");
    grid.SetCurrentColumn(2);
    grid.SetCurrentRow(1);
    EXPECT_EQ(grid.GetListIndex(), radio.BandModeFor(145'123'800) - 1);
    EXPECT_FALSE(cancel);

    // A closed frequency: one message, the cell emptied, the cursor kept. A leave event that
    // comes while the message is up is refused without a second message.
    grid.WriteCell(1, 2, QStringLiteral("200"));
    struct Reentering : ScriptedPrompt {
        std::function<void()> during;
        PromptAnswer Message(const QString& text, const QString& caption, PromptButtons b,
                             PromptIcon i) override {
            if (during)
                during();
            return ScriptedPrompt::Message(text, caption, b, i);
        }
    } reentering;
    bool secondCancel = false;
    reentering.during = [&] {
        grid.WriteCell(1, 2, QStringLiteral("300"));
        CheckFrequencyCell(grid, radio, guard, 1, 2, secondCancel);
    };
    radio.SetPrompt(&reentering);
    EXPECT_EQ(CheckFrequencyCell(grid, radio, guard, 1, 2, cancel), 0);
    EXPECT_TRUE(cancel);
    EXPECT_TRUE(secondCancel);
    ASSERT_EQ(reentering.messages.size(), 1u);
    EXPECT_TRUE(reentering.messages[0].text.startsWith("200.00000 is not a valid frequency\n"));
    EXPECT_EQ(reentering.messages[0].caption, "");
    EXPECT_EQ(reentering.messages[0].buttons, PromptButtons::Ok);
    grid.ReadCell(1, 2, t);
    EXPECT_EQ(t, "");
    EXPECT_FALSE(guard.set); // the next leave is checked again

    // A grid without a mode column, accepting one value as typed.
    FrequencyCellRule rule;
    rule.modeColumn = FrequencyCellRule::kNoModeColumn;
    rule.acceptAsTyped = [](int hz) { return hz == 300'000'000; };
    grid.WriteCell(1, 3, QStringLiteral("300.00002"));
    cancel = false;
    EXPECT_EQ(CheckFrequencyCell(grid, radio, guard, 1, 3, cancel, rule), 0);
    EXPECT_TRUE(cancel);
    grid.WriteCell(1, 3, QStringLiteral("300"));
    grid.SetCurrentColumn(2);
    grid.SetCurrentRow(3);
    grid.SetListIndex(-1);
    cancel = false;
    EXPECT_EQ(CheckFrequencyCell(grid, radio, guard, 1, 3, cancel, rule), 300'000'000);
    EXPECT_EQ(grid.GetListIndex(), -1);
    grid.WriteCell(1, 4, QStringLiteral("..."));
    EmptyUnreadableFrequency(grid, 1, 4);
    grid.ReadCell(1, 4, t);
    EXPECT_EQ(t, "");
}

// A page range prints from its first page to its last; an empty or too small last page means
// to the end, a first page past the end prints nothing.
TEST_F(SheetTest, PageRangesPrintTheirPages) {
    CSpreadSheet list;
    list.SetShape(2, 300);
    for (int r = 1; r <= 300; ++r)
        list.WriteCell(1, r, QString::number(r));
    QTemporaryDir dir;
    const auto pagesPrinted = [&](int range, int first, int last) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("range.pdf")));
        list.SetPrintRangeKind(range);
        list.SetPrintFirstPage(first);
        list.SetPrintLastPage(last);
        return list.Print(printer);
    };
    const int all = pagesPrinted(CSpreadSheet::PrintWholeSheet, 0, 0);
    ASSERT_GE(all, 4);
    EXPECT_EQ(pagesPrinted(CSpreadSheet::PrintPageRange, 2, 3), 2);
    EXPECT_EQ(pagesPrinted(CSpreadSheet::PrintPageRange, 2, 0), all - 1);
    EXPECT_EQ(pagesPrinted(CSpreadSheet::PrintPageRange, 3, 1), all - 2);
    EXPECT_EQ(pagesPrinted(CSpreadSheet::PrintPageRange, 2, all + 5), all - 1);
    EXPECT_EQ(pagesPrinted(CSpreadSheet::PrintPageRange, all + 1, 0), 0);
}

// What the screen shows follows the cells: every cell written in one pass is repainted, the
// context-menu key opens the menu at the current cell, and an editor writes in its column's
// face.
TEST_F(SheetTest, TheViewFollowsWritesMenuKeyAndFaces) {
    grid.show();
    QApplication::processEvents();
    std::vector<std::pair<QModelIndex, QModelIndex>> repainted;
    QObject::connect(grid.model(), &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& a, const QModelIndex& b) {
                         repainted.push_back({a, b});
                     });
    grid.WriteCell(1, 2, QStringLiteral("145.00000"));
    grid.WriteCell(4, 17, QStringLiteral("1"));
    QApplication::processEvents();
    const auto covered = [&](int row, int column) {
        return std::any_of(repainted.begin(), repainted.end(), [&](const auto& r) {
            return r.first.row() <= row && row <= r.second.row() && r.first.column() <= column &&
                   column <= r.second.column();
        });
    };
    EXPECT_TRUE(covered(1, 0));
    EXPECT_TRUE(covered(16, 3));

    int menuRow = 0, menuX = -1, menuY = -1;
    QObject::connect(&grid, &CSpreadSheet::RightClicked, [&](short, int, int row, int x, int y) {
        menuRow = row;
        menuX = x;
        menuY = y;
    });
    grid.setCurrentIndex(grid.model()->index(5, 2));
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0),
                          grid.mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(grid.viewport(), &key);
    EXPECT_EQ(menuRow, 6);
    const QPoint center = grid.visualRect(grid.currentIndex()).center();
    EXPECT_NEAR(menuX, center.x() * 1440 / grid.logicalDpiX(), 30);
    EXPECT_NEAR(menuY, center.y() * 1440 / grid.logicalDpiY(), 30);

    const QString face = QStringLiteral("Monospace");
    Range(3, 1, 3, 20);
    grid.SetRangeMode(true);
    grid.SetFontFace(face);
    grid.SetRangeMode(false);
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(0, 2));
    static_cast<QAbstractItemView&>(grid).edit(grid.currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->font().family(),
              grid.model()->index(0, 2).data(Qt::FontRole).value<QFont>().family());
}
