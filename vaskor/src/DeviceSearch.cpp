#include "DeviceSearch.h"

#include "hidio/KeyboardInterface.h"

namespace vaskor {

std::optional<hidio::InterfaceInfo> FindVX30(hidio::Bus& bus) {
    for (hidio::InterfaceInfo& info : bus.Enumerate()) {
        if (hidio::IsKeyboardVendorInterface(info)) {
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
