// The legend options the window remembers, kept in the per-user settings store under the
// names of gui/model/RememberedOptions.h.
#pragma once

#include "gui/model/LegendExport.h"

namespace tolvane::gui {

bool ReadShowLegendLabels();
void RememberShowLegendLabels(bool show);

RememberedLegendChoices ReadLegendChoices();
void RememberLegendChoices(const RememberedLegendChoices& choices);

}  // namespace tolvane::gui
