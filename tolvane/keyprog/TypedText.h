// Text as this keyboard types it, and the keys that type a text.
//
// The keyboard types characters as a US PC keyboard does: each character is one key, plain
// or shifted, and the shifted characters are the shifted names of the key tables. A Shift
// code in a sequence latches: the keys after it are shifted until the next Shift code, the
// rule the display texts follow. So a run of shifted characters is typed as one Shift code,
// the run and one Shift code after it ("CASH" is LShift c a s h LShift), and a text leaves
// the shift state as it found it, so the keys after it type what they typed before.
//
// Space, Enter and Tab are typed unshifted: to most programs Shift+Tab and Shift+Enter are
// other keys than Tab and Enter.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tolvane/image/KeyTables.h"

namespace tolvane {

inline constexpr KeyCode kEnterKey = 54;
inline constexpr KeyCode kTabKey = 28;
inline constexpr KeyCode kSpaceKey = 70;

struct TypedKey {
    KeyCode code = kNoKey;
    bool shifted = false;
};

// The key that types an ASCII character: printable characters, Tab, and line feed or
// carriage return as Enter. None for any other character.
std::optional<TypedKey> KeyOfCharacter(char character);

struct TextKeys {
    std::vector<KeyCode> codes;
    // The first character the keyboard cannot type, as it is written ("é", "U+0007"); the
    // codes are then empty.
    std::string untypable;
};

// The codes that type a UTF-8 text, starting in the given shift state. A carriage return and
// line feed pair is one Enter.
TextKeys KeyCodesOfText(std::string_view text, bool startsShifted);

// The character a key types in the plain or shifted state, with Enter as a line feed; 0 for
// a key that types none (function keys, modifiers, special keys, unassigned codes).
char CharacterOfKey(KeyCode code, bool shifted);

// What a sequence types, one character per code, from the unshifted state; a code that
// types no character stands as 0 and a Shift code as nothing.
std::string TypedTextOf(std::span<const KeyCode> codes);

}  // namespace tolvane
