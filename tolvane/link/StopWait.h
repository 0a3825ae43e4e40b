#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>

namespace tolvane {

// Waits until the deadline or until stop is requested, whichever comes first. True when
// the deadline was reached without a stop.
inline bool WaitUntilOrStop(std::stop_token stop, std::chrono::steady_clock::time_point deadline) {
    std::mutex mutex;
    std::condition_variable_any never;
    std::unique_lock lock(mutex);
    return !never.wait_until(lock, stop, deadline, [] { return false; }) && !stop.stop_requested();
}

inline bool WaitOrStop(std::stop_token stop, std::chrono::steady_clock::duration duration) {
    return WaitUntilOrStop(stop, std::chrono::steady_clock::now() + duration);
}

}  // namespace tolvane
