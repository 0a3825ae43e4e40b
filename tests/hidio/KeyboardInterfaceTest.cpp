#include "hidio/KeyboardInterface.h"

#include <gtest/gtest.h>

namespace hidio {
namespace {

struct Case {
    const char* what;
    InterfaceInfo info;
    bool keyboards;
};

TEST(KeyboardInterface, TheInterfaceNumberDecidesAndWithoutOneTheVendorPage) {
    const Case cases[] = {
        {"vendor interface", {"/dev/hidraw3", 0x0483, 0x5017, 1, 0xFF00, 1, ""}, true},
        {"interface 1 whatever its usage", {"/dev/hidraw3", 0x0483, 0x5017, 1, 0x01, 6, ""}, true},
        {"boot keyboard", {"/dev/hidraw2", 0x0483, 0x5017, 0, 0x01, 6, ""}, false},
        {"vendor page on interface 0", {"/dev/hidraw2", 0x0483, 0x5017, 0, 0xFF00, 1, ""}, false},
        {"interface 2", {"/dev/hidraw4", 0x0483, 0x5017, 2, 0xFF00, 1, ""}, false},
        {"other product", {"/dev/hidraw3", 0x0483, 0x5018, 1, 0xFF00, 1, ""}, false},
        {"other vendor", {"/dev/hidraw3", 0x0484, 0x5017, 1, 0xFF00, 1, ""}, false},
        {"no number, vendor page", {"/dev/hidraw5", 0x0483, 0x5017, -1, 0xFF00, 1, ""}, true},
        {"no number, last vendor page", {"/dev/hidraw5", 0x0483, 0x5017, -1, 0xFFFF, 1, ""}, true},
        {"no number, boot keyboard", {"/dev/hidraw4", 0x0483, 0x5017, -1, 0x01, 6, ""}, false},
        {"no number, page below vendor",
         {"/dev/hidraw4", 0x0483, 0x5017, -1, 0xFEFF, 1, ""},
         false},
        {"no number, other product", {"/dev/hidraw5", 0x0483, 0x5018, -1, 0xFF00, 1, ""}, false},
        // The path is never read: only the numbers the system reports count.
        {"tokens of interface 0",
         {R"(\\?\hid#vid_0483&pid_5017&mi_00#1)", 0x0483, 0x5017, 1, 0xFF00, 1, ""},
         true},
        {"upper-case tokens",
         {R"(\\?\HID#VID_0483&PID_5017&MI_01#1)", 0x0483, 0x5017, 1, 0xFF00, 1, ""},
         true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsKeyboardVendorInterface(c.info), c.keyboards) << c.what;
    }
}

}  // namespace
}  // namespace hidio
