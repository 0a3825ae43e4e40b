// What the Windows backend reads from a device path and the HID attributes: plain text rules,
// checked on every platform.
#include "WindowsDevicePath.h"

#include <gtest/gtest.h>

#include "hidio/KeyboardInterface.h"

namespace hidio::detail {
namespace {

constexpr const char* kClass = "#{4d1e55b2-f16f-11cf-88cb-001111000030}";

std::string Path(const std::string& hardware, const std::string& instance = "8&2a3b4c5d&0&0000") {
    return R"(\\?\hid#)" + hardware + "#" + instance + kClass;
}

TEST(WindowsDevicePath, ReadsTheInterfaceAndIdsOfTheHardwarePartOnly) {
    struct Case {
        std::string path;
        int interfaceNumber;
        std::optional<std::uint16_t> vendorId;
        std::optional<std::uint16_t> productId;
    };
    const Case cases[] = {
        {Path("vid_0483&pid_5017&mi_01"), 1, 0x0483, 0x5017},
        {Path("vid_0483&pid_5017&mi_00"), 0, 0x0483, 0x5017},
        {Path("vid_0483&pid_5017&mi_01&col02"), 1, 0x0483, 0x5017},
        {Path("VID_0483&PID_5017&MI_01"), 1, 0x0483, 0x5017},  // the system ignores case
        {Path("vid_046d&pid_c52b&mi_0a"), 10, 0x046D, 0xC52B},
        {Path("vid_0483&pid_5017"), -1, 0x0483, 0x5017},  // a device with one interface
        // Malformed fields are no fields.
        {Path("vid_483&pid_50170&mi_1"), -1, std::nullopt, std::nullopt},
        {Path("vid_04g3&pid_5017&mi_0x"), -1, std::nullopt, 0x5017},
        // Tokens outside the hardware part do not count.
        {Path("vid_0483&pid_5017", "7&mi_01&0"), -1, 0x0483, 0x5017},
        {R"(\\?\hid#{00001124-0000-1000-8000-00805f9b34fb}_vid&0002046d_pid&b01a#9&1&0)", -1,
         std::nullopt, std::nullopt},
        {"", -1, std::nullopt, std::nullopt},
        {"mi_01", 1, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InterfaceNumberFromPath(c.path), c.interfaceNumber) << c.path;
        EXPECT_EQ(VendorIdFromPath(c.path), c.vendorId) << c.path;
        EXPECT_EQ(ProductIdFromPath(c.path), c.productId) << c.path;
    }
}

TEST(WindowsDevicePath, AttributesGiveTheIdsUnlessTheyAreMissingOrZero) {
    const std::string vendorPath = Path("vid_0483&pid_5017&mi_01");
    struct Case {
        const char* what;
        std::optional<HidIds> attributes;
        std::optional<HidUsage> usage;
        InterfaceInfo expected;
    };
    const Case cases[] = {
        {"attributes and usage read",
         HidIds{0x0483, 0x5017},
         HidUsage{0xFF00, 0x01},
         {vendorPath, 0x0483, 0x5017, 1, 0xFF00, 0x01, "TR48"}},
        {"attributes differ from the path: the attributes hold",
         HidIds{0x1234, 0x5678},
         HidUsage{0x01, 0x06},
         {vendorPath, 0x1234, 0x5678, 1, 0x01, 0x06, "TR48"}},
        {"attributes all zero",
         HidIds{0, 0},
         std::nullopt,
         {vendorPath, 0x0483, 0x5017, 1, 0, 0, "TR48"}},
        {"nothing could be read",
         std::nullopt,
         std::nullopt,
         {vendorPath, 0x0483, 0x5017, 1, 0, 0, "TR48"}},
    };
    for (const Case& c : cases) {
        const InterfaceInfo info = DescribeInterface(vendorPath, c.attributes, c.usage, "TR48");
        EXPECT_EQ(info.path, c.expected.path) << c.what;
        EXPECT_EQ(info.vendorId, c.expected.vendorId) << c.what;
        EXPECT_EQ(info.productId, c.expected.productId) << c.what;
        EXPECT_EQ(info.interfaceNumber, c.expected.interfaceNumber) << c.what;
        EXPECT_EQ(info.usagePage, c.expected.usagePage) << c.what;
        EXPECT_EQ(info.usage, c.expected.usage) << c.what;
        EXPECT_EQ(info.product, c.expected.product) << c.what;
    }
    // The keyboard's two interfaces, as Windows lists them, meet the one device rule.
    const InterfaceInfo boot = DescribeInterface(Path("vid_0483&pid_5017&mi_00"),
                                                 HidIds{0x0483, 0x5017}, HidUsage{0x01, 0x06}, "");
    EXPECT_FALSE(IsKeyboardVendorInterface(boot));
    EXPECT_TRUE(IsKeyboardVendorInterface(
        DescribeInterface(vendorPath, HidIds{0x0483, 0x5017}, HidUsage{0xFF00, 0x01}, "")));
}

}  // namespace
}  // namespace hidio::detail
