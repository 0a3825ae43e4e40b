#include "DeviceSearch.h"

#include <gtest/gtest.h>

#include "emulator/VirtualKeyboard.h"
#include "hidio/VirtualBus.h"

namespace vaskor {
namespace {

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
