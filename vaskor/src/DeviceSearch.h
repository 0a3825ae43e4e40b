// Finding the keyboard's vendor interface among the system's HID interfaces.
//
// Where the platform's paths carry the interface tokens (Windows-style
// "...vid_0483&pid_5017&mi_01..."), the path alone decides, case-sensitively. Where they do
// not (Linux hidraw paths are /dev/hidrawN), the ids and the interface number decide; where the
// platform reports no interface number, the vendor-defined collection is taken.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "hidio/Hidio.h"

namespace vaskor {

inline constexpr std::uint16_t kVX30VendorId = 0x0483;
inline constexpr std::uint16_t kVX30ProductId = 0x5017;
inline constexpr int kVX30Interface = 1;

bool IsVX30Path(std::string_view path);
bool IsVX30Interface(const hidio::InterfaceInfo& info);

// The test variant: the first matching interface in enumeration order.
std::optional<hidio::InterfaceInfo> FindVX30(hidio::Bus& bus);

// The open variant: the first matching interface, opened; null when there is none or the
// system refuses the open.
std::unique_ptr<hidio::Device> OpenVX30(hidio::Bus& bus);

}  // namespace vaskor
