// The bus the library finds the keyboard on.
//
// A host program is pointed at the virtual keyboard by the environment variable
// VASKOR_VIRTUAL_KEYBOARD, so that a till can be built and tried against the library without
// the hardware: when it is set, the library works on a bus of its own with one virtual
// keyboard plugged in, whose programming and lamps are kept in the state file the variable
// names (none when it is empty; the file's format is the command-line programmer's). Otherwise
// it works on the process's current bus, the system's unless a test selected another.
#pragma once

#include "hidio/Hidio.h"

namespace vaskor {

inline constexpr const char* kVirtualKeyboardVariable = "VASKOR_VIRTUAL_KEYBOARD";

// Decided at the library's first search for the keyboard.
hidio::Bus& LibraryBus();

}  // namespace vaskor
