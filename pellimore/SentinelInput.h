// What a sentinel edit takes. The card settings record carries one byte a character, so a
// sentinel is plain ASCII: a typed character of code 0x80 or above is ignored, letters go in
// lower case, and pasted text goes through the same filter, its other characters dropped
// rather than sent as the low bytes of their codes. Control characters, which cannot be typed
// into the edit, are dropped from pasted text too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "vaskor/CardSettings.h"

namespace pellimore {

inline constexpr std::size_t kSentinelLength = vaskor::kMaxSentinelLength;

// The text as the edit keeps it: printable ASCII, letters in lower case; nothing is cut.
std::u16string SentinelInput(std::u16string_view text);

}  // namespace pellimore
