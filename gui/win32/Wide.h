// Texts cross into the system's wide-character calls here: the core and the model speak
// UTF-8, Windows speaks UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace tolvane::gui::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace tolvane::gui::win32
