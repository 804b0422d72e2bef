// The main window on screens of today: it resizes, remembers where it was, keeps every control
// reachable at large scales, marks unsaved changes, and the Compare window leads to the pages.

#include "AppTestSupport.h"

#include "app/EditHistory.h"
#include "link/dialogs/CompareDlg.h"
#include "pages/AutoBand.h"
#include "pages/DualWatch.h"
#include "radio/Records.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>

using namespace layout;

namespace {

// Room a desktop takes from the screen for the window's title bar and a panel.
constexpr int kDecorations = 64;

int RowsInView(QAbstractItemView* grid) {
    const int first = grid->indexAt(QPoint(1, 1)).row();
    int last = grid->indexAt(QPoint(1, grid->viewport()->height() - 2)).row();
    if (last < 0)
        last = grid->model()->rowCount() - 1;
    return last - first + 1;
}

QTreeWidgetItem* ItemStartingWith(QTreeWidget* list, const QString& start) {
    for (QTreeWidgetItemIterator it(list); *it; ++it)
        if ((*it)->text(0).startsWith(start))
            return *it;
    return nullptr;
}

void DoubleClick(QTreeWidget* list, QTreeWidgetItem* item) {
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

TEST_F(AppTest, TheWindowResizesItsGridsAndComesBackAsItWasLeft) {
    Start();
    // The smallest window fits a 1024 x 600 screen.
    const QSize smallest = Frame()->minimumSizeHint().expandedTo(Frame()->minimumSize());
    EXPECT_LE(smallest.width(), 1024);
    EXPECT_LE(smallest.height(), 600 - kDecorations);

    QWidget* sortButton = nullptr;
    for (QAbstractButton* b : Host()->MemoryView()->findChildren<QAbstractButton*>())
        if (b->text() == "&Sort")
            sortButton = b;
    ASSERT_NE(sortButton, nullptr);

    Frame()->resize(1000, 560);
    QTest::qWait(50);
    const int fewRows = RowsInView(Grid());
    const QSize buttonSize = sortButton->size();
    Frame()->resize(1600, 1000);
    QTest::qWait(50);
    EXPECT_EQ(Frame()->size(), QSize(1600, 1000));
    EXPECT_GE(RowsInView(Grid()), fewRows + 15) << fewRows;
    EXPECT_EQ(sortButton->size(), buttonSize); // side controls keep their size

    // Size and place are kept across a restart; so is the maximised state.
    Frame()->move(40, 30);
    Frame()->resize(1100, 700);
    QTest::qWait(50);
    const QRect left = Frame()->geometry();
    ASSERT_TRUE(Frame()->close());
    EXPECT_TRUE(settings::Open()->contains(settings::kWindowGeometry));
    Start();
    EXPECT_EQ(Frame()->geometry(), left);
    EXPECT_FALSE(Frame()->isMaximized());

    Frame()->showMaximized();
    QTest::qWait(50);
    ASSERT_TRUE(Frame()->close());
    Start();
    EXPECT_TRUE(Frame()->isMaximized());
}

TEST_F(AppTest, TheTitleMarksUnsavedChanges) {
    Start();
    EXPECT_EQ(Frame()->windowTitle(), "Corvinel - NONAME.RDF[*]");
    EXPECT_FALSE(Frame()->isWindowModified());
    TypeInCell(3, "145.2");
    Host()->CommitPages();
    QTest::qWait(0); // the edit becomes an undo step
    EXPECT_TRUE(Frame()->isWindowModified());
    Frame()->History()->Undo();
    EXPECT_FALSE(Frame()->isWindowModified());
    Frame()->History()->Redo();
    EXPECT_TRUE(Frame()->isWindowModified());
    prompt.savePaths = {Path("saved.rdf")};
    ASSERT_TRUE(Frame()->OnFileSave());
    EXPECT_EQ(Frame()->windowTitle(), "Corvinel - saved.rdf[*]");
    EXPECT_FALSE(Frame()->isWindowModified());
}

// Run by the next test in a program of its own, at the scale it sets: every control of every
// page can be scrolled into view in a window that fills a 1280 x 800 screen.
TEST_F(AppTest, EveryControlCanBeReachedAtThisScale) {
    const QString screen = qEnvironmentVariable("CORVINEL_TEST_SCREEN");
    if (screen.isEmpty())
        GTEST_SKIP() << "run by EveryControlCanBeReachedAtLargeScales";
    Start();
    const qreal ratio = Frame()->devicePixelRatioF();
    const QStringList wh = screen.split(QLatin1Char('x'));
    const QSize room(qFloor(wh[0].toInt() / ratio), qFloor(wh[1].toInt() / ratio) - kDecorations);
    Frame()->resize(room);
    QTest::qWait(50);
    ASSERT_LE(Frame()->width(), room.width());
    ASSERT_LE(Frame()->height(), room.height());

    CSnapPropertySheet* sheet = Host()->Sheet();
    for (int page = 0; page < sheet->count(); ++page) {
        ASSERT_TRUE(sheet->SetActivePage(page));
        QTest::qWait(20);
        auto* scroll = qobject_cast<QScrollArea*>(sheet->widget(page));
        ASSERT_NE(scroll, nullptr);
        QWidget* viewport = scroll->viewport();
        int checked = 0;
        for (QWidget* control : sheet->GetPage(page)->findChildren<QWidget*>()) {
            // Controls the user can reach with the keyboard; a grid's insides belong to it.
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(scroll) ||
                qobject_cast<QAbstractScrollArea*>(control->parentWidget()->parentWidget()))
                continue;
            ++checked;
            scroll->ensureWidgetVisible(control, 0, 0);
            const QRect shown(control->mapTo(viewport, QPoint()), control->size());
            const QRect seen = shown.intersected(viewport->rect());
            EXPECT_EQ(seen.size(), shown.size().boundedTo(viewport->size()))
                << sheet->tabText(page).toStdString() << ": "
                << (control->accessibleName().isEmpty() ? control->metaObject()->className()
                                                        : qPrintable(control->accessibleName()));
        }
        EXPECT_GE(checked, 1) << sheet->tabText(page).toStdString();
    }
}

TEST(WindowScales, EveryControlCanBeReachedAtLargeScales) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1024x600"}, {"1.5", "1280x800"}, {"2", "1280x800"}};
    for (const auto& [scale, screen] : cases) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_SCALE_FACTOR", scale);
        env.insert("CORVINEL_TEST_SCREEN", screen);
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=AppTest.EveryControlCanBeReachedAtThisScale"});
        ASSERT_TRUE(run.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(run.readAll());
        EXPECT_EQ(run.exitCode(), 0) << "scale " << scale << "\n" << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    }
}

TEST_F(AppTest, CompareStaysOpenAndLeadsToWhatDiffers) {
    Start();
    const QString file = MakeDataFile("before.rdf", 145'000'000);
    ASSERT_TRUE(Frame()->OpenPath(file));
    TypeInCell(250, "433.5");
    ASSERT_TRUE(Host()->CommitPages());
    records::DualWatchSide(Radio().EditRadio(), 3, 1).SetFrequencyHz(121'500'000);
    Frame()->DataSetReplaced();

    prompt.openPaths = {file};
    Frame()->OnCompareWith();
    CCompareDlg* compare = Frame()->CompareWindow();
    ASSERT_NE(compare, nullptr);
    EXPECT_TRUE(compare->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // the main window stays usable
    EXPECT_TRUE(compare->Text().startsWith("Channel 250 (bank 2) added: 433.50000 NFM no name\n"
                                           "Dual watch pair 3 B: "))
        << compare->Text().toStdString();

    QTreeWidgetItem* pair = ItemStartingWith(compare->List(), "Dual watch pair 3 B");
    ASSERT_NE(pair, nullptr);
    DoubleClick(compare->List(), pair);
    auto* dualWatch = qobject_cast<CDualWatch*>(Host()->Sheet()->GetActivePage());
    ASSERT_NE(dualWatch, nullptr);
    const int row = dualWatch->Grid()->currentIndex().row();
    // The row the cursor is on is numbered as the pair the Compare window named.
    EXPECT_EQ(dualWatch->Grid()->model()->headerData(row, Qt::Vertical).toString(), "3");
    EXPECT_EQ(dualWatch->Grid()->model()->index(row, 3).data().toString(), "121.50000");

    DoubleClick(compare->List(), ItemStartingWith(compare->List(), "Channel 250"));
    EXPECT_EQ(Host()->Sheet()->GetActivePage(), Host()->MemoryView());
    EXPECT_EQ(Grid()->currentIndex().row(), 249);
    EXPECT_TRUE(Grid()->viewport()->rect().contains(Grid()->visualRect(Grid()->currentIndex())));

    // Closing the main window closes the comparison with it.
    ASSERT_TRUE(Frame()->close());
    QTest::qWait(0);
    EXPECT_EQ(Frame()->CompareWindow(), nullptr);
}

TEST_F(AppTest, AnAcceptedBandEdgeShowsItsSnappedValueUntilThePageIsLeft) {
    Start();
    CSnapPropertySheet* sheet = Host()->Sheet();
    int autoBand = -1;
    for (int i = 0; i < sheet->count(); ++i)
        if (qobject_cast<CAutoBand*>(sheet->GetPage(i)))
            autoBand = i;
    ASSERT_TRUE(sheet->SetActivePage(autoBand));
    QAbstractItemView* grid = sheet->GetPage(autoBand)->findChild<CSpreadSheet*>();
    const QModelIndex edge = grid->model()->index(29, 0);
    grid->setCurrentIndex(edge);
    grid->edit(edge);
    QLineEdit* editor = grid->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "150.00373");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::qWait(0); // the edit is stored as an undo step

    EXPECT_EQ(edge.data().toString(), "150.00375");
    EXPECT_EQ(records::BandPlanEntry(Radio().EditRadio(), 28).EdgeUnits(), 1'500'030);
    EXPECT_TRUE(Frame()->isWindowModified());

    ASSERT_TRUE(Host()->ActivateMemoryView());
    ASSERT_TRUE(sheet->SetActivePage(autoBand));
    EXPECT_EQ(edge.data().toString(), "150.0030");
}
