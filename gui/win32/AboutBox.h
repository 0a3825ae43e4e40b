// The About box, dialog 100: the program icon, its version and date, and OK. The same in
// both interface languages.
#pragma once

#include <windows.h>

namespace tolvane::gui::win32 {

void RunAboutBox(HWND owner, HICON icon);

}  // namespace tolvane::gui::win32
