// How long the legend sheets take to render and a labels file to read. The legend dialog
// renders the pages anew at every change of its choices, on the GUI thread, so a render of
// the example layout should stay well under a frame (16 ms), and one of the fullest layout
// (55 codes on every layer of every key, a 40-character label on each) under 100 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/FullImage.h"
#include "examples/TillLayout.h"
#include "tolvane/files/LabelsFile.h"
#include "tolvane/legend/LegendSheet.h"

namespace {

std::unique_ptr<tolvane::LegendLabels> FullLabels() {
    auto labels = std::make_unique<tolvane::LegendLabels>();
    for (int button = 1; button <= tolvane::ButtonCount; ++button) {
        for (int layer = 1; layer <= tolvane::LayerCount; ++layer) {
            labels->Set(button, layer, std::string(tolvane::kLongestLabel, 'W'));
        }
    }
    return labels;
}

void BM_RenderTillLayoutSheets(benchmark::State& state) {
    auto image = std::make_unique<tolvane::KeyboardImage>();
    tolvane::examples::BuildTillLayout(*image);
    auto labels = std::make_unique<tolvane::LegendLabels>();
    labels->Set(29, 1, "VOID");
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvane::RenderLegendSheets(*image, *labels, {}));
    }
}
BENCHMARK(BM_RenderTillLayoutSheets)->Unit(benchmark::kMillisecond);

void BM_RenderFullestSheets(benchmark::State& state) {
    const auto image = tolvane::bench::FullImage();
    const auto labels = FullLabels();
    tolvane::LegendOptions options;
    options.useLabels = state.range(0) != 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvane::RenderLegendSheets(*image, *labels, options));
    }
}
BENCHMARK(BM_RenderFullestSheets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ParseFullLabelsFile(benchmark::State& state) {
    const std::string text = tolvane::FormatLabelsFile(*FullLabels());
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvane::ParseLabelsText(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseFullLabelsFile)->Unit(benchmark::kMicrosecond);

}  // namespace
