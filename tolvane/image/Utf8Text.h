// UTF-8 text as the user writes it (labels) and as the pages show it: checked and counted by
// whole characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane {

// Length of the UTF-8 sequence that starts at text[i]: 1 for ASCII, 2..4 for a whole
// sequence, 0 when the bytes there are no valid sequence (a stray continuation byte, an
// overlong form, a surrogate, a sequence cut off by the end).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

bool IsValidUtf8(std::string_view text);

// Characters (code points) of valid UTF-8 text; an invalid byte counts as one.
std::size_t Utf8Length(std::string_view text);

}  // namespace tolvane
