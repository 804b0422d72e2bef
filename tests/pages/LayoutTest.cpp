// What a user sees of every page and dialog: each control is on screen inside its window and
// no control lies over another, so nothing is hidden or unreachable by the mouse.

#include "PageTestSupport.h"
#include "pages/AutoBand.h"
#include "pages/DualWatch.h"
#include "pages/MemoryView.h"
#include "pages/Page2.h"
#include "pages/PageMain.h"
#include "pages/PrintSetupDlg.h"
#include "pages/SkipFrequency.h"
#include "pages/SortDlg.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

bool InsideAnItemView(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

// The controls a user works with, by their place in the window.
std::vector<std::pair<QWidget*, QRect>> Controls(QWidget& window) {
    std::vector<std::pair<QWidget*, QRect>> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
            (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parent())) ||
            qobject_cast<QAbstractItemView*>(w);
        if (control && w->isVisible() && !InsideAnItemView(w))
            controls.emplace_back(w, QRect(w->mapTo(&window, QPoint(0, 0)), w->size()));
    }
    return controls;
}

QString Name(QWidget* w) {
    const QString text = SpokenName(w);
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), text);
}

void ExpectLaidOut(QWidget& window, const char* what) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto controls = Controls(window);
    EXPECT_FALSE(controls.empty()) << what;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto& [w, at] = controls[i];
        EXPECT_TRUE(window.rect().contains(at)) << what << ": " << Name(w).toStdString();
        // A short table shows all its rows, with no scroll bar to hunt for the rest.
        if (auto* table = qobject_cast<QAbstractItemView*>(w);
            table && table->model()->rowCount() <= 10) {
            const int rows = table->model()->rowCount();
            const QRect last = table->visualRect(table->model()->index(rows - 1, 0));
            EXPECT_LE(last.bottom(), table->viewport()->height()) << what;
            EXPECT_FALSE(table->verticalScrollBar()->isVisible()) << what;
        }
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(at.intersects(controls[j].second))
                << what << ": " << Name(w).toStdString() << " overlaps "
                << Name(controls[j].first).toStdString();
    }
}

} // namespace

TEST(Layout, NoControlOfAPageOrDialogHidesAnother) {
    PageModel m;
    m.NewFor(kVersions[3]);
    std::vector<std::pair<const char*, std::unique_ptr<QWidget>>> windows;
    windows.emplace_back("Memory View", std::make_unique<CMemoryView>(m.radio));
    windows.emplace_back("VFO Scan", std::make_unique<CSkipFrequency>(m.radio));
    windows.emplace_back("Dual Watch", std::make_unique<CDualWatch>(m.radio));
    windows.emplace_back("Auto Band", std::make_unique<CAutoBand>(m.radio));
    windows.emplace_back("Setting", std::make_unique<CPageMain>(m.radio));
    windows.emplace_back("Preset Mode", std::make_unique<CPage2>(m.radio));
    SortSettings sort;
    windows.emplace_back("Sort", std::make_unique<CSortDlg>(sort));
    windows.emplace_back("Print Setup", std::make_unique<CPrintSetupDlg>(&m.prompt));
    for (auto& [what, window] : windows) {
        if (auto* page = qobject_cast<CPropertyPage*>(window.get())) {
            ASSERT_TRUE(page->OnSetActive());
        }
        window->resize(window->sizeHint().expandedTo(window->minimumSizeHint()));
        ExpectLaidOut(*window, what);
        window->hide();
    }
}
