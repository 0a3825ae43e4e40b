// A notice target for tests: records the device-change notices, which arrive on a thread of
// the bus, and lets the test wait for one.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "tolvane/link/Hid.h"

namespace tolvane::testing {

class NoticeLog {
  public:
    NotifyTarget Target() {
        return [this](DeviceChangeEvent event) { Add(event); };
    }

    void Add(DeviceChangeEvent event) {
        {
            std::lock_guard lock(mutex_);
            events_.push_back(event);
        }
        changed_.notify_all();
    }

    bool WaitFor(DeviceChangeEvent event, std::chrono::milliseconds bound) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, bound, [&] {
            return std::find(events_.begin(), events_.end(), event) != events_.end();
        });
    }

    std::vector<DeviceChangeEvent> Events() {
        std::lock_guard lock(mutex_);
        return events_;
    }

    void Clear() {
        std::lock_guard lock(mutex_);
        events_.clear();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<DeviceChangeEvent> events_;
};

}  // namespace tolvane::testing
