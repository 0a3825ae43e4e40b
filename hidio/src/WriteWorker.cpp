#include "WriteWorker.h"

namespace hidio::detail {

WriteWorker::WriteWorker() : thread_([this](std::stop_token stop) { Loop(stop); }) {}

WriteWorker::~WriteWorker() {
    thread_.request_stop();
    thread_.join();
}

IoResult WriteWorker::Run(Job job, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::unique_lock lock(mutex_);
    if (!changed_.wait_until(lock, deadline, [this] { return !busy_; })) {
        return IoResult::kTimedOut;
    }
    job_ = std::move(job);
    busy_ = true;
    const unsigned long mine = finished_ + 1;
    changed_.notify_all();
    if (!changed_.wait_until(lock, deadline, [this, mine] { return finished_ >= mine; })) {
        return IoResult::kTimedOut;
    }
    return lastResult_ ? IoResult::kOk : IoResult::kFailed;
}

void WriteWorker::Loop(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    for (;;) {
        // A job already handed over is always carried out, even when stopping, so that its
        // data is never dropped half-way.
        changed_.wait(lock, stop, [this] { return busy_; });
        if (!busy_) {
            return;
        }
        Job job = std::move(job_);
        lock.unlock();
        const bool ok = job();
        lock.lock();
        lastResult_ = ok;
        busy_ = false;
        ++finished_;
        changed_.notify_all();
    }
}

}  // namespace hidio::detail
