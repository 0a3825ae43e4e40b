#include "tolvane/link/Hid.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

#include "hidio/KeyboardInterface.h"
#include "tolvane/link/StopWait.h"

namespace tolvane {

namespace {

constexpr auto kWriteCompletionWait = std::chrono::milliseconds(100);
constexpr std::uint32_t kWriteAttempts = 3;
constexpr auto kAbsentPause = std::chrono::milliseconds(20);
constexpr auto kReceiveSlice = std::chrono::milliseconds(50);

}  // namespace

CHid::CHid(hidio::Bus* bus) : bus_(bus) {}

CHid::~CHid() {
    // The watch goes first: a notice must not reach a half-destroyed channel.
    m_hDevNotify.reset();
}

hidio::Bus& CHid::Bus() {
    return bus_ != nullptr ? *bus_ : hidio::CurrentBus();
}

void CHid::RestrictToPath(std::string path) {
    onlyPath_ = std::move(path);
}

KeyboardSearchResult CHid::FindKeyboard() {
    KeyboardSearchResult result;
    for (const hidio::InterfaceInfo& info : Bus().Enumerate()) {
        if (!hidio::IsKeyboardVendorInterface(info) ||
            (!onlyPath_.empty() && info.path != onlyPath_)) {
            continue;
        }
        hidio::OpenResult opened = Bus().Open(info.path);
        if (opened.status == hidio::OpenStatus::kOpened) {
            return {KeyboardSearch::kFound, std::move(opened.device), info.path, {}};
        }
        if (opened.status == hidio::OpenStatus::kAccessDenied &&
            result.outcome == KeyboardSearch::kNotFound) {
            result = {KeyboardSearch::kAccessDenied, nullptr, info.path, opened.message};
        }
    }
    return result;
}

namespace {

std::optional<hidio::InterfaceInfo> KeyboardInterface(hidio::Bus& bus, const std::string& only) {
    for (const hidio::InterfaceInfo& info : bus.Enumerate()) {
        if (hidio::IsKeyboardVendorInterface(info) && (only.empty() || info.path == only)) {
            return info;
        }
    }
    return std::nullopt;
}

}  // namespace

bool CHid::KeyboardAttached() {
    return KeyboardInterface(Bus(), onlyPath_).has_value();
}

std::string CHid::SerialNumber() {
    const std::optional<hidio::InterfaceInfo> info = KeyboardInterface(Bus(), onlyPath_);
    return info ? info->serialNumber : std::string();
}

bool CHid::RegisterNotifications(NotifyTarget target) {
    m_hDevNotify.reset();
    m_hDevNotify =
        Bus().StartWatch([target = std::move(target)](hidio::WatchEvent event, const std::string&) {
            if (target) {
                target(event == hidio::WatchEvent::kArrival ? DeviceChangeEvent::kArrival
                                                            : DeviceChangeEvent::kRemovalComplete);
            }
        });
    return m_hDevNotify != nullptr;
}

bool CHid::OpenForTransfer() {
    if (!transferDevice_) {
        transferDevice_ = FindKeyboard().device;
    }
    return transferDevice_ != nullptr;
}

bool CHid::SendReport(const hidio::Report& report, std::stop_token stop) {
    writeTimeouts_.store(0);
    while (!stop.stop_requested()) {
        if (!OpenForTransfer()) {
            WaitOrStop(stop, kAbsentPause);
            continue;
        }
        switch (transferDevice_->Write(report, kWriteCompletionWait)) {
            case hidio::IoResult::kOk:
                return true;
            case hidio::IoResult::kTimedOut:
                break;
            case hidio::IoResult::kFailed:
                // Open it afresh, or wait for it if it is gone; a keyboard that stays
                // present but refuses every write is given up like a silent one.
                transferDevice_.reset();
                WaitOrStop(stop, kWriteCompletionWait);
                break;
        }
        if (writeTimeouts_.fetch_add(1) + 1 >= kWriteAttempts) {
            return false;  // given up; the transfer goes on with the next report
        }
    }
    return false;
}

bool CHid::ReceiveReport(hidio::Report& report, std::stop_token stop) {
    if (m_bDevicePresent.load() == 0 || stop.stop_requested() || !OpenForTransfer()) {
        return false;
    }
    hidio::Report received{};
    switch (transferDevice_->Read(received, kReceiveSlice)) {
        case hidio::IoResult::kOk:
            report = received;
            return true;
        case hidio::IoResult::kTimedOut:
            return false;
        case hidio::IoResult::kFailed:
            transferDevice_.reset();
            return false;
    }
    return false;
}

void CHid::EndTransfer() {
    transferDevice_.reset();
}

}  // namespace tolvane
