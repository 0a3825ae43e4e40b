// tolvane-cli legend: the key legends of a data file as SVG pages.
#include <ctime>
#include <filesystem>

#include "cli/Commands.h"
#include "tolvane/files/AtomicWrite.h"
#include "tolvane/files/DataFileWriter.h"
#include "tolvane/files/LabelsFile.h"

namespace tolvane::cli {

namespace {

std::string Today() {
    const std::tm now = LocalTimeNow();
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &now);
    return text;
}

// Page files sit beside the output and carry its name: legend.svg gives legend-layer1.svg.
std::string PageFile(const std::string& output, const std::string& page) {
    const std::filesystem::path path(output);
    const std::filesystem::path stem = path.parent_path() / path.stem();
    return stem.string() + "-" + page + ".svg";
}

}  // namespace

bool Commands::LoadLegendLabels(const std::string& dataFile, const LegendLabelsSource& source,
                                LegendLabels& labels) {
    if (source.none) {
        return true;
    }
    // Without --labels the file beside the data file is taken when there is one.
    const std::filesystem::path path =
        source.file.empty() ? LabelsFileBeside(dataFile) : std::filesystem::path(source.file);
    LabelsFileLoad load = LoadLabelsFile(path);
    if (load.status == TextReadStatus::kNoFile && source.file.empty()) {
        return true;
    }
    if (!load.ok() || load.status == TextReadStatus::kNoFile) {
        console_.err << load.error << '\n';  // a labels file named must be there
        return false;
    }
    for (const LabelsProblem& problem : load.parsed.problems) {
        console_.err << PathText(path) << ": " << problem.text << '\n';
    }
    if (load.parsed.problemCount > load.parsed.problems.size()) {
        console_.err << PathText(path) << ": "
                     << load.parsed.problemCount - load.parsed.problems.size()
                     << " more problems\n";
    }
    if (load.parsed.problemCount > 0) {
        console_.err << "No legend was written; mend the labels file or leave it out with "
                        "--no-labels.\n";
        return false;
    }
    labels = std::move(load.parsed.labels);
    if (!labels.Empty()) {
        Say("Labels from " + PathText(path));
    }
    return true;
}

int Commands::Legend(const std::string& file, const std::string& output, std::optional<int> layer,
                     LegendOptions legend, const LegendLabelsSource& labelsSource) {
    const auto image = std::make_unique<KeyboardImage>();
    auto labels = std::make_unique<LegendLabels>();
    if (!LoadFile(file, *image) || !LoadLegendLabels(file, labelsSource, *labels)) {
        return kExitFailed;
    }
    legend.title = FileNameOf(file);
    legend.date = Today();
    legend.useLabels = !labelsSource.none;
    const std::vector<LegendPage> pages = layer ? RenderLayerLegend(*image, *labels, *layer, legend)
                                                : RenderLegendSheets(*image, *labels, legend);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string target = layer && i == 0 ? output : PageFile(output, pages[i].name);
        const FileWriteResult written = WriteFileAtomically(target, pages[i].svg);
        if (!written) {
            console_.err << written.error << '\n';  // it names the file
            return kExitFailed;
        }
        Say("Wrote " + target);
    }
    return kExitOk;
}

}  // namespace tolvane::cli
