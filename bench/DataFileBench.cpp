// Loading a data file and moving all 1000 memory channels through CSV.

#include "radio/Csv.h"
#include "radio/Radio.h"

#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// A data set with every channel in use, its settings in a scratch folder.
struct FullSet {
    FullSet() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        radio.NewImage();
        radio.EditRadio()[layout::ri::kCountryCode] = 2;
        for (int n = 1; n <= layout::ri::kChannelCount; ++n) {
            ChannelRecord rec = *radio.GetChannel(n);
            EncodeDigits(rec.code, (100'000 + n * 1'299'000) / 50 * 50, 8);
            rec.flags = static_cast<Byte>(1 + n % 6);
            std::memcpy(rec.name, "CH,\"NAME", 8);
            radio.StoreChannel(rec, n);
            radio.SetChannelUsed(n, true);
        }
        path = folder.filePath(QStringLiteral("full.rdf"));
        radio.SaveTo(path);
        csvText = csv::ExportChannels(radio);
    }
    QTemporaryDir folder;
    CVR500Radio radio;
    QString path;
    QByteArray csvText;
};

FullSet& Set() {
    static FullSet set;
    return set;
}

void LoadDataFile(benchmark::State& state) {
    FullSet& s = Set();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.radio.LoadFile(s.path));
}
BENCHMARK(LoadDataFile)->Unit(benchmark::kMicrosecond);

void ExportAllChannels(benchmark::State& state) {
    FullSet& s = Set();
    for (auto _ : state)
        benchmark::DoNotOptimize(csv::ExportChannels(s.radio));
    state.SetItemsProcessed(state.iterations() * layout::ri::kChannelCount);
}
BENCHMARK(ExportAllChannels)->Unit(benchmark::kMicrosecond);

void ImportAllChannels(benchmark::State& state) {
    FullSet& s = Set();
    for (auto _ : state) {
        const csv::ImportResult result = csv::ImportChannels(s.radio, s.csvText);
        if (result.channelsSet != layout::ri::kChannelCount)
            state.SkipWithError("the import was refused");
    }
    state.SetItemsProcessed(state.iterations() * layout::ri::kChannelCount);
}
BENCHMARK(ImportAllChannels)->Unit(benchmark::kMicrosecond);

} // namespace
