// Legend sheets: the printed inserts that go under the keyboard's clear keycaps, so a
// programmed keyboard tells the shop staff what each key does.
//
// Every page is a standalone SVG document, in millimetres, landscape: one page per layer
// with the 66 keys at their places on the keyboard, to scale, each with its full text
// wrapped and shrunk to fit and cut marks around it (a text that cannot fit is ended
// with an ellipsis and given in full in the notes below the keys); an overview of all six
// layers per key; and a table of the buttons no key shows, the card tracks and the
// options. Nothing here draws on a screen: the command line writes the pages to files and
// the window prints them.
#pragma once

#include <string>
#include <vector>

#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane {

enum class Paper { kA4, kLetter };

struct LegendOptions {
    Paper paper = Paper::kA4;
    // Distance between the centres of neighbouring keys: 19.05 mm (0.75 inch) on common
    // point-of-sale keyboards. The inserts scale with it.
    double keyPitchMm = 19.05;
    std::string title;  // the layout's name, usually its file name
    std::string date;   // as the title line shows it
    InterfaceLanguage language = InterfaceLanguage::kEnglish;
};

struct LegendPage {
    std::string name;  // "layer1".."layer6", "overview", "table", with "-2".. for more pages
    std::string svg;
};

// The pages of one layer 1..6: the keys, then notes pages when the notes run over.
std::vector<LegendPage> RenderLayerLegend(const KeyboardImage& image, int layer,
                                          const LegendOptions& options);

// Everything: the six layers, the overview and the table, in that order.
std::vector<LegendPage> RenderLegendSheets(const KeyboardImage& image,
                                           const LegendOptions& options);

}  // namespace tolvane
