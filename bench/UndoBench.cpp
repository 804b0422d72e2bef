// Undo and redo of a sort of all 1000 memory channels, and the diff of two full data sets.

#include "radio/Compare.h"
#include "radio/Radio.h"
#include "radio/UndoHistory.h"

#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace {

// 1000 channels in use in scrambled order, then sorted by frequency as one step.
struct SortedSet {
    SortedSet() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        radio.NewImage();
        for (int n = 1; n <= layout::ri::kChannelCount; ++n) {
            ChannelRecord rec = *radio.GetChannel(n);
            EncodeDigits(rec.code, 100'000 + (n * 7919 % 1000) * 1'000'000, 8);
            rec.flags = static_cast<Byte>(1 + n % 6);
            std::memcpy(rec.name, "CHANNEL ", 8);
            rec.name[7] = static_cast<Byte>('0' + n % 10);
            radio.StoreChannel(rec, n);
            radio.SetChannelUsed(n, true);
        }
        history.Reset(radio.EditImage());
        std::vector<ChannelRecord> rows;
        for (int n = 1; n <= layout::ri::kChannelCount; ++n)
            rows.push_back(*radio.GetChannel(n));
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return a.frequencyHz < b.frequencyHz;
        });
        for (int n = 1; n <= layout::ri::kChannelCount; ++n) {
            EncodeDigits(rows[n - 1].code, rows[n - 1].frequencyHz, 8);
            radio.StoreChannel(rows[n - 1], n);
        }
        history.Record(radio.EditImage(), QStringLiteral("Sort"), 0);
    }
    QTemporaryDir folder;
    CVR500Radio radio;
    UndoHistory history;
};

void BM_UndoSortOf1000Channels(benchmark::State& state) {
    SortedSet set;
    for (auto _ : state) {
        set.history.Undo(set.radio);
        state.PauseTiming();
        set.history.Redo(set.radio);
        state.ResumeTiming();
    }
    state.counters["kept_bytes"] = static_cast<double>(set.history.KeptBytes());
}
BENCHMARK(BM_UndoSortOf1000Channels)->Unit(benchmark::kMicrosecond);

void BM_RedoSortOf1000Channels(benchmark::State& state) {
    SortedSet set;
    for (auto _ : state) {
        state.PauseTiming();
        set.history.Undo(set.radio);
        state.ResumeTiming();
        set.history.Redo(set.radio);
    }
}
BENCHMARK(BM_RedoSortOf1000Channels)->Unit(benchmark::kMicrosecond);

// Recording the sort: finding what changed in the whole image.
void BM_RecordSortOf1000Channels(benchmark::State& state) {
    SortedSet set;
    const Image sorted = set.radio.EditImage();
    set.history.Undo(set.radio);
    const Image scrambled = set.radio.EditImage();
    for (auto _ : state) {
        set.history.Reset(scrambled);
        benchmark::DoNotOptimize(set.history.Record(sorted, QStringLiteral("Sort"), 0));
    }
}
BENCHMARK(BM_RecordSortOf1000Channels)->Unit(benchmark::kMicrosecond);

void BM_CompareSortedWithScrambled(benchmark::State& state) {
    SortedSet set;
    const Image sorted = set.radio.EditImage();
    set.history.Undo(set.radio);
    for (auto _ : state)
        benchmark::DoNotOptimize(compare::CompareImages(set.radio.EditImage(), sorted));
}
BENCHMARK(BM_CompareSortedWithScrambled)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
