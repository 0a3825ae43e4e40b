// Runs blocking writes on a thread of their own so that a caller can stop waiting for
// completion after a time-out, while the data stays owned by the job until the write has
// really completed. One write at a time: a write still in flight delays the next one.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "hidio/Hidio.h"

namespace hidio::detail {

class WriteWorker {
  public:
    using Job = std::function<bool()>;  // true when the write completed successfully

    WriteWorker();
    // Waits for a write in flight to end before the thread goes.
    ~WriteWorker();
    WriteWorker(const WriteWorker&) = delete;
    WriteWorker& operator=(const WriteWorker&) = delete;

    // The whole wait, for an earlier write and for this one, stays within timeout.
    IoResult Run(Job job, std::chrono::milliseconds timeout);

  private:
    void Loop(std::stop_token stop);

    std::mutex mutex_;
    std::condition_variable_any changed_;
    Job job_;
    bool busy_ = false;
    bool lastResult_ = false;
    unsigned long finished_ = 0;
    std::jthread thread_;
};

}  // namespace hidio::detail
