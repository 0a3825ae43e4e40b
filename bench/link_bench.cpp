// A full write and a full read through CHid and hidio against the virtual keyboard.
//
// The write is paced by the protocol's 505 pauses of 10 ms, so 5.05 s is its floor; the
// read has no pauses and shows what the host spends per record.
#include <benchmark/benchmark.h>

#include <memory>
#include <stop_token>

#include "emulator/VirtualKeyboard.h"
#include "hidio/VirtualBus.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/Hid.h"
#include "tolvane/link/TransferProtocol.h"

namespace {

using namespace tolvane;

struct Rig {
    hidio::VirtualBus bus;
    emulator::VirtualKeyboard keyboard{bus, "bench"};
    std::unique_ptr<KeyboardImage> image = std::make_unique<KeyboardImage>();
    CHid hid{&bus};

    Rig() {
        keyboard.Plug();
        hid.m_bDevicePresent = 1;
        emulator::Programming programming;
        for (int button = 1; button <= wire::kButtonCount; ++button) {
            for (int layer = 1; layer <= wire::kLayerCount; ++layer) {
                programming.keys[button][layer].assign(10, 0x2B);
            }
        }
        keyboard.SetProgramming(programming);
    }
};

void BM_FullWrite(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        WriteTransfer(*rig.image, rig.hid, std::stop_token{});
        rig.hid.EndTransfer();
    }
    state.counters["reports"] = static_cast<double>(rig.keyboard.ReportsReceived()) /
                                static_cast<double>(state.iterations());
}
BENCHMARK(BM_FullWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_FullRead(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        ReadTransfer(*rig.image, rig.hid, std::stop_token{});
        rig.hid.EndTransfer();
        rig.keyboard.Trace().Clear();
    }
    state.counters["records"] = rig.image->status.reportCount.load();
}
BENCHMARK(BM_FullRead)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
