// Which keyboards the command-line programmer talks to: the system's USB keyboards or the
// built-in virtual ones, and the wire trace of the run.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "emulator/VirtualKeyboard.h"
#include "hidio/TracingBus.h"
#include "hidio/VirtualBus.h"

namespace tolvane::cli {

struct AttachedKeyboard {
    std::string path;
    int interfaceNumber = -1;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    hidio::OpenStatus status = hidio::OpenStatus::kNotFound;
    std::string reason;  // why it cannot be opened

    bool accessible() const { return status == hidio::OpenStatus::kOpened; }
};

class KeyboardAccess {
  public:
    // One virtual keyboard per entry (a state file or empty), plugged in at once or when its
    // state file says; none: the system's keyboards. With tracing every report of the run
    // is recorded for TraceText.
    KeyboardAccess(const std::vector<std::string>& virtualKeyboards, bool trace);
    ~KeyboardAccess();
    KeyboardAccess(const KeyboardAccess&) = delete;
    KeyboardAccess& operator=(const KeyboardAccess&) = delete;

    // Every vendor interface of an attached keyboard, in enumeration order, with whether
    // it opens.
    std::vector<AttachedKeyboard> Keyboards() const;

    // Why a virtual keyboard's state file could not be loaded, or its last save could not
    // keep the programming; one message per keyboard that has a problem.
    std::vector<std::string> StateFileErrors() const;

    // The reports of the run so far, one line each. When more than one keyboard took part,
    // each line starts with the path of its keyboard and a space.
    std::string TraceText() const;
    bool TraceEmpty() const { return trace_.Size() == 0; }

  private:
    std::unique_ptr<hidio::VirtualBus> virtualBus_;
    std::vector<std::unique_ptr<emulator::VirtualKeyboard>> virtualKeyboards_;
    hidio::WireTrace trace_;
    std::unique_ptr<hidio::TracingBus> tracingBus_;
};

// What to tell a user whose keyboard is attached but closed to them.
std::string AccessDeniedAdvice(const AttachedKeyboard& keyboard);

// Why an attached keyboard cannot be used, as devices says it: the advice above when this
// user may not open it, else the system's refusal.
std::string UnusableKeyboardText(const AttachedKeyboard& keyboard);

}  // namespace tolvane::cli
