#include "pellimore/MessageHandOff.h"

namespace pellimore {

MessageHandOff::MessageHandOff(Wake wake) : wake_(std::move(wake)) {}

bool MessageHandOff::Deliver(std::uint32_t message) {
    std::unique_lock lock(mutex_);
    // One message at a time, should a second reader ever deliver.
    changed_.wait(lock, [this] { return closed_ || stage_ == Stage::kIdle; });
    if (closed_) {
        return false;
    }
    stage_ = Stage::kWaiting;
    message_ = message;
    const std::uint64_t ticket = ++handedOver_;
    wake_();
    changed_.wait(lock, [this, ticket] { return closed_ || finished_ >= ticket; });
    return finished_ >= ticket;
}

std::optional<std::uint32_t> MessageHandOff::Take() {
    std::lock_guard lock(mutex_);
    if (closed_ || stage_ != Stage::kWaiting) {
        return std::nullopt;
    }
    stage_ = Stage::kTaken;
    return message_;
}

void MessageHandOff::Finish() {
    {
        std::lock_guard lock(mutex_);
        if (stage_ != Stage::kTaken) {
            return;
        }
        stage_ = Stage::kIdle;
        ++finished_;
    }
    changed_.notify_all();
}

void MessageHandOff::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    changed_.notify_all();
}

}  // namespace pellimore
