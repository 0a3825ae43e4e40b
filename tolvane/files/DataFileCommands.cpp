#include "tolvane/files/DataFileCommands.h"

#include <algorithm>
#include <memory>

namespace tolvane {

FileWriteResult DataFileCommands::Save(const KeyboardImage& image,
                                       const std::filesystem::path& path, std::string_view fileName,
                                       const std::tm& createDate) {
    lastDataFilePath = path;
    return SaveDataFile(image, path, fileName, createDate);
}

DataFileLoadResult DataFileCommands::Load(KeyboardImage& image, const std::filesystem::path& path,
                                          const DataFileLoadHooks& hooks) {
    lastDataFilePath = path;
    // What the file does not mention keeps its contents, so the copy starts as the image.
    auto scratch = std::make_unique<KeyboardImage>();
    scratch->buttons = image.buttons;
    scratch->tracks = image.tracks;
    scratch->options = image.options;
    scratch->selection = image.selection;
    DataFileLoadResult result = LoadDataFile(*scratch, path, hooks);
    if (result.ok()) {
        image.buttons = std::move(scratch->buttons);
        image.tracks = scratch->tracks;
        image.options = scratch->options;
    }
    return result;
}

LabelsLoadReport DataFileCommands::LoadLabels(const std::filesystem::path& dataFile,
                                              LegendLabels& labels) {
    // Enough lines to mend the file by; the rest are counted.
    constexpr std::size_t kProblemsShown = 10;
    LabelsFileLoad load = LoadLabelsFile(LabelsFileBeside(dataFile));
    labels = std::move(load.parsed.labels);
    if (!load.ok()) {
        return {TextId::kLabelsFileUnreadable, load.error};
    }
    const std::vector<LabelsProblem>& problems = load.parsed.problems;
    if (problems.empty()) {
        return {};
    }
    LabelsLoadReport report{TextId::kLabelsFileProblems, {}};
    for (std::size_t i = 0; i < std::min(problems.size(), kProblemsShown); ++i) {
        report.details += (i == 0 ? "" : "\n") + problems[i].text;
    }
    if (load.parsed.problemCount > kProblemsShown) {
        report.details += "\n(+" + std::to_string(load.parsed.problemCount - kProblemsShown) + ")";
    }
    return report;
}

FileWriteResult DataFileCommands::SaveLabels(const LegendLabels& labels,
                                             const std::filesystem::path& dataFile) {
    return SaveLabelsFile(labels, LabelsFileBeside(dataFile));
}

}  // namespace tolvane
