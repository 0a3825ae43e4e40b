#include "cli/Interrupt.h"

#include <csignal>

namespace tolvane::cli {

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

using SignalHandler = void (*)(int);
SignalHandler previousInterrupt = SIG_DFL;
SignalHandler previousTerminate = SIG_DFL;

void NoteInterrupt(int signal) {
    interrupted.store(true);
    // Some systems put the default back before they call a handler; it stays ours.
    std::signal(signal, NoteInterrupt);
}

}  // namespace

InterruptWatch::InterruptWatch() {
    interrupted.store(false);
    previousInterrupt = std::signal(SIGINT, NoteInterrupt);
    previousTerminate = std::signal(SIGTERM, NoteInterrupt);
}

InterruptWatch::~InterruptWatch() {
    std::signal(SIGINT, previousInterrupt == SIG_ERR ? SIG_DFL : previousInterrupt);
    std::signal(SIGTERM, previousTerminate == SIG_ERR ? SIG_DFL : previousTerminate);
}

const std::atomic<bool>& InterruptWatch::Requested() const {
    return interrupted;
}

}  // namespace tolvane::cli
