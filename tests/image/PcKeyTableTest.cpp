#include "tolvane/image/PcKeyTable.h"

#include <gtest/gtest.h>

#include <set>

namespace tolvane {
namespace {

// Every key of the on-screen keyboard but "Fn" is reachable from the PC's keyboard on both
// systems, and every special key but the delay.
TEST(PcKeyTableTest, EveryOnScreenKeyAndEveryPcSpecialKeyIsReachableFromBothSystems) {
    std::set<KeyCode> reached;
    for (const PcKey& key : PcKeyTable) {
        EXPECT_EQ(KeyCodeOfScanCode(ScanCodeSet::kXkbKeycode, key.linuxEventCode + 8u), key.code);
        EXPECT_EQ(KeyCodeOfScanCode(ScanCodeSet::kWindowsScanCode, key.windowsScanCode), key.code);
        reached.insert(key.code);
    }
    for (KeyCode code = 1; code < kFirstLayerKey; ++code) {
        EXPECT_TRUE(reached.contains(code)) << int(code);
    }
    for (KeyCode code = kFirstSpecialKey + 1; code <= kLastSpecialKey; ++code) {
        EXPECT_TRUE(reached.contains(code)) << int(code);
    }
    EXPECT_FALSE(reached.contains(kFirstSpecialKey));  // no PC key is half a second of delay
}

TEST(PcKeyTableTest, ThePhysicalKeyDecidesWithLeftAndRightApart) {
    struct Case {
        ScanCodeSet set;
        std::uint32_t scanCode;
        std::optional<KeyCode> code;
    };
    constexpr auto kXkb = ScanCodeSet::kXkbKeycode;
    constexpr auto kWin = ScanCodeSet::kWindowsScanCode;
    const std::vector<Case> cases = {
        {kXkb, 38, 43},
        {kWin, 0x1E, 43},  // the key of "a", whatever the layout types
        {kXkb, 50, 55},
        {kXkb, 62, 66},  // left and right Shift
        {kWin, 0x1D, 67},
        {kWin, 0x11D, 74},  // left and right Ctrl
        {kXkb, 64, 69},
        {kXkb, 108, 71},  // left and right Alt
        {kWin, 0x1C, 54},
        {kWin, 0x11C, 107},  // Enter and the keypad's Enter
        {kWin, 0x35, 65},
        {kWin, 0x135, 92},  // the two slashes
        {kWin, 0x45, 80},
        {kWin, 0x145, 91},          // Pause and Num Lock share a scan code
        {kXkb, 121, 0x9F},          // Mute
        {kXkb, 94, std::nullopt},   // the extra key of European keyboards
        {kXkb, 191, std::nullopt},  // F13
        {kXkb, 7, std::nullopt},    // below the X11 key codes
        {kXkb, 0xFFFFFFFF, std::nullopt},
        {kWin, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCodeOfScanCode(c.set, c.scanCode), c.code) << c.scanCode;
    }
}

}  // namespace
}  // namespace tolvane
