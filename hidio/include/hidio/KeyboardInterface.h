// Which HID interface is the keyboard's: the one rule that the programmer's channel, the
// interface library and the command line's device list share.
#pragma once

#include "hidio/Hidio.h"

namespace hidio {

// True for the keyboard's vendor interface, the one that speaks both report sets.
//
// The keyboard shows two interfaces with the same ids: interface 0, a boot keyboard, and
// interface 1, the vendor collection. The ids alone are not enough, and neither is "the
// first one that opens": Linux lets programs open the boot keyboard too, and it ignores
// the keyboard's reports. So where the system reports interface numbers, interface 1 is
// taken. Where it reports none (devices behind uhid hang below no USB interface, and some
// backends do not say), the collection with a vendor-defined usage page is taken: the boot
// keyboard's page is the generic desktop's. The path is never read: its form differs from
// one system to the next, and on Windows the interface number already comes from it.
bool IsKeyboardVendorInterface(const InterfaceInfo& info);

}  // namespace hidio
