// How long saving and loading a full data file take: every layer of every button holding
// 55 codes, the largest file the program writes. Both run on the GUI thread, so each should
// stay well under 2 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "tolvane/files/DataFileLoader.h"
#include "tolvane/files/DataFileWriter.h"

#include "bench/FullImage.h"

namespace {

namespace fs = std::filesystem;

fs::path BenchFile() {
    return fs::temp_directory_path() / "tolvane-files-bench.dat";
}

void BM_FormatFullImage(benchmark::State& state) {
    const auto image = tolvane::bench::FullImage();
    const std::tm now = tolvane::LocalTimeNow();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvane::FormatDataFile(*image, "full.dat", now));
    }
}
BENCHMARK(BM_FormatFullImage)->Unit(benchmark::kMillisecond);

// The whole save: format, write a temporary file, flush it to the disk, rename.
void BM_SaveFullImage(benchmark::State& state) {
    const auto image = tolvane::bench::FullImage();
    const std::tm now = tolvane::LocalTimeNow();
    for (auto _ : state) {
        const auto result = tolvane::SaveDataFile(*image, BenchFile(), "full.dat", now);
        if (!result.ok) {
            state.SkipWithError(result.error.c_str());
            break;
        }
    }
    fs::remove(BenchFile());
}
BENCHMARK(BM_SaveFullImage)->Unit(benchmark::kMillisecond);

// The whole load: read, scan, store and derive the texts and caption of every record.
void BM_LoadFullImage(benchmark::State& state) {
    const auto source = tolvane::bench::FullImage();
    tolvane::SaveDataFile(*source, BenchFile(), "full.dat", tolvane::LocalTimeNow());
    auto image = std::make_unique<tolvane::KeyboardImage>();
    for (auto _ : state) {
        const auto result = tolvane::LoadDataFile(*image, BenchFile());
        if (result.keyRecordsApplied != tolvane::ButtonCount * tolvane::LayerCount) {
            state.SkipWithError("the full file did not load");
            break;
        }
    }
    fs::remove(BenchFile());
}
BENCHMARK(BM_LoadFullImage)->Unit(benchmark::kMillisecond);

}  // namespace
