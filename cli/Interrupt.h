// Ctrl+C during a command that stops cleanly: the first one (or a termination request) is
// noted and the command ends what is under way before it returns; further ones change
// nothing while the watch lives, so a keyboard being written is never left without its
// result. The handler does nothing but set a lock-free flag that the command's waiting
// loop looks at.
#pragma once

#include <atomic>

namespace tolvane::cli {

class InterruptWatch {
  public:
    // Clears the flag and takes Ctrl+C and termination requests over.
    InterruptWatch();
    // Puts the handlers that were there before back.
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // Set once an interrupt has come.
    const std::atomic<bool>& Requested() const;
};

}  // namespace tolvane::cli
