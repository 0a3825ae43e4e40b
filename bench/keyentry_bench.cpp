// Faster key entry: Find over every layer of every button of a full programming, and the
// keys of a typed text as long as a layer holds.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "tolvane/app/FindInButtons.h"
#include "tolvane/keyprog/TypedText.h"

namespace {

using namespace tolvane;

// Every layer of every button holds 55 codes: letters, digits and Shifts, varied by button
// and layer, with F5 on one layer in twelve.
std::unique_ptr<KeyboardImage> FullProgramming() {
    auto image = std::make_unique<KeyboardImage>();
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            std::vector<KeyCode> codes(MaxKeysPerLayer);
            for (std::size_t i = 0; i < codes.size(); ++i) {
                const auto step = static_cast<int>(i) + button * 7 + layer * 3;
                codes[i] = i % 9 == 4 ? kLeftShift : static_cast<KeyCode>(15 + step % 50);
            }
            if ((button + layer) % 12 == 0) {
                codes[30] = 6;  // F5
            }
            image->StoreKeyRecord(button, layer, codes);
        }
    }
    return image;
}

void BM_FindAKeyNameOverAFullProgramming(benchmark::State& state) {
    const auto image = FullProgramming();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindInButtons(*image, "F5"));
    }
}
BENCHMARK(BM_FindAKeyNameOverAFullProgramming)->Unit(benchmark::kMicrosecond);

void BM_FindATextNowhereInAFullProgramming(benchmark::State& state) {
    const auto image = FullProgramming();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindInButtons(*image, "Total 1"));
    }
}
BENCHMARK(BM_FindATextNowhereInAFullProgramming)->Unit(benchmark::kMicrosecond);

void BM_KeysOfA55CharacterText(benchmark::State& state) {
    const std::string text = "Total 1 CASH card Visa 4711 - Thank you! See you SOON :)";
    for (auto _ : state) {
        benchmark::DoNotOptimize(KeyCodesOfText(text.substr(0, 55), false));
    }
}
BENCHMARK(BM_KeysOfA55CharacterText)->Unit(benchmark::kMicrosecond);

}  // namespace
