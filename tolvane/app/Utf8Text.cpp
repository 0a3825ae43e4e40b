#include "tolvane/app/Utf8Text.h"

#include <cstdint>

namespace tolvane {

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    if (i >= text.size()) {
        return 0;
    }
    const auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t length = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<std::uint8_t>(text[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

}  // namespace tolvane
