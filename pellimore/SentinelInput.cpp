#include "pellimore/SentinelInput.h"

namespace pellimore {

std::u16string SentinelInput(std::u16string_view text) {
    std::u16string kept;
    kept.reserve(text.size());
    for (const char16_t c : text) {
        if (c < u' ' || c > u'~') {
            continue;
        }
        kept.push_back(c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c);
    }
    return kept;
}

}  // namespace pellimore
