// The channel list's long operations with a screen reader attached: sorting 1000 channels,
// Hide Unused, a 1000-row paste and Open, each to the repainted grid with every accessibility
// event delivered. Each should stay under 50 ms.
//
// Qt turns accessibility on only through the platform's bridge, so run on X11 with an AT-SPI
// bus, e.g.:
//     xvfb-run -a dbus-run-session -- sh -c '/usr/libexec/at-spi-bus-launcher & sleep 1;
//         QT_QPA_PLATFORM=xcb build/bench/accessibility_bench'
// Offscreen the benchmarks stop with an error that says so.

#include "SilentPrompt.h"
#include "app/EditHistory.h"
#include "app/MainFrame.h"
#include "app/RadioApp.h"
#include "app/SheetHost.h"
#include "pages/ChannelFinder.h"
#include "pages/MemoryView.h"
#include "pages/SortDlg.h"
#include "pages/SpreadSheet.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace {

// As a screen reader's presence does: the bridge reports accessibility on from the start.
[[maybe_unused]] const bool kAlwaysOn = qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");

// The window shown over a data file whose channels are in use every other one (so Hide
// Unused has rows to hide), or all of them.
struct Window {
    Window() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        app.SetPrompt(&prompt);
        app.InitInstance();
        exposed = QTest::qWaitForWindowExposed(app.Frame());
        // Made for the country the program has just settled on.
        for (const bool everyOther : {true, false}) {
            CVR500Radio radio;
            radio.NewImage();
            for (int n = 1; n <= layout::ri::kChannelCount; ++n) {
                if (everyOther && n % 2 == 0)
                    continue;
                ChannelRecord rec = *radio.GetChannel(n);
                EncodeDigits(rec.code, 100'000 + (n * 7919 % 1000) * 1'299'000, 8);
                rec.flags = static_cast<Byte>(1 + n % 6);
                std::memcpy(rec.name, "CHANNEL ", 8);
                radio.StoreChannel(rec, n);
                radio.SetChannelUsed(n, true);
            }
            (everyOther ? half : full) = folder.filePath(everyOther ? QStringLiteral("half.rdf")
                                                                    : QStringLiteral("full.rdf"));
            radio.SaveTo(everyOther ? half : full);
        }
    }
    CMainFrame& Frame() { return *app.Frame(); }
    CMemoryView& View() { return *Frame().Host()->MemoryView(); }
    // Lets the grid repaint and the accessibility events go out.
    static void Settle() { QApplication::processEvents(); }

    QTemporaryDir folder;
    QString half, full;
    bool exposed = false;
    SilentPrompt prompt;
    CRadioApp app;
};

// Made once and never destroyed: it must not outlive the application object.
Window& Shown() {
    static Window* window = new Window;
    return *window;
}

bool Ready(benchmark::State& state) {
    Shown();
    if (!Shown().exposed) {
        state.SkipWithError("the window did not show");
        return false;
    }
    // The bridge connects to the accessibility bus in the background.
    if (QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000))
        return true;
    state.SkipWithError("accessibility is not active: run on xcb with an AT-SPI bus");
    return false;
}

void SortAll1000(benchmark::State& state) {
    if (!Ready(state))
        return;
    Window& w = Shown();
    w.Frame().OpenPath(w.full);
    int order = 1;
    for (auto _ : state) {
        SortSettings sort;
        sort.scope = SortSettings::AllAsOneBank;
        sort.order = order = 3 - order; // each pass reverses the last
        w.View().SortBy(sort);
        Window::Settle();
    }
}
BENCHMARK(SortAll1000)->Unit(benchmark::kMillisecond);

void HideUnused(benchmark::State& state) {
    if (!Ready(state))
        return;
    Window& w = Shown();
    w.Frame().OpenPath(w.half);
    bool hide = false;
    for (auto _ : state) {
        hide = !hide;
        w.Frame().History()->Finder()->SetHideUnused(hide);
        Window::Settle();
    }
    w.Frame().History()->Finder()->SetHideUnused(false);
}
BENCHMARK(HideUnused)->Unit(benchmark::kMillisecond);

void Paste1000Rows(benchmark::State& state) {
    if (!Ready(state))
        return;
    Window& w = Shown();
    w.Frame().OpenPath(w.full);
    QString rows;
    for (int n = 0; n < layout::ri::kChannelCount; ++n)
        rows += QStringLiteral("%1\tNFM\tPASTED\t0\n").arg(145.0 + n * 0.0125, 0, 'f', 5);
    QApplication::clipboard()->setText(rows);
    CSpreadSheet& grid = *w.View().Grid();
    for (auto _ : state) {
        grid.selectRow(0);
        w.View().OnPaste();
        Window::Settle();
    }
}
BENCHMARK(Paste1000Rows)->Unit(benchmark::kMillisecond);

void OpenFullFile(benchmark::State& state) {
    if (!Ready(state))
        return;
    Window& w = Shown();
    for (auto _ : state) {
        if (!w.Frame().OpenPath(w.full))
            state.SkipWithError("the file did not open");
        Window::Settle();
    }
}
BENCHMARK(OpenFullFile)->Unit(benchmark::kMillisecond);

} // namespace
