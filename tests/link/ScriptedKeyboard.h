// A keyboard that answers a read request with a fixed list of replies, one after each
// acknowledge, so that a test can put exactly the replies it needs on the wire.
#pragma once

#include <mutex>
#include <vector>

#include "hidio/VirtualBus.h"

namespace tolvane::testing {

class ScriptedKeyboard : public hidio::VirtualEndpoint {
  public:
    static constexpr const char* kPath = "scripted#vid_0483&pid_5017&mi_01";

    ScriptedKeyboard(hidio::VirtualBus& bus, std::vector<hidio::Report> replies)
        : bus_(bus), replies_(std::move(replies)) {}

    static hidio::InterfaceInfo Interface() {
        return {kPath, 0x0483, 0x5017, 1, 0xFF00, 1, "scripted"};
    }

    // Builds a reply: code in byte 2, then the given bytes from byte 3 on.
    static hidio::Report Reply(std::uint8_t code, std::initializer_list<int> fields = {}) {
        hidio::Report report{};
        report[2] = code;
        std::size_t at = 3;
        for (int value : fields) {
            report[at++] = static_cast<std::uint8_t>(value);
        }
        return report;
    }

    hidio::OpenStatus AcceptOpen() override { return hidio::OpenStatus::kOpened; }
    std::chrono::milliseconds WriteCompletionDelay() override { return {}; }

    void OnOutputReport(const hidio::Report& report) override {
        std::size_t index = 0;
        {
            std::lock_guard lock(mutex_);
            received_.push_back(report);
            if (report[1] == 0xE2) {
                next_ = 0;
            } else if (report[1] != 0xF5) {
                return;
            }
            if (next_ >= replies_.size()) {
                return;
            }
            index = next_++;
        }
        bus_.SendInput(kPath, replies_[index]);
    }

    std::vector<hidio::Report> Received() {
        std::lock_guard lock(mutex_);
        return received_;
    }

  private:
    hidio::VirtualBus& bus_;
    std::vector<hidio::Report> replies_;
    std::mutex mutex_;
    std::size_t next_ = 0;
    std::vector<hidio::Report> received_;
};

}  // namespace tolvane::testing
