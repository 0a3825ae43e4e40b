// How a message reaches the window given to Open.
#pragma once

#include <cstdint>

#include "vaskor/VX30Interface.h"

namespace vaskor {

// Synchronous: returns once the window's handler has returned. A null window gets nothing.
void SendToWindow(VX30Window window, std::uint32_t message, std::intptr_t lParam);

}  // namespace vaskor
