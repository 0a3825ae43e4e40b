// The text-to-byte conversion that the program's record files share.
//
// A number is an optional sign followed by decimal digits; whatever follows the digits is
// ignored, and a text without leading digits counts as 0. The value kept is the low 8 bits
// of the number (taken modulo 256, so no text is too long to convert).
//
// The text arrives one character at a time, so a line of any length costs no memory.
#pragma once

#include <cstdint>

namespace tolvane {

class LenientNumber {
  public:
    void Append(char c);
    void Clear() { *this = LenientNumber{}; }

    bool Empty() const { return length_ == 0; }
    std::uint8_t LowByte() const;
    // True only for the digits of a number 0..255 without sign or anything after them: what
    // the program itself writes.
    bool IsPlainByte() const;

  private:
    enum class Stage : std::uint8_t { kStart, kAfterSign, kDigits, kDone };

    Stage stage_ = Stage::kStart;
    bool negative_ = false;
    bool trailingText_ = false;
    std::uint8_t digitCount_ = 0;   // saturates; only "at most three" matters
    std::uint32_t length_ = 0;      // saturates; only "empty or not" matters
    std::uint32_t value_ = 0;       // modulo 256
    std::uint32_t plainValue_ = 0;  // the first three digits' value
};

}  // namespace tolvane
