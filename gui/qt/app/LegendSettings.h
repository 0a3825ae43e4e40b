// The legend options the window remembers, kept in the per-user settings store under the
// names of gui/model/RememberedOptions.h.
#pragma once

#include "gui/model/LegendExport.h"
#include "gui/model/RememberedOptions.h"

namespace tolvane::gui {

// The View menu's options, by their names in RememberedOptions.h; off when never set.
bool ReadViewOption(const char* name);
void RememberViewOption(const char* name, bool on);

RememberedLegendChoices ReadLegendChoices();
void RememberLegendChoices(const RememberedLegendChoices& choices);

}  // namespace tolvane::gui
