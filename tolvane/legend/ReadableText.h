// What a key types, as a legend reads it: a shop's "TOTAL" key holds LShift, T, O, T, A, L,
// LShift, Enter, and its legend says "TOTAL⏎", not "LShift+T+O+T+A+L+LShift+Enter".
//
//  - Keys that type a character join into the text they type, in the case the Shift codes
//    give them (a Shift code turns shifting on, the next one off), as keyprog/TypedText.h
//    says which key types which character; the keypad's digits and signs type theirs.
//  - Ctrl, Alt and Win hold on to the next key and show as a chord: "Ctrl+Alt+Del". A key
//    of the chord typed while Shift is on shows "Shift" in the chord too.
//  - Other keys show by short names ("Esc", "F1", "Tab", "Del", "↑"), Enter as "⏎" (joined
//    to the text it ends), the half-second delay as "‖"; a key other than a character
//    that follows a Shift code directly shows as "Shift+Tab".
//  - The parts are separated by spaces.
//
// The panel keeps its captions from the display-text rule; this is for the legend pages.
#pragma once

#include <span>
#include <string>

#include "tolvane/image/KeyTables.h"

namespace tolvane {

inline constexpr std::string_view kReturnSign = "\xE2\x8F\x8E";  // U+23CE
inline constexpr std::string_view kPauseSign = "\xE2\x80\x96";   // U+2016

std::string ReadableTextOf(std::span<const KeyCode> codes);

}  // namespace tolvane
