#include "gui/win32/Registry.h"

#include <windows.h>

#include "gui/model/MainWindowRules.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

std::wstring SettingsKey(const std::string& section) {
    return L"Software\\" + Wide(kSettingsOrganisation) + L"\\" + Wide(kApplicationName) + L"\\" +
           Wide(section);
}

std::optional<int> ReadSettingsNumber(const std::string& section, const std::string& value) {
    DWORD number = 0;
    DWORD size = sizeof number;
    const LSTATUS status =
        ::RegGetValueW(HKEY_CURRENT_USER, SettingsKey(section).c_str(), Wide(value).c_str(),
                       RRF_RT_REG_DWORD, nullptr, &number, &size);
    if (status != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

bool WriteSettingsNumber(const std::string& section, const std::string& value, int number) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey(section).c_str(), 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const auto stored = static_cast<DWORD>(number);
    const LSTATUS status = ::RegSetValueExW(key, Wide(value).c_str(), 0, REG_DWORD,
                                            reinterpret_cast<const BYTE*>(&stored), sizeof stored);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace tolvane::gui::win32
