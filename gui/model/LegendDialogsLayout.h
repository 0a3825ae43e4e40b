// Where the controls of the two legend dialogs sit, in dialog units.
//
// Label dialog: the prompt over two lines, the label's edit under it, OK and Cancel at the
// bottom right.
//
// Legend sheets: the six layer boxes in their group at the left, the paper list, the key
// pitch and the labels box under them; at the right the preview of one page with the page
// buttons and the page number under it; OK and Cancel at the bottom right.
#pragma once

#include <span>

#include "gui/kit/DialogUnits.h"

namespace tolvane::gui {

inline constexpr DialogRect kLegendLabelClient{0, 0, 230, 72};
inline constexpr DialogRect kLegendExportClient{0, 0, 340, 204};

std::span<const ControlPlace> LegendLabelControls();
std::span<const ControlPlace> LegendExportControls();

}  // namespace tolvane::gui
