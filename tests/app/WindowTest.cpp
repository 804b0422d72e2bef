// The main window on screens of today: it resizes, comes back as it was left, keeps every
// control reachable at large scales, marks unsaved changes; Compare leads to the pages.

#include "AppTestSupport.h"

#include "link/dialogs/CompareDlg.h"
#include "pages/AutoBand.h"
#include "pages/DualWatch.h"
#include "radio/Records.h"

#include <QProcess>
#include <QScrollArea>
#include <QTreeWidget>

namespace {

constexpr int kDecorations = 64; // a title bar and a desktop panel

int RowsInView(QAbstractItemView* grid) {
    return grid->indexAt(QPoint(1, grid->viewport()->height() - 2)).row() -
           grid->indexAt(QPoint(1, 1)).row();
}

void DoubleClick(QTreeWidget* list, const QString& start) {
    const QList<QTreeWidgetItem*> found =
        list->findItems(start, Qt::MatchStartsWith | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1) << start.toStdString();
    const QPoint at = list->visualItemRect(found[0]).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

TEST_F(AppTest, TheWindowGrowsItsGridsComesBackAsLeftAndMarksChanges) {
    Start();
    EXPECT_LE(Frame()->minimumSizeHint().width(), 1024);
    EXPECT_LE(Frame()->minimumSizeHint().height(), 600 - kDecorations);
    Frame()->resize(1000, 560);
    QTest::qWait(20);
    const int fewRows = RowsInView(Grid());
    Frame()->resize(1600, 1000);
    QTest::qWait(20);
    EXPECT_GE(RowsInView(Grid()), fewRows + 15);

    EXPECT_EQ(Frame()->windowTitle(), "Corvinel - NONAME.RDF[*]");
    EXPECT_FALSE(Frame()->isWindowModified());
    TypeInCell(3, "145.2");
    ASSERT_TRUE(Host()->CommitPages());
    QTest::qWait(0); // the edit becomes an undo step
    EXPECT_TRUE(Frame()->isWindowModified());
    prompt.savePaths = {Path("saved.rdf")};
    ASSERT_TRUE(Frame()->OnFileSave());
    EXPECT_FALSE(Frame()->isWindowModified());

    Frame()->setGeometry(40, 30, 1100, 700);
    const QRect left = Frame()->geometry();
    ASSERT_TRUE(Frame()->close());
    Start();
    EXPECT_EQ(Frame()->geometry(), left);
    Frame()->showMaximized();
    ASSERT_TRUE(Frame()->close());
    Start();
    EXPECT_TRUE(Frame()->isMaximized());
}

// Run by the next test at the scale it sets: each control of each page can be scrolled into
// view in a window that fills the screen.
TEST_F(AppTest, EveryControlCanBeReachedAtThisScale) {
    const QStringList screen = qEnvironmentVariable("CORVINEL_TEST_SCREEN").split('x');
    if (screen.size() != 2)
        GTEST_SKIP() << "run by EveryControlCanBeReachedAtLargeScales";
    Start();
    const qreal ratio = Frame()->devicePixelRatioF();
    const QSize room(screen[0].toInt() / ratio, screen[1].toInt() / ratio - kDecorations);
    Frame()->resize(room);
    ASSERT_EQ(Frame()->size(), room);
    CSnapPropertySheet* sheet = Host()->Sheet();
    for (int page = 0; page < sheet->count(); ++page) {
        ASSERT_TRUE(sheet->SetActivePage(page));
        QTest::qWait(20);
        auto* scroll = qobject_cast<QScrollArea*>(sheet->widget(page));
        const QRect viewport = scroll->viewport()->rect();
        for (QWidget* control : sheet->GetPage(page)->findChildren<QWidget*>()) {
            // What the keyboard reaches; a grid's insides are the grid's.
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(scroll) ||
                qobject_cast<QAbstractScrollArea*>(control->parentWidget()->parentWidget()))
                continue;
            scroll->ensureWidgetVisible(control, 0, 0);
            const QRect shown(control->mapTo(scroll->viewport(), QPoint()), control->size());
            EXPECT_EQ(shown.intersected(viewport).size(), shown.size().boundedTo(viewport.size()))
                << sheet->tabText(page).toStdString() << ": " << control->metaObject()->className()
                << " " << control->accessibleName().toStdString();
        }
    }
}

TEST(WindowScales, EveryControlCanBeReachedAtLargeScales) {
    for (const auto& [scale, screen] :
         {std::pair{"1", "1024x600"}, {"1.5", "1280x800"}, {"2", "1280x800"}}) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_SCALE_FACTOR", scale);
        env.insert("CORVINEL_TEST_SCREEN", screen);
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=AppTest.EveryControlCanBeReachedAtThisScale"});
        ASSERT_TRUE(run.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(run.readAll());
        EXPECT_TRUE(run.exitCode() == 0 && output.contains("[  PASSED  ] 1 test"))
            << "at " << scale << ":\n"
            << output.toStdString();
    }
}

TEST_F(AppTest, CompareStaysOpenAndADoubleClickShowsTheDifference) {
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
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The row shown is numbered as the pair the list names.
    DoubleClick(compare->List(), "Dual watch pair 3 B: ");
    auto* dualWatch = qobject_cast<CDualWatch*>(Host()->Sheet()->GetActivePage());
    ASSERT_NE(dualWatch, nullptr);
    const QModelIndex at = dualWatch->Grid()->currentIndex();
    EXPECT_EQ(at.model()->headerData(at.row(), Qt::Vertical).toString(), "3");
    EXPECT_EQ(at.siblingAtColumn(3).data().toString(), "121.50000");

    DoubleClick(compare->List(), "Channel 250 (bank 2) added");
    EXPECT_EQ(Host()->Sheet()->GetActivePage(), Host()->MemoryView());
    EXPECT_EQ(Grid()->currentIndex().row(), 249);
    EXPECT_TRUE(Grid()->viewport()->rect().contains(Grid()->visualRect(Grid()->currentIndex())));

    // Enter does the same and leaves the list open.
    compare->List()->setCurrentItem(
        compare->List()->findItems("Dual watch", Qt::MatchStartsWith | Qt::MatchRecursive)[0]);
    QTest::keyClick(compare->List(), Qt::Key_Return);
    EXPECT_EQ(Host()->Sheet()->GetActivePage(), dualWatch);
    EXPECT_TRUE(compare->isVisible());

    ASSERT_TRUE(Frame()->close());
    QTest::qWait(0);
    EXPECT_EQ(Frame()->CompareWindow(), nullptr); // closed with the main window
}

TEST_F(AppTest, AnAcceptedBandEdgeShowsItsSnappedValueUntilThePageIsLeft) {
    Start();
    CSnapPropertySheet* sheet = Host()->Sheet();
    const int autoBand = sheet->IndexOf(Host()->findChild<CAutoBand*>());
    ASSERT_TRUE(sheet->SetActivePage(autoBand));
    QAbstractItemView* grid = sheet->GetPage(autoBand)->findChild<CSpreadSheet*>();
    const QModelIndex edge = grid->model()->index(29, 0);
    grid->setCurrentIndex(edge);
    grid->edit(edge);
    QTest::keyClicks(grid->focusWidget(), "150.00373");
    QTest::keyClick(grid->focusWidget(), Qt::Key_Return);
    QTest::qWait(0); // the edit is stored as an undo step
    EXPECT_EQ(edge.data().toString(), "150.00375");
    EXPECT_EQ(records::BandPlanEntry(Radio().EditRadio(), 28).EdgeUnits(), 1'500'030);

    ASSERT_TRUE(Host()->ActivateMemoryView());
    ASSERT_TRUE(sheet->SetActivePage(autoBand));
    EXPECT_EQ(edge.data().toString(), "150.0030");
}
