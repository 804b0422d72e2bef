// The desktop program: start-up to the shown window, and Open of a full data file to the
// filled grid. Offscreen, settings in a scratch folder.

#include "SilentPrompt.h"
#include "app/EditHistory.h"
#include "app/MainFrame.h"
#include "app/RadioApp.h"
#include "app/SheetHost.h"
#include "pages/MemoryView.h"
#include "pages/SortDlg.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace {

struct Scratch {
    Scratch() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path()); }
    QTemporaryDir folder;
    SilentPrompt prompt;
};

Scratch& Folder() {
    static Scratch scratch;
    return scratch;
}

// A data file with all 1000 channels in use, for the stored country.
QString FullFile() {
    static const QString path = [] {
        CVR500Radio radio;
        radio.NewImage();
        for (int n = 1; n <= layout::ri::kChannelCount; ++n) {
            ChannelRecord rec = *radio.GetChannel(n);
            EncodeDigits(rec.code, (100'000 + n * 1'299'000) / 50 * 50, 8);
            rec.flags = static_cast<Byte>(1 + n % 6);
            std::memcpy(rec.name, "CHANNEL ", 8);
            radio.StoreChannel(rec, n);
            radio.SetChannelUsed(n, true);
        }
        const QString file = Folder().folder.filePath(QStringLiteral("full.rdf"));
        radio.SaveTo(file);
        return file;
    }();
    return path;
}

void StartUpToShownWindow(benchmark::State& state) {
    Folder();
    for (auto _ : state) {
        auto app = std::make_unique<CRadioApp>();
        app->SetPrompt(&Folder().prompt);
        app->InitInstance();
        if (!QTest::qWaitForWindowExposed(app->Frame()))
            state.SkipWithError("the window did not show");
        state.PauseTiming(); // closing down is not part of starting
        app->Frame()->hide();
        app.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

void OpenFullFileToFilledGrid(benchmark::State& state) {
    const QString path = FullFile();
    CRadioApp app;
    app.SetPrompt(&Folder().prompt);
    app.InitInstance();
    for (auto _ : state) {
        if (!app.Frame()->OpenPath(path))
            state.SkipWithError("the file did not open");
    }
    app.Frame()->hide();
}
BENCHMARK(OpenFullFileToFilledGrid)->Unit(benchmark::kMillisecond);

// Undo and Redo of a sort of all 1000 channels, each to the reloaded grid.
void UndoAndRedoSortOf1000Channels(benchmark::State& state) {
    CRadioApp app;
    app.SetPrompt(&Folder().prompt);
    app.InitInstance();
    app.Frame()->OpenPath(FullFile());
    SortSettings descending;
    descending.order = 2;
    descending.scope = SortSettings::AllAsOneBank;
    app.Frame()->Host()->MemoryView()->SortBy(descending);
    CEditHistory& history = *app.Frame()->History();
    if (!history.Record(QStringLiteral("Sort")))
        state.SkipWithError("the sort changed nothing");
    const bool undo = state.range(0) == 0;
    for (auto _ : state) {
        if (!undo) {
            state.PauseTiming();
            history.Undo();
            state.ResumeTiming();
        }
        undo ? history.Undo() : history.Redo();
        if (undo) {
            state.PauseTiming();
            history.Redo();
            state.ResumeTiming();
        }
    }
    app.Frame()->hide();
}
BENCHMARK(UndoAndRedoSortOf1000Channels)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("redo")
    ->Unit(benchmark::kMillisecond);

} // namespace
