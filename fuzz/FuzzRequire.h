// A check inside a fuzz target: a failure aborts, which the fuzzer reports as a crash.
#pragma once

#include <cstdlib>

namespace tolvane::fuzz {

inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace tolvane::fuzz
