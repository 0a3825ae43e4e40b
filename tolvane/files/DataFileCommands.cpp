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

namespace {

// What the file does not mention keeps its contents, so the copy starts as the image.
std::unique_ptr<KeyboardImage> ProgrammingCopy(const KeyboardImage& image) {
    auto copy = std::make_unique<KeyboardImage>();
    copy->buttons = image.buttons;
    copy->tracks = image.tracks;
    copy->options = image.options;
    copy->selection = image.selection;
    return copy;
}

void TakeProgramming(KeyboardImage& image, KeyboardImage& loaded) {
    image.buttons = std::move(loaded.buttons);
    image.tracks = loaded.tracks;
    image.options = loaded.options;
}

}  // namespace

DataFileLoadResult DataFileCommands::Load(KeyboardImage& image, const std::filesystem::path& path,
                                          const DataFileLoadHooks& hooks) {
    lastDataFilePath = path;
    auto scratch = ProgrammingCopy(image);
    DataFileLoadResult result = LoadDataFile(*scratch, path, hooks);
    if (result.ok()) {
        TakeProgramming(image, *scratch);
    }
    return result;
}

PendingLoad DataFileCommands::ReadForLoad(const KeyboardImage& image,
                                          const std::filesystem::path& path) {
    PendingLoad pending{path, {}, ProgrammingCopy(image)};
    pending.check = CheckDataFile(*pending.loaded, path);
    return pending;
}

void DataFileCommands::TakeLoad(KeyboardImage& image, PendingLoad& pending) {
    lastDataFilePath = pending.path;
    TakeProgramming(image, *pending.loaded);
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
