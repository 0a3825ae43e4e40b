// Where the controls of the card reader settings dialog and of the keyboard options dialog
// sit, in dialog units.
//
// Card reader: the picture of the card's back on top; under it one row per track (track
// box, prefix edit, suffix edit, Enter box), the prefix and suffix edits framed by their
// group boxes; OK and Cancel at the bottom right.
//
// Keyboard options: the repeat and sound boxes, the two sound radios indented under the
// sound box, the country code label and list, OK and Cancel.
#pragma once

#include <span>

#include "gui/kit/DialogUnits.h"
#include "gui/model/DialogCaptions.h"

namespace tolvane::gui {

inline constexpr DialogRect kCardReaderClient{0, 0, 258, 207};
inline constexpr DialogRect kKeyboardSetClient{0, 0, 188, 123};

std::span<const ControlPlace> CardReaderControls();
std::span<const ControlPlace> KeyboardSetControls();

// The dialogs' titles, the same in both languages, and their controls' captions.
inline constexpr const char* kCardReaderTitle = "Pellimore";
inline constexpr const char* kKeyboardSetTitle = "Keyboard Set";
std::span<const DialogCaption> CardReaderCaptions();
std::span<const DialogCaption> KeyboardSetCaptions();

}  // namespace tolvane::gui
