#include "tolvane/app/Environment.h"

#include <cstdlib>

namespace tolvane {

std::optional<std::string> ProcessEnvironment(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

std::filesystem::path FolderVariable(const EnvironmentLookup& environment, std::string_view name) {
    const std::optional<std::string> value = environment(name);
    if (!value || value->empty()) {
        return {};
    }
    return std::filesystem::path(*value);
}

std::filesystem::path PerUserFolder(const EnvironmentLookup& environment,
                                    const PerUserFolderRule& rule) {
#if defined(_WIN32)
    return FolderVariable(environment, rule.windowsVariable);
#else
    const auto underHome = [&](std::string_view folder) {
        const std::filesystem::path home = FolderVariable(environment, "HOME");
        return home.empty() ? home : home / folder;
    };
#if defined(__APPLE__)
    return underHome(rule.macFolder);
#else
    const std::filesystem::path base = FolderVariable(environment, rule.xdgVariable);
    return base.empty() || base.is_relative() ? underHome(rule.xdgFallback) : base;
#endif
#endif
}

}  // namespace tolvane
