#include "KeyboardAccess.h"

#include "hidio/KeyboardInterface.h"

namespace tolvane::cli {

KeyboardAccess::KeyboardAccess(const std::vector<std::string>& virtualKeyboards,
                               const std::string& traceFile)
    : traceFile_(traceFile) {
    hidio::Bus* bus = &hidio::SystemBus();
    if (!virtualKeyboards.empty()) {
        virtualBus_ = std::make_unique<hidio::VirtualBus>();
        for (std::size_t i = 0; i < virtualKeyboards.size(); ++i) {
            virtualKeyboards_.push_back(std::make_unique<emulator::VirtualKeyboard>(
                *virtualBus_, std::to_string(i + 1), virtualKeyboards[i]));
            virtualKeyboards_.back()->Plug();
        }
        bus = virtualBus_.get();
    }
    if (!traceFile_.empty()) {
        traceStream_.open(traceFile_, std::ios::binary | std::ios::trunc);
        trace_.SetSink([this](const std::string& line) {
            std::lock_guard lock(traceMutex_);
            traceStream_ << line << '\n';
            traceStream_.flush();
        });
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

std::string AccessDeniedAdvice(const AttachedKeyboard& keyboard) {
    return "A keyboard is attached at " + keyboard.path + " but this user may not open it (" +
           keyboard.reason +
           ").\nInstall the udev rule shipped with the program, then plug the keyboard in "
           "again:\n  sudo cp packaging/linux/70-tolvane.rules /etc/udev/rules.d/\n"
           "  sudo udevadm control --reload";
}

}  // namespace tolvane::cli
