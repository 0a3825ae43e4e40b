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

}  // namespace tolvane
