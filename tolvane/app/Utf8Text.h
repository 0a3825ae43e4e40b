// Walking UTF-8 text a character at a time, for the parts that must not split one.
#pragma once

#include <cstddef>
#include <string_view>

namespace tolvane {

// Length of the UTF-8 sequence starting at text[i]; 0 when it is not a valid one (and for i
// past the end).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

}  // namespace tolvane
