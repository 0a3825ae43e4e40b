#include "hidio/VirtualBus.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <thread>
#include <vector>

#include "hidio/TracingBus.h"
#include "hidio/WireTrace.h"

namespace hidio {
namespace {

// A device that records what it receives and answers nothing by itself.
class RecordingEndpoint : public VirtualEndpoint {
  public:
    OpenStatus AcceptOpen() override { return openAnswer; }
    std::chrono::milliseconds WriteCompletionDelay() override { return delay; }
    void OnOutputReport(const Report& report) override {
        std::lock_guard lock(mutex);
        received.push_back(report);
        arrived.notify_all();
    }
    std::size_t WaitForReports(std::size_t count) {
        std::unique_lock lock(mutex);
        arrived.wait_for(lock, std::chrono::seconds(5), [&] { return received.size() >= count; });
        return received.size();
    }
    std::size_t Count() {
        std::lock_guard lock(mutex);
        return received.size();
    }

    OpenStatus openAnswer = OpenStatus::kOpened;
    std::chrono::milliseconds delay{0};
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<Report> received;
};

Report ReportOf(std::uint8_t code) {
    Report report{};
    report[1] = code;
    return report;
}

InterfaceInfo Interface(const std::string& path) {
    return {path, 0x0483, 0x5017, 1, 0xFF00, 1, "test"};
}

class VirtualBusTest : public ::testing::Test {
  protected:
    VirtualBus bus;
    std::shared_ptr<RecordingEndpoint> endpoint = std::make_shared<RecordingEndpoint>();

    std::unique_ptr<Device> OpenOrFail(const std::string& path) {
        OpenResult opened = bus.Open(path);
        EXPECT_EQ(opened.status, OpenStatus::kOpened);
        return std::move(opened.device);
    }
};

TEST_F(VirtualBusTest, EnumeratesInPlugOrderAndForgetsUnpluggedInterfaces) {
    bus.Plug(Interface("b"), endpoint);
    bus.Plug(Interface("a"), endpoint);
    bus.Plug(Interface("c"), endpoint);
    bus.Unplug("a");
    const std::vector<InterfaceInfo> found = bus.Enumerate();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].path, "b");
    EXPECT_EQ(found[1].path, "c");
    EXPECT_EQ(bus.Open("a").status, OpenStatus::kNotFound);
}

TEST_F(VirtualBusTest, EveryHandleHasItsOwnQueueAndInputWithoutHandleIsLost) {
    bus.Plug(Interface("k"), endpoint);
    EXPECT_FALSE(bus.SendInput("k", ReportOf(1)));  // nobody listens: lost
    auto first = OpenOrFail("k");
    auto second = OpenOrFail("k");
    EXPECT_TRUE(bus.SendInput("k", ReportOf(2)));
    Report report{};
    EXPECT_EQ(first->Read(report, std::chrono::milliseconds(0)), IoResult::kOk);
    EXPECT_EQ(report[1], 2);
    EXPECT_EQ(second->Read(report, std::chrono::milliseconds(0)), IoResult::kOk);
    EXPECT_EQ(report[1], 2);
    EXPECT_EQ(first->Read(report, std::chrono::milliseconds(0)), IoResult::kTimedOut);
    first.reset();
    EXPECT_EQ(bus.OpenHandleCount("k"), 1u);
}

TEST_F(VirtualBusTest, QueueKeepsSixtyFourReportsAndDropsTheRest) {
    bus.Plug(Interface("k"), endpoint);
    auto device = OpenOrFail("k");
    for (int i = 0; i < 70; ++i) {
        bus.SendInput("k", ReportOf(static_cast<std::uint8_t>(i)));
    }
    Report report{};
    int count = 0;
    while (device->Read(report, std::chrono::milliseconds(0)) == IoResult::kOk) {
        EXPECT_EQ(report[1], count);
        ++count;
    }
    EXPECT_EQ(count, 64);
}

TEST_F(VirtualBusTest, UnplugFailsOpenHandlesAfterTheirQueuedReports) {
    bus.Plug(Interface("k"), endpoint);
    auto device = OpenOrFail("k");
    bus.SendInput("k", ReportOf(7));
    bus.Unplug("k");
    Report report{};
    EXPECT_EQ(device->Read(report, std::chrono::milliseconds(0)), IoResult::kOk);
    EXPECT_EQ(device->Read(report, std::chrono::seconds(5)), IoResult::kFailed);
    EXPECT_EQ(device->Write(ReportOf(1), std::chrono::milliseconds(100)), IoResult::kFailed);
    bus.Plug(Interface("k"), endpoint);  // a new plug does not revive old handles
    EXPECT_EQ(device->Write(ReportOf(1), std::chrono::milliseconds(100)), IoResult::kFailed);
    EXPECT_EQ(endpoint->Count(), 0u);
}

TEST_F(VirtualBusTest, OpenAnswersComeFromTheDevice) {
    bus.Plug(Interface("k"), endpoint);
    endpoint->openAnswer = OpenStatus::kAccessDenied;
    EXPECT_EQ(bus.Open("k").status, OpenStatus::kAccessDenied);
    endpoint->openAnswer = OpenStatus::kRefused;
    OpenResult refused = bus.Open("k");
    EXPECT_EQ(refused.status, OpenStatus::kRefused);
    EXPECT_EQ(refused.device, nullptr);
}

TEST_F(VirtualBusTest, WatchSeesArrivalAndRemovalUntilItIsDropped) {
    std::vector<std::pair<WatchEvent, std::string>> seen;
    auto watch = bus.StartWatch(
        [&](WatchEvent event, const std::string& path) { seen.emplace_back(event, path); });
    bus.Plug(Interface("k"), endpoint);
    bus.Unplug("k");
    watch.reset();
    bus.Plug(Interface("k"), endpoint);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(WatchEvent::kArrival, std::string("k")));
    EXPECT_EQ(seen[1], std::make_pair(WatchEvent::kRemoval, std::string("k")));
}

TEST_F(VirtualBusTest, LateCompletionTimesOutButTheReportStillArrives) {
    bus.Plug(Interface("k"), endpoint);
    endpoint->delay = std::chrono::milliseconds(60);
    auto device = OpenOrFail("k");
    EXPECT_EQ(device->Write(ReportOf(1), std::chrono::milliseconds(10)), IoResult::kTimedOut);
    EXPECT_EQ(endpoint->WaitForReports(1), 1u);
    EXPECT_EQ(device->Write(ReportOf(2), std::chrono::milliseconds(2000)), IoResult::kOk);
    EXPECT_EQ(endpoint->Count(), 2u);
}

TEST_F(VirtualBusTest, ClosingCancelsAWriteThatHasNotCompleted) {
    bus.Plug(Interface("k"), endpoint);
    endpoint->delay = std::chrono::seconds(30);
    auto device = OpenOrFail("k");
    EXPECT_EQ(device->Write(ReportOf(1), std::chrono::milliseconds(1)), IoResult::kTimedOut);
    device.reset();  // must not wait 30 s, and must not deliver
    EXPECT_EQ(endpoint->Count(), 0u);
}

TEST_F(VirtualBusTest, InterruptWakesAWaitingReader) {
    bus.Plug(Interface("k"), endpoint);
    auto device = OpenOrFail("k");
    std::atomic<int> result{-1};
    std::thread reader([&] {
        Report report{};
        result = static_cast<int>(device->Read(report, std::chrono::seconds(30)));
    });
    device->InterruptRead();
    reader.join();
    EXPECT_EQ(result.load(), static_cast<int>(IoResult::kTimedOut));
}

TEST(WireTrace, LinesShowDirectionAndAllSixtyFiveBytesInLowerCaseHex) {
    WireTrace trace;
    Report report{};
    report[1] = 0xE2;
    report[64] = 0xAB;
    trace.Record(Direction::kHostToDevice, report);
    trace.Record(Direction::kDeviceToHost, Report{});
    const std::vector<std::string> lines = trace.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 1 + 65 * 3u);
    EXPECT_EQ(lines[0].substr(0, 9), "> 00 e2 0");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 3), " ab");
    EXPECT_EQ(lines[1].substr(0, 5), "< 00 ");
    EXPECT_EQ(trace.Text(), lines[0] + "\n" + lines[1] + "\n");
}

TEST_F(VirtualBusTest, TracingBusRecordsWhatCrossesTheWireBothWays) {
    bus.Plug(Interface("k"), endpoint);
    WireTrace trace;
    TracingBus tracing(bus, trace);
    ASSERT_EQ(tracing.Enumerate().size(), 1u);
    OpenResult opened = tracing.Open("k");
    ASSERT_EQ(opened.status, OpenStatus::kOpened);
    EXPECT_EQ(opened.device->Write(ReportOf(0xE2), std::chrono::milliseconds(100)), IoResult::kOk);
    bus.SendInput("k", ReportOf(0xF6));
    Report report{};
    EXPECT_EQ(opened.device->Read(report, std::chrono::milliseconds(0)), IoResult::kOk);
    EXPECT_EQ(opened.device->Read(report, std::chrono::milliseconds(0)), IoResult::kTimedOut);
    const std::vector<TraceEntry> entries = trace.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].direction, Direction::kHostToDevice);
    EXPECT_EQ(entries[0].report[1], 0xE2);
    EXPECT_EQ(entries[1].direction, Direction::kDeviceToHost);
    EXPECT_EQ(entries[1].report[1], 0xF6);
    EXPECT_EQ(tracing.Open("missing").status, OpenStatus::kNotFound);
}

}  // namespace
}  // namespace hidio
