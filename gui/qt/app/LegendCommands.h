// The File menu's legend commands: the legend sheets of the image in memory, printed on a
// printer the user chooses or exported as a PDF file. The pages are the core's SVG legend
// sheets, drawn one per sheet of paper.
#pragma once

#include <QPagedPaintDevice>
#include <QWidget>
#include <string>

#include "tolvane/app/LanguageState.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/legend/LegendSheet.h"

namespace tolvane::gui {

// Draws the pages on a paged device (printer or PDF writer), landscape. False when a page
// could not be drawn.
bool PaintLegendPages(QPagedPaintDevice& device, const std::vector<LegendPage>& pages);

void PrintLegends(QWidget* mainWindow, const KeyboardImage& image, const std::string& title,
                  const LanguageState& language);
void ExportLegends(QWidget* mainWindow, const KeyboardImage& image, const std::string& title,
                   const LanguageState& language);

}  // namespace tolvane::gui
