#include "pages/MemoryView.h"
#include "pages/PrintSetupDlg.h"
#include "pages/SortDlg.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"
#include "radio/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <gtest/gtest.h>

using namespace layout;

namespace {

class MemoryViewTest : public testing::Test {
protected:
    void Start(int country, int wideband) {
        WriteCountrySettings(country, wideband);
        radio.SetPrompt(&prompt);
        radio.NewImage();
        view = std::make_unique<CMemoryView>(radio);
        view->resize(800, 600);
        grid = view->Grid();
    }
    void Show() {
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        grid->setFocus();
    }
    QString Text(int col, int row) {
        QString t;
        grid->ReadCell(col, row, t);
        return t;
    }
    QString Name(int row) { return Text(3, row); }
    // "frequency|mode|name|check"
    QString Row(int row) {
        return QStringList{Text(1, row), Text(2, row), Text(3, row), Text(4, row)}.join('|');
    }
    void Put(int row, int hz, int mode, const char* name) {
        grid->WriteCellFrequency(1, row, hz);
        grid->SetCurrentColumn(2);
        grid->SetCurrentRow(row);
        grid->SetListIndex(mode);
        grid->WriteCell(3, row, QString::fromLatin1(name));
        grid->WriteCell(4, row, QStringLiteral("0"));
    }
    void Select(int first, int last) {
        grid->SetCurrentColumn(1);
        grid->SetCurrentRow(first);
        grid->SetOperation(CSpreadSheet::OpActivate);
        grid->SetLastColumn(4);
        grid->SetLastRow(last);
        grid->SetOperation(CSpreadSheet::OpSelect);
    }
    // Keys as a keyboard sends them, to whatever has the focus (the editor once it opens).
    void Type(const QString& text) {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                                ch.isDigit() ? Qt::Key(ch.unicode()) : Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
    }
    Byte* ri() { return radio.EditRadio(); }

    TempSettings settings;
    CVR500Radio radio;
    ScriptedPrompt prompt;
    std::unique_ptr<CMemoryView> view;
    CSpreadSheet* grid = nullptr;
};

} // namespace

TEST_F(MemoryViewTest, FillingAndStoringUntouchedKeepsEveryDefaultImageWhole) {
    const int versions[4][2] = {{0, 0}, {1, 0}, {0, 1}, {4, 0}};
    for (const auto& v : versions) {
        Start(v[0], v[1]);
        ASSERT_TRUE(view->OnKillActive());
        EXPECT_TRUE(radio.EditImage() == radio.SavedImage())
            << "country " << v[0] << " wide " << v[1];
    }
    // The Japan image shows its channels, katakana names included.
    Start(0, 0);
    EXPECT_EQ(Row(304).left(9), "6.11490|A");
    EXPECT_EQ(Text(2, 201), "WFM");
    bool katakana = false;
    for (int r = 101; r <= 107; ++r)
        for (QChar c : Name(r))
            katakana = katakana || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F);
    EXPECT_TRUE(katakana);
    EXPECT_EQ(Text(1, 1), ""); // holds data but is not in use
    EXPECT_EQ(Text(3, 0), "Channel\nName");

    // Controls load from and store to their bytes; other bits of the shared bytes stay.
    ri()[ri::kModeScan] = 3;
    ri()[0x9C] = 0x41;
    ri()[0x9E] = 0x81;
    ri()[0x9F] = 0xFE;
    view->FillGrid();
    EXPECT_EQ(view->ModeScanList()->currentText(), "AM");
    EXPECT_TRUE(view->BankScanOn()->isChecked());
    EXPECT_TRUE(view->BankLink(0)->isChecked());
    EXPECT_TRUE(view->BankLink(7)->isChecked());
    EXPECT_FALSE(view->BankLink(8)->isChecked());
    EXPECT_TRUE(view->BankLink(9)->isChecked());
    view->BankScanOff()->setChecked(true);
    view->BankLink(8)->setChecked(true);
    view->BankLink(9)->setChecked(false);
    view->ModeScanList()->setCurrentIndex(6);
    view->OnKillActive();
    EXPECT_EQ(ri()[0x9C], 0x01);
    EXPECT_EQ(ri()[0x9F], 0xFD);
    EXPECT_EQ(ri()[ri::kModeScan], 6);
}

TEST_F(MemoryViewTest, EditedRowsAreStoredAndEmptiedRowsBecomeUnused) {
    Start(0, 0);
    // Channel 1 holds data but is not in use: untouched it keeps its name.
    const QByteArray name1(reinterpret_cast<const char*>(ri() + ri::ChannelName(1)), 8);
    Put(5, 433'000'000, 0, "NEW");
    grid->WriteCell(4, 5, QStringLiteral("1"));
    grid->WriteCell(3, 2, QStringLiteral("NONAME")); // a name but no frequency
    grid->WriteCell(1, 201, QString());              // emptied: not in use any more
    // A value no channel can hold (it never went through a cell's check) keeps the channel.
    const ChannelRecord channel6 = *radio.GetChannel(6);
    const bool used6 = radio.IsChannelUsed(6);
    grid->WriteCell(1, 6, QStringLiteral("2000.00000"));
    view->OnKillActive();
    EXPECT_EQ(std::memcmp(radio.GetChannel(6), &channel6, sizeof channel6), 0);
    EXPECT_EQ(radio.IsChannelUsed(6), used6);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(ri() + ri::ChannelName(1)), 8), name1);
    EXPECT_TRUE(radio.IsChannelUsed(5));
    const ChannelRecord* rec = radio.GetChannel(5);
    EXPECT_EQ(rec->frequencyHz, 433'000'000);
    EXPECT_EQ(rec->flags & 0x17, 0x11);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(rec->name), 8), "NEW     ");
    EXPECT_FALSE(radio.IsChannelUsed(2));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(ri() + ri::ChannelName(2)), 8), "        ");
    EXPECT_FALSE(radio.IsChannelUsed(201));
    view->FillGrid();
    EXPECT_EQ(Row(2), "|||");
    EXPECT_EQ(Row(5), "433.00000|NFM|NEW|1");
}

TEST_F(MemoryViewTest, TypedFrequenciesAreCheckedWhenTheCellIsLeft) {
    Start(1, 0); // ham-band version: 200 MHz is closed
    Show();
    // The columns fill the width exactly: no horizontal scroll bar and no gap at the right.
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(grid->horizontalHeader()->length(), grid->viewport()->width());
    Select(1, 1);
    Type(QStringLiteral("145.12388"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(Text(1, 1), "145.12380");
    EXPECT_EQ(Text(2, 1), ModeName(radio.BandModeFor(145'123'800)));
    EXPECT_EQ(grid->currentIndex().row(), 1);

    Type(QStringLiteral("200"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.LastText().startsWith("200.00000 is not a valid frequency\n"));
    EXPECT_EQ(Text(1, 2), "");
    EXPECT_EQ(grid->currentIndex().row(), 1); // the cursor stayed
    QTest::keyClick(grid, Qt::Key_Down);      // an empty cell may be left
    EXPECT_EQ(grid->currentIndex().row(), 2);

    // After a click into a cell, typing and Enter are checked just the same.
    const QRect fifth = grid->visualRect(grid->model()->index(4, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, fifth.center());
    Type(QStringLiteral("200"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(Text(1, 5), "");
    EXPECT_EQ(grid->currentIndex().row(), 4);
    // Leaving by a click on another cell is checked as well: the cursor stays.
    Type(QStringLiteral("2000"));
    const QRect ninth = grid->visualRect(grid->model()->index(8, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ninth.center());
    ASSERT_EQ(prompt.messages.size(), 3u);
    EXPECT_TRUE(prompt.LastText().startsWith("2000.00000 is not a valid frequency\n"));
    EXPECT_EQ(grid->currentIndex().row(), 4);

    // A mode picked by hand gives way to the band plan when the frequency cell is left.
    grid->SetCurrentColumn(2);
    grid->SetCurrentRow(1);
    grid->SetListIndex(5);
    Select(1, 1);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(Text(2, 1), ModeName(radio.BandModeFor(145'123'800)));

    // Text that is no frequency does not stay.
    Select(3, 3);
    Type(QStringLiteral("..."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Text(1, 3), "");

    // A value typed but replaced by a reload (Open, Undo) before the page is left is not
    // checked any more: the page lets go.
    Select(7, 7);
    Type(QStringLiteral("2000"));
    view->setFocus(); // the editor gives its text to the cell
    EXPECT_EQ(Text(1, 7), "2000");
    view->FillGrid();
    prompt.messages.clear();
    EXPECT_TRUE(view->OnKillActive());
    EXPECT_TRUE(prompt.messages.empty());

    // Names take only what the receiver can show, eight characters at most.
    grid->SetCurrentColumn(3);
    grid->SetCurrentRow(4);
    grid->SetOperation(CSpreadSheet::OpActivate);
    QTest::keyClick(grid, Qt::Key_F2);
    Type(QStringLiteral("AB\u20ACCDEFGHIJ"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Name(4), "ABCDEFGH");
}

TEST_F(MemoryViewTest, SortScopes) {
    Start(4, 0);
    Put(1, 430'000'000, 0, "C");
    Put(2, 145'000'000, 0, "A");
    Put(101, 88'000'000, 1, "B");
    Put(150, 50'000'000, 1, "D");
    SortSettings s;
    s.scope = SortSettings::SelectedChannels;
    Select(2, 2);
    view->SortBy(s);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "No channels were selected for sorting.");
    EXPECT_EQ(prompt.messages[0].caption, "Sort Error");
    EXPECT_EQ(Name(1), "C");

    Select(1, 2);
    view->SortBy(s);
    EXPECT_EQ(Name(1) + Name(2), "AC");

    s.scope = SortSettings::CurrentBank;
    s.firstKeyColumn = 3;
    s.order = 2;
    Select(120, 120);
    view->SortBy(s);
    EXPECT_EQ(Name(101) + Name(102) + Name(1) + Name(2), "DBAC");

    s.scope = SortSettings::AllByBanks; // nothing leaves its bank
    s.firstKeyColumn = 1;
    s.order = 1;
    view->SortBy(s);
    EXPECT_EQ(Name(1) + Name(2) + Name(101) + Name(102), "ACDB");

    s.scope = SortSettings::AllAsOneBank;
    s.firstKeyColumn = 2;
    s.secondKeyColumn = 2; // the same column again: sorts by it alone
    view->SortBy(s);
    EXPECT_EQ(Name(1) + Name(2) + Name(3) + Name(4), "ACDB");
    EXPECT_EQ(Row(101), "|||");

    // The dialog shows the last choices and stores new ones only on OK.
    SortSettings shared;
    shared.firstKeyColumn = 3;
    shared.secondKeyColumn = 1;
    shared.order = 2;
    shared.scope = 2;
    CSortDlg dialog(shared);
    EXPECT_EQ(dialog.sortBy->currentText(), "Channel Name");
    EXPECT_EQ(dialog.thenSortBy->currentText(), "Receive Frequency");
    EXPECT_TRUE(dialog.descending->isChecked());
    EXPECT_TRUE(dialog.scope[2]->isChecked());
    dialog.thenSortBy->setCurrentIndex(0);
    dialog.scope[3]->setChecked(true);
    dialog.reject();
    EXPECT_EQ(shared.secondKeyColumn, 1);
    dialog.accept();
    EXPECT_EQ(shared.secondKeyColumn, 0);
    EXPECT_EQ(shared.scope, 3);
    EXPECT_EQ(shared.firstKeyColumn, 3);
}

TEST_F(MemoryViewTest, RowCommandsRespectBankBorders) {
    Start(4, 0);
    Put(1, 145'000'000, 0, "ONE");
    Put(2, 430'000'000, 0, "TWO");
    Put(100, 88'000'000, 1, "TOP");
    Put(101, 50'000'000, 0, "NEXT");
    Put(1000, 1'000'000, 2, "LAST");

    Select(1, 1);
    view->OnMoveUp(); // nothing above row 1
    EXPECT_EQ(Name(1), "ONE");
    Select(1000, 1000);
    view->OnMoveDown();
    EXPECT_EQ(Name(1000), "LAST");
    Select(2, 2);
    view->OnMoveUp();
    EXPECT_EQ(Name(1) + Name(2), "TWOONE");
    EXPECT_EQ(grid->GetSelectionFirstRow(), 1);
    view->OnMoveDown();
    EXPECT_EQ(Name(1) + Name(2), "ONETWO");

    // Insert with a channel in the bank's top memory asks first.
    prompt.answers = {PromptAnswer::Cancel};
    Select(50, 50);
    view->OnInsert();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Channel 100 (88.00000 TOP), the last of its bank, "
                                       "will be lost with the insert.");
    EXPECT_EQ(prompt.messages[0].caption, "Insert");
    EXPECT_EQ(prompt.messages[0].action, "Insert");
    EXPECT_EQ(Name(100), "TOP");
    Select(1, 1);
    view->OnInsert(); // OK: everything moves down, the top memory is lost
    EXPECT_EQ(Row(1), "|||");
    EXPECT_EQ(Name(2) + Name(3), "ONETWO");
    EXPECT_EQ(Name(100), "");
    EXPECT_EQ(Name(101), "NEXT");
    Select(100, 100);
    grid->WriteCell(1, 100, QStringLiteral("1.00000"));
    view->OnInsert(); // on the top memory itself: emptied
    EXPECT_EQ(Row(100), "|||");

    Select(1, 1);
    view->OnDelete(); // rows below move up, the bank's top memory empties
    EXPECT_EQ(Name(1) + Name(2), "ONETWO");
    EXPECT_EQ(Name(101), "NEXT");
    Put(100, 88'000'000, 1, "TOP");
    Select(100, 100);
    view->OnDelete();
    EXPECT_EQ(Row(100), "|||");
    EXPECT_EQ(Name(101), "NEXT");

    Select(1, 2);
    view->OnClear();
    EXPECT_EQ(Row(1) + Row(2), "||||||");
    view->OnKillActive();
    EXPECT_FALSE(radio.IsChannelUsed(1));
    EXPECT_TRUE(radio.IsChannelUsed(101));
}

TEST_F(MemoryViewTest, DroppedRowsMoveOrCopy) {
    Start(4, 0);
    Show();
    Put(1, 145'000'000, 0, "ONE");
    Put(2, 430'000'000, 2, "TWO");
    const auto drop = [&](int toRow, Qt::KeyboardModifiers mods) {
        std::unique_ptr<QMimeData> mime(grid->MimeForRange(1, 1, 4, 2));
        const QPoint at = grid->visualRect(grid->model()->index(toRow - 1, 2)).center();
        // What a drag over the rows delivers: enter, move, drop.
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton,
                              mods);
        QApplication::sendEvent(grid->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, mods);
        QApplication::sendEvent(grid->viewport(), &move);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, mods);
        QApplication::sendEvent(grid->viewport(), &drop);
    };
    drop(5, Qt::ControlModifier); // copy
    EXPECT_EQ(Name(1) + Name(2) + Name(5) + Name(6), "ONETWOONETWO");
    EXPECT_EQ(grid->currentIndex().row(), 4);
    EXPECT_EQ(grid->currentIndex().column(), 2);
    drop(2, Qt::NoModifier); // move one row down, overlapping
    EXPECT_EQ(Row(1), "|||");
    EXPECT_EQ(Name(2) + Name(3), "ONETWO");

    // Rows dragged from another channel grid arrive as their values; that grid keeps them.
    CMemoryView other(radio);
    other.Grid()->WriteCellFrequency(1, 1, 146'000'000);
    other.Grid()->WriteCell(3, 1, QStringLiteral("FAR"));
    std::unique_ptr<QMimeData> mime(other.Grid()->MimeForRange(1, 1, 4, 1));
    const QPoint at = grid->visualRect(grid->model()->index(19, 2)).center();
    QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(grid->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(grid->viewport(), &move);
    QDropEvent fromOther(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(grid->viewport(), &fromOther);
    EXPECT_EQ(Name(20), "FAR");
    EXPECT_EQ(Name(2) + Name(3), "ONETWO");
    QString kept;
    other.Grid()->ReadCell(3, 1, kept);
    EXPECT_EQ(kept, "FAR");
}

// A paste is one edit, and one message tells every row it refused or cut off; a refused row
// leaves its channel as it was, with neither a pasted name beside an old frequency nor an
// emptied channel, and a name never takes a control character.
TEST_F(MemoryViewTest, PasteTellsWhatItLeftOutAndKeepsRefusedChannels) {
    Start(0, 0);
    Put(999, 145'000'000, 0, "OLD");
    std::vector<QString> edits;
    QObject::connect(view.get(), &CPropertyPage::Edited,
                     [&edits](const QString& label) { edits.push_back(label); });
    QApplication::clipboard()->setText(QStringLiteral("430.5\tAM\tA\x01\x1b[2JB\t0\n"
                                                      "abc\tFM\tNOFREQ\t0\n"
                                                      "144.1\tNFM\tLAST\t0\n"
                                                      "144.2\tNFM\tPAST1\t0\n"
                                                      "144.3\tNFM\tPAST2\t0\n"));
    Select(998, 998);
    view->OnPaste();

    EXPECT_EQ(edits, std::vector<QString>{"Paste"});
    EXPECT_EQ(Row(998), "430.50000|AM|A[2JB|0");
    EXPECT_EQ(Row(999), "145.00000|NFM|OLD|0");
    EXPECT_EQ(Row(1000), "144.10000|NFM|LAST|0");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, "Paste");
    EXPECT_EQ(prompt.messages[0].text,
              "Not everything was pasted:\n"
              "Channel 998: Channel Name: \"\\x01\\x1B\" left out\n"
              "Channel 999: \"abc\" is not a frequency; the row was not pasted\n"
              "2 rows past channel 1000 were left out");
    view->OnKillActive();
    EXPECT_EQ(TextFromName(ri() + ri::ChannelName(998)), "A[2JB");
    EXPECT_EQ(TextFromName(ri() + ri::ChannelName(999)), "OLD");
    EXPECT_TRUE(radio.IsChannelUsed(999));

    // A paste that takes everything says nothing more.
    prompt.messages.clear();
    QApplication::clipboard()->setText(QStringLiteral("146.5\tNFM\tFINE\t0\n"));
    Select(1, 1);
    view->OnPaste();
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(edits.size(), 2u);
}
