#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/link/LinkFixture.h"
#include "tests/link/ScriptedKeyboard.h"
#include "tests/support/NoticeLog.h"

namespace tolvane::testing {
namespace {

using hidio::Direction;

hidio::Report ReportOf(std::uint8_t code) {
    hidio::Report report{};
    report[1] = code;
    return report;
}

using HidTest = LinkFixture;

TEST_F(HidTest, TheFirstKeyboardInEnumerationOrderGetsEveryReport) {
    emulator::VirtualKeyboard second(bus, "2");
    second.Plug();
    const std::stop_source stop;
    KeyboardSearchResult found = hid.FindKeyboard();
    ASSERT_EQ(found.outcome, KeyboardSearch::kFound);
    EXPECT_EQ(found.path, keyboard->VendorPath());
    EXPECT_TRUE(hid.SendReport(ReportOf(0xD0), stop.get_token()));
    EXPECT_TRUE(hid.SendReport(ReportOf(0xD0), stop.get_token()));
    EXPECT_EQ(keyboard->ReportsReceived(), 2u);
    EXPECT_EQ(second.ReportsReceived(), 0u);
}

TEST_F(HidTest, AnInterfaceThatWillNotOpenIsSkipped) {
    emulator::VirtualKeyboard second(bus, "2");
    second.Plug();
    emulator::Faults refuse;
    refuse.refuseOpens = true;
    keyboard->SetFaults(refuse);
    EXPECT_EQ(hid.FindKeyboard().path, second.VendorPath());
    second.SetFaults(refuse);
    EXPECT_EQ(hid.FindKeyboard().outcome, KeyboardSearch::kNotFound);
}

TEST_F(HidTest, AKeyboardThisUserMayNotOpenIsReportedAsSuch) {
    emulator::Faults deny;
    deny.denyAccess = true;
    keyboard->SetFaults(deny);
    const KeyboardSearchResult found = hid.FindKeyboard();
    EXPECT_EQ(found.outcome, KeyboardSearch::kAccessDenied);
    EXPECT_EQ(found.path, keyboard->VendorPath());
    EXPECT_EQ(watch.DeviceCheck(), ConnectionPicture::kNotFound);
    EXPECT_EQ(watch.LastSearch(), KeyboardSearch::kAccessDenied);
}

TEST_F(HidTest, RestrictingToAPathIgnoresOtherKeyboards) {
    emulator::VirtualKeyboard second(bus, "2");
    second.Plug();
    hid.RestrictToPath(second.VendorPath());
    EXPECT_EQ(hid.FindKeyboard().path, second.VendorPath());
    second.Unplug();
    EXPECT_EQ(hid.FindKeyboard().outcome, KeyboardSearch::kNotFound);
}

TEST_F(HidTest, ReceivingWhileTheKeyboardIsNotPresentLeavesTheBufferAlone) {
    hid.m_bDevicePresent = 0;
    hidio::Report report;
    report.fill(0x77);
    const std::stop_source stop;
    EXPECT_FALSE(hid.ReceiveReport(report, stop.get_token()));
    EXPECT_EQ(report[0], 0x77);
    EXPECT_EQ(report[64], 0x77);
}

TEST_F(HidTest, SendingWaitsForAnUnpluggedKeyboardToComeBack) {
    keyboard->Unplug();
    const std::stop_source stop;
    std::atomic<bool> sent{false};
    std::thread sender([&] { sent = hid.SendReport(ReportOf(0xD1), stop.get_token()); });
    keyboard->Plug();
    sender.join();
    EXPECT_TRUE(sent.load());
    EXPECT_EQ(keyboard->ReportsReceived(), 1u);
}

TEST_F(HidTest, SendingToAnAbsentKeyboardEndsWhenTheTransferIsStopped) {
    keyboard->Unplug();
    std::stop_source stop;
    std::atomic<bool> sent{true};
    std::thread sender([&] { sent = hid.SendReport(ReportOf(0xD1), stop.get_token()); });
    stop.request_stop();
    sender.join();
    EXPECT_FALSE(sent.load());
}

TEST_F(HidTest, AWriteThatCompletesLateIsTriedThreeTimesThenGivenUp) {
    emulator::Faults faults;
    faults.writeCompletionDelay = std::chrono::milliseconds(150);
    keyboard->SetFaults(faults);
    const std::stop_source stop;
    EXPECT_FALSE(hid.SendReport(ReportOf(0xD1), stop.get_token()));
    EXPECT_EQ(hid.writeTimeouts(), 3u);
    hid.EndTransfer();
    // A write the channel stopped waiting for still reached the keyboard.
    EXPECT_GE(keyboard->ReportsReceived(), 1u);
}

TEST_F(HidTest, AWriteThatCompletesWithinTheWaitCountsNoTimeOut) {
    emulator::Faults faults;
    faults.writeCompletionDelay = std::chrono::milliseconds(30);
    keyboard->SetFaults(faults);
    const std::stop_source stop;
    EXPECT_TRUE(hid.SendReport(ReportOf(0xD1), stop.get_token()));
    EXPECT_TRUE(hid.SendReport(ReportOf(0xD1), stop.get_token()));
    EXPECT_EQ(hid.writeTimeouts(), 0u);  // counted per report, not per run
    EXPECT_EQ(keyboard->ReportsReceived(), 2u);
}

// A keyboard that stays attached but fails every write at once; it asks the sender to
// stop after ten writes, so that a sender that never gives up still ends.
class FailingWritesBus final : public hidio::Bus {
  public:
    class Device final : public hidio::Device {
      public:
        explicit Device(FailingWritesBus& bus) : bus_(bus) {}
        hidio::IoResult Write(const hidio::Report&, std::chrono::milliseconds) override {
            if (++bus_.writes == 10) {
                bus_.stop.request_stop();
            }
            return hidio::IoResult::kFailed;
        }
        hidio::IoResult Read(hidio::Report&, std::chrono::milliseconds) override {
            return hidio::IoResult::kTimedOut;
        }
        void InterruptRead() override {}
        const std::string& Path() const override { return path_; }

      private:
        FailingWritesBus& bus_;
        std::string path_ = ScriptedKeyboard::kPath;
    };

    std::vector<hidio::InterfaceInfo> Enumerate() override {
        return {ScriptedKeyboard::Interface()};
    }
    hidio::OpenResult Open(const std::string&) override {
        return {std::make_unique<Device>(*this), hidio::OpenStatus::kOpened, {}};
    }
    std::unique_ptr<hidio::Watch> StartWatch(hidio::WatchCallback) override { return nullptr; }

    std::stop_source stop;
    int writes = 0;
};

TEST(FailingWrites, AWriteThatFailsAtOnceIsAnAttemptWithTheSamePause) {
    FailingWritesBus bus;
    CHid hid{&bus};
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(hid.SendReport(ReportOf(0xD1), bus.stop.get_token()));
    EXPECT_EQ(bus.writes, 3);
    EXPECT_EQ(hid.writeTimeouts(), 3u);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
}

TEST_F(HidTest, OneHandleServesAWholeTransfer) {
    const std::stop_source stop;
    hid.m_bDevicePresent = 1;
    ASSERT_TRUE(hid.SendReport(ReportOf(0xD1), stop.get_token()));
    EXPECT_EQ(bus.OpenHandleCount(keyboard->VendorPath()), 1u);
    hidio::Report answer{};
    ASSERT_TRUE(hid.ReceiveReport(answer, stop.get_token()));
    EXPECT_EQ(answer[1], 0xD1);
    EXPECT_EQ(bus.OpenHandleCount(keyboard->VendorPath()), 1u);
    hid.EndTransfer();
    EXPECT_EQ(bus.OpenHandleCount(keyboard->VendorPath()), 0u);
}

class DeviceWatchTest : public LinkFixture {
  protected:
    // The keyboard is pulled out after this fixture's members are gone: stop the notices.
    ~DeviceWatchTest() override { hid.m_hDevNotify.reset(); }
    NoticeLog notices;
    DeviceWatch noticed{image, hid, notices.Target()};
};

TEST_F(DeviceWatchTest, CheckFindsTheKeyboardAndRegistersOnce) {
    EXPECT_EQ(noticed.DeviceCheck(), ConnectionPicture::kFound);
    EXPECT_EQ(image.status.keyboardConnected.load(), 1);
    EXPECT_EQ(hid.m_bDevicePresent.load(), 1u);
    EXPECT_EQ(hid.m_bNotifyRegistered, 1u);
    EXPECT_EQ(bus.OpenHandleCount(keyboard->VendorPath()), 0u);  // the check closed its handle
    noticed.DeviceCheck();

    keyboard->Unplug();
    keyboard->Plug();
    // Two interfaces go and come back; one registration gives one notice each.
    EXPECT_EQ(notices.Events(),
              (std::vector<DeviceChangeEvent>{
                  DeviceChangeEvent::kRemovalComplete, DeviceChangeEvent::kRemovalComplete,
                  DeviceChangeEvent::kArrival, DeviceChangeEvent::kArrival}));
}

TEST_F(DeviceWatchTest, NoticesReachTheTargetWhileAnotherThreadPlugs) {
    // Registration races the notices of a keyboard being plugged on another thread; the
    // target given at registration is the only one a notice can meet.
    std::thread plugger([this] {
        while (notices.Events().empty()) {
            keyboard->Unplug();
            keyboard->Plug();
        }
    });
    noticed.DeviceCheck();
    plugger.join();
    EXPECT_TRUE(notices.WaitFor(DeviceChangeEvent::kArrival, std::chrono::seconds(0)));
    EXPECT_EQ(hid.m_bNotifyRegistered, 1u);
}

TEST_F(DeviceWatchTest, AWatchWithoutNoticesNeverRegisters) {
    EXPECT_EQ(watch.DeviceCheck(), ConnectionPicture::kFound);
    keyboard->Unplug();
    keyboard->Plug();
    EXPECT_EQ(hid.m_bNotifyRegistered, 0u);
    EXPECT_EQ(hid.m_hDevNotify, nullptr);
    EXPECT_TRUE(notices.Events().empty());
}

TEST_F(DeviceWatchTest, RemovalAndArrivalFollowTheKeyboard) {
    noticed.DeviceCheck();
    keyboard->Unplug();
    EXPECT_EQ(noticed.OnDeviceChange(DeviceChangeEvent::kRemovalComplete),
              ConnectionPicture::kNotFound);
    EXPECT_EQ(image.status.keyboardConnected.load(), 0);
    EXPECT_EQ(hid.m_bDevicePresent.load(), 0u);
    keyboard->Plug();
    EXPECT_EQ(noticed.OnDeviceChange(DeviceChangeEvent::kNodesChanged), std::nullopt);
    EXPECT_EQ(hid.m_bDevicePresent.load(), 1u);
    EXPECT_EQ(image.status.keyboardConnected.load(), 0);  // only an arrival connects
    EXPECT_EQ(noticed.OnDeviceChange(DeviceChangeEvent::kArrival), ConnectionPicture::kFound);
    EXPECT_EQ(image.status.keyboardConnected.load(), 1);
}

TEST_F(DeviceWatchTest, RemovingAnotherDeviceKeepsTheKeyboardUsable) {
    emulator::VirtualKeyboard other(bus, "2");
    other.Plug();
    noticed.DeviceCheck();
    other.Unplug();
    EXPECT_EQ(noticed.OnDeviceChange(DeviceChangeEvent::kRemovalComplete), std::nullopt);
    EXPECT_EQ(image.status.keyboardConnected.load(), 1);
}

}  // namespace
}  // namespace tolvane::testing
