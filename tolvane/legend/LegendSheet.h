// Legend sheets: the printed inserts that go under the keyboard's clear keycaps, so a
// programmed keyboard tells the shop staff what each key does.
//
// Every page is a standalone SVG document, in millimetres, landscape: one page per layer
// with the 66 keys at their places on the keyboard, to scale, each with its legend wrapped
// and shrunk to fit and cut marks around it (a legend that cannot fit is ended with an
// ellipsis and given in full in the notes below the keys); an overview of the layers per
// key; and a table of the buttons no key shows, the card tracks and the options. A key's
// legend is its label where it has one, else what it types. Nothing here draws on a screen:
// the command line writes the pages to files and the window prints them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/legend/LegendLabels.h"

namespace tolvane {

enum class Paper { kA4, kLetter };

// Distance between the centres of neighbouring keys: 19.05 mm (0.75 inch) on common
// point-of-sale keyboards. The inserts scale with it, within these bounds.
inline constexpr double kDefaultKeyPitchMm = 19.05;
inline constexpr double kSmallestKeyPitchMm = 10;
inline constexpr double kLargestKeyPitchMm = 40;

struct LegendOptions {
    Paper paper = Paper::kA4;
    double keyPitchMm = kDefaultKeyPitchMm;
    std::string title;  // the layout's name, usually its file name
    std::string date;   // as the title line shows it
    InterfaceLanguage language = InterfaceLanguage::kEnglish;
    // The layers that get pages, in order; none: every layer on which a key has a legend.
    std::optional<std::vector<int>> layers;
    // Leaves out the layers of `layers` on which no key has a legend.
    bool skipEmptyLayers = false;
    // A key's label, where it has one, rather than what it types.
    bool useLabels = true;
};

struct LegendPage {
    std::string name;  // "layer1".."layer6", "overview", "table", with "-2".. for more pages
    std::string svg;
};

// What the legend of a key says: its label, with useLabels and where it has one, else what it
// types; empty for a key that types nothing and outside 1..84 and 1..6.
std::string LegendTextOf(const KeyboardImage& image, const LegendLabels& labels, int button,
                         int layer, bool useLabels);

// Whether any key the keyboard shows has a legend on the layer.
bool LayerHasKeys(const KeyboardImage& image, const LegendLabels& labels, int layer,
                  bool useLabels);

// The layers the options give pages to, in order 1..6.
std::vector<int> LegendLayers(const KeyboardImage& image, const LegendLabels& labels,
                              const LegendOptions& options);

// The pages of one layer 1..6: the keys, then notes pages when the notes run over.
std::vector<LegendPage> RenderLayerLegend(const KeyboardImage& image, const LegendLabels& labels,
                                          int layer, const LegendOptions& options);

// Everything: the chosen layers, the overview (of those layers) and the table, in that order.
std::vector<LegendPage> RenderLegendSheets(const KeyboardImage& image, const LegendLabels& labels,
                                           const LegendOptions& options);

}  // namespace tolvane
