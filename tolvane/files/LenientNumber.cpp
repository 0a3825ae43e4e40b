#include "tolvane/files/LenientNumber.h"

#include <limits>

namespace tolvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

void LenientNumber::Append(char c) {
    if (length_ < std::numeric_limits<std::uint32_t>::max()) {
        ++length_;
    }
    if (stage_ == Stage::kStart && (c == '+' || c == '-')) {
        negative_ = c == '-';
        stage_ = Stage::kAfterSign;
        return;
    }
    if (stage_ != Stage::kDone && IsDigit(c)) {
        const auto digit = static_cast<std::uint32_t>(c - '0');
        value_ = (value_ * 10 + digit) % 256;
        if (digitCount_ < 4) {
            ++digitCount_;
            plainValue_ = plainValue_ * 10 + digit;
        }
        stage_ = Stage::kDigits;
        return;
    }
    stage_ = Stage::kDone;
    trailingText_ = true;
}

std::uint8_t LenientNumber::LowByte() const {
    const std::uint32_t value = negative_ ? (256 - value_) % 256 : value_;
    return static_cast<std::uint8_t>(value);
}

bool LenientNumber::IsPlainByte() const {
    return digitCount_ > 0 && digitCount_ <= 3 && !negative_ && !trailingText_ &&
           length_ == digitCount_ && plainValue_ <= 255;
}

}  // namespace tolvane
