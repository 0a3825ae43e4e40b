// How far a failed write got and why it stopped, so that the technician learns what the
// keyboard now holds: records it has stored came from the new programming, the rest are
// still the old one.
#pragma once

#include <cstdint>

#include "tolvane/link/Hid.h"

namespace tolvane {

enum class WriteStop : std::uint8_t {
    kPulledOut,  // the keyboard is no longer on the bus
    kRefused,    // it is there, but would not open or take a report
    kStalled,    // it is there and took reports, then no progress for a second
};

struct WriteFailure {
    WriteStop cause = WriteStop::kStalled;
    std::uint32_t reportsCounted = 0;  // of the 506 a write counts
    int percent = 0;                   // as the progress title showed it

    // No key record had been sent: the keyboard still holds its old programming.
    bool NothingStored() const { return reportsCounted == 0; }
};

// Looks at the keyboard once the write has ended: the worker is stopped, so the channel is
// free.
WriteFailure DescribeWriteFailure(std::uint32_t reportsCounted, CHid& hid);

}  // namespace tolvane
