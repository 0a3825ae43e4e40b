#include "tolvane/image/PcKeyTable.h"

#include <algorithm>

namespace tolvane {

namespace {

// The X11 and Wayland key codes are the Linux event codes moved up by 8.
constexpr std::uint32_t kXkbOffset = 8;

}  // namespace

// In the order of the keyboard's numbering.
const std::array<PcKey, kPcKeyCount> PcKeyTable = {{
    // clang-format off
    {1, 1, 0x01},  // Esc
    {2, 59, 0x3B},  // F1
    {3, 60, 0x3C},  // F2
    {4, 61, 0x3D},  // F3
    {5, 62, 0x3E},  // F4
    {6, 63, 0x3F},  // F5
    {7, 64, 0x40},  // F6
    {8, 65, 0x41},  // F7
    {9, 66, 0x42},  // F8
    {10, 67, 0x43},  // F9
    {11, 68, 0x44},  // F10
    {12, 87, 0x57},  // F11
    {13, 88, 0x58},  // F12
    {14, 41, 0x29},  // `
    {15, 2, 0x02},  // 1
    {16, 3, 0x03},  // 2
    {17, 4, 0x04},  // 3
    {18, 5, 0x05},  // 4
    {19, 6, 0x06},  // 5
    {20, 7, 0x07},  // 6
    {21, 8, 0x08},  // 7
    {22, 9, 0x09},  // 8
    {23, 10, 0x0A},  // 9
    {24, 11, 0x0B},  // 0
    {25, 12, 0x0C},  // -
    {26, 13, 0x0D},  // =
    {27, 14, 0x0E},  // Bksp
    {28, 15, 0x0F},  // TAB
    {29, 16, 0x10},  // q
    {30, 17, 0x11},  // w
    {31, 18, 0x12},  // e
    {32, 19, 0x13},  // r
    {33, 20, 0x14},  // t
    {34, 21, 0x15},  // y
    {35, 22, 0x16},  // u
    {36, 23, 0x17},  // i
    {37, 24, 0x18},  // o
    {38, 25, 0x19},  // p
    {39, 26, 0x1A},  // [
    {40, 27, 0x1B},  // ]
    {41, 43, 0x2B},  // backslash
    {42, 58, 0x3A},  // CAPS
    {43, 30, 0x1E},  // a
    {44, 31, 0x1F},  // s
    {45, 32, 0x20},  // d
    {46, 33, 0x21},  // f
    {47, 34, 0x22},  // g
    {48, 35, 0x23},  // h
    {49, 36, 0x24},  // j
    {50, 37, 0x25},  // k
    {51, 38, 0x26},  // l
    {52, 39, 0x27},  // ;
    {53, 40, 0x28},  // '
    {54, 28, 0x1C},  // Enter
    {55, 42, 0x2A},  // LShift
    {56, 44, 0x2C},  // z
    {57, 45, 0x2D},  // x
    {58, 46, 0x2E},  // c
    {59, 47, 0x2F},  // v
    {60, 48, 0x30},  // b
    {61, 49, 0x31},  // n
    {62, 50, 0x32},  // m
    {63, 51, 0x33},  // ,
    {64, 52, 0x34},  // .
    {65, 53, 0x35},  // /
    {66, 54, 0x36},  // RShift
    {67, 29, 0x1D},  // LCtrl
    {68, 125, 0x15B},  // LWin
    {69, 56, 0x38},  // LAlt
    {70, 57, 0x39},  // Space
    {71, 100, 0x138},  // RAlt
    {72, 126, 0x15C},  // RWin
    {73, 127, 0x15D},  // Menu
    {74, 97, 0x11D},  // RCtrl
    {75, 143, 0x163},  // Wake
    {76, 142, 0x15F},  // Sleep
    {77, 116, 0x15E},  // Power
    {78, 99, 0x137},  // PrScr
    {79, 70, 0x46},  // Scroll
    {80, 119, 0x45},  // Pause
    {81, 110, 0x152},  // Insert
    {82, 102, 0x147},  // Home
    {83, 104, 0x149},  // Pgup
    {84, 111, 0x153},  // Delete
    {85, 107, 0x14F},  // End
    {86, 109, 0x151},  // Pgdn
    {87, 103, 0x148},  // Up
    {88, 105, 0x14B},  // Left
    {89, 108, 0x150},  // Dn
    {90, 106, 0x14D},  // Right
    {91, 69, 0x145},  // Num
    {92, 98, 0x135},  // keypad /
    {93, 55, 0x37},  // num_*
    {94, 71, 0x47},  // num_7
    {95, 72, 0x48},  // num_8
    {96, 73, 0x49},  // num_9
    {97, 75, 0x4B},  // num_4
    {98, 76, 0x4C},  // num_5
    {99, 77, 0x4D},  // num_6
    {100, 79, 0x4F},  // num_1
    {101, 80, 0x50},  // num_2
    {102, 81, 0x51},  // num_3
    {103, 82, 0x52},  // num_0
    {104, 83, 0x53},  // num_.
    {105, 74, 0x4A},  // num_-
    {106, 78, 0x4E},  // num_+
    {107, 96, 0x11C},  // num_Enter
    {0x97, 158, 0x16A},  // www.Back
    {0x98, 159, 0x169},  // www.Forward
    {0x99, 128, 0x168},  // www.Stop
    {0x9A, 173, 0x167},  // www.Refresh
    {0x9B, 217, 0x165},  // www.Search
    {0x9C, 156, 0x166},  // www.Favorites
    {0x9D, 172, 0x132},  // www.Home
    {0x9E, 155, 0x16C},  // Mail
    {0x9F, 113, 0x120},  // Mute
    {0xA0, 115, 0x130},  // VolumeUp
    {0xA1, 114, 0x12E},  // VolumeDown
    {0xA2, 164, 0x122},  // Play/Pause
    {0xA3, 166, 0x124},  // Stop
    {0xA4, 165, 0x110},  // PreTrack
    {0xA5, 163, 0x119},  // Nexttrack
    {0xA6, 171, 0x16D},  // Media_Select
    {0xA7, 157, 0x16B},  // My_Computer
    {0xA8, 140, 0x121},  // Calculator
    // clang-format on
}};

std::optional<KeyCode> KeyCodeOfScanCode(ScanCodeSet set, std::uint32_t scanCode) {
    if (set == ScanCodeSet::kXkbKeycode && scanCode < kXkbOffset) {
        return std::nullopt;
    }
    const auto* key = std::find_if(PcKeyTable.begin(), PcKeyTable.end(), [&](const PcKey& k) {
        return set == ScanCodeSet::kXkbKeycode ? k.linuxEventCode + kXkbOffset == scanCode
                                               : k.windowsScanCode == scanCode;
    });
    return key == PcKeyTable.end() ? std::nullopt : std::optional<KeyCode>(key->code);
}

}  // namespace tolvane
