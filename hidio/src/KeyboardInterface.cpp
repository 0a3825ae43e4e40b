#include "hidio/KeyboardInterface.h"

#include "hidio/KeyboardWire.h"

namespace hidio {

bool IsKeyboardVendorInterface(const InterfaceInfo& info) {
    if (info.vendorId != wire::kVendorId || info.productId != wire::kProductId) {
        return false;
    }
    if (info.interfaceNumber < 0) {
        return info.usagePage >= wire::kVendorUsagePage;
    }
    return info.interfaceNumber == wire::kVendorInterface;
}

}  // namespace hidio
