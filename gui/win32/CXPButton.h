// The panel's owner-drawn push button: the face gradient, border and inner edge at rest,
// the gradient turned over while pressed, the orange ring while the pointer is over it,
// the frame of the button Find has chosen, and the caption centred on one line.
#pragma once

#include <windows.h>

namespace tolvane::gui::win32 {

enum class ButtonLook { kRest, kHot, kPressed };

// Pressed wins over hot: a pressed button is no longer hot.
ButtonLook LookOf(const DRAWITEMSTRUCT& item, bool hot);

// Draws the whole button into the item's device context.
void DrawXPButton(const DRAWITEMSTRUCT& item, ButtonLook look, bool found);

}  // namespace tolvane::gui::win32
