#include "gui/model/VirtualKeyboardRig.h"

namespace tolvane::gui {

VirtualKeyboardRig::VirtualKeyboardRig(const std::string& stateFile)
    : keyboard_(std::make_unique<emulator::VirtualKeyboard>(bus_, "1", stateFile)) {
    hidio::SelectBus(&bus_);
    keyboard_->Plug();
}

VirtualKeyboardRig::~VirtualKeyboardRig() {
    keyboard_.reset();
    hidio::SelectBus(nullptr);
}

void VirtualKeyboardRig::PlugIn() {
    keyboard_->Plug();
}

void VirtualKeyboardRig::PullOut() {
    keyboard_->Unplug();
}

bool VirtualKeyboardRig::PluggedIn() const {
    return bus_.IsPlugged(keyboard_->VendorPath());
}

}  // namespace tolvane::gui
