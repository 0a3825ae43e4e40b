// The monitor polled by hand, without a sleep: when it gives a transfer up, what a stop
// request does, and what it does with a worker the system would not start.
#include <gtest/gtest.h>

#include "tests/link/LinkFixture.h"

namespace tolvane::testing {
namespace {

// Polls until the monitor gives up; the number of polls it took.
int PollsUntilFailed(TransferMonitor& monitor) {
    for (int polls = 1; polls <= 1000; ++polls) {
        if (monitor.Poll() == TransferOutcome::kFailed) {
            return polls;
        }
    }
    return -1;
}

using TransferMonitorTest = LinkRig;

TEST_F(TransferMonitorTest, TheTransferFailsAtThe201stPollWithoutProgress) {
    monitor.Begin(TransferKind::kWrite);
    for (int poll = 0; poll < 150; ++poll) {
        ASSERT_EQ(monitor.Poll(), TransferOutcome::kRunning);
    }
    image.status.reportCount.store(1);
    EXPECT_EQ(PollsUntilFailed(monitor), 1 + 201);  // the poll that sees the progress, then 201
    EXPECT_EQ(listener.outcomes, std::vector<TransferOutcome>{TransferOutcome::kFailed});
}

using StoppedTransferTest = LinkFixture;

TEST_F(StoppedTransferTest, AStopRequestEndsTheTransferAsFailedWithItsWorkerStopped) {
    watch.DeviceCheck();
    std::stop_source pulledOut;
    pulledOut.request_stop();
    ASSERT_EQ(StartTransfer(TransferKind::kWrite, image, hid, worker, monitor),
              StartResult::kStarted);
    EXPECT_EQ(monitor.RunToEnd(pulledOut.get_token()), TransferOutcome::kFailed);
    EXPECT_EQ(listener.outcomes, std::vector<TransferOutcome>{TransferOutcome::kFailed});
    EXPECT_FALSE(worker.Started());  // joined: nothing more goes to the keyboard
    EXPECT_LT(keyboard->ReportsReceived(), static_cast<std::size_t>(kWriteReportsSent));
    EXPECT_EQ(image.status.transferMode.load(), kTransferIdle);
}

// A window polls from its own thread: the end of a transfer must not wait there for the
// worker's thread, whose closing of the handle can take seconds. The outcome follows at the
// first poll after the worker is done, and the image is not touched before.
using SlowCloseTest = LinkFixture;

TEST_F(SlowCloseTest, TheOutcomeWaitsForTheWorkerWithoutHoldingUpThePoll) {
    struct Case {
        TransferKind kind;
        bool silent;
        TransferOutcome outcome;
    };
    for (const Case& c : {Case{TransferKind::kWrite, false, TransferOutcome::kWriteSucceeded},
                          Case{TransferKind::kRead, true, TransferOutcome::kFailed}}) {
        SCOPED_TRACE(c.silent ? "a silent keyboard" : "a write that succeeds");
        ASSERT_TRUE(image.StoreKeyRecord(9, 1, std::vector<KeyCode>{4}));
        emulator::Faults faults;
        faults.silent = c.silent;
        keyboard->SetFaults(faults);
        listener.outcomes.clear();
        watch.DeviceCheck();
        closes.Hold();
        ASSERT_EQ(StartTransfer(c.kind, image, hid, worker, monitor), StartResult::kStarted);
        if (c.silent) {
            // The time-out counts polls, not time: it asks the worker, which has opened the
            // keyboard and waits for its answer, to stop.
            closes.WaitForAnOpen();
            for (int poll = 0; poll < 1 + 201; ++poll) {
                ASSERT_EQ(monitor.Poll(), TransferOutcome::kRunning);
            }
        }
        closes.WaitForAClose();
        EXPECT_EQ(monitor.Poll(), TransferOutcome::kRunning);
        EXPECT_EQ(monitor.Poll(), TransferOutcome::kRunning);
        EXPECT_TRUE(listener.outcomes.empty());
        EXPECT_EQ(image.buttons[9].keyCount[1], 1);  // not cleared under the worker's feet
        closes.Release();
        TransferOutcome outcome = TransferOutcome::kRunning;
        while (outcome == TransferOutcome::kRunning) {
            outcome = monitor.Poll();
        }
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(listener.outcomes, std::vector<TransferOutcome>{c.outcome});
        EXPECT_FALSE(worker.Started());
        EXPECT_EQ(image.buttons[9].keyCount[1], c.silent ? 0 : 1);
    }
}

class RefusedWorkerTest : public LinkFixture {
  protected:
    int refusals = 0;
    TransferWorker refusedWorker{[this](ThreadBody) {
        ++refusals;
        return std::jthread();
    }};
    TransferMonitor refusedMonitor{image, refusedWorker, listener};
};

TEST_F(RefusedWorkerTest, AWorkerWithoutAThreadEndsInTheTimeOut) {
    ASSERT_TRUE(image.StoreKeyRecord(9, 1, std::vector<KeyCode>{4}));
    watch.DeviceCheck();
    ASSERT_EQ(StartTransfer(TransferKind::kRead, image, hid, refusedWorker, refusedMonitor),
              StartResult::kStarted);
    EXPECT_EQ(refusals, 1);
    EXPECT_FALSE(refusedWorker.Started());
    EXPECT_EQ(PollsUntilFailed(refusedMonitor), 1 + 201);
    EXPECT_EQ(listener.outcomes, std::vector<TransferOutcome>{TransferOutcome::kFailed});
    EXPECT_EQ(keyboard->ReportsReceived(), 0u);
    EXPECT_EQ(image.buttons[9].keyCount[1], 0);  // a failed read keeps nothing half-read
}

}  // namespace
}  // namespace tolvane::testing
