// Linux: the system's HID services through hidapi on its hidraw backend.
//
// hidapi facts this file respects: one record per top-level collection can come back for
// the same path (so records are merged by path); hid_write takes the report id plus 64
// bytes and may block with no time-out of its own (so writes run on a worker and the
// completion wait is ours); hid_read_timeout hands back the 64 data bytes without the
// report id; every call on one handle but reads is serialised; a handle is never closed
// while it is being read.
#include <hidapi/hidapi.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <cwchar>
#include <mutex>
#include <set>
#include <system_error>

#include "PlatformWatch.h"
#include "WriteWorker.h"
#include "hidio/Hidio.h"

namespace hidio {

namespace {

// Enumeration and open touch hidapi's global state.
std::mutex& HidapiMutex() {
    static std::mutex mutex;
    return mutex;
}

bool EnsureHidapi() {
    static const bool ready = hid_init() == 0;
    return ready;
}

std::string Narrow(const wchar_t* text) {
    std::string result;
    if (text == nullptr) {
        return result;
    }
    for (; *text != L'\0'; ++text) {
        result += (*text >= 0x20 && *text < 0x7F) ? static_cast<char>(*text) : '?';
    }
    return result;
}

// "/dev/hidraw2" before "/dev/hidraw10".
bool NaturalLess(const std::string& a, const std::string& b) {
    const auto digitsStart = [](const std::string& s) {
        return s.find_last_not_of("0123456789") + 1;
    };
    const std::size_t da = digitsStart(a);
    const std::size_t db = digitsStart(b);
    if (a.compare(0, da, b, 0, db) != 0 || a.size() - da == b.size() - db) {
        return a < b;
    }
    return a.size() - da < b.size() - db;
}

class HidapiDevice final : public Device {
  public:
    HidapiDevice(hid_device* handle, std::string path)
        : handle_(handle),
          path_(std::move(path)),
          writer_(std::make_unique<detail::WriteWorker>()) {}

    ~HidapiDevice() override {
        writer_.reset();  // a write in flight ends before the handle goes
        hid_close(handle_);
    }

    IoResult Write(const Report& report, std::chrono::milliseconds completionTimeout) override {
        return writer_->Run(
            [handle = handle_, report] {
                return hid_write(handle, report.data(), report.size()) >= 0;
            },
            completionTimeout);
    }

    IoResult Read(Report& report, std::chrono::milliseconds timeout) override {
        // Short slices so that InterruptRead takes effect quickly.
        constexpr auto kSlice = std::chrono::milliseconds(50);
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            const auto slice = std::clamp(left, std::chrono::milliseconds(0), kSlice);
            std::array<unsigned char, kReportSize - 1> data{};
            const int count = hid_read_timeout(handle_, data.data(), data.size(),
                                               static_cast<int>(slice.count()));
            if (interrupted_.exchange(false)) {
                return IoResult::kTimedOut;
            }
            if (count < 0) {
                return IoResult::kFailed;
            }
            if (count > 0) {
                report.fill(0);
                std::copy_n(data.begin(), count, report.begin() + 1);
                return IoResult::kOk;
            }
            if (left <= kSlice) {
                return IoResult::kTimedOut;
            }
        }
    }

    void InterruptRead() override { interrupted_.store(true); }

    const std::string& Path() const override { return path_; }

  private:
    hid_device* handle_;
    std::string path_;
    std::atomic<bool> interrupted_{false};
    std::unique_ptr<detail::WriteWorker> writer_;
};

class HidapiBus final : public Bus {
  public:
    std::vector<InterfaceInfo> Enumerate() override {
        std::vector<InterfaceInfo> result;
        std::lock_guard lock(HidapiMutex());
        if (!EnsureHidapi()) {
            return result;
        }
        hid_device_info* list = hid_enumerate(0, 0);
        std::set<std::string> seen;
        for (const hid_device_info* item = list; item != nullptr; item = item->next) {
            if (item->path == nullptr || !seen.insert(item->path).second) {
                continue;
            }
            result.push_back(InterfaceInfo{item->path, item->vendor_id, item->product_id,
                                           item->interface_number, item->usage_page, item->usage,
                                           Narrow(item->product_string),
                                           Narrow(item->serial_number)});
        }
        hid_free_enumeration(list);
        std::sort(result.begin(), result.end(), [](const InterfaceInfo& a, const InterfaceInfo& b) {
            return NaturalLess(a.path, b.path);
        });
        return result;
    }

    OpenResult Open(const std::string& path) override {
        std::lock_guard lock(HidapiMutex());
        if (!EnsureHidapi()) {
            return {nullptr, OpenStatus::kRefused, "the HID library did not start"};
        }
        if (hid_device* handle = hid_open_path(path.c_str())) {
            try {
                return {std::make_unique<HidapiDevice>(handle, path), OpenStatus::kOpened, {}};
            } catch (const std::system_error& error) {  // no thread for its writes
                hid_close(handle);
                return {nullptr, OpenStatus::kRefused,
                        std::string("cannot start a thread: ") + error.what()};
            }
        }
        if (::access(path.c_str(), F_OK) != 0) {
            return {nullptr, OpenStatus::kNotFound, std::strerror(errno)};
        }
        if (::access(path.c_str(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM)) {
            return {nullptr, OpenStatus::kAccessDenied, std::strerror(errno)};
        }
        return {nullptr, OpenStatus::kRefused, Narrow(hid_error(nullptr))};
    }

    std::unique_ptr<Watch> StartWatch(WatchCallback callback) override {
        return detail::StartPlatformWatch(std::move(callback));
    }
};

}  // namespace

Bus& SystemBus() {
    static HidapiBus bus;
    return bus;
}

}  // namespace hidio
