#include "GridInput.h"
#include "pages/MemoryView.h"
#include "pages/PrintSetupDlg.h"
#include "pages/SortDlg.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"
#include "radio/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// What a screen reader announces a control by. Combo boxes give their current item as
// their name on Linux and are announced by the label they are related to.
QString Name(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {};
    if (a->role() == QAccessible::ComboBox) {
        const auto labels = a->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return a->text(QAccessible::Name);
}

// Every control a user can reach with the keyboard tells a screen reader its name.
QStringList Unnamed(QWidget* top) {
    QStringList unnamed;
    for (QWidget* w : top->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(top) && Name(w).trimmed().isEmpty())
            unnamed << QString::fromLatin1(w->metaObject()->className());
    return unnamed;
}

} // namespace

TEST(AccessibilityTest, ScreenReadersReadAndEditTheGridAndFindEveryControlNamed) {
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    TempSettings settings;
    WriteCountrySettings(0, 0);
    CVR500Radio radio;
    ScriptedPrompt prompt;
    radio.SetPrompt(&prompt);
    radio.NewImage();
    CMemoryView view(radio);
    view.resize(800, 600);
    view.show();

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view.Grid());
    ASSERT_TRUE(table);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), "Memory channels");
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_TRUE(cells);
    EXPECT_EQ(cells->rowCount(), 1000);
    EXPECT_EQ(cells->columnCount(), 4);
    EXPECT_EQ(cells->columnDescription(0), "Receive Frequency");
    EXPECT_EQ(cells->columnDescription(3), "Preferential Scan");
    EXPECT_EQ(cells->rowDescription(200), "201");

    QAccessibleInterface* mode = cells->cellAt(200, 1);
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->text(QAccessible::Name), "WFM");
    // This Qt hands the header cells to the caller without putting them in its cache; once
    // there, the cache deletes them.
    const QList<QAccessibleInterface*> headers = mode->tableCellInterface()->columnHeaderCells();
    const auto freeHeaders = qScopeGuard([&headers] {
        for (QAccessibleInterface* header : headers)
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
    });
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers[0]->text(QAccessible::Name), "Receive Mode");
    QString freq;
    view.Grid()->ReadCell(1, 201, freq);
    EXPECT_EQ(cells->cellAt(200, 0)->text(QAccessible::Name), freq);

    // Editing through the interface: a name, a mode by its text, a check box by its value.
    cells->cellAt(0, 2)->setText(QAccessible::Value, QStringLiteral("HELLO"));
    cells->cellAt(0, 1)->setText(QAccessible::Value, QStringLiteral("USB"));
    QAccessibleInterface* check = cells->cellAt(0, 3);
    EXPECT_EQ(check->text(QAccessible::Name), ""); // its state says it, not words
    EXPECT_TRUE(check->state().checkable);
    EXPECT_FALSE(check->state().checked);
    check->setText(QAccessible::Value, QStringLiteral("1"));
    QString text;
    view.Grid()->ReadCell(3, 1, text);
    EXPECT_EQ(text, "HELLO");
    view.Grid()->ReadCell(2, 1, text);
    EXPECT_EQ(text, "USB");
    view.Grid()->ReadCell(4, 1, text);
    EXPECT_EQ(text, "1");
    EXPECT_TRUE(cells->cellAt(0, 3)->state().checked);

    EXPECT_EQ(Unnamed(&view), QStringList());
    EXPECT_EQ(Name(view.ModeScanList()), "Mode Scan");
    EXPECT_EQ(Name(view.BankLink(3)), "Bank 3");
    SortSettings sort;
    CSortDlg sortDialog(sort);
    EXPECT_EQ(Unnamed(&sortDialog), QStringList());
    EXPECT_EQ(Name(sortDialog.thenSortBy), "Then Sort By");
    CPrintSetupDlg printDialog(&prompt);
    EXPECT_EQ(Unnamed(&printDialog), QStringList());
    EXPECT_EQ(Name(printDialog.marginTop), "Top");
}

// Copy, Cut and Paste act on the key press: a copy whose Ctrl came up before the C still
// copies, so the paste after it never brings back an older clipboard.
TEST(AccessibilityTest, ClipboardKeysActOnPressAndMenuKeysOpenTheCellMenu) {
    CSpreadSheet grid;
    grid.SetShape(2, 6);
    grid.SetColumnKind(1, CellKind::Frequency);
    grid.resize(400, 300);
    grid.show();
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    grid.WriteCell(1, 1, QStringLiteral("145.00000"));
    grid.WriteCell(2, 1, QStringLiteral("ONE"));
    int pasted = 0;
    QObject::connect(&grid, &CSpreadSheet::Pasted, [&] { ++pasted; });
    QApplication::clipboard()->setText(QStringLiteral("stale"));

    GoTo(grid, 1, 1);
    grid.selectRow(0);
    QTest::keyPress(&grid, Qt::Key_Control);
    QTest::keyPress(&grid, Qt::Key_C, Qt::ControlModifier);
    QTest::keyRelease(&grid, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyRelease(&grid, Qt::Key_C);
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QLatin1String("ONE")));

    GoTo(grid, 1, 4);
    QTest::keyPress(&grid, Qt::Key_V, Qt::ControlModifier); // no release yet
    EXPECT_EQ(CellText(grid, 1, 4), "145.00000");
    EXPECT_EQ(CellText(grid, 2, 4), "ONE");
    EXPECT_EQ(pasted, 1);
    QTest::keyRelease(&grid, Qt::Key_V);

    GoTo(grid, 2, 4);
    QTest::keyClick(&grid, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(CellText(grid, 2, 4), "");
    EXPECT_EQ(QApplication::clipboard()->text().trimmed(), "ONE");

    // The menu of the current cell, once per press of either key.
    QStringList menus;
    QObject::connect(&grid, &CSpreadSheet::RightClicked, [&](short, int c, int r, int, int) {
        menus << QStringLiteral("%1,%2").arg(c).arg(r);
    });
    GoTo(grid, 2, 3);
    QTest::keyClick(&grid, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Menu);
    QContextMenuEvent fromPlatform(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(&grid, &fromPlatform); // a platform that turns the key into this
    QTest::keyClick(&grid, Qt::Key_Menu);          // ... sends the key after it
    EXPECT_EQ(menus, (QStringList{"2,3", "2,3", "2,3"}));
}
