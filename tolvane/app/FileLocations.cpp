#include "tolvane/app/FileLocations.h"

#include "tolvane/files/AtomicWrite.h"

namespace tolvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kProgramFolderName = "Tolvane";

bool Exists(const fs::path& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}

}  // namespace

fs::path UserConfigFolder(const EnvironmentLookup& environment) {
    const fs::path base = PerUserFolder(environment, {.windowsVariable = "APPDATA",
                                                      .macFolder = "Library/Preferences",
                                                      .xdgVariable = "XDG_CONFIG_HOME",
                                                      .xdgFallback = ".config"});
    return base.empty() ? base : base / kProgramFolderName;
}

fs::path FileLocations::Locate(const fs::path& relativePath) const {
    const fs::path beside = programFolder_ / relativePath;
    if (userConfigFolder_.empty() || Exists(beside)) {
        return beside;
    }
    const fs::path personal = userConfigFolder_ / relativePath;
    if (Exists(personal)) {
        return personal;
    }
    return CanCreateFilesIn(programFolder_) ? beside : personal;
}

fs::path FileLocations::SettingsFile() const {
    return Locate(kSettingsFileName);
}

fs::path FileLocations::UserKeyGroupsFile() const {
    return Locate(fs::path(kUserKeyGroupsFolderName) / kUserKeyGroupsFileName);
}

}  // namespace tolvane
