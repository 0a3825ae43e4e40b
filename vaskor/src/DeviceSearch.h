// Finding the keyboard's vendor interface among the system's HID interfaces, by the rule the
// programmer's channel uses too (hidio::IsKeyboardVendorInterface).
#pragma once

#include <memory>
#include <optional>

#include "hidio/Hidio.h"

namespace vaskor {

// The test variant: the first matching interface in enumeration order.
std::optional<hidio::InterfaceInfo> FindVX30(hidio::Bus& bus);

// The open variant: the first matching interface, opened; null when there is none or the
// system refuses the open.
std::unique_ptr<hidio::Device> OpenVX30(hidio::Bus& bus);

}  // namespace vaskor
