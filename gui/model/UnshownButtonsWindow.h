// The window that lists the buttons no key of the panel shows, in dialog units, and what its
// rows say: each button's number and every layer's text. A double click programs the button
// on the current layer; a right click opens the panel's button menu for it.
#pragma once

#include <array>
#include <span>
#include <string>

#include "gui/kit/DialogUnits.h"
#include "tolvane/app/ButtonPanel.h"

namespace tolvane::gui {

inline constexpr DialogRect kUnshownButtonsClient{0, 0, 400, 200};

// The hint, the list and the Close button.
std::span<const ControlPlace> UnshownButtonsControls();

// The list's columns: the button, then layers 1 to 6; widths in pixels.
inline constexpr int kUnshownButtonsColumns = 1 + LayerCount;
inline constexpr int kUnshownButtonColumnWidth = 60;
inline constexpr int kUnshownLayerColumnWidth = 95;

// The column titles in the language: "Button", "Layer1" .. "Layer6".
std::array<std::string, kUnshownButtonsColumns> UnshownButtonsTitles(InterfaceLanguage language);
std::array<std::string, kUnshownButtonsColumns> UnshownButtonsCells(const UnshownButtonRow& row);

}  // namespace tolvane::gui
