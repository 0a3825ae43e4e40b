// Texts cross into the system's wide-character calls here: the core and the model speak
// UTF-8, Windows speaks UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tolvane::gui::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The text a window shows: a control's caption or contents.
std::wstring WindowText(HWND window);

}  // namespace tolvane::gui::win32
