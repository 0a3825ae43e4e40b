// tolvane-cli legend: the key legends of a data file as SVG pages.
#include <ctime>
#include <filesystem>

#include "cli/Commands.h"
#include "tolvane/files/AtomicWrite.h"
#include "tolvane/files/DataFileWriter.h"

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

int Commands::Legend(const std::string& file, const std::string& output, std::optional<int> layer,
                     LegendOptions legend) {
    const auto image = std::make_unique<KeyboardImage>();
    if (!LoadFile(file, *image)) {
        return kExitFailed;
    }
    legend.title = FileNameOf(file);
    legend.date = Today();
    const std::vector<LegendPage> pages =
        layer ? RenderLayerLegend(*image, *layer, legend) : RenderLegendSheets(*image, legend);
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
