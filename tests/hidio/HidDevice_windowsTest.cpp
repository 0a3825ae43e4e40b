// The overlapped reads and writes of an opened HID interface on Windows. No keyboard can be
// attached where these tests run, so the device's handle is one end of a named pipe, which
// holds back, completes and cancels overlapped I/O as a device does; the test plays the
// keyboard on the other end.
#include "HidDevice_windows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>

namespace hidio::detail {
namespace {

using namespace std::chrono_literals;

struct PipeEnds {
    std::unique_ptr<Device> device;
    UniqueHandle keyboard;  // blocking reads and writes
};

// bufferSize small enough, the pipe stops taking writes until the keyboard reads.
PipeEnds MakePipe(DWORD bufferSize) {
    static std::atomic<int> made{0};
    const std::wstring name = L"\\\\.\\pipe\\hidio-test-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(made++);
    UniqueHandle keyboard(::CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX,
                                             PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1,
                                             bufferSize, bufferSize, 0, nullptr));
    UniqueHandle host(::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
    std::string failure;
    PipeEnds ends{MakeHidDevice(std::move(host), "pipe", kReportSize, kReportSize, failure),
                  std::move(keyboard)};
    EXPECT_NE(ends.device, nullptr) << failure;
    return ends;
}

Report Numbered(int number) {
    Report report{};
    report[1] = 0xD0;
    report[2] = static_cast<std::uint8_t>(number);
    report[3] = static_cast<std::uint8_t>(number >> 8);
    return report;
}

bool KeyboardSends(HANDLE keyboard, const Report& report) {
    DWORD written = 0;
    return ::WriteFile(keyboard, report.data(), static_cast<DWORD>(report.size()), &written,
                       nullptr) != 0 &&
           written == report.size();
}

Report KeyboardReceives(HANDLE keyboard) {
    Report report{};
    DWORD total = 0;
    while (total < report.size()) {
        DWORD count = 0;
        if (::ReadFile(keyboard, report.data() + total, static_cast<DWORD>(report.size() - total),
                       &count, nullptr) == 0) {
            ADD_FAILURE() << "the keyboard's end could not be read";
            break;
        }
        total += count;
    }
    return report;
}

TEST(HidDevice, AReadTakesAReportOrRunsOutOfTimeOrIsInterruptedAndIsCancelledCleanly) {
    PipeEnds pipe = MakePipe(4096);
    ASSERT_TRUE(pipe.device);
    Report report{};
    EXPECT_EQ(pipe.device->Read(report, 50ms), IoResult::kTimedOut);

    ASSERT_TRUE(KeyboardSends(pipe.keyboard.get(), Numbered(7)));
    EXPECT_EQ(pipe.device->Read(report, 5s), IoResult::kOk);
    EXPECT_EQ(report, Numbered(7));

    pipe.device->InterruptRead();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(pipe.device->Read(report, 30s), IoResult::kTimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_EQ(pipe.device->Read(report, 50ms), IoResult::kTimedOut);  // the interrupt is used up

    pipe.keyboard.reset();  // the keyboard is gone
    EXPECT_EQ(pipe.device->Read(report, 5s), IoResult::kFailed);
}

// Writes until one does not complete in time; the number of writes that did.
int FillUntilAWriteIsHeldBack(Device& device) {
    for (int number = 0; number < 10000; ++number) {
        const IoResult result = device.Write(Numbered(number), 20ms);
        if (result != IoResult::kOk) {
            EXPECT_EQ(result, IoResult::kTimedOut);
            return number;
        }
    }
    ADD_FAILURE() << "every write completed";
    return -1;
}

TEST(HidDevice, AWriteHeldBackKeepsItsReportUntilItCompletesOrTheDeviceCloses) {
    PipeEnds pipe = MakePipe(256);
    ASSERT_TRUE(pipe.device);
    const int completed = FillUntilAWriteIsHeldBack(*pipe.device);
    ASSERT_GE(completed, 0);
    // The held-back write still has the report: the next one waits for it and gives up too.
    EXPECT_EQ(pipe.device->Write(Numbered(50000), 20ms), IoResult::kTimedOut);

    for (int number = 0; number <= completed; ++number) {
        ASSERT_EQ(KeyboardReceives(pipe.keyboard.get()), Numbered(number)) << number;
    }
    EXPECT_EQ(pipe.device->Write(Numbered(60000), 5s), IoResult::kOk);
    EXPECT_EQ(KeyboardReceives(pipe.keyboard.get()), Numbered(60000));

    // Closing with a write held back cancels it and waits for the cancellation.
    ASSERT_GE(FillUntilAWriteIsHeldBack(*pipe.device), 0);
    const auto start = std::chrono::steady_clock::now();
    pipe.device.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

}  // namespace
}  // namespace hidio::detail
