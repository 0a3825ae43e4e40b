// "write --all" to several virtual keyboards against a write to one: the 10 ms pacing is
// per keyboard, so keyboards written side by side should take about as long as one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"

namespace {

namespace fs = std::filesystem;

int RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), "tolvane-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    return tolvane::cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err, false);
}

void BM_WriteAll(benchmark::State& state) {
    const std::string layout = (fs::path(TOLVANE_SOURCE_DIR) / "examples" / "till.dat").string();
    std::vector<std::string> args(static_cast<std::size_t>(state.range(0)), "--virtual-keyboard");
    args.insert(args.end(), {"--quiet", "write", layout, "--all"});
    for (auto _ : state) {
        if (RunCli(args) != 0) {
            state.SkipWithError("write --all failed");
        }
    }
}
BENCHMARK(BM_WriteAll)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
