#include "tolvane/app/LanguageState.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>

namespace tolvane {

namespace {

// Longer than any word the file is meant to hold; a longer line is no setting anyway.
constexpr std::size_t kLongestFirstLine = 256;

std::optional<std::string> ReadFirstLine(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return std::nullopt;
    }
    std::string line;
    char c = 0;
    while (line.size() < kLongestFirstLine && in.get(c) && c != '\n') {
        line += c;
    }
    if (in.bad()) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

void LanguageState::ReadSetting(const std::filesystem::path& settingsFile,
                                std::string_view systemLocale) {
    // Only a file that is not there (or cannot be read) leaves the choice to the system's
    // language. An empty first line is a setting like any word but "English": Chinese. It is
    // taken as "Chinese", not kept empty, so that the English command still switches.
    const std::optional<std::string> firstLine = ReadFirstLine(settingsFile);
    if (!firstLine) {
        Apply(SettingForLocale(systemLocale));
    } else if (firstLine->empty()) {
        Apply(kChineseSetting);
    } else {
        Apply(*firstLine);
    }
}

LanguageSwitchResult LanguageState::SwitchToEnglish(const std::filesystem::path& settingsFile) {
    return Switch(kChineseSetting, kEnglishSetting, settingsFile);
}

LanguageSwitchResult LanguageState::SwitchToChinese(const std::filesystem::path& settingsFile) {
    return Switch(kEnglishSetting, kChineseSetting, settingsFile);
}

void LanguageState::Apply(std::string_view setting) {
    languageSetting = std::string(setting);
    interfaceLanguage = languageSetting == kEnglishSetting ? InterfaceLanguage::kEnglish
                                                           : InterfaceLanguage::kChinese;
}

LanguageSwitchResult LanguageState::Switch(std::string_view from, std::string_view to,
                                           const std::filesystem::path& settingsFile) {
    LanguageSwitchResult result;
    if (languageSetting != from) {
        return result;
    }
    Apply(to);
    result.switched = true;
    result.saved = WriteFileAtomically(settingsFile, to, /*createFolders=*/true);
    return result;
}

std::string SystemLocaleName(const EnvironmentLookup& environment) {
    for (std::string_view variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::optional<std::string> value = environment(variable);
        if (value && !value->empty()) {
            return *value;
        }
    }
    return {};
}

std::string_view SettingForLocale(std::string_view localeName) {
    const bool chinese =
        StartsWithIgnoringCase(localeName, "zh") || StartsWithIgnoringCase(localeName, "chinese");
    return chinese ? kChineseSetting : kEnglishSetting;
}

}  // namespace tolvane
