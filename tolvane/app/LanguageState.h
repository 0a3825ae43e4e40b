// The interface language: read from the settings file at start-up, switched by the
// Language menu, written back at once so the next start comes up the same.
//
// The settings file holds one word on its first line. Exactly "English" gives the English
// interface; any other word gives the Chinese one. A switch to English acts only when the
// setting is exactly "Chinese", and back, so a file holding a word of neither kind keeps the
// interface Chinese until the file is corrected.
//
// A settings file that is missing, cannot be read or has an empty first line stands for the
// system's language: "Chinese" for a Chinese locale, "English" otherwise. Either way both
// switch commands work afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "tolvane/app/Environment.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/files/AtomicWrite.h"

namespace tolvane {

inline constexpr std::string_view kEnglishSetting = "English";
inline constexpr std::string_view kChineseSetting = "Chinese";

struct LanguageSwitchResult {
    bool switched = false;  // false: the setting did not allow this switch; nothing changed
    FileWriteResult saved;  // meaningful only when switched; the switch stands either way
};

class LanguageState {
  public:
    std::string languageSetting;
    InterfaceLanguage interfaceLanguage = InterfaceLanguage::kChinese;

    void ReadSetting(const std::filesystem::path& settingsFile, std::string_view systemLocale);

    LanguageSwitchResult SwitchToEnglish(const std::filesystem::path& settingsFile);
    LanguageSwitchResult SwitchToChinese(const std::filesystem::path& settingsFile);

    std::string_view Text(TextId id) const { return tolvane::Text(id, interfaceLanguage); }

  private:
    void Apply(std::string_view setting);
    LanguageSwitchResult Switch(std::string_view from, std::string_view to,
                                const std::filesystem::path& settingsFile);
};

// The locale name the environment gives for messages (LC_ALL, LC_MESSAGES, then LANG).
std::string SystemLocaleName(const EnvironmentLookup& environment = ProcessEnvironment);

// The setting a locale stands for: "Chinese" for "zh..." or "Chinese..." names, else
// "English".
std::string_view SettingForLocale(std::string_view localeName);

}  // namespace tolvane
