// The thread that runs one read or write transfer.
#pragma once

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

    bool Started() const { return thread_.joinable(); }

  private:
    ThreadStarter startThread_;
    std::jthread thread_;
};

}  // namespace tolvane
