// The card-reader tool's two dialogs as in-memory templates, from the layout table its Qt
// window is placed from: dialog 102, the tool itself, and dialog 100, its About box. Both in
// the tool's font, Arial 12, so the dialog manager converts the table's units with it.
#pragma once

#include "gui/win32/DialogTemplate.h"

namespace pellimore::win32 {

tolvane::gui::win32::DialogTemplate PellimoreTemplate();
tolvane::gui::win32::DialogTemplate AboutTemplate();

}  // namespace pellimore::win32
