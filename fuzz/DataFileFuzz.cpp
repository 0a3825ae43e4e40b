// Any bytes as a data file: the load must never touch memory outside the image, and what
// it stores must keep the image's own limits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/FuzzRequire.h"

#include "tolvane/files/DataFileLoader.h"
#include "tolvane/files/DataFileWriter.h"

using tolvane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto image = std::make_unique<tolvane::KeyboardImage>();
    image->Reset();
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    tolvane::DataFileLoadHooks hooks;
    int problems = 0;
    hooks.onProblem = [&problems](const tolvane::DataFileProblem& problem) {
        Require(problem.line >= 1 && !problem.detail.empty());
        ++problems;
    };
    hooks.onButtonRefreshed = [](int button, const std::string&) {
        Require(tolvane::IsValidButton(button));
    };
    const tolvane::DataFileLoadResult result = tolvane::LoadDataFileText(*image, text, hooks);
    Require(result.ok() || !result.error.empty());

    for (int button = 1; button <= tolvane::ButtonCount; ++button) {
        for (int layer = 1; layer <= tolvane::LayerCount; ++layer) {
            Require(image->buttons[button].keyCount[layer] <= tolvane::MaxKeysPerLayer);
        }
    }
    // Whatever was loaded saves as a file that loads back the same, without a problem but
    // the values the load keeps as they are.
    const std::string saved = tolvane::FormatDataFile(*image, "fuzz.dat", std::tm{});
    problems = 0;
    hooks.onProblem = [&problems](const tolvane::DataFileProblem& problem) {
        if (problem.kind != tolvane::DataFileProblemKind::kUnassignedCode &&
            problem.kind != tolvane::DataFileProblemKind::kValueOutOfRange) {
            ++problems;
        }
    };
    static auto reloaded = std::make_unique<tolvane::KeyboardImage>();
    reloaded->Reset();
    Require(tolvane::LoadDataFileText(*reloaded, saved, hooks).ok());
    Require(problems == 0);
    for (int button = 1; button <= tolvane::ButtonCount; ++button) {
        for (int layer = 1; layer <= tolvane::LayerCount; ++layer) {
            const auto before = image->buttons[button].Codes(layer);
            const auto after = reloaded->buttons[button].Codes(layer);
            Require(std::equal(before.begin(), before.end(), after.begin(), after.end()));
        }
    }
    Require(reloaded->OptionBytes() == image->OptionBytes());
    return 0;
}
