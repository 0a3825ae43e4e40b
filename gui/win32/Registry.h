// The program's per-user settings in the registry: HKEY_CURRENT_USER\Software, then the
// settings organisation, the program's name and the section, as the design names them.
#pragma once

#include <optional>
#include <string>

namespace tolvane::gui::win32 {

// The key of a section under the program's settings.
std::wstring SettingsKey(const std::string& section);

std::optional<int> ReadSettingsNumber(const std::string& section, const std::string& value);
// False when the registry refused the value.
bool WriteSettingsNumber(const std::string& section, const std::string& value, int number);

}  // namespace tolvane::gui::win32
