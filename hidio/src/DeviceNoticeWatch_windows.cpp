// Windows: arrival and removal of HID interfaces, from the device notices the system sends to
// a window. The watch has a thread of its own with a message-only window registered for the
// HID interface class; the callback runs on that thread.
#include <windows.h>
// After windows.h, which it needs.
#include <dbt.h>
extern "C" {
#include <hidsdi.h>
}

#include <future>
#include <system_error>
#include <thread>

#include "PlatformWatch.h"
#include "Win32Support_windows.h"

namespace hidio::detail {

namespace {

constexpr wchar_t kWindowClass[] = L"hidio.DeviceNotices";

class DeviceNoticeWatch final : public Watch {
  public:
    explicit DeviceNoticeWatch(WatchCallback callback) : callback_(std::move(callback)) {
        std::promise<HWND> created;
        std::future<HWND> window = created.get_future();
        thread_ = std::thread([this, promise = std::move(created)]() mutable { Run(promise); });
        window_ = window.get();
    }

    ~DeviceNoticeWatch() override {
        if (window_ != nullptr) {
            ::PostMessageW(window_, WM_CLOSE, 0, 0);
        }
        thread_.join();
    }

  private:
    // The window's thread: creates it, tells the constructor, then serves its messages until
    // the window is closed.
    void Run(std::promise<HWND>& created) {
        const HWND window = CreateNoticeWindow();
        HDEVNOTIFY registration = window != nullptr ? Register(window) : nullptr;
        created.set_value(window);
        if (window == nullptr) {
            return;  // a watch that delivers nothing: the programs still search on their own
        }
        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            ::DispatchMessageW(&message);
        }
        if (registration != nullptr) {
            ::UnregisterDeviceNotification(registration);
        }
    }

    HWND CreateNoticeWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &DeviceNoticeWatch::Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kWindowClass;
        ::RegisterClassW(&windowClass);  // fails harmlessly when an earlier watch registered it
        return ::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, this);
    }

    static HDEVNOTIFY Register(HWND window) {
        DEV_BROADCAST_DEVICEINTERFACE_W filter{};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        ::HidD_GetHidGuid(&filter.dbcc_classguid);
        return ::RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        }
        auto* self =
            reinterpret_cast<DeviceNoticeWatch*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        switch (message) {
            case WM_DEVICECHANGE:
                if (self != nullptr) {
                    self->OnDeviceChange(wParam, lParam);
                }
                return TRUE;
            case WM_CLOSE:
                ::DestroyWindow(window);
                return 0;
            case WM_DESTROY:
                ::PostQuitMessage(0);
                return 0;
            default:
                return ::DefWindowProcW(window, message, wParam, lParam);
        }
    }

    void OnDeviceChange(WPARAM event, LPARAM data) {
        const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
        if ((event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) ||
            header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) {
            return;
        }
        const auto* device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
        callback_(event == DBT_DEVICEARRIVAL ? WatchEvent::kArrival : WatchEvent::kRemoval,
                  Utf8FromWide(device->dbcc_name));
    }

    WatchCallback callback_;
    HWND window_ = nullptr;
    std::thread thread_;
};

class SilentWatch final : public Watch {};

}  // namespace

std::unique_ptr<Watch> StartPlatformWatch(WatchCallback callback) {
    try {
        return std::make_unique<DeviceNoticeWatch>(std::move(callback));
    } catch (const std::system_error&) {
        // No thread for the watch: the program goes on without notices, as without a window.
        return std::make_unique<SilentWatch>();
    }
}

}  // namespace hidio::detail
