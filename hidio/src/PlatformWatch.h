#pragma once

#include <memory>

#include "hidio/Hidio.h"

namespace hidio::detail {

// Arrival and removal of the system's HID interfaces (libudev on Linux). A watch that
// cannot be set up delivers nothing; the programs then only see the keyboard at start-up
// and at their own presence checks.
std::unique_ptr<Watch> StartPlatformWatch(WatchCallback callback);

}  // namespace hidio::detail
