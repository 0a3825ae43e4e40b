#include "tolvane/app/Utf8Text.h"

#include <algorithm>
#include <cstdint>

namespace tolvane {

namespace {

// The first continuation byte is narrower after E0, ED, F0 and F4: that rules out the
// overlong forms, the surrogates and code points beyond U+10FFFF.
bool SecondByteFits(std::uint8_t lead, std::uint8_t second) {
    switch (lead) {
        case 0xE0:
            return second >= 0xA0;
        case 0xED:
            return second <= 0x9F;
        case 0xF0:
            return second >= 0x90;
        case 0xF4:
            return second <= 0x8F;
        default:
            return true;
    }
}

}  // namespace

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
    if (i + length > text.size() || !SecondByteFits(lead, static_cast<std::uint8_t>(text[i + 1]))) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<std::uint8_t>(text[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        i += std::max<std::size_t>(1, Utf8SequenceLength(text, i));
    }
    return characters;
}

}  // namespace tolvane
