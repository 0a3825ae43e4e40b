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

}  // namespace tolvane
