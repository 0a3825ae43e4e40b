// Shared set-up of the interface library tests: the virtual keyboard plugged into a virtual bus
// that the library sees as the system's, and a sink that records the library's messages.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "emulator/VirtualKeyboard.h"
#include "hidio/VirtualBus.h"
#include "tests/support/TraceReports.h"
#include "tests/vaskor/RecordingSink.h"
#include "vaskor/VX30Interface.h"

namespace vaskor::testing {

class VaskorTest : public ::testing::Test {
  protected:
    VaskorTest() {
        hidio::SelectBus(&bus);
        keyboard.Plug();
    }
    ~VaskorTest() override { hidio::SelectBus(nullptr); }

    std::vector<hidio::Report> ReportsToKeyboard() {
        return tolvane::testing::ReportsOf(keyboard.Trace(), hidio::Direction::kHostToDevice);
    }

    std::size_t OpenChannels() { return bus.OpenHandleCount(keyboard.VendorPath()); }

    hidio::VirtualBus bus;
    emulator::VirtualKeyboard keyboard{bus};
};

// A report from its first bytes (report id first); the rest is zero.
inline hidio::Report ReportOf(std::initializer_list<std::uint8_t> head) {
    hidio::Report report{};
    std::copy(head.begin(), head.end(), report.begin());
    return report;
}

}  // namespace vaskor::testing
