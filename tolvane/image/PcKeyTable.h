// Which key of this keyboard's numbering a key of the PC's own keyboard is: the one table
// the front ends map a pressed key through, so that the physical key decides, not the
// character the PC's layout would type, and left and right modifiers stay apart.
//
// A key is identified by what the window system reports for the physical key:
// - kXkbKeycode: the X11 and Wayland key code, which is the Linux input event code plus 8
//   (what Qt's nativeScanCode() gives on xcb and wayland);
// - kWindowsScanCode: the scan code of set 1 with 0x100 added for the keys that come with
//   the E0 prefix (bits 16..24 of a key message's lParam, which is also what Qt's
//   nativeScanCode() gives on Windows).
// The browser and media keys map to the special keys of the same name; the half-second
// delay has no PC key.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "tolvane/image/KeyTables.h"

namespace tolvane {

enum class ScanCodeSet { kXkbKeycode, kWindowsScanCode };

struct PcKey {
    KeyCode code;
    std::uint16_t linuxEventCode;   // KEY_* of the Linux input events
    std::uint16_t windowsScanCode;  // 0x100 + the code for an E0-prefixed key
};

inline constexpr std::size_t kPcKeyCount = 125;
extern const std::array<PcKey, kPcKeyCount> PcKeyTable;

// The key code of a physical key as the window system reports it; none for a key this
// keyboard's numbering has no code for (F13, the extra key of European keyboards, ...).
std::optional<KeyCode> KeyCodeOfScanCode(ScanCodeSet set, std::uint32_t scanCode);

}  // namespace tolvane
