// Which keyboards the command-line programmer talks to: the system's USB keyboards or the
// built-in virtual ones, and the wire trace of the run.
#pragma once

#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "VirtualKeyboard.h"
#include "hidio/TracingBus.h"
#include "hidio/VirtualBus.h"

namespace tolvane::cli {

struct AttachedKeyboard {
    std::string path;
    int interfaceNumber = -1;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    hidio::OpenStatus status = hidio::OpenStatus::NotFound;
    std::string reason;  // why it cannot be opened

    bool accessible() const { return status == hidio::OpenStatus::Opened; }
};

class KeyboardAccess {
  public:
    // One virtual keyboard per entry (a state file or empty); none: the system's keyboards.
    // With a trace file every report of the run is appended to it as a trace line.
    KeyboardAccess(const std::vector<std::string>& virtualKeyboards, const std::string& traceFile);
    ~KeyboardAccess();
    KeyboardAccess(const KeyboardAccess&) = delete;
    KeyboardAccess& operator=(const KeyboardAccess&) = delete;

    bool TraceOpen() const { return traceFile_.empty() || traceStream_.is_open(); }

    // Every vendor interface of an attached keyboard, in enumeration order, with whether
    // it opens.
    std::vector<AttachedKeyboard> Keyboards() const;

  private:
    std::unique_ptr<hidio::VirtualBus> virtualBus_;
    std::vector<std::unique_ptr<emulator::VirtualKeyboard>> virtualKeyboards_;
    std::string traceFile_;
    std::ofstream traceStream_;
    std::mutex traceMutex_;
    hidio::WireTrace trace_;
    std::unique_ptr<hidio::TracingBus> tracingBus_;
};

// What to tell a user whose keyboard is attached but closed to them.
std::string AccessDeniedAdvice(const AttachedKeyboard& keyboard);

}  // namespace tolvane::cli
