// Where the program keeps its own files: the language setting and the user key groups.
//
// A portable install keeps them beside the program, as the program has always done. When
// the program's folder cannot take new files (an installed copy under /usr or Program
// Files), they go to the user's configuration folder instead. Reading looks beside the
// program first, so a file shipped or kept there always wins, and a file once placed is
// read and written at the same place from then on.
#pragma once

#include <filesystem>
#include <string_view>

#include "tolvane/app/Environment.h"

namespace tolvane {

inline constexpr std::string_view kSettingsFileName = "sysInfo.ini";
inline constexpr std::string_view kUserKeyGroupsFolderName = "data";
inline constexpr std::string_view kUserKeyGroupsFileName = "UserKeyGroud.dat";

// The per-user folder for the program's files: on Linux $XDG_CONFIG_HOME/Tolvane, else
// ~/.config/Tolvane; %APPDATA%\Tolvane on Windows; ~/Library/Preferences/Tolvane on macOS.
// Empty when the environment names no home at all.
std::filesystem::path UserConfigFolder(const EnvironmentLookup& environment = ProcessEnvironment);

class FileLocations {
  public:
    FileLocations(std::filesystem::path programFolder, std::filesystem::path userConfigFolder)
        : programFolder_(std::move(programFolder)),
          userConfigFolder_(std::move(userConfigFolder)) {}

    // The one rule for every file: beside the program if the file is there; else in the
    // user's folder if it is there; else beside the program if that folder takes new files;
    // else in the user's folder.
    std::filesystem::path Locate(const std::filesystem::path& relativePath) const;

    std::filesystem::path SettingsFile() const;
    std::filesystem::path UserKeyGroupsFile() const;

  private:
    std::filesystem::path programFolder_;
    std::filesystem::path userConfigFolder_;
};

}  // namespace tolvane
