// Undo's costs on a full keyboard (55 codes on every layer of every button): taking the
// programming out of the image and restoring it (which derives every display text), and the
// memory the history holds for 200 steps that each changed the whole keyboard.
// Targets: take and restore at most 1 ms each; 200 whole-keyboard steps at most 10 MB.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <vector>

#include "gui/model/EditHistory.h"
#include "tolvane/image/KeyboardProgramming.h"

namespace {

using namespace tolvane;

std::unique_ptr<KeyboardImage> FullImage(KeyCode code) {
    auto image = std::make_unique<KeyboardImage>();
    const std::vector<KeyCode> codes(MaxKeysPerLayer, code);
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            image->StoreKeyRecord(button, layer, codes);
        }
    }
    image->DeriveAllLayerTexts();
    return image;
}

void BM_TakeFullProgramming(benchmark::State& state) {
    const auto image = FullImage(55);
    for (auto _ : state) {
        auto taken = std::make_unique<KeyboardProgramming>(image->TakeProgramming());
        benchmark::DoNotOptimize(taken.get());
    }
}
BENCHMARK(BM_TakeFullProgramming)->Unit(benchmark::kMillisecond);

// Shifts on every layer: the naming of every code flips, the dearest derivation there is.
void BM_RestoreFullProgramming(benchmark::State& state) {
    const auto programming =
        std::make_unique<KeyboardProgramming>(FullImage(55)->TakeProgramming());
    auto image = std::make_unique<KeyboardImage>();
    for (auto _ : state) {
        image->RestoreProgramming(*programming);
        benchmark::DoNotOptimize(image->buttons[84].layerText[6].data());
    }
}
BENCHMARK(BM_RestoreFullProgramming)->Unit(benchmark::kMillisecond);

void BM_HistoryOf200WholeKeyboardSteps(benchmark::State& state) {
    const auto first = std::make_unique<KeyboardProgramming>(FullImage(4)->TakeProgramming());
    const auto second = std::make_unique<KeyboardProgramming>(FullImage(5)->TakeProgramming());
    double heapBytes = 0;
    double heldBytes = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        {
            auto history = std::make_unique<gui::EditHistory>();
            for (int step = 0; step < 200; ++step) {
                history->Record({gui::EditStep::kReadKeyboard}, step % 2 == 0 ? *first : *second);
            }
            heapBytes = static_cast<double>(mallinfo2().uordblks - before);
            heldBytes = static_cast<double>(history->BytesHeld());
            if (history->UndoSteps() != 200) {
                state.SkipWithError("steps were dropped");
            }
        }
    }
    state.counters["heap_MB"] = heapBytes / 1e6;
    state.counters["held_MB"] = heldBytes / 1e6;
}
BENCHMARK(BM_HistoryOf200WholeKeyboardSteps)->Unit(benchmark::kMillisecond);

}  // namespace
