#include "gui/model/LegendExport.h"

#include <algorithm>
#include <cmath>

#include "gui/model/EditSteps.h"

namespace tolvane::gui {

LegendExportChoices InitialLegendChoices(const KeyboardImage& image, const LegendLabels& labels,
                                         const RememberedLegendChoices& remembered,
                                         Paper localePaper) {
    LegendExportChoices choices;
    choices.paper = PaperNamed(remembered.paper).value_or(localePaper);
    const double pitch = remembered.keyPitchMm.value_or(kDefaultKeyPitchMm);
    choices.keyPitchMm = std::isfinite(pitch)
                             ? std::clamp(pitch, kSmallestKeyPitchMm, kLargestKeyPitchMm)
                             : kDefaultKeyPitchMm;
    choices.useLabels = remembered.useLabels.value_or(true);
    for (int layer = 1; layer <= LayerCount; ++layer) {
        choices.layers[static_cast<std::size_t>(layer)] =
            LayerHasKeys(image, labels, layer, choices.useLabels);
    }
    return choices;
}

RememberedLegendChoices ToRemember(const LegendExportChoices& choices) {
    return {std::string(PaperName(choices.paper)), choices.keyPitchMm, choices.useLabels};
}

std::string_view PaperName(Paper paper) {
    return paper == Paper::kLetter ? "Letter" : "A4";
}

std::optional<Paper> PaperNamed(std::string_view name) {
    for (const Paper paper : {Paper::kA4, Paper::kLetter}) {
        if (PaperName(paper) == name) {
            return paper;
        }
    }
    return std::nullopt;
}

LegendOptions LegendOptionsOf(const LegendExportChoices& choices, std::string title,
                              std::string date, InterfaceLanguage language) {
    LegendOptions options;
    options.paper = choices.paper;
    options.keyPitchMm = choices.keyPitchMm;
    options.title = std::move(title);
    options.date = std::move(date);
    options.language = language;
    options.useLabels = choices.useLabels;
    options.layers.emplace();
    for (int layer = 1; layer <= LayerCount; ++layer) {
        if (choices.layers[static_cast<std::size_t>(layer)]) {
            options.layers->push_back(layer);
        }
    }
    return options;
}

std::string LayerChoiceCaption(const KeyboardImage& image, const LegendLabels& labels, int layer,
                               bool useLabels, InterfaceLanguage language) {
    const std::string_view name = LayerName(layer);
    if (LayerHasKeys(image, labels, layer, useLabels)) {
        return std::string(name);
    }
    return FillIn(Text(TextId::kLegendEmptyLayer, language), {std::string(name)});
}

}  // namespace tolvane::gui
