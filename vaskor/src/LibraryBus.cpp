#include "LibraryBus.h"

#include <cstdlib>
#include <string>

#include "emulator/VirtualKeyboard.h"
#include "hidio/VirtualBus.h"

namespace vaskor {

namespace {

struct VirtualKeyboardBus {
    explicit VirtualKeyboardBus(std::string stateFile) : keyboard(bus, "1", std::move(stateFile)) {
        keyboard.Plug();
    }
    hidio::VirtualBus bus;
    emulator::VirtualKeyboard keyboard;
};

hidio::Bus* VirtualBusFromEnvironment() {
    const char* stateFile = std::getenv(kVirtualKeyboardVariable);
    if (stateFile == nullptr) {
        return nullptr;
    }
    // Never destroyed: a reader of an object the host did not close may use it to the end.
    static auto* const virtualKeyboard = new VirtualKeyboardBus(stateFile);
    return &virtualKeyboard->bus;
}

}  // namespace

hidio::Bus& LibraryBus() {
    static hidio::Bus* const virtualBus = VirtualBusFromEnvironment();
    return virtualBus != nullptr ? *virtualBus : hidio::CurrentBus();
}

}  // namespace vaskor
