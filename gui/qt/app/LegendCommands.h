// The File menu's legend commands: the legend sheets of the layout in the window, printed on
// a printer the user chooses or exported as a PDF file. Both open the legend sheets' dialog
// first, for the layers, paper, pitch and labels, with a preview. The pages are the core's
// SVG legend sheets, drawn one per sheet of paper.
#pragma once

#include <QPagedPaintDevice>
#include <QWidget>
#include <string>

#include "tolvane/app/LanguageState.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/legend/LegendSheet.h"

namespace tolvane::gui {

// What the sheets show: the programming, its labels and the layout's name for the title.
struct LegendSource {
    const KeyboardImage& image;
    const LegendLabels& labels;
    std::string title;
};

// Draws the pages on a paged device (printer or PDF writer), landscape. False when a page
// could not be drawn.
bool PaintLegendPages(QPagedPaintDevice& device, const std::vector<LegendPage>& pages);

void PrintLegends(QWidget* mainWindow, const LegendSource& source, const LanguageState& language);
void ExportLegends(QWidget* mainWindow, const LegendSource& source, const LanguageState& language);

}  // namespace tolvane::gui
