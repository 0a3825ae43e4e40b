// Shared set-up of the link tests: a virtual bus with one virtual keyboard plugged in, the
// channel, the image and the worker/monitor pair.
#pragma once

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
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

// Closing a device handle can take seconds on some systems. Once held, every device of a
// HeldCloseBus that is closed waits in its close until the gate is released.
class CloseGate {
  public:
    void Hold() {
        Set(true);
        std::lock_guard lock(mutex_);
        opens_ = 0;
    }
    void Release() { Set(false); }
    // Returns once a device has been opened since Hold().
    void WaitForAnOpen() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return opens_ > 0; });
    }
    void Opened() {
        std::lock_guard lock(mutex_);
        ++opens_;
        changed_.notify_all();
    }
    // Returns once a close waits at the gate.
    void WaitForAClose() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return waiting_ > 0; });
    }
    void PassThrough() {
        std::unique_lock lock(mutex_);
        ++waiting_;
        changed_.notify_all();
        // Bounded, so that a poll that waits for the worker fails its test instead of hanging.
        changed_.wait_for(lock, std::chrono::seconds(30), [this] { return !holding_; });
        --waiting_;
    }

  private:
    void Set(bool holding) {
        std::lock_guard lock(mutex_);
        holding_ = holding;
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    bool holding_ = false;
    int waiting_ = 0;
    int opens_ = 0;
};

class HeldCloseBus final : public hidio::Bus {
  public:
    HeldCloseBus(hidio::Bus& inner, CloseGate& gate) : inner_(inner), gate_(gate) {}
    std::vector<hidio::InterfaceInfo> Enumerate() override { return inner_.Enumerate(); }
    hidio::OpenResult Open(const std::string& path) override;
    std::unique_ptr<hidio::Watch> StartWatch(hidio::WatchCallback callback) override {
        return inner_.StartWatch(std::move(callback));
    }

  private:
    class Device;
    hidio::Bus& inner_;
    CloseGate& gate_;
};

class HeldCloseBus::Device final : public hidio::Device {
  public:
    Device(std::unique_ptr<hidio::Device> inner, CloseGate& gate)
        : inner_(std::move(inner)), gate_(gate) {}
    ~Device() override { gate_.PassThrough(); }
    hidio::IoResult Write(const hidio::Report& report,
                          std::chrono::milliseconds completionTimeout) override {
        return inner_->Write(report, completionTimeout);
    }
    hidio::IoResult Read(hidio::Report& report, std::chrono::milliseconds timeout) override {
        return inner_->Read(report, timeout);
    }
    void InterruptRead() override { inner_->InterruptRead(); }
    const std::string& Path() const override { return inner_->Path(); }

  private:
    std::unique_ptr<hidio::Device> inner_;
    CloseGate& gate_;
};

inline hidio::OpenResult HeldCloseBus::Open(const std::string& path) {
    hidio::OpenResult result = inner_.Open(path);
    if (result.device) {
        result.device = std::make_unique<Device>(std::move(result.device), gate_);
        gate_.Opened();
    }
    return result;
}

// The host's side of a link over a virtual bus: channel, image, worker and monitor.
class LinkRig : public ::testing::Test {
  protected:
    TransferOutcome RunTransfer(TransferKind kind) {
        watch.DeviceCheck();
        EXPECT_EQ(StartTransfer(kind, image, hid, worker, monitor), StartResult::kStarted);
        return monitor.RunToEnd();
    }

    ~LinkRig() override { closes.Release(); }

    hidio::VirtualBus bus;
    CloseGate closes;
    HeldCloseBus hostBus{bus, closes};
    std::unique_ptr<KeyboardImage> ownedImage = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *ownedImage;
    CHid hid{&hostBus};
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
