// The built-in virtual keyboard for the desktop programs: a virtual bus selected for the
// whole process with one keyboard on it, which the user can plug in and pull out from a
// menu to try hot-plugging without hardware.
#pragma once

#include <memory>
#include <string>

#include "emulator/VirtualKeyboard.h"
#include "hidio/VirtualBus.h"

namespace tolvane::gui {

class VirtualKeyboardRig {
  public:
    // With a state file the keyboard keeps its programming in it between runs.
    explicit VirtualKeyboardRig(const std::string& stateFile);
    ~VirtualKeyboardRig();  // pulls the keyboard out and gives the process its system bus back
    VirtualKeyboardRig(const VirtualKeyboardRig&) = delete;
    VirtualKeyboardRig& operator=(const VirtualKeyboardRig&) = delete;

    void PlugIn();
    void PullOut();
    bool PluggedIn() const;

    emulator::VirtualKeyboard& Keyboard() { return *keyboard_; }
    hidio::VirtualBus& Bus() { return bus_; }

  private:
    hidio::VirtualBus bus_;
    std::unique_ptr<emulator::VirtualKeyboard> keyboard_;
};

}  // namespace tolvane::gui
