#include "tolvane/link/TransferMonitor.h"

#include <algorithm>

#include "tolvane/link/StopWait.h"

namespace tolvane {

TransferMonitor::TransferMonitor(KeyboardImage& image, TransferWorker& worker,
                                 TransferListener& listener)
    : image_(image), worker_(worker), listener_(listener) {}

void TransferMonitor::Begin(TransferKind kind) {
    kind_ = kind;
    image_.status.transferDone.store(0);
    image_.status.reportCount.store(0);
    lastSeen_ = 0xFFFF;
    idlePolls_ = 1;
    ended_ = false;
    ending_ = TransferOutcome::kRunning;
}

TransferOutcome TransferMonitor::Poll() {
    if (ended_) {
        return TransferOutcome::kRunning;
    }
    if (ending_ != TransferOutcome::kRunning) {
        return FinishWhenWorkerDone();
    }
    // The poll that sees progress starts the count; each later poll without progress adds
    // one, so the transfer fails at the 201st of them, one poll interval after the 200th.
    const std::uint32_t count = image_.status.reportCount.load();
    if (count != lastSeen_) {
        listener_.OnProgress(count);
        lastSeen_ = count;
        idlePolls_ = 0;
    } else {
        ++idlePolls_;
    }
    if (image_.status.transferDone.load() == 1) {
        return EndAs(kind_ == TransferKind::kRead ? TransferOutcome::kReadSucceeded
                                                  : TransferOutcome::kWriteSucceeded);
    }
    if (idlePolls_ > kIdlePollLimit) {
        return EndAs(TransferOutcome::kFailed);
    }
    return TransferOutcome::kRunning;
}

TransferOutcome TransferMonitor::EndAs(TransferOutcome outcome) {
    ending_ = outcome;
    if (outcome == TransferOutcome::kFailed) {
        worker_.RequestStop();
    }
    return FinishWhenWorkerDone();
}

TransferOutcome TransferMonitor::FinishWhenWorkerDone() {
    if (!worker_.Finished()) {
        return TransferOutcome::kRunning;
    }
    return ending_ == TransferOutcome::kFailed ? Fail() : Succeed();
}

TransferOutcome TransferMonitor::RunToEnd(std::stop_token stop) {
    for (;;) {
        const TransferOutcome outcome = Poll();
        if (outcome != TransferOutcome::kRunning || ended_) {
            return outcome;
        }
        if (!WaitOrStop(stop, kPollInterval)) {
            // Waits for the worker: this caller has no window to keep alive. A transfer that
            // had already ended keeps its outcome.
            worker_.Stop();
            return ending_ == TransferOutcome::kRunning ? Fail() : FinishWhenWorkerDone();
        }
    }
}

TransferOutcome TransferMonitor::Succeed() {
    ended_ = true;
    worker_.Stop();  // it has finished; joining it makes the image ours again
    const TransferOutcome outcome = kind_ == TransferKind::kRead ? TransferOutcome::kReadSucceeded
                                                                 : TransferOutcome::kWriteSucceeded;
    if (kind_ == TransferKind::kRead) {
        image_.DeriveAllLayerTexts();
    }
    listener_.OnOutcome(outcome);
    return outcome;
}

TransferOutcome TransferMonitor::Fail() {
    ended_ = true;
    worker_.Stop();
    if (kind_ == TransferKind::kRead) {
        image_.ClearAllButtons();  // a half-read image is not kept
    }
    image_.status.reportCount.store(0);
    image_.status.transferMode.store(kTransferIdle);
    image_.status.transferDone.store(0);
    listener_.OnOutcome(TransferOutcome::kFailed);
    return TransferOutcome::kFailed;
}

int TransferMonitor::Percent(std::uint32_t position) {
    return static_cast<int>(std::min(position, kProgressRange) * 100 / kProgressRange);
}

StartResult StartTransfer(TransferKind kind, KeyboardImage& image, CHid& hid,
                          TransferWorker& worker, TransferMonitor& monitor) {
    if (image.status.keyboardConnected.load() == 0) {
        return StartResult::kNotConnected;
    }
    image.status.transferMode.store(kind == TransferKind::kRead ? kTransferRead : kTransferWrite);
    monitor.Begin(kind);
    // A worker the system gives no thread for never makes progress: the monitor ends the
    // transfer with its time-out, as the window expects.
    worker.Start(kind, image, hid);
    return StartResult::kStarted;
}

}  // namespace tolvane
