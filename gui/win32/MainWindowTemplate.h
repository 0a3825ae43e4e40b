// The main window's dialog template, built from gui/model's control table and button places:
// dialog 102, 442 x 275 dialog units in "Microsoft Sans Serif" 9 point, titled "MZR-40".
#pragma once

#include "gui/win32/DialogTemplate.h"

namespace tolvane::gui::win32 {

inline constexpr wchar_t kDialogFontFace[] = L"Microsoft Sans Serif";
inline constexpr WORD kDialogFontPoints = 9;

DialogTemplate MainWindowTemplate();

}  // namespace tolvane::gui::win32
