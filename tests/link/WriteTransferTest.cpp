#include <gtest/gtest.h>

#include "tests/link/LinkFixture.h"

namespace tolvane::testing {
namespace {

using hidio::Direction;

hidio::Report Bytes(std::initializer_list<int> leading) {
    hidio::Report report{};
    std::size_t i = 0;
    for (int value : leading) {
        report[i++] = static_cast<std::uint8_t>(value);
    }
    return report;
}

hidio::Report Filled(std::uint8_t code) {
    hidio::Report report;
    report.fill(code);
    report[0] = 0;
    return report;
}

using WriteTransferTest = LinkFixture;

TEST_F(WriteTransferTest, StartUpImageGoesOutByteForByte) {
    ASSERT_EQ(RunTransfer(TransferKind::kWrite), TransferOutcome::kWriteSucceeded);

    const std::vector<hidio::Report> sent = ReportsOf(keyboard->Trace(), Direction::kHostToDevice);
    ASSERT_EQ(sent.size(), static_cast<std::size_t>(kWriteReportsSent));
    EXPECT_EQ(sent.front(), Filled(0xF1));
    std::size_t at = 1;
    for (int layer = 1; layer <= LayerCount; ++layer) {
        for (int button = 1; button <= ButtonCount; ++button) {
            EXPECT_EQ(sent[at++], Bytes({0, 0xF0, layer, button, 0})) << layer << "/" << button;
        }
    }
    EXPECT_EQ(sent[at++], Bytes({0, 0xF9, 0x02, 0x02, 0x02, 0x37, 0x41, 0x37, 0x41, 0x37, 0x41,
                                 0x00, 0x34, 0x00, 0x34, 0x00, 0x34}));
    EXPECT_EQ(sent[at++], Bytes({0, 0xF4, 0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(sent[at++], Filled(0xF6));
    EXPECT_TRUE(ReportsOf(keyboard->Trace(), Direction::kDeviceToHost).empty());

    EXPECT_EQ(image.status.reportCount.load(), 506u);
    EXPECT_EQ(listener.progress.back(), 506u);
    EXPECT_EQ(TransferMonitor::Percent(504), 100);
    EXPECT_EQ(listener.outcomes, std::vector<TransferOutcome>{TransferOutcome::kWriteSucceeded});
}

TEST_F(WriteTransferTest, KeyRecordsCarryTheCodesAndTracksTheirModes) {
    const std::vector<KeyCode> codes(55, 0x2B);
    ASSERT_TRUE(image.StoreKeyRecord(84, 6, codes));
    ASSERT_TRUE(image.StoreKeyRecord(7, 2, std::vector<KeyCode>{0x37, 0x04, 0x96}));
    image.tracks[0].enabled = 0;
    image.tracks[1].enterAtEnd = 0;
    ASSERT_EQ(RunTransfer(TransferKind::kWrite), TransferOutcome::kWriteSucceeded);

    const std::vector<hidio::Report> sent = ReportsOf(keyboard->Trace(), Direction::kHostToDevice);
    EXPECT_EQ(sent[1 + 84 + 6], Bytes({0, 0xF0, 2, 7, 3, 0x37, 0x04, 0x96}));
    hidio::Report full = Bytes({0, 0xF0, 6, 84, 55});
    std::fill(full.begin() + 5, full.begin() + 60, std::uint8_t{0x2B});
    EXPECT_EQ(sent[504], full);
    EXPECT_EQ(sent[505][2], 0);  // track 1 off
    EXPECT_EQ(sent[505][3], 1);  // track 2 on without Enter
    EXPECT_EQ(sent[505][4], 2);
    EXPECT_EQ(keyboard->GetProgramming().keys[7][2], (std::vector<std::uint8_t>{0x37, 0x04, 0x96}));
}

TEST_F(WriteTransferTest, UnplugDuringAWritePausesItUntilTheKeyboardIsBack) {
    ASSERT_TRUE(image.StoreKeyRecord(40, 3, std::vector<KeyCode>{5, 6}));
    emulator::Faults faults;
    faults.unplugAfterReports = 200;
    keyboard->SetFaults(faults);
    watch.DeviceCheck();
    ASSERT_EQ(StartTransfer(TransferKind::kWrite, image, hid, worker, monitor),
              StartResult::kStarted);
    ASSERT_TRUE(keyboard->WaitUntilUnplugged(std::chrono::seconds(10)));
    keyboard->Plug();
    EXPECT_EQ(monitor.RunToEnd(), TransferOutcome::kWriteSucceeded);

    // Every report reached the keyboard exactly once, before or after the gap.
    EXPECT_EQ(keyboard->ReportsReceived(), static_cast<std::size_t>(kWriteReportsSent));
    EXPECT_EQ(keyboard->GetProgramming().keys[40][3], (std::vector<std::uint8_t>{5, 6}));
}

TEST_F(WriteTransferTest, TimedOutWriteIsStoppedAndSendsNothingMore) {
    watch.DeviceCheck();
    keyboard->Unplug();  // gone for good once the write has started
    ASSERT_EQ(StartTransfer(TransferKind::kWrite, image, hid, worker, monitor),
              StartResult::kStarted);
    EXPECT_EQ(monitor.RunToEnd(), TransferOutcome::kFailed);
    EXPECT_FALSE(worker.Started());
    EXPECT_EQ(image.status.transferMode.load(), kTransferIdle);
    keyboard->Plug();
    EXPECT_EQ(keyboard->ReportsReceived(), 0u);
}

TEST_F(WriteTransferTest, ACommandWithoutKeyboardIsRefused) {
    keyboard->Unplug();
    EXPECT_EQ(watch.DeviceCheck(), ConnectionPicture::kNotFound);
    EXPECT_EQ(StartTransfer(TransferKind::kWrite, image, hid, worker, monitor),
              StartResult::kNotConnected);
    EXPECT_FALSE(worker.Started());
}

}  // namespace
}  // namespace tolvane::testing
