// The thread that runs one read or write transfer.
#pragma once

#include <atomic>
#include <thread>

#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/Hid.h"
#include "tolvane/link/ThreadStart.h"

namespace tolvane {

enum class TransferKind { kRead, kWrite };

class TransferWorker {
  public:
    explicit TransferWorker(ThreadStarter startThread = StartSystemThread)
        : startThread_(std::move(startThread)) {}
    ~TransferWorker() { Stop(); }
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;

    // Starts the transfer body on its own thread; a transfer still running is stopped
    // first. The channel's transfer handle is closed when the body ends. False when the
    // system gives no thread: nothing runs then, and the monitor ends the transfer with
    // its time-out.
    bool Start(TransferKind kind, KeyboardImage& image, CHid& hid);

    // Asks the transfer to stop and waits until its thread has ended: afterwards nothing
    // but the caller touches the image.
    void Stop();

    // Asks the transfer to stop without waiting for it.
    void RequestStop() { thread_.request_stop(); }

    // Whether Stop() would return at once: no thread, or its body (and the closing of the
    // transfer handle, which can take seconds on some systems) has ended.
    bool Finished() const { return !thread_.joinable() || finished_.load(); }

    bool Started() const { return thread_.joinable(); }

  private:
    ThreadStarter startThread_;
    std::atomic<bool> finished_{true};
    std::jthread thread_;
};

}  // namespace tolvane
