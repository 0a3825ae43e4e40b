// Starting a thread, which the system may refuse (a limit on the processes of a user, or
// memory). A refusal is an answer to handle, not an exception that ends the program.
#pragma once

#include <functional>
#include <stop_token>
#include <thread>

namespace tolvane {

using ThreadBody = std::function<void(std::stop_token)>;

// Returns the running thread, or a thread that is not joinable when none could be started.
// Tests inject one that refuses.
using ThreadStarter = std::function<std::jthread(ThreadBody)>;

// The system's threads.
std::jthread StartSystemThread(ThreadBody body);

}  // namespace tolvane
