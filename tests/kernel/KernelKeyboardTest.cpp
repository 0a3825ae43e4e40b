// Runs inside the test machine that tests/kernel/run.sh boots: the emulated keyboard is
// plugged in through /dev/uhid, and everything above it is what users run: the kernel's HID
// stack and hidraw, hidio's hidapi backend and watch, the channel, the transfer protocol and
// the monitor. Nothing here touches the virtual bus.
//
// TOLVANE_LAYOUT names the data file written and read back (run.sh passes the example till
// layout).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <vector>

#include "hidio/KeyboardInterface.h"
#include "tests/kernel/KernelFixture.h"
#include "tests/support/NoticeLog.h"
#include "tolvane/files/DataFileLoader.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/DeviceWatch.h"
#include "tolvane/link/TransferMonitor.h"
#include "tolvane/link/TransferProtocol.h"

namespace tolvane::kernel {
namespace {

using namespace std::chrono_literals;

void ExpectFirmwareHolds(const emulator::Programming& programming, const KeyboardImage& image) {
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            const std::span<const KeyCode> codes = image.buttons[button].Codes(layer);
            EXPECT_EQ(programming.keys[button][layer],
                      std::vector<std::uint8_t>(codes.begin(), codes.end()))
                << "button " << button << " layer " << layer;
        }
    }
    for (int t = 0; t < TrackCount; ++t) {
        const TrackRecordEntry entry = image.TrackEntryOf(t);
        const emulator::TrackProgramming& track = programming.tracks[static_cast<std::size_t>(t)];
        EXPECT_EQ(track, (emulator::TrackProgramming{entry.mode, entry.prefixShift, entry.prefixKey,
                                                     entry.suffixShift, entry.suffixKey}))
            << "track " << t + 1;
    }
    EXPECT_EQ(programming.options, image.OptionBytes());
}

// Byte for byte what the two images would write to a keyboard.
void ExpectSameRecords(const KeyboardImage& read, const KeyboardImage& written) {
    for (int layer = 1; layer <= LayerCount; ++layer) {
        for (int button = 1; button <= ButtonCount; ++button) {
            EXPECT_EQ(KeyRecordReport(read, button, layer), KeyRecordReport(written, button, layer))
                << "button " << button << " layer " << layer;
        }
    }
    EXPECT_EQ(TrackRecordReport(read), TrackRecordReport(written));
    EXPECT_EQ(OptionsRecordReport(read), OptionsRecordReport(written));
}

class NullListener : public TransferListener {
  public:
    void OnProgress(std::uint32_t) override {}
    void OnOutcome(TransferOutcome) override {}
};

// One transfer as the programs run it: device check, start, poll to the end.
class Transfer {
  public:
    explicit Transfer(KeyboardImage& image) : image_(image) {}

    TransferOutcome Run(TransferKind kind) {
        watch_.DeviceCheck();
        if (StartTransfer(kind, image_, hid_, worker_, monitor_) != StartResult::kStarted) {
            ADD_FAILURE() << "the transfer did not start: no keyboard";
            return TransferOutcome::kFailed;
        }
        return monitor_.RunToEnd();
    }

  private:
    KeyboardImage& image_;
    CHid hid_{&hidio::SystemBus()};
    DeviceWatch watch_{image_, hid_, kNoNotices};
    TransferWorker worker_;
    NullListener listener_;
    TransferMonitor monitor_{image_, worker_, listener_};
};

TEST_F(KernelKeyboardTest, EnumerationShowsBothCollectionsWithTheKeyboardsIds) {
    const std::vector<hidio::InterfaceInfo> collections = KeyboardCollections();
    for (const hidio::InterfaceInfo& info : collections) {
        std::cout << "hidapi: " << info.path << "  " << std::hex << info.vendorId << ":"
                  << info.productId << "  interface " << std::dec << info.interfaceNumber
                  << "  usage page 0x" << std::hex << info.usagePage << " usage 0x" << info.usage
                  << std::dec << "  \"" << info.product << "\"\n";
        EXPECT_EQ(info.path.rfind("/dev/hidraw", 0), 0u) << info.path;
        EXPECT_EQ(info.interfaceNumber, -1) << "uhid devices hang below no USB interface";
        EXPECT_EQ(info.product, "TR48 POS Keyboard (emulated)");
    }
    const hidio::InterfaceInfo* boot = WithUsage(collections, 0x01, 0x06);
    const hidio::InterfaceInfo* vendor = WithUsage(collections, 0xFF00, 0x01);
    ASSERT_NE(boot, nullptr);
    ASSERT_NE(vendor, nullptr);
    EXPECT_NE(boot->path, vendor->path);
    // The rule the channel and the library share, on what the kernel reports.
    EXPECT_FALSE(hidio::IsKeyboardVendorInterface(*boot));
    EXPECT_TRUE(hidio::IsKeyboardVendorInterface(*vendor));
}

TEST_F(KernelKeyboardTest, TheChannelSkipsTheBootKeyboardThatLinuxLetsItOpen) {
    const std::vector<hidio::InterfaceInfo> collections = KeyboardCollections();
    const hidio::InterfaceInfo* boot = WithUsage(collections, 0x01, 0x06);
    const hidio::InterfaceInfo* vendor = WithUsage(collections, 0xFF00, 0x01);
    ASSERT_TRUE(boot != nullptr && vendor != nullptr);
    EXPECT_EQ(hidio::SystemBus().Open(boot->path).status, hidio::OpenStatus::kOpened);

    CHid hid(&hidio::SystemBus());
    KeyboardSearchResult found = hid.FindKeyboard();
    ASSERT_EQ(found.outcome, KeyboardSearch::kFound);
    EXPECT_EQ(found.path, vendor->path);
    EXPECT_TRUE(keyboard.WaitUntilVendorOpen(true, kGenerousWait));
    found.device.reset();
    EXPECT_TRUE(keyboard.WaitUntilVendorOpen(false, kGenerousWait));
}

TEST_F(KernelKeyboardTest, AReportCrossesTheKernelWithItsReportNumberHandled) {
    keyboard.SetSwitch(2);
    CHid hid(&hidio::SystemBus());
    hid.m_bDevicePresent.store(1);
    std::stop_source stop;
    hidio::Report query{};
    query[1] = 0xD1;
    query[64] = 0x7E;  // the last byte survives too
    ASSERT_TRUE(hid.SendReport(query, stop.get_token()));
    hidio::Report answer{};
    EXPECT_TRUE(WaitUntil([&] { return hid.ReceiveReport(answer, stop.get_token()); }));
    hid.EndTransfer();
    EXPECT_EQ(answer[0], 0);
    EXPECT_EQ(answer[1], 0xD1);
    EXPECT_EQ(answer[2], 2);

    const std::vector<hidio::TraceEntry> entries = keyboard.Trace().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].direction, hidio::Direction::kHostToDevice);
    EXPECT_EQ(entries[0].report[0], 0);
    EXPECT_EQ(entries[0].report[1], 0xD1);
    EXPECT_EQ(entries[0].report[64], 0x7E);
}

TEST_F(KernelKeyboardTest, AFullWriteAndReadBackAreByteExact) {
    const char* layout = std::getenv("TOLVANE_LAYOUT");
    ASSERT_NE(layout, nullptr) << "TOLVANE_LAYOUT names no data file";
    std::unique_ptr<KeyboardImage> written = std::make_unique<KeyboardImage>();
    const DataFileLoadResult loaded = LoadDataFile(*written, layout);
    ASSERT_TRUE(loaded.ok()) << loaded.error;
    ASSERT_GT(loaded.keyRecordsApplied, 0);
    std::cout << "layout: " << layout << ", " << loaded.keyRecordsApplied << " key records\n";

    const auto writeStart = std::chrono::steady_clock::now();
    ASSERT_EQ(Transfer(*written).Run(TransferKind::kWrite), TransferOutcome::kWriteSucceeded);
    const auto writeTime = std::chrono::steady_clock::now() - writeStart;
    ExpectFirmwareHolds(keyboard.GetProgramming(), *written);

    std::unique_ptr<KeyboardImage> read = std::make_unique<KeyboardImage>();
    read->StoreOptions({0, 0, 0, 1});
    read->StoreTrackRecord({});
    const auto readStart = std::chrono::steady_clock::now();
    ASSERT_EQ(Transfer(*read).Run(TransferKind::kRead), TransferOutcome::kReadSucceeded);
    const auto readTime = std::chrono::steady_clock::now() - readStart;
    EXPECT_EQ(read->status.reportCount.load(), 506u);
    ExpectSameRecords(*read, *written);

    using Ms = std::chrono::milliseconds;
    std::cout << "full write " << std::chrono::duration_cast<Ms>(writeTime).count()
              << " ms, full read " << std::chrono::duration_cast<Ms>(readTime).count() << " ms\n";
}

TEST_F(KernelKeyboardTest, AReadFromASilentKeyboardFails) {
    emulator::Faults faults;
    faults.silent = true;
    keyboard.SetFaults(faults);
    std::unique_ptr<KeyboardImage> image = std::make_unique<KeyboardImage>();
    ASSERT_TRUE(image->StoreKeyRecord(9, 4, std::vector<KeyCode>{0x6C}));

    EXPECT_EQ(Transfer(*image).Run(TransferKind::kRead), TransferOutcome::kFailed);
    EXPECT_EQ(image->buttons[9].keyCount[4], 0);
    EXPECT_EQ(image->status.reportCount.load(), 0u);
    EXPECT_GE(keyboard.ReportsReceived(), 1u) << "the read request reached the keyboard";
}

TEST_F(KernelKeyboardTest, DestroyingTheDevicesIsAPlugOut) {
    testing::NoticeLog notices;
    CHid hid(&hidio::SystemBus());
    ASSERT_TRUE(hid.RegisterNotifications(notices.Target()));

    KeyboardSearchResult held = hid.FindKeyboard();
    ASSERT_EQ(held.outcome, KeyboardSearch::kFound);

    keyboard.Unplug();
    EXPECT_EQ(hid.FindKeyboard().outcome, KeyboardSearch::kNotFound);
    EXPECT_TRUE(KeyboardCollections().empty());
    hidio::Report report{};
    EXPECT_EQ(held.device->Read(report, 1s), hidio::IoResult::kFailed);
    EXPECT_TRUE(notices.WaitFor(DeviceChangeEvent::kRemovalComplete, kGenerousWait))
        << "the kernel's removal notice reached the watch";

    notices.Clear();
    ASSERT_TRUE(keyboard.Plug()) << keyboard.LastError();
    EXPECT_TRUE(notices.WaitFor(DeviceChangeEvent::kArrival, kGenerousWait));
    EXPECT_TRUE(WaitUntil([&] { return hid.FindKeyboard().outcome == KeyboardSearch::kFound; }));
}

}  // namespace
}  // namespace tolvane::kernel
