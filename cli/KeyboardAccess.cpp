#include "cli/KeyboardAccess.h"

#include <algorithm>

#include "hidio/KeyboardInterface.h"

namespace tolvane::cli {

KeyboardAccess::KeyboardAccess(const std::vector<std::string>& virtualKeyboards, bool trace) {
    hidio::Bus* bus = &hidio::SystemBus();
    if (!virtualKeyboards.empty()) {
        virtualBus_ = std::make_unique<hidio::VirtualBus>();
        for (std::size_t i = 0; i < virtualKeyboards.size(); ++i) {
            auto keyboard = std::make_unique<emulator::VirtualKeyboard>(
                *virtualBus_, std::to_string(i + 1), virtualKeyboards[i]);
            // A state file may ask for the keyboard to be plugged in some time after the start.
            if (const auto delay = keyboard->PlugInDelay()) {
                keyboard->PlugAfter(*delay);
            } else {
                keyboard->Plug();
            }
            virtualKeyboards_.push_back(std::move(keyboard));
        }
        bus = virtualBus_.get();
    }
    if (trace) {
        tracingBus_ = std::make_unique<hidio::TracingBus>(*bus, trace_);
        bus = tracingBus_.get();
    }
    hidio::SelectBus(bus);
}

KeyboardAccess::~KeyboardAccess() {
    hidio::SelectBus(nullptr);
    virtualKeyboards_.clear();  // a demo keyboard's state is saved by its own writes
}

std::vector<AttachedKeyboard> KeyboardAccess::Keyboards() const {
    std::vector<AttachedKeyboard> keyboards;
    hidio::Bus& bus = hidio::CurrentBus();
    for (const hidio::InterfaceInfo& info : bus.Enumerate()) {
        if (!hidio::IsKeyboardVendorInterface(info)) {
            continue;
        }
        hidio::OpenResult opened = bus.Open(info.path);
        keyboards.push_back({info.path, info.interfaceNumber, info.usagePage, info.usage,
                             opened.status, opened.message});
    }
    return keyboards;
}

std::vector<std::string> KeyboardAccess::StateFileErrors() const {
    std::vector<std::string> errors;
    for (std::size_t i = 0; i < virtualKeyboards_.size(); ++i) {
        if (std::string error = virtualKeyboards_[i]->StateFileError(); !error.empty()) {
            errors.push_back("virtual keyboard " + std::to_string(i + 1) + ": " + error);
        }
    }
    return errors;
}

std::string KeyboardAccess::TraceText() const {
    const std::vector<hidio::TraceEntry> entries = trace_.Entries();
    const bool severalKeyboards =
        std::any_of(entries.begin(), entries.end(), [&entries](const hidio::TraceEntry& entry) {
            return entry.device != entries.front().device;
        });
    std::string text;
    for (const hidio::TraceEntry& entry : entries) {
        if (severalKeyboards) {
            text += entry.device + ' ';
        }
        text += hidio::FormatTraceLine(entry.direction, entry.report);
        text += '\n';
    }
    return text;
}

std::string AccessDeniedAdvice(const AttachedKeyboard& keyboard) {
    return "A keyboard is attached at " + keyboard.path + " but this user may not open it (" +
           keyboard.reason +
           ").\nInstall the udev rule shipped with the program, then plug the keyboard in "
           "again:\n  sudo cp packaging/linux/70-tolvane.rules /etc/udev/rules.d/\n"
           "  sudo udevadm control --reload";
}

std::string UnusableKeyboardText(const AttachedKeyboard& keyboard) {
    if (keyboard.status == hidio::OpenStatus::kAccessDenied) {
        return AccessDeniedAdvice(keyboard);
    }
    return "A keyboard is attached at " + keyboard.path +
           " but cannot be opened: " + hidio::ToString(keyboard.status) +
           (keyboard.reason.empty() ? "" : " (" + keyboard.reason + ")") + ".";
}

}  // namespace tolvane::cli
