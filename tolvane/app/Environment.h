// Reading environment variables through a function, so that the rules built on them can
// be tested with an environment of the test's choosing.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// The value of a variable, or none when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

std::optional<std::string> ProcessEnvironment(std::string_view name);

// A variable naming a folder; empty when it is unset or empty.
std::filesystem::path FolderVariable(const EnvironmentLookup& environment, std::string_view name);

// Where a kind of per-user file lives on each system: Windows' folder variable, a folder under
// the home on macOS, and elsewhere the XDG variable or, when it is unset or relative (the XDG
// rule ignores a relative value), its fallback under the home.
struct PerUserFolderRule {
    std::string_view windowsVariable;  // "APPDATA"
    std::string_view macFolder;        // "Library/Preferences", under the home
    std::string_view xdgVariable;      // "XDG_CONFIG_HOME"
    std::string_view xdgFallback;      // ".config", under the home
};
// Empty when the variables it needs are not set.
std::filesystem::path PerUserFolder(const EnvironmentLookup& environment,
                                    const PerUserFolderRule& rule);

}  // namespace tolvane
