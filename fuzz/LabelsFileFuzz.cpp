// Any bytes as a labels file: every label kept must be one the store accepts, the problems
// kept stay within their bound, and what was kept writes a file that reads back the same.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/FuzzRequire.h"

#include "tolvane/app/Utf8Text.h"
#include "tolvane/files/LabelsFile.h"

using tolvane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parsed = std::make_unique<tolvane::ParsedLabels>(
        tolvane::ParseLabelsText(std::string_view(reinterpret_cast<const char*>(data), size)));
    Require(parsed->problems.size() <= tolvane::kMostLabelProblemsKept);
    Require(parsed->problemCount >= parsed->problems.size());
    for (const tolvane::LabelsProblem& problem : parsed->problems) {
        Require(problem.line >= 1);
    }
    for (int button = 1; button <= tolvane::ButtonCount; ++button) {
        for (int layer = 1; layer <= tolvane::LayerCount; ++layer) {
            const std::string& label = parsed->labels.Of(button, layer);
            Require(!tolvane::CheckLabel(label));
            Require(tolvane::Utf8Length(label) <= tolvane::kLongestLabel);
        }
    }
    const auto again = std::make_unique<tolvane::ParsedLabels>(
        tolvane::ParseLabelsText(tolvane::FormatLabelsFile(parsed->labels)));
    Require(again->problemCount == 0);
    Require(again->labels == parsed->labels);
    return 0;
}
