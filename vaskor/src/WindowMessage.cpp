// Platform file: Windows sends to the window's thread; elsewhere the sink runs on the caller.
#include "WindowMessage.h"

namespace vaskor {

void SendToWindow(VX30Window window, std::uint32_t message, std::intptr_t lParam) {
    if (window == nullptr) {
        return;
    }
#if defined(_WIN32)
    ::SendMessageW(window, message, 0, lParam);
#else
    window->OnKbMessage(message, 0, lParam);
#endif
}

}  // namespace vaskor
