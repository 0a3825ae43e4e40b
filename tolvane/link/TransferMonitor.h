// Follows a running transfer and decides how it ended.
//
// The owner polls it every 5 ms (the GUI from a timer, the command-line program from a
// loop). Progress is the worker's reportCount; a transfer fails when 201 polls in a row
// (about one second) bring no progress, however long it has run before. After a
// successful read every display text is derived again; after a failed read the half-read
// buttons are cleared. A failed transfer's worker is stopped for good in both directions:
// the user has been told it failed, so it must not go on in the background.
//
// Poll never waits for the worker: once the end is decided, the outcome is announced at the
// first poll that finds the worker's thread done (closing the transfer handle can take
// seconds on some systems), so that a window polling from its own thread never stalls.
#pragma once

#include <chrono>
#include <cstdint>
#include <stop_token>

#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/TransferWorker.h"

namespace tolvane {

enum class TransferOutcome { kRunning, kReadSucceeded, kWriteSucceeded, kFailed };

class TransferListener {
  public:
    virtual ~TransferListener() = default;
    // reportCount changed; 0..504 for the progress bar (a full transfer counts 506).
    virtual void OnProgress(std::uint32_t reportCount) = 0;
    // The transfer ended; the image is already up to date.
    virtual void OnOutcome(TransferOutcome outcome) = 0;
};

class TransferMonitor {
  public:
    static constexpr auto kPollInterval = std::chrono::milliseconds(5);
    static constexpr int kIdlePollLimit = 200;
    static constexpr std::uint32_t kProgressRange = 504;

    TransferMonitor(KeyboardImage& image, TransferWorker& worker, TransferListener& listener);

    // Resets the transfer status; call before the worker starts.
    void Begin(TransferKind kind);

    // One poll. Returns kRunning until the transfer has ended.
    TransferOutcome Poll();

    // Polls every kPollInterval until the transfer ends. A stop request ends it as failed
    // at once (the keyboard was pulled out, say), with the worker stopped as on a time-out.
    TransferOutcome RunToEnd(std::stop_token stop = {});

    // The reportCount last seen before the transfer ended (0 before any was seen): how far a
    // failed transfer got, as the status itself is reset when it fails.
    std::uint32_t LastCount() const { return lastSeen_ == 0xFFFF ? 0 : lastSeen_; }

    // The percentage the progress title shows for a position of the bar.
    static int Percent(std::uint32_t position);

  private:
    // Decides how the transfer ends; the outcome follows once the worker is done.
    TransferOutcome EndAs(TransferOutcome outcome);
    TransferOutcome FinishWhenWorkerDone();
    TransferOutcome Succeed();
    TransferOutcome Fail();

    KeyboardImage& image_;
    TransferWorker& worker_;
    TransferListener& listener_;
    TransferKind kind_ = TransferKind::kRead;
    std::uint32_t lastSeen_ = 0xFFFF;
    int idlePolls_ = 1;
    bool ended_ = true;
    TransferOutcome ending_ = TransferOutcome::kRunning;  // decided, not yet announced
};

enum class StartResult { kStarted, kNotConnected };

// The read and write commands: refused while no keyboard is connected, otherwise they set
// transferMode, reset the status and start the worker. The caller then polls the monitor.
StartResult StartTransfer(TransferKind kind, KeyboardImage& image, CHid& hid,
                          TransferWorker& worker, TransferMonitor& monitor);

}  // namespace tolvane
