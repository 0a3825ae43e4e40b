#include "DeviceSearch.h"

#include <algorithm>
#include <cctype>

namespace vaskor {

namespace {

bool FourCharactersAfter(std::string_view path, std::string_view token, std::string_view expected) {
    const std::size_t at = path.find(token);
    return at != std::string_view::npos && path.substr(at + token.size(), 4) == expected;
}

bool CarriesInterfaceTokens(std::string_view path) {
    constexpr std::string_view kToken = "vid_";
    const auto it = std::search(
        path.begin(), path.end(), kToken.begin(), kToken.end(),
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    return it != path.end();
}

bool IsVendorDefinedPage(std::uint16_t usagePage) {
    return usagePage >= 0xFF00;
}

}  // namespace

bool IsVX30Path(std::string_view path) {
    return path.find("mi_01", 1) != std::string_view::npos &&
           FourCharactersAfter(path, "vid_", "0483") && FourCharactersAfter(path, "pid_", "5017");
}

bool IsVX30Interface(const hidio::InterfaceInfo& info) {
    if (CarriesInterfaceTokens(info.path)) {
        return IsVX30Path(info.path);
    }
    if (info.vendorId != kVX30VendorId || info.productId != kVX30ProductId) {
        return false;
    }
    if (info.interfaceNumber == -1) {
        return IsVendorDefinedPage(info.usagePage);
    }
    return info.interfaceNumber == kVX30Interface;
}

std::optional<hidio::InterfaceInfo> FindVX30(hidio::Bus& bus) {
    for (hidio::InterfaceInfo& info : bus.Enumerate()) {
        if (IsVX30Interface(info)) {
            return std::move(info);
        }
    }
    return std::nullopt;
}

std::unique_ptr<hidio::Device> OpenVX30(hidio::Bus& bus) {
    const std::optional<hidio::InterfaceInfo> found = FindVX30(bus);
    if (!found) {
        return nullptr;
    }
    return bus.Open(found->path).device;
}

}  // namespace vaskor
