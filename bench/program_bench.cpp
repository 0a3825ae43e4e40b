// The production line against virtual keyboards.
//
// BM_ProgramPluggedAtOnce/N: program --each --count N with N keyboards plugged in at the
// start; the pacing of a write is per keyboard, so four should take no longer than one
// (target: within 1.1 times).
//
// BM_ProgramArrivalWhileWriting: three keyboards are being written when a fourth is plugged
// in; start_ms is the time from its arrival notice to the first report it receives
// (target: within 100 ms), as the mean and the worst of the iterations.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "cli/ProductionLine.h"
#include "emulator/VirtualKeyboard.h"
#include "hidio/VirtualBus.h"
#include "tests/support/CliRunner.h"
#include "tolvane/files/DataFileLoader.h"

namespace {

using namespace tolvane;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string TillLayout() {
    return (fs::path(TOLVANE_SOURCE_DIR) / "examples" / "till.dat").string();
}

void BM_ProgramPluggedAtOnce(benchmark::State& state) {
    const std::string keyboards = std::to_string(state.range(0));
    std::vector<std::string> args(static_cast<std::size_t>(state.range(0)), "--virtual-keyboard");
    args.insert(args.end(), {"--quiet", "program", TillLayout(), "--each", "--count", keyboards});
    for (auto _ : state) {
        if (testing::RunCliWith(args).status != 0) {
            state.SkipWithError("program failed");
        }
    }
}
BENCHMARK(BM_ProgramPluggedAtOnce)
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

class Quiet final : public cli::StationListener {
  public:
    void OnTaken(const std::string&, const std::string&) override {}
    bool OnResult(const cli::KeyboardOutcome& outcome, const cli::Tally&) override {
        allPassed = allPassed && outcome.passed;
        return true;
    }
    void OnStopping(cli::StopReason, int) override {}
    bool allPassed = true;
};

// Waits, in small steps, until the keyboard has received at least count reports.
Clock::time_point WhenReceived(const emulator::VirtualKeyboard& keyboard, std::size_t count) {
    while (keyboard.ReportsReceived() < count) {
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return Clock::now();
}

void BM_ProgramArrivalWhileWriting(benchmark::State& state) {
    const auto layout = std::make_unique<KeyboardImage>();
    if (!LoadDataFile(*layout, TillLayout()).ok()) {
        state.SkipWithError("the example layout did not load");
        return;
    }
    double worstMs = 0;
    double totalMs = 0;
    for (auto _ : state) {
        hidio::VirtualBus bus;
        hidio::SelectBus(&bus);
        std::vector<std::unique_ptr<emulator::VirtualKeyboard>> keyboards;
        for (int i = 1; i <= 4; ++i) {
            keyboards.push_back(
                std::make_unique<emulator::VirtualKeyboard>(bus, std::to_string(i)));
        }
        std::atomic<Clock::rep> arrival{0};
        const auto watch = bus.StartWatch([&](hidio::WatchEvent event, const std::string& path) {
            if (event == hidio::WatchEvent::kArrival && path == keyboards[3]->VendorPath()) {
                arrival.store(Clock::now().time_since_epoch().count());
            }
        });
        for (int i = 0; i < 3; ++i) {
            keyboards[static_cast<std::size_t>(i)]->Plug();
        }
        Quiet quiet;
        const std::atomic<bool> never{false};
        std::jthread line([&] {
            cli::RunProductionLine(*layout, {false, 4, {}}, quiet, never, StartSystemThread);
        });
        for (int i = 0; i < 3; ++i) {
            WhenReceived(*keyboards[static_cast<std::size_t>(i)], 100);  // a second into its write
        }
        keyboards[3]->Plug();
        const Clock::time_point firstReport = WhenReceived(*keyboards[3], 1);
        const double ms = std::chrono::duration<double, std::milli>(
                              firstReport - Clock::time_point(Clock::duration(arrival.load())))
                              .count();
        worstMs = std::max(worstMs, ms);
        totalMs += ms;
        line.join();
        hidio::SelectBus(nullptr);
        if (!quiet.allPassed) {
            state.SkipWithError("a keyboard failed");
        }
    }
    state.counters["start_ms_mean"] = totalMs / static_cast<double>(state.iterations());
    state.counters["start_ms_worst"] = worstMs;
}
BENCHMARK(BM_ProgramArrivalWhileWriting)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
