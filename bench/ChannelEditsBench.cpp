// Editing many channels at once: a bulk edit of all 1000 channels and a series of 1000, each
// with the undo step it makes (finding what changed, then taking it back).

#include "radio/ChannelEdits.h"
#include "radio/Records.h"
#include "radio/UndoHistory.h"

#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <numeric>
#include <vector>

namespace {

// 1000 channels in use across the VHF air band, a general-version data set.
struct FullSet {
    FullSet() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        radio.NewImage();
        for (int n = 1; n <= layout::ri::kChannelCount; ++n) {
            records::MemoryChannel c(radio.EditRadio(), n);
            c.SetInUse(true);
            c.SetFrequencyHz(118'000'000 + n * 8'333);
            c.SetModeCode(3);
            c.SetName(QStringLiteral("CH%1").arg(n));
        }
        std::iota(all.begin(), all.end(), 1);
        start = radio.EditImage();
    }
    QTemporaryDir folder;
    CVR500Radio radio;
    std::vector<int> all = std::vector<int>(layout::ri::kChannelCount);
    Image start{};
};

bulk::ChannelEdit AllFields() {
    bulk::ChannelEdit edit;
    edit.offsetHz = 25'000;
    edit.modeCode = 1;
    edit.preferential = true;
    edit.name = {bulk::NameEdit::Pattern, QStringLiteral("AIR{n:04}")};
    return edit;
}

bulk::SeriesPlan SeriesOf1000() {
    return {430'000'000, 12'500, 1000, 1, QStringLiteral("U{n:03}"), true};
}

void BM_BulkEditOf1000Channels(benchmark::State& state) {
    FullSet set;
    const bulk::ChannelEdit edit = AllFields();
    for (auto _ : state) {
        state.PauseTiming();
        set.radio.SetEditImage(set.start);
        state.ResumeTiming();
        benchmark::DoNotOptimize(bulk::EditChannels(set.radio, set.all, edit));
    }
}
BENCHMARK(BM_BulkEditOf1000Channels)->Unit(benchmark::kMillisecond);

void BM_SeriesOf1000(benchmark::State& state) {
    FullSet set;
    for (auto _ : state) {
        state.PauseTiming();
        set.radio.SetEditImage(set.start);
        state.ResumeTiming();
        // The preview's plan and the writing of it.
        bulk::ApplySeries(set.radio, bulk::PlanSeries(set.radio, SeriesOf1000()));
    }
}
BENCHMARK(BM_SeriesOf1000)->Unit(benchmark::kMillisecond);

// Recording the step and undoing it, as Undo after the command does.
template <typename Change> void UndoOf(benchmark::State& state, Change change) {
    FullSet set;
    UndoHistory history;
    for (auto _ : state) {
        state.PauseTiming();
        set.radio.SetEditImage(set.start);
        history.Reset(set.start);
        change(set);
        state.ResumeTiming();
        history.Record(set.radio.EditImage(), QStringLiteral("Edit"), 0);
        history.Undo(set.radio);
    }
}

void BM_UndoBulkEditOf1000Channels(benchmark::State& state) {
    UndoOf(state, [](FullSet& set) { bulk::EditChannels(set.radio, set.all, AllFields()); });
}
BENCHMARK(BM_UndoBulkEditOf1000Channels)->Unit(benchmark::kMillisecond);

void BM_UndoSeriesOf1000(benchmark::State& state) {
    UndoOf(state, [](FullSet& set) {
        bulk::ApplySeries(set.radio, bulk::PlanSeries(set.radio, SeriesOf1000()));
    });
}
BENCHMARK(BM_UndoSeriesOf1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
