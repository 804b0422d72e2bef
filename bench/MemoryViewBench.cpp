// The Memory View page over 1000 channels in use: filling the grid, storing it back (untouched,
// after one edit, and with every row changed), sorting all 1000 rows, and filtering them.

#include "pages/FilterBar.h"
#include "pages/MemoryView.h"
#include "pages/SortDlg.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstring>

namespace {

struct FullPage {
    FullPage() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        radio.NewImage();
        for (int n = 1; n <= layout::ri::kChannelCount; ++n) {
            ChannelRecord rec = *radio.GetChannel(n);
            // Scattered frequencies, so a sort has work to do.
            EncodeDigits(rec.code, 100'000 + (n * 7919 % 1000) * 1'299'000, 8);
            rec.flags = static_cast<Byte>(1 + n % 6);
            std::memcpy(rec.name, "NAME    ", 8);
            radio.StoreChannel(rec, n);
            radio.SetChannelUsed(n, true);
        }
        view = std::make_unique<CMemoryView>(radio);
        view->resize(800, 600);
    }
    QTemporaryDir folder;
    CVR500Radio radio;
    std::unique_ptr<CMemoryView> view;
};

FullPage& Page() {
    static FullPage page;
    return page;
}

void SortAll(CMemoryView& view, int order) {
    SortSettings s;
    s.scope = SortSettings::AllAsOneBank;
    s.order = order;
    view.SortBy(s);
}

void BM_FillGrid(benchmark::State& state) {
    FullPage& p = Page();
    for (auto _ : state) {
        p.view->FillGrid();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_FillGrid)->Unit(benchmark::kMillisecond);

void BM_StoreUntouched(benchmark::State& state) {
    FullPage& p = Page();
    p.view->FillGrid();
    for (auto _ : state)
        benchmark::DoNotOptimize(p.view->OnKillActive());
}
BENCHMARK(BM_StoreUntouched)->Unit(benchmark::kMillisecond);

// What an undo history pays: one edit, then the store.
void BM_StoreAfterOneEdit(benchmark::State& state) {
    FullPage& p = Page();
    p.view->FillGrid();
    int n = 0;
    for (auto _ : state) {
        ++n;
        p.view->Grid()->WriteCell(3, 1 + n % 1000, (n % 2) ? "EDIT" : "NAME");
        benchmark::DoNotOptimize(p.view->OnKillActive());
    }
}
BENCHMARK(BM_StoreAfterOneEdit)->Unit(benchmark::kMillisecond);

void BM_StoreEveryRowChanged(benchmark::State& state) {
    FullPage& p = Page();
    p.view->FillGrid();
    int order = 1;
    for (auto _ : state) {
        state.PauseTiming();
        order = 3 - order;
        SortAll(*p.view, order); // reverses every row
        state.ResumeTiming();
        benchmark::DoNotOptimize(p.view->OnKillActive());
    }
}
BENCHMARK(BM_StoreEveryRowChanged)->Unit(benchmark::kMillisecond);

void BM_SortAll(benchmark::State& state) {
    FullPage& p = Page();
    p.view->FillGrid();
    int order = 1;
    for (auto _ : state) {
        order = 3 - order;
        SortAll(*p.view, order);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SortAll)->Unit(benchmark::kMillisecond);

// Each step hides 999 rows or shows them all again: the most a filter change does.
void BM_FilterText(benchmark::State& state) {
    FullPage& p = Page();
    p.view->FillGrid();
    p.view->show(); // the hidden rows are laid out and painted, as on screen
    QLineEdit* text = p.view->FilterBar()->TextField();
    int n = 0;
    for (auto _ : state) {
        text->setText(++n % 2 ? QStringLiteral("nothing") : QString());
        QCoreApplication::processEvents();
    }
    text->clear();
}
BENCHMARK(BM_FilterText)->Unit(benchmark::kMillisecond);

// The channels changed since the file was opened: every row compared with the saved image.
void BM_FilterChangedSinceOpened(benchmark::State& state) {
    FullPage& p = Page();
    p.view->FillGrid();
    QCheckBox* changed = p.view->FilterBar()->ChangedSinceOpenedBox();
    for (auto _ : state) {
        changed->toggle();
        QCoreApplication::processEvents();
    }
    changed->setChecked(false);
}
BENCHMARK(BM_FilterChangedSinceOpened)->Unit(benchmark::kMillisecond);

} // namespace
