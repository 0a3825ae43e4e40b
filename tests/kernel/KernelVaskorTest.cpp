// The interface library inside the kernel test's machine, on the system's HID services. uhid
// devices report no interface number, so this is where the keyboard interface rule for that
// case (the collection with a vendor-defined usage page) meets the kernel's enumeration.
#include <gtest/gtest.h>

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "DeviceSearch.h"
#include "tests/kernel/KernelFixture.h"
#include "tests/vaskor/RecordingSink.h"
#include "vaskor/VX30Interface.h"

namespace tolvane::kernel {
namespace {

using vaskor::testing::Message;
using MessageLog = vaskor::testing::RecordingSink;

using KernelVaskorTest = KernelKeyboardTest;

TEST_F(KernelVaskorTest, TheLibraryAndTheChannelTakeTheSameVendorCollection) {
    const std::vector<hidio::InterfaceInfo> collections = KeyboardCollections();
    const hidio::InterfaceInfo* vendor = WithUsage(collections, 0xFF00, 0x01);
    ASSERT_NE(vendor, nullptr);
    const std::optional<hidio::InterfaceInfo> found = vaskor::FindVX30(hidio::SystemBus());
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->path, vendor->path);
    EXPECT_EQ(CHid(&hidio::SystemBus()).FindKeyboard().path, vendor->path);
}

TEST_F(KernelVaskorTest, PlugInLightsAnswersAndPlugOutReachTheHost) {
    CVX30Interface vx30;
    EXPECT_TRUE(vx30.IsVX30Existed());
    MessageLog log;
    ASSERT_TRUE(vx30.Open(&log));
    ASSERT_TRUE(log.WaitForCount(1));
    EXPECT_TRUE(keyboard.WaitUntilVendorOpen(true, kGenerousWait));

    EXPECT_TRUE(vx30.SetNumLight(true));
    EXPECT_TRUE(vx30.SetCapsLight(true));
    EXPECT_TRUE(vx30.SetScrollLight(false));
    std::array<unsigned char, 25> card{0xFA, 0x02, 0x01, 0x3B, 0x3F};
    card[24] = 0x5A;
    EXPECT_TRUE(vx30.SetCard(card.data(), card.size()));
    keyboard.SetSwitch(4);
    EXPECT_TRUE(vx30.GetSwitch());
    ASSERT_TRUE(log.WaitForCount(2));
    keyboard.SendAnswer(0xD2, {0x11, 0x22});
    ASSERT_TRUE(log.WaitForCount(3));

    // The keyboard takes reports in order: all of them were in before its answer.
    EXPECT_EQ(keyboard.GetLamps(), (emulator::Lamps{true, true, false}));
    const std::array<std::uint8_t, wire::kCardSettingsSize> stored = keyboard.CardSettings(2);
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), card.begin()));

    keyboard.Unplug();
    ASSERT_TRUE(log.WaitForCount(4));
    EXPECT_FALSE(vx30.IsVX30Existed());
    EXPECT_FALSE(vx30.GetSwitch()) << "the channel went with the keyboard";

    ASSERT_TRUE(keyboard.Plug()) << keyboard.LastError();
    ASSERT_TRUE(log.WaitForCount(5));
    EXPECT_TRUE(vx30.Close());

    const std::vector<Message> received = log.Received();
    EXPECT_EQ(log.Codes(), (std::vector<std::uint32_t>{WM_KB_PLUGIN, WM_KB_SWITCH, WM_KB_REPORT_D2,
                                                       WM_KB_PLUGOUT, WM_KB_PLUGIN}));
    ASSERT_EQ(received.size(), 5u);
    EXPECT_EQ(received[1].code, 0xD1);
    EXPECT_EQ(std::vector<std::uint8_t>(received[1].data.begin(), received[1].data.begin() + 4),
              (std::vector<std::uint8_t>{4, 0, 0, 0}));
    EXPECT_EQ(received[2].code, 0xD2);
    EXPECT_EQ(std::vector<std::uint8_t>(received[2].data.begin(), received[2].data.begin() + 4),
              (std::vector<std::uint8_t>{0x11, 0x22, 0, 0}));
}

}  // namespace
}  // namespace tolvane::kernel
