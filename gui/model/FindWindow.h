// The Find window of the main window, in dialog units, and what its hit list shows: a key
// name or a text is typed into the line, every layer of every button that holds it is listed
// (button, layer, the layer's whole text), and choosing a hit shows its layer and frames its
// button on the panel.
#pragma once

#include <array>
#include <span>
#include <string>

#include "gui/kit/DialogUnits.h"
#include "tolvane/app/FindInButtons.h"
#include "tolvane/app/TextTable.h"

namespace tolvane::gui {

inline constexpr DialogRect kFindClient{0, 0, 280, 170};

// The prompt, the line, the hit list and the line that counts the hits.
std::span<const ControlPlace> FindControls();

struct FindColumn {
    TextId title;
    int width = 0;  // pixels, as the key dialog's lists
};
std::span<const FindColumn> FindHitColumns();

// A hit's row: the button's number (said when the panel does not show it), the layer's name
// and its whole text.
std::array<std::string, 3> FindHitRow(const FindHit& hit, InterfaceLanguage language);

// "3 found", "Nothing found", or nothing while the line is empty.
std::string FindCountText(std::size_t hits, bool queryEmpty, InterfaceLanguage language);

}  // namespace tolvane::gui
