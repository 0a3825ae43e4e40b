// What a Windows HID interface's device path and its HID attributes say about it, as plain
// text and numbers, so that the rules can be checked on every platform. A path looks like
//   \\?\hid#vid_0483&pid_5017&mi_01#8&2a3b4c5d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}
// and a device with several top-level collections has one per collection ("&mi_01&col02").
// The system treats paths without regard to case, and so do these rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hidio/Hidio.h"

namespace hidio::detail {

// The USB interface number after "mi_", or -1 where the path names none (a device with a
// single interface, or one that is not on USB).
int InterfaceNumberFromPath(std::string_view path);

// The four hexadecimal digits after "vid_" and "pid_"; nothing where they are missing.
std::optional<std::uint16_t> VendorIdFromPath(std::string_view path);
std::optional<std::uint16_t> ProductIdFromPath(std::string_view path);

struct HidIds {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

struct HidUsage {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
};

// One enumeration entry. attributes and usage are what the HID services reported, nothing
// where they could not be read. The ids come from the attributes; from the path where the
// attributes are missing or all zero (some drivers report none).
InterfaceInfo DescribeInterface(std::string path, std::optional<HidIds> attributes,
                                std::optional<HidUsage> usage, std::string product);

}  // namespace hidio::detail
