// The window by keyboard alone and as a screen reader hears it: the menu letters, each page's
// letters and tab order, the keys people expect and what the status bar says after a command.

#include "AppTestSupport.h"
#include "app/HelpWindow.h"
#include "link/dialogs/CommSetupDlg.h"
#include "radio/Layout.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <map>
#include <set>

namespace {

// What a screen reader calls a control (a list box is named by its label, not its item).
QString Name(QWidget* w) {
    if (!w->accessibleName().isEmpty())
        return w->accessibleName();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// The letter Alt takes a text's control with, or nothing.
QChar Mnemonic(const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    return key.isEmpty() ? QChar() : QChar(key[0].key()).toUpper();
}

QString TextWithMnemonic(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->buddy() ? label->text() : QString();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title();
    return {};
}

class Keyboard : public AppTest {
protected:
    CPropertyPage* ShowPage(int index) {
        EXPECT_TRUE(Host()->Sheet()->SetActivePage(index));
        return Host()->Sheet()->GetPage(index);
    }

    static QWidget* Control(CPropertyPage* page, const QString& name) {
        for (QWidget* w : page->findChildren<QWidget*>())
            if (Name(w) == name && w->focusPolicy() != Qt::NoFocus)
                return w;
        return nullptr;
    }

    // The names Tab stops at, from the control named first until the focus leaves the page,
    // joined by " | ".
    std::string TabWalk(CPropertyPage* page, const QString& first) {
        QWidget* start = Control(page, first);
        if (!start)
            return "no control named " + first.toStdString();
        start->setFocus(Qt::TabFocusReason);
        QStringList names{Name(QApplication::focusWidget())};
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* w = QApplication::focusWidget();
            if (!w || !page->isAncestorOf(w) || w == start)
                break;
            QString name = Name(w);
            if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
                name += button->isChecked() ? QStringLiteral(" (checked)")
                                            : QStringLiteral(" (not checked)");
            names << name;
        }
        return names.join(QStringLiteral(" | ")).toStdString();
    }
};

} // namespace

TEST_F(Keyboard, MenuLettersAreFreeOnEveryPageAndNoTwoControlsShareOne) {
    Start();
    std::set<QChar> menuLetters;
    for (QAction* menu : Frame()->menuBar()->actions()) {
        menuLetters.insert(Mnemonic(menu->text()));
        std::map<QChar, QString> items; // within a menu each item has its own letter
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator())
                continue;
            const QChar letter = Mnemonic(item->text());
            EXPECT_FALSE(letter.isNull()) << item->text().toStdString();
            EXPECT_FALSE(items.contains(letter))
                << item->text().toStdString() << " and " << items[letter].toStdString();
            items[letter] = item->text();
        }
    }
    EXPECT_EQ(menuLetters, (std::set<QChar>{'F', 'E', 'R', 'H'}));

    for (int i = 0; i < Host()->Sheet()->count(); ++i) {
        CPropertyPage* page = ShowPage(i);
        std::map<QChar, QString> used;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const QString text = TextWithMnemonic(w);
            const QChar letter = Mnemonic(text);
            if (letter.isNull())
                continue;
            const std::string where = page->Title().toStdString() + ": " + text.toStdString();
            EXPECT_FALSE(menuLetters.contains(letter)) << where;
            EXPECT_FALSE(used.contains(letter)) << where << " and " << used[letter].toStdString();
            used[letter] = text;
        }
        if (page->Title() == QLatin1String("Setting")) { // its lists are reached by letter too
            EXPECT_GE(used.size(), 9u);
        }
    }
}

TEST_F(Keyboard, TabGoesDownEachColumnAndEntersRadioGroupsOnTheirChoice) {
    Start();
    Radio().EditRadio()[layout::ri::kLockModeBit.offset] |= 1 << layout::ri::kLockModeBit.bit;
    Frame()->DataSetReplaced();

    EXPECT_EQ(TabWalk(ShowPage(4), QStringLiteral("RF Squelch")),
              "RF Squelch | Off Timer | Battery Saver | Contrast | Opening Bell | "
              "Auto Receive Mode (checked) | Keypad Lamp (checked) | "
              "Keypad Beeper (checked) | Japanese (not checked) | Flex Step (checked) | "
              "Attenuator (not checked) | Monitor (not checked) | Default (checked) | "
              "Open message text | Key + Dial (checked) | Auto (checked) | # of Channels | "
              "Single (checked) | Smart Search Lower | Smart Search Start | Smart Search Upper | "
              "Meter Symbol: rising bars (checked)");
    EXPECT_EQ(
        TabWalk(ShowPage(1), QStringLiteral("Skip frequencies")),
        "Skip frequencies | Pre-programmable frequency search limits | "
        "Priority Channel Frequency | Priority Channel Mode | Limit Search Mode (not checked) | "
        "Pause (checked) | Resume Delay | A Mode (checked) | 600 kHz (checked) | "
        "A Mode Sweep Steps | B Mode Sweep Steps");

    // Arrows still move through a group, and Tab then enters it on the new choice.
    CPropertyPage* setting = ShowPage(4);
    Control(setting, QStringLiteral("Key + Dial"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(Name(QApplication::focusWidget()), "Key");
    const std::string walk = TabWalk(setting, QStringLiteral("Open message text"));
    EXPECT_TRUE(walk.starts_with("Open message text | Key (checked) | ")) << walk;
}

TEST_F(Keyboard, CommandKeysAndTheGridMenuKeysWork) {
    Start();
    // F1 opens help on the page shown, in a window a screen reader calls one.
    ShowPage(1);
    QTest::keyClick(Frame(), Qt::Key_F1);
    ASSERT_TRUE(Frame()->Help()->isVisible());
    EXPECT_EQ(Frame()->Help()->CurrentContext(), 102);
    QAccessibleInterface* help = QAccessible::queryAccessibleInterface(Frame()->Help());
    EXPECT_EQ(help->role(), QAccessible::Window);
    EXPECT_EQ(help->text(QAccessible::Name), "Corvinel Help");
    Frame()->Help()->close();

    // Shift+F10 and the Menu key open the channel menu at the current cell.
    ShowPage(0);
    Frame()->activateWindow();
    Grid()->setFocus();
    Grid()->setCurrentIndex(FrequencyCell(3));
    QMenu* menu = Host()->MemoryView()->EditMenu();
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        QTest::keyClick(Grid(), key, modifiers);
        EXPECT_TRUE(menu->isVisible()) << key;
        menu->hide();
    }

    // Escape from a cell editor puts the focus back on that cell, the text as it was.
    TypeInCell(3, "145.5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), Grid());
    EXPECT_EQ(Grid()->currentIndex(), FrequencyCell(3));
    EXPECT_EQ(CellText(3), "");
    // The same from a drop-down list cell and a name cell, opened with F2.
    for (int column : {1, 2}) {
        const QModelIndex cell = Grid()->model()->index(2, column);
        Grid()->setCurrentIndex(cell);
        QTest::keyClick(Grid(), Qt::Key_F2);
        ASSERT_NE(QApplication::focusWidget(), Grid()) << column;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(QApplication::focusWidget(), Grid()) << column;
        EXPECT_EQ(Grid()->currentIndex(), cell);
    }

    QTest::keyClick(Frame(), Qt::Key_Q, Qt::ControlModifier); // nothing changed: no question
    EXPECT_FALSE(Frame()->isVisible());
}

TEST_F(Keyboard, FinishedCommandsSayWhatTheyDidToScreenReaders) {
    Start();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(Frame()->statusBar());

    TypeInCell(1, "146");
    prompt.savePaths = {Path("jp.rdf")};
    QTest::keyClick(Frame(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Frame()->statusBar()->currentMessage(), "Saved jp.rdf");
    EXPECT_EQ(bar->role(), QAccessible::StatusBar);
    EXPECT_EQ(bar->text(QAccessible::Name), "Saved jp.rdf");
    EXPECT_EQ(bar->text(QAccessible::Description), "Saved jp.rdf");

    QFile csv(Path("three.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("Location,Name,Frequency,Mode,Skip\r\n1,A,145.0,NFM,\r\n2,B,430.0,NFM,\r\n"
              "1000,C,433.0,NFM,\r\n");
    csv.close();
    prompt.openPaths = {csv.fileName()};
    Frame()->OnImportChannels();
    EXPECT_EQ(bar->text(QAccessible::Name), "3 channels imported");

    prompt.savePaths = {Path("out.csv")};
    Frame()->OnExportChannels();
    EXPECT_EQ(bar->text(QAccessible::Name), "Exported 3 channels to out.csv"); // 1000 counts too

    // Unsaved changes from the import: open asks first.
    prompt.answers = {PromptAnswer::No};
    prompt.openPaths = {Path("jp.rdf")};
    Frame()->OnFileOpen();
    EXPECT_EQ(bar->text(QAccessible::Name), "Opened jp.rdf");
}

// The port field is announced by the label above it.
TEST_F(Keyboard, PortSetupLabelsItsField) {
    Start();
    CCommSetupDlg setup(Frame(), {});
    auto* port = setup.findChild<QComboBox*>();
    QAccessibleInterface* portField = QAccessible::queryAccessibleInterface(port);
    const auto labels = portField->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->text(QAccessible::Name),
              "Select the communications (serial) port.");
}
