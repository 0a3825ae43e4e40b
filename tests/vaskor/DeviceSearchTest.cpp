#include "DeviceSearch.h"

#include <gtest/gtest.h>

#include "VirtualKeyboard.h"
#include "hidio/VirtualBus.h"

namespace vaskor {
namespace {

constexpr const char* kWindowsPath =
    R"(\\?\hid#vid_0483&pid_5017&mi_01#7&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})";

hidio::InterfaceInfo Info(const std::string& path, int interfaceNumber,
                          std::uint16_t usagePage = 0xFF00, std::uint16_t productId = 0x5017) {
    return {path, 0x0483, productId, interfaceNumber, usagePage, 0x01, ""};
}

TEST(VX30Path, LowerCaseTokensMatch) {
    EXPECT_TRUE(IsVX30Path(kWindowsPath));
    EXPECT_TRUE(IsVX30Path("virtual:hid#vid_0483&pid_5017&mi_01#1"));
}

TEST(VX30Path, UpperCaseOtherInterfacesAndOtherIdsDoNotMatch) {
    EXPECT_FALSE(IsVX30Path(R"(\\?\HID#VID_0483&PID_5017&MI_01#7&2a1b3c4d&0&0000)"));
    EXPECT_FALSE(IsVX30Path("hid#vid_0483&pid_5017&MI_01#1"));
    EXPECT_FALSE(IsVX30Path("hid#VID_0483&pid_5017&mi_01#1"));
    EXPECT_FALSE(IsVX30Path("hid#vid_0483&pid_5017&mi_00#1"));
    EXPECT_FALSE(IsVX30Path("hid#vid_0483&pid_5017&mi_02#1"));
    EXPECT_FALSE(IsVX30Path("hid#vid_0484&pid_5017&mi_01#1"));
    EXPECT_FALSE(IsVX30Path("hid#vid_0483&pid_5018&mi_01#1"));
}

TEST(VX30Path, OnlyTheFirstTokensCountAndShortPathsAreSafe) {
    EXPECT_FALSE(IsVX30Path("mi_01#vid_0483&pid_5017"));  // "mi_01" must not lead
    EXPECT_FALSE(IsVX30Path("hid#vid_1234&vid_0483&pid_5017&mi_01"));
    EXPECT_FALSE(IsVX30Path("hid#pid_5017&mi_01&vid_048"));
    EXPECT_FALSE(IsVX30Path(""));
}

TEST(VX30Interface, WherePathsCarryNoTokensTheIdsAndInterfaceNumberDecide) {
    EXPECT_TRUE(IsVX30Interface(Info("/dev/hidraw3", 1)));
    EXPECT_FALSE(IsVX30Interface(Info("/dev/hidraw2", 0)));
    EXPECT_FALSE(IsVX30Interface(Info("/dev/hidraw3", 1, 0xFF00, 0x5018)));
    // A path with tokens decides alone, whatever the numbers say.
    EXPECT_FALSE(IsVX30Interface(Info(R"(\\?\HID#VID_0483&PID_5017&MI_01#1)", 1)));
    EXPECT_TRUE(IsVX30Interface(Info(kWindowsPath, -1, 0x0001)));
}

TEST(VX30Interface, WithoutAnInterfaceNumberTheVendorDefinedCollectionIsTaken) {
    EXPECT_TRUE(IsVX30Interface(Info("/dev/hidraw5", -1, 0xFF00)));
    EXPECT_TRUE(IsVX30Interface(Info("/dev/hidraw5", -1, 0xFFFF)));
    EXPECT_FALSE(IsVX30Interface(Info("/dev/hidraw4", -1, 0x0001)));
    EXPECT_FALSE(IsVX30Interface(Info("/dev/hidraw4", -1, 0xFEFF)));
}

TEST(VX30Search, FindsAndOpensOnlyTheVendorInterface) {
    hidio::VirtualBus bus;
    EXPECT_FALSE(FindVX30(bus));
    EXPECT_EQ(OpenVX30(bus), nullptr);

    emulator::VirtualKeyboard keyboard(bus);
    keyboard.Plug();
    const auto found = FindVX30(bus);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, keyboard.VendorPath());
    {
        const auto device = OpenVX30(bus);
        ASSERT_NE(device, nullptr);
        EXPECT_EQ(device->Path(), keyboard.VendorPath());
        EXPECT_EQ(bus.OpenHandleCount(keyboard.VendorPath()), 1u);
    }
    emulator::Faults refuse;
    refuse.refuseOpens = true;
    keyboard.SetFaults(refuse);
    EXPECT_TRUE(FindVX30(bus));
    EXPECT_EQ(OpenVX30(bus), nullptr);
}

}  // namespace
}  // namespace vaskor
