// The reports of a wire trace that went one way, in order.
#pragma once

#include <vector>

#include "hidio/WireTrace.h"

namespace tolvane::testing {

inline std::vector<hidio::Report> ReportsOf(const hidio::WireTrace& trace, hidio::Direction way) {
    std::vector<hidio::Report> reports;
    for (const hidio::TraceEntry& entry : trace.Entries()) {
        if (entry.direction == way) {
            reports.push_back(entry.report);
        }
    }
    return reports;
}

}  // namespace tolvane::testing
