// The choices of the legend sheets' dialog, which Print and Export PDF both open: the layers
// that get pages, the paper, the key pitch and whether labels are printed. The dialog shows
// them and a preview of the pages they give; the choices and their rules live here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "tolvane/legend/LegendSheet.h"

namespace tolvane::gui {

struct LegendExportChoices {
    std::array<bool, LayerCount + 1> layers{};  // chosen layers 1..6; element 0 unused
    Paper paper = Paper::kA4;
    double keyPitchMm = kDefaultKeyPitchMm;
    bool useLabels = true;
};

// What the dialog remembers between runs; the layers belong to the layout, not to the user.
struct RememberedLegendChoices {
    std::string paper;  // as PaperName gives it; empty or unknown: the locale's paper
    std::optional<double> keyPitchMm;
    std::optional<bool> useLabels;
};

// The dialog's start: the layers on which a key has a legend, the remembered paper, pitch and
// labels choice, else the defaults (the locale's paper, 19.05 mm, labels on). A pitch out of
// range is brought into it.
LegendExportChoices InitialLegendChoices(const KeyboardImage& image, const LegendLabels& labels,
                                         const RememberedLegendChoices& remembered,
                                         Paper localePaper);

RememberedLegendChoices ToRemember(const LegendExportChoices& choices);

// "A4" and "Letter", as the list shows them and the settings keep them.
std::string_view PaperName(Paper paper);
std::optional<Paper> PaperNamed(std::string_view name);

// The pages the choices give, for the title and date of the layout.
LegendOptions LegendOptionsOf(const LegendExportChoices& choices, std::string title,
                              std::string date, InterfaceLanguage language);

// A layer box's caption: the layer's name, marked when no key of the layer has a legend.
std::string LayerChoiceCaption(const KeyboardImage& image, const LegendLabels& labels, int layer,
                               bool useLabels, InterfaceLanguage language);

}  // namespace tolvane::gui
