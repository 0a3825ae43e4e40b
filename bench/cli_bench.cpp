// "write --all" to several virtual keyboards against a write to one: the 10 ms pacing is
// per keyboard, so keyboards written side by side should take about as long as one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"

namespace {

namespace fs = std::filesystem;

void BM_WriteAll(benchmark::State& state) {
    const std::string layout = (fs::path(TOLVANE_SOURCE_DIR) / "examples" / "till.dat").string();
    std::vector<std::string> args(static_cast<std::size_t>(state.range(0)), "--virtual-keyboard");
    args.insert(args.end(), {"--quiet", "write", layout, "--all"});
    for (auto _ : state) {
        if (tolvane::testing::RunCliWith(args).status != 0) {
            state.SkipWithError("write --all failed");
        }
    }
}
BENCHMARK(BM_WriteAll)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
