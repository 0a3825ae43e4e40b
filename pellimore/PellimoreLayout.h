// Where the controls of the tool's windows sit, in dialog units of their font (Arial 12).
//
// The dialog: the column headings on top; one row per track (track box with its text on the
// left, start sentinel edit, end sentinel edit, return code box), the picture of the card's
// back between the two sentinel columns with the rows beside it; the help button at the
// bottom left, Update and Ok at the bottom right. The picture keeps its own pixel size, as a
// bitmap does; its place is the rectangle the font's units give it.
#pragma once

#include <span>

#include "gui/kit/DialogUnits.h"

namespace pellimore {

using tolvane::gui::ControlPlace;
using tolvane::gui::DialogRect;

inline constexpr DialogRect kPellimoreClient{0, 0, 386, 144};
inline constexpr DialogRect kAboutClient{0, 0, 170, 62};

// The dialog's controls; the headings, in the order of texts::kHeadings, carry no number.
std::span<const ControlPlace> PellimoreControls();
std::span<const DialogRect, 4> HeadingPlaces();
inline constexpr DialogRect kCardPicturePlace{120, 22, 140, 88};
inline constexpr DialogRect kHelpButtonPlace{8, 120, 16, 16};

inline constexpr DialogRect kAboutIconPlace{11, 17, 20, 20};
inline constexpr DialogRect kAboutVersionPlace{40, 22, 119, 10};
inline constexpr DialogRect kAboutOkPlace{113, 41, 50, 14};

}  // namespace pellimore
