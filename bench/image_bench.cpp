// How long deriving every display text of a full image takes: the work after a read.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "tolvane/image/KeyboardImage.h"

namespace {

void BM_DeriveAllLayerTextsOfAFullImage(benchmark::State& state) {
    auto image = std::make_unique<tolvane::KeyboardImage>();
    const std::vector<tolvane::KeyCode> codes(tolvane::MaxKeysPerLayer, 55);
    for (int button = 1; button <= tolvane::ButtonCount; ++button) {
        for (int layer = 1; layer <= tolvane::LayerCount; ++layer) {
            image->StoreKeyRecord(button, layer, codes);
        }
    }
    for (auto _ : state) {
        image->DeriveAllLayerTexts();
        benchmark::DoNotOptimize(image->buttons[84].layerText[6].data());
    }
}
BENCHMARK(BM_DeriveAllLayerTextsOfAFullImage)->Unit(benchmark::kMillisecond);

}  // namespace
