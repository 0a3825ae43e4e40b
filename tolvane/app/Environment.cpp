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

}  // namespace tolvane
