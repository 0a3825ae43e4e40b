// Shared set-up of the link tests: a virtual bus with one virtual keyboard plugged in, the
// channel, the image and the worker/monitor pair.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "emulator/VirtualKeyboard.h"
#include "hidio/VirtualBus.h"
#include "tests/support/TraceReports.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/DeviceWatch.h"
#include "tolvane/link/Hid.h"
#include "tolvane/link/TransferMonitor.h"
#include "tolvane/link/TransferProtocol.h"

namespace tolvane::testing {

class RecordingListener : public TransferListener {
  public:
    void OnProgress(std::uint32_t reportCount) override { progress.push_back(reportCount); }
    void OnOutcome(TransferOutcome outcome) override { outcomes.push_back(outcome); }
    std::vector<std::uint32_t> progress;
    std::vector<TransferOutcome> outcomes;
};

// The host's side of a link over a virtual bus: channel, image, worker and monitor.
class LinkRig : public ::testing::Test {
  protected:
    TransferOutcome RunTransfer(TransferKind kind) {
        watch.DeviceCheck();
        EXPECT_EQ(StartTransfer(kind, image, hid, worker, monitor), StartResult::kStarted);
        return monitor.RunToEnd();
    }

    hidio::VirtualBus bus;
    std::unique_ptr<KeyboardImage> ownedImage = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *ownedImage;
    CHid hid{&bus};
    DeviceWatch watch{image, hid, kNoNotices};
    TransferWorker worker;
    RecordingListener listener;
    TransferMonitor monitor{image, worker, listener};
};

// ... with one virtual keyboard plugged in.
class LinkFixture : public LinkRig {
  protected:
    LinkFixture() { keyboard->Plug(); }

    std::unique_ptr<emulator::VirtualKeyboard> keyboard =
        std::make_unique<emulator::VirtualKeyboard>(bus, "1");
};

}  // namespace tolvane::testing
