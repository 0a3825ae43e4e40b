// The system's HID services on Windows, as far as they can be tried without the keyboard: no
// keyboard can be attached where these tests run (wine shows only its own mouse and keyboard).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "hidio/Hidio.h"
#include "hidio/KeyboardInterface.h"
#include "support/TemporaryFolder.h"

namespace hidio {
namespace {

using namespace std::chrono_literals;

TEST(SystemBus, EnumeratesInterfacesWithoutFindingTheKeyboardWhileWatching) {
    const std::unique_ptr<Watch> watch =
        SystemBus().StartWatch([](WatchEvent, const std::string&) {});
    const std::vector<InterfaceInfo> found = SystemBus().Enumerate();
    for (const InterfaceInfo& info : found) {
        EXPECT_EQ(info.path.rfind(R"(\\?\)", 0), 0u) << info.path;
        EXPECT_FALSE(IsKeyboardVendorInterface(info)) << info.path;
    }
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                               [](const auto& a, const auto& b) { return a.path < b.path; }));
}

TEST(SystemBus, AFailedOpenSaysWhy) {
    tolvane::testing::TemporaryFolder folder;
    std::ofstream(folder / "plain.txt") << "not a device";
    struct Case {
        std::string path;
        OpenStatus status;
    };
    const Case cases[] = {
        {R"(\\?\hid#vid_0483&pid_5017&mi_01#1&0#{4d1e55b2-f16f-11cf-88cb-001111000030})",
         OpenStatus::NotFound},
        {(folder / "missing" / "x").string(), OpenStatus::NotFound},
        {folder.path().string(), OpenStatus::AccessDenied},  // a folder opens for nobody's I/O
        {(folder / "plain.txt").string(), OpenStatus::Refused},
    };
    for (const Case& c : cases) {
        const OpenResult result = SystemBus().Open(c.path);
        EXPECT_EQ(result.device, nullptr) << c.path;
        EXPECT_EQ(result.status, c.status) << c.path << ": " << result.message;
        EXPECT_FALSE(result.message.empty()) << c.path;
    }
}

// The first interface that opens for reading and writing. wine adds its own mouse and keyboard
// a moment after its services start, so an empty list waits a little for arrivals.
std::unique_ptr<Device> FirstInterfaceThatOpens() {
    std::mutex mutex;
    std::condition_variable arrived;
    int arrivals = 0;
    const std::unique_ptr<Watch> watch =
        SystemBus().StartWatch([&](WatchEvent event, const std::string&) {
            std::lock_guard lock(mutex);
            arrivals += event == WatchEvent::Arrival ? 1 : 0;
            arrived.notify_all();
        });
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    for (int seen = 0;;) {
        for (const InterfaceInfo& info : SystemBus().Enumerate()) {
            if (std::unique_ptr<Device> device = SystemBus().Open(info.path).device) {
                return device;
            }
        }
        std::unique_lock lock(mutex);
        if (!arrived.wait_until(lock, deadline, [&] { return arrivals > seen; })) {
            return nullptr;
        }
        seen = arrivals;
    }
}

// On an interface that sends nothing: wine's idle keyboard or mouse.
TEST(SystemBus, AReadThatRunsOutOfTimeOrIsInterruptedIsCancelledCleanly) {
    const std::unique_ptr<Device> device = FirstInterfaceThatOpens();
    if (!device) {
        GTEST_SKIP() << "no HID interface here opens for reading";
    }
    Report report{};
    EXPECT_EQ(device->Read(report, 50ms), IoResult::TimedOut);
    device->InterruptRead();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(device->Read(report, 30s), IoResult::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_EQ(device->Read(report, 50ms), IoResult::TimedOut);  // the interrupt was used up
}

}  // namespace
}  // namespace hidio
