// Every read and write has its own overlapped record and event, so that a read on the
// reader's thread and a write on the host's can be in flight on one handle at once.
//
// A write that has not completed within the caller's time-out is left running, with its
// buffer and record kept here until the system is done with them: the next write waits for it
// first, and closing the device cancels it and waits for the cancellation. A read that runs out
// of time, or is interrupted, is cancelled and waited for before Read returns, so no read
// outlives the call; a report that arrived in the meantime is handed over, not dropped.
#include "HidDevice_windows.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <vector>

namespace hidio::detail {

namespace {

DWORD WaitMilliseconds(std::chrono::milliseconds wait) {
    constexpr auto kLongest = std::chrono::milliseconds(INFINITE - 1);
    return static_cast<DWORD>(std::clamp(wait, std::chrono::milliseconds(0), kLongest).count());
}

// One overlapped transfer: its record, its event and the bytes the system reads or writes.
struct Transfer {
    explicit Transfer(std::size_t length) : buffer(length) {}

    bool Ready() const { return event != nullptr; }

    void Start() {
        overlapped = OVERLAPPED{};
        ::ResetEvent(event.get());
        overlapped.hEvent = event.get();
    }

    OVERLAPPED overlapped{};
    UniqueHandle event{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::vector<std::uint8_t> buffer;
    bool pending = false;  // started and not yet known to be complete
};

class HidDevice final : public Device {
  public:
    HidDevice(UniqueHandle handle, std::string path, std::size_t inputLength,
              std::size_t outputLength)
        : handle_(std::move(handle)),
          path_(std::move(path)),
          read_(inputLength),
          write_(outputLength) {}

    bool Ready() const { return read_.Ready() && write_.Ready() && interrupt_ != nullptr; }

    ~HidDevice() override {
        std::lock_guard lock(writeMutex_);
        if (write_.pending) {
            ::CancelIoEx(handle_.get(), &write_.overlapped);
            DWORD ignored = 0;
            ::GetOverlappedResult(handle_.get(), &write_.overlapped, &ignored, TRUE);
        }
    }

    IoResult Write(const Report& report, std::chrono::milliseconds completionTimeout) override {
        const auto deadline = std::chrono::steady_clock::now() + completionTimeout;
        std::lock_guard lock(writeMutex_);
        if (write_.buffer.empty()) {
            return IoResult::kFailed;  // the interface takes no output reports
        }
        if (write_.pending && Finish(write_, deadline) == IoResult::kTimedOut) {
            return IoResult::kTimedOut;  // the earlier write still owns the buffer
        }
        std::fill(write_.buffer.begin(), write_.buffer.end(), std::uint8_t{0});
        std::copy_n(report.begin(), std::min(report.size(), write_.buffer.size()),
                    write_.buffer.begin());
        write_.Start();
        if (::WriteFile(handle_.get(), write_.buffer.data(),
                        static_cast<DWORD>(write_.buffer.size()), nullptr,
                        &write_.overlapped) != 0) {
            return IoResult::kOk;
        }
        if (::GetLastError() != ERROR_IO_PENDING) {
            return IoResult::kFailed;
        }
        write_.pending = true;
        return Finish(write_, deadline);
    }

    IoResult Read(Report& report, std::chrono::milliseconds timeout) override {
        if (read_.buffer.empty()) {
            return IoResult::kFailed;  // the interface sends no input reports
        }
        read_.Start();
        bool cancelled = false;
        if (::ReadFile(handle_.get(), read_.buffer.data(), static_cast<DWORD>(read_.buffer.size()),
                       nullptr, &read_.overlapped) == 0) {
            if (::GetLastError() != ERROR_IO_PENDING) {
                return IoResult::kFailed;
            }
            const HANDLE waits[] = {read_.event.get(), interrupt_.get()};
            if (::WaitForMultipleObjects(2, waits, FALSE, WaitMilliseconds(timeout)) !=
                WAIT_OBJECT_0) {
                ::CancelIoEx(handle_.get(), &read_.overlapped);
                cancelled = true;
            }
        }
        DWORD count = 0;
        if (::GetOverlappedResult(handle_.get(), &read_.overlapped, &count, TRUE) == 0) {
            return cancelled && ::GetLastError() == ERROR_OPERATION_ABORTED ? IoResult::kTimedOut
                                                                            : IoResult::kFailed;
        }
        report.fill(0);
        std::copy_n(read_.buffer.begin(), std::min<std::size_t>(count, report.size()),
                    report.begin());
        return IoResult::kOk;
    }

    void InterruptRead() override { ::SetEvent(interrupt_.get()); }

    const std::string& Path() const override { return path_; }

  private:
    // Waits until deadline for a write in flight; it stays pending when it has not completed.
    IoResult Finish(Transfer& transfer, std::chrono::steady_clock::time_point deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (::WaitForSingleObject(transfer.event.get(), WaitMilliseconds(left)) != WAIT_OBJECT_0) {
            return IoResult::kTimedOut;
        }
        DWORD count = 0;
        const BOOL done = ::GetOverlappedResult(handle_.get(), &transfer.overlapped, &count, FALSE);
        transfer.pending = false;
        return done != 0 ? IoResult::kOk : IoResult::kFailed;
    }

    UniqueHandle handle_;
    std::string path_;
    Transfer read_;
    std::mutex writeMutex_;
    Transfer write_;
    // Auto-reset: one InterruptRead ends one read, the one waiting or the next.
    UniqueHandle interrupt_{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
};

}  // namespace

std::unique_ptr<Device> MakeHidDevice(UniqueHandle handle, std::string path,
                                      std::size_t inputLength, std::size_t outputLength,
                                      std::string& failure) {
    auto device =
        std::make_unique<HidDevice>(std::move(handle), std::move(path), inputLength, outputLength);
    if (!device->Ready()) {
        failure = SystemMessage(::GetLastError());
        return nullptr;
    }
    return device;
}

}  // namespace hidio::detail
