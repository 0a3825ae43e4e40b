// The safety around a write: the backup (a full read and its file, with the folder pruned to
// 100), the verify (a full read and the comparison), and the comparison of two full
// programmings alone. Targets: each read at most 50 ms of host time on the virtual keyboard,
// a comparison at most 1 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stop_token>

#include "bench/FullImage.h"
#include "emulator/VirtualKeyboard.h"
#include "hidio/VirtualBus.h"
#include "tolvane/files/Backups.h"
#include "tolvane/image/KeyboardProgramming.h"
#include "tolvane/image/ProgrammingDifference.h"
#include "tolvane/link/Hid.h"
#include "tolvane/link/TransferProtocol.h"

namespace {

using namespace tolvane;

struct Rig {
    hidio::VirtualBus bus;
    emulator::VirtualKeyboard keyboard{bus, "bench"};
    std::unique_ptr<KeyboardImage> image = std::make_unique<KeyboardImage>();
    CHid hid{&bus};
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "tolvane-safety-bench";

    Rig() {
        keyboard.Plug();
        hid.m_bDevicePresent = 1;
        emulator::Programming programming;
        for (int button = 1; button <= wire::kButtonCount; ++button) {
            for (int layer = 1; layer <= wire::kLayerCount; ++layer) {
                programming.keys[button][layer].assign(wire::kMaxKeysPerLayer, 0x2B);
            }
        }
        keyboard.SetProgramming(programming);
        std::filesystem::remove_all(folder);
    }
    ~Rig() { std::filesystem::remove_all(folder); }

    void Read() {
        ReadTransfer(*image, hid, std::stop_token{});
        hid.EndTransfer();
        keyboard.Trace().Clear();
    }
};

// A backup: the read, then the file, then pruning (the folder reaches 100 and stays there).
void BM_BackupBeforeWrite(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.Read();
        const BackupResult kept = SaveBackup(*rig.image, rig.folder, "SN1");
        benchmark::DoNotOptimize(kept.ok);
    }
    state.counters["backups kept"] = static_cast<double>(ListBackups(rig.folder).size());
}
BENCHMARK(BM_BackupBeforeWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(120);

// A verify: the read back, then the comparison with what was written.
void BM_VerifyAfterWrite(benchmark::State& state) {
    Rig rig;
    const KeyboardProgramming written = bench::FullImage()->TakeProgramming();
    for (auto _ : state) {
        rig.Read();
        benchmark::DoNotOptimize(Difference(written, rig.image->TakeProgramming()).Empty());
    }
}
BENCHMARK(BM_VerifyAfterWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// Two full programmings, identical (every layer compared) and differing on every layer.
void BM_CompareFullProgrammings(benchmark::State& state) {
    const KeyboardProgramming first = bench::FullImage()->TakeProgramming();
    KeyboardProgramming second = first;
    if (state.range(0) != 0) {
        for (ButtonProgramming& button : second.buttons) {
            for (LayerProgramming& layer : button.layers) {
                ++layer.keyCodes[0];
            }
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Difference(first, second).layers.size());
    }
}
BENCHMARK(BM_CompareFullProgrammings)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
