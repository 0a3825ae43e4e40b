// Where the main window's controls sit, in dialog units, before the toolbar above them.
#pragma once

#include <span>

#include "gui/kit/DialogUnits.h"

namespace tolvane::gui {

inline constexpr DialogRect kMainWindowClient{0, 0, 442, 275};

// Connection picture, layer group and selector, layer picture, key information box, and
// the two frames around the button panel and the information box.
std::span<const ControlPlace> MainWindowControls();

// The place of button 1..84 on the panel, where the key sits on the keyboard (the core's
// ButtonPlaces). A hidden button still takes part in hit tests, so pointing at the
// information box can show its assignments.
DialogRect KeyButtonPlace(int button);
bool IsKeyButtonShown(int button);

// The panel from the keyboard: the arrow keys move the focus to the nearest shown button in
// their direction, as the buttons sit on the screen (nearer in the arrow's direction first,
// then less off its line). At the panel's edge, and from a button not shown, the focus stays.
enum class PanelDirection { kLeft, kRight, kUp, kDown };
int NeighbourKeyButton(int button, PanelDirection direction);
// The button the Tab key reaches the panel at first: the top left key.
inline constexpr int kFirstPanelFocusButton = 67;

}  // namespace tolvane::gui
