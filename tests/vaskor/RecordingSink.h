// A message sink that records what the interface library sends it, for the tests.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "vaskor/VX30Interface.h"

namespace vaskor::testing {

inline constexpr auto kPatience = std::chrono::seconds(10);

struct Message {
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::uint8_t code = 0;           // the report byte just before lParam, when there is one
    std::vector<std::uint8_t> data;  // the 63 bytes lParam points at
};

class RecordingSink : public CKbMessageSink {
  public:
    std::intptr_t OnKbMessage(std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override {
        Message received{message, wParam, 0, {}};
        if (lParam != 0) {
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(lParam);
            received.code = bytes[-1];
            received.data.assign(bytes, bytes + 63);
        }
        std::lock_guard lock(mutex_);
        messages_.push_back(std::move(received));
        arrived_.notify_all();
        return 0;
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

}  // namespace vaskor::testing
