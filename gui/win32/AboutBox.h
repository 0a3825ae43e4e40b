// The About box, dialog 100: the program icon, its version and date, and OK. The same in
// both interface languages.
#pragma once

#include <windows.h>

#include "gui/win32/DialogTemplate.h"

namespace tolvane::gui::win32 {

void RunAboutBox(HWND owner, HICON icon);

// Any program's About box: the template's static control kAboutIconControl shows the icon, OK
// and Escape end it.
inline constexpr int kAboutIconControl = 1000;
void RunAboutDialog(HWND owner, const DialogTemplate& dialog, HICON icon);

}  // namespace tolvane::gui::win32
