// Editing many channels from the window: Edit Channels, Fill Down and Fill Series each change
// what the grid shows in one undo step, and a refused row leaves everything as it was.

#include "AppTestSupport.h"

#include "app/EditHistory.h"
#include "pages/ChannelEditDlg.h"
#include "pages/FillSeriesDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

namespace {

class BulkEdit : public AppTest {
protected:
    // Channels 1..3 at 145, 146 and 809.998 MHz, named ONE, TWO, EDGE; 4 unused.
    void StartWithChannels() {
        CVR500Radio maker;
        maker.NewImage();
        const int hz[] = {145'000'000, 146'000'000, 809'998'000};
        const char* names[] = {"ONE", "TWO", "EDGE"};
        for (int n = 1; n <= 3; ++n) {
            records::MemoryChannel c(maker.EditRadio(), n);
            c.SetInUse(true);
            c.SetFrequencyHz(hz[n - 1]);
            c.SetModeCode(1);
            c.SetName(QString::fromLatin1(names[n - 1]));
        }
        ASSERT_TRUE(maker.SaveTo(Path("bulk.rdf")));
        Start(kLanguageEnglishUS, {Path("bulk.rdf")});
        // The 810 MHz range is closed to this version of the receiver.
        ASSERT_TRUE(Radio().IsFrequencyBlocked(812'000'000));
    }
    CSpreadSheet* Sheet() const { return Host()->MemoryView()->Grid(); }
    QString Cell(int column, int row) const {
        QString t;
        Sheet()->ReadCell(column, row, t);
        return t;
    }
    QStringList Names(int last) const {
        QStringList names;
        for (int row = 1; row <= last; ++row)
            names << Cell(3, row);
        return names;
    }
    void Select(int column, int first, int last) {
        Grid()->setCurrentIndex(Grid()->model()->index(first - 1, column - 1));
        Sheet()->SetCurrentColumn(column);
        Sheet()->SetCurrentRow(first);
        Sheet()->SetLastColumn(column);
        Sheet()->SetLastRow(last);
        Sheet()->SetOperation(CSpreadSheet::OpSelect);
    }
    void Run(int id) { Frame()->Action(id)->trigger(); }
};

} // namespace

TEST_F(BulkEdit, ARefusedRowIsNamedAndNothingChangesThenOneStepIsUndoneWhole) {
    StartWithChannels();
    Select(1, 1, 4);
    const Image before = Radio().EditImage();
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CChannelEditDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->offsetKHz->setValue(5);
        dialog->setMode->setChecked(true);
        dialog->mode->setCurrentIndex(2); // AM
        dialog->accept();
    });
    Run(CMainFrame::ID_EDIT_CHANNELS);
    ASSERT_FALSE(prompt.messages.empty());
    EXPECT_EQ(prompt.messages.back().caption, QStringLiteral("Edit Channels"));
    EXPECT_TRUE(prompt.LastText().contains(QStringLiteral("Nothing was changed")));
    EXPECT_TRUE(prompt.LastText().contains(QStringLiteral("810.00300 is not a valid frequency")));
    EXPECT_TRUE(Radio().EditImage() == before);
    EXPECT_FALSE(Frame()->History()->History().CanUndo());

    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CChannelEditDlg*>(modal);
        dialog->nameKind->setCurrentIndex(bulk::NameEdit::Pattern);
        dialog->nameText->setText(QStringLiteral("AIR {n:02}"));
        dialog->setPreferential->setChecked(true);
        dialog->preferential->setCurrentIndex(1);
        dialog->accept();
    });
    Run(CMainFrame::ID_EDIT_CHANNELS);
    EXPECT_EQ(Names(4), QStringList({"AIR 01", "AIR 02", "AIR 03", ""}));
    EXPECT_EQ(Cell(4, 2), QStringLiteral("1"));
    EXPECT_EQ(Frame()->History()->UndoLabel(), QStringLiteral("Edit Channels"));

    Run(CMainFrame::ID_EDIT_UNDO);
    EXPECT_EQ(Names(4), QStringList({"ONE", "TWO", "EDGE", ""}));
    EXPECT_TRUE(Radio().EditImage() == before);
}

TEST_F(BulkEdit, CtrlDFillsTheCurrentColumnDownTheSelection) {
    StartWithChannels();
    Select(3, 1, 4);
    QTest::keyClick(Grid(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Names(4), QStringList({"ONE", "ONE", "ONE", ""})); // 4 is not in use
    EXPECT_EQ(Frame()->History()->UndoLabel(), QStringLiteral("Fill Down"));

    Select(1, 1, 4);
    QTest::keyClick(Grid(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Cell(1, 4), QStringLiteral("145.00000"));
    Run(CMainFrame::ID_EDIT_UNDO);
    EXPECT_EQ(Cell(1, 4), QString());
    EXPECT_EQ(Cell(1, 3), QStringLiteral("809.99800"));
}

TEST_F(BulkEdit, SeriesPreviewListsRefusedFrequenciesAndWritesTheRest) {
    StartWithChannels();
    // This version also closes 824..849 MHz; 820 MHz lies between the two closed ranges.
    ASSERT_TRUE(Radio().IsFrequencyBlocked(830'000'000));
    ASSERT_FALSE(Radio().IsFrequencyBlocked(820'000'000));
    Select(1, 2, 2); // the series starts at the selected channel, passing over those in use
    QStringList preview;
    QString summary;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CFillSeriesDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->firstChannel->value(), 2);
        dialog->start->setText(QStringLiteral("800"));
        dialog->stepKHz->setValue(5000);
        dialog->byEnd->setChecked(true);
        dialog->end->setText(QStringLiteral("835"));
        dialog->namePattern->setText(QStringLiteral("S{n}"));
        for (int i = 0; i < dialog->preview->count(); ++i)
            preview << dialog->preview->item(i)->text();
        summary = dialog->summary->text();
        dialog->accept();
    });
    Run(CMainFrame::ID_FILL_SERIES);
    EXPECT_EQ(summary, QStringLiteral("Channels to write: 3; frequencies refused: 5"));
    ASSERT_EQ(preview.size(), 8);
    EXPECT_EQ(preview[0], QStringLiteral("Channel 4: 800.00000 NFM S1"));
    EXPECT_EQ(preview[2], QStringLiteral("Refused: 810.00000 is not a valid frequency"));
    EXPECT_EQ(preview[4], QStringLiteral("Channel 6: 820.00000 NFM S3"));
    EXPECT_EQ(preview[7], QStringLiteral("Refused: 835.00000 is not a valid frequency"));
    EXPECT_EQ(Cell(1, 6), QStringLiteral("820.00000"));
    EXPECT_EQ(Names(6), QStringList({"ONE", "TWO", "EDGE", "S1", "S2", "S3"}));

    Run(CMainFrame::ID_EDIT_UNDO);
    EXPECT_EQ(Cell(1, 4), QString());
}
