// Walking UTF-8 text a character at a time, for the parts that must not split one.
#pragma once

#include <cstddef>
#include <string_view>

namespace tolvane {

// Length of the UTF-8 sequence starting at text[i]; 0 when it is not a valid one (a stray
// continuation byte, an overlong form, a surrogate, a sequence cut off by the end) and for i
// past the end.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

bool IsValidUtf8(std::string_view text);

// Characters (code points) of the text; a byte of no valid sequence counts as one.
std::size_t Utf8Length(std::string_view text);

}  // namespace tolvane
