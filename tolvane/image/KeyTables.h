// The keyboard's own key numbering and the read-only tables that name its codes.
//
// Code n is the n-th key of the on-screen keyboard in the key programming dialog (control
// 1999 + n). Names are for display only: every store holds the code, never the name.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

using KeyCode = std::uint8_t;

inline constexpr KeyCode kNoKey = 0x00;
inline constexpr KeyCode kLeftShift = 0x37;
inline constexpr KeyCode kRightShift = 0x42;
inline constexpr KeyCode kCapsLock = 0x2A;
inline constexpr KeyCode kFirstLayerKey = 0x6C;  // "Layer1"
inline constexpr KeyCode kLastLayerKey = 0x71;   // "Layer6"
inline constexpr KeyCode kFirstSpecialKey = 0x96;
inline constexpr KeyCode kLastSpecialKey = 0xA8;

// First and last control id of the on-screen key buttons (codes 1..108).
inline constexpr int kFirstKeyButtonId = 2000;
inline constexpr int kLastKeyButtonId = 2107;

struct KeyNameEntry {
    std::string_view plainName;
    std::string_view shiftedName;
};

struct SpecialKeyEntry {
    std::string_view name;
    KeyCode code;
};

inline constexpr std::size_t kKeyNameTableSize = 114;
inline constexpr std::size_t kSpecialKeyTableSize = 19;

extern const std::array<KeyNameEntry, kKeyNameTableSize> KeyNameTable;
extern const std::array<SpecialKeyEntry, kSpecialKeyTableSize> SpecialKeyTable;

// The display name of a code in the plain or shifted variant. Special keys have one name.
// Codes that neither table knows (114..149, 169..255) come back as their value in hex,
// "0x96" style, so that a stray code from the keyboard or a file stays visible.
std::string KeyName(KeyCode code, bool shifted);

// The code of an on-screen key button: control id - 1999.
KeyCode CodeOfKeyButton(int controlId);

// Row 0..18 of the special key list; null for a row outside the table.
const SpecialKeyEntry* SpecialKey(std::size_t row);

constexpr bool IsShiftCode(KeyCode code) {
    return code == kLeftShift || code == kRightShift;
}

// The one test of "is this a layer key": only "Layer1".."Layer6". Special keys and
// unassigned codes above them are ordinary codes wherever a sequence is judged.
constexpr bool IsLayerKeyCode(KeyCode code) {
    return code >= kFirstLayerKey && code <= kLastLayerKey;
}

// Layer 1..6 that a layer key switches to; 0 for any other code.
constexpr int LayerOfLayerKey(KeyCode code) {
    return IsLayerKeyCode(code) ? code - kFirstLayerKey + 1 : 0;
}

constexpr bool IsSpecialKeyCode(KeyCode code) {
    return code >= kFirstSpecialKey && code <= kLastSpecialKey;
}

// True for every code that one of the two tables names.
constexpr bool IsAssignedKeyCode(KeyCode code) {
    return code < kKeyNameTableSize || IsSpecialKeyCode(code);
}

}  // namespace tolvane
