#include "tolvane/link/ThreadStart.h"

#include <system_error>

namespace tolvane {

std::jthread StartSystemThread(ThreadBody body) {
    try {
        return std::jthread(std::move(body));
    } catch (const std::system_error&) {
        return {};
    }
}

}  // namespace tolvane
