// What receives the interface library's messages in the tests, and records them: a message
// sink elsewhere, and on Windows a real message-only window whose own thread pumps its
// messages, as a host program's window does.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#if defined(_WIN32)
#include <future>
#include <thread>
#endif

#include "vaskor/VX30Interface.h"

namespace vaskor::testing {

inline constexpr auto kPatience = std::chrono::seconds(10);

struct Message {
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::uint8_t code = 0;           // the report byte just before lParam, when there is one
    std::vector<std::uint8_t> data;  // the 63 bytes lParam points at
};

class MessageLog {
  public:
    // Called while the library waits for the message to be handled.
    void Record(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
        Message received{message, wParam, 0, {}};
        if (lParam != 0) {
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(lParam);
            received.code = bytes[-1];
            received.data.assign(bytes, bytes + 63);
        }
        std::lock_guard lock(mutex_);
        messages_.push_back(std::move(received));
        arrived_.notify_all();
    }

    // True once at least count messages have arrived.
    bool WaitForCount(std::size_t count) {
        std::unique_lock lock(mutex_);
        return arrived_.wait_for(lock, kPatience, [&] { return messages_.size() >= count; });
    }

    std::vector<Message> Received() {
        std::lock_guard lock(mutex_);
        return messages_;
    }

    std::vector<std::uint32_t> Codes() {
        std::vector<std::uint32_t> codes;
        for (const Message& message : Received()) {
            codes.push_back(message.message);
        }
        return codes;
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Message> messages_;
};

#if defined(_WIN32)

class RecordingSink : public MessageLog {
  public:
    // afterRecord runs in the window procedure, on the window's thread, after each message of
    // the library is recorded.
    explicit RecordingSink(std::function<void(std::uint32_t)> afterRecord = {})
        : afterRecord_(std::move(afterRecord)) {
        std::promise<HWND> created;
        std::future<HWND> window = created.get_future();
        thread_ = std::thread([this, promise = std::move(created)]() mutable { Pump(promise); });
        window_ = window.get();
    }

    ~RecordingSink() {
        ::PostMessageW(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }

    RecordingSink(const RecordingSink&) = delete;
    RecordingSink& operator=(const RecordingSink&) = delete;

    VX30Window Window() const { return window_; }

  private:
    void Pump(std::promise<HWND>& created) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &RecordingSink::Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"vaskor.tests.RecordingSink";
        ::RegisterClassW(&windowClass);  // once per process; later calls fail harmlessly
        created.set_value(::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0,
                                            HWND_MESSAGE, nullptr, windowClass.hInstance, this));
        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            ::DispatchMessageW(&message);
        }
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        }
        auto* self = reinterpret_cast<RecordingSink*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message >= WM_KB_PLUGIN && message <= WM_KB_REPORT_D2) {
            self->Record(message, wParam, lParam);
            if (self->afterRecord_) {
                self->afterRecord_(message);
            }
            return 0;
        }
        if (message == WM_CLOSE) {
            ::DestroyWindow(window);
            return 0;
        }
        if (message == WM_DESTROY) {
            ::PostQuitMessage(0);
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    std::function<void(std::uint32_t)> afterRecord_;
    HWND window_ = nullptr;
    std::thread thread_;
};

#else

class RecordingSink : public CKbMessageSink, public MessageLog {
  public:
    std::intptr_t OnKbMessage(std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override {
        Record(message, wParam, lParam);
        return 0;
    }

    VX30Window Window() { return this; }
};

#endif

}  // namespace vaskor::testing
