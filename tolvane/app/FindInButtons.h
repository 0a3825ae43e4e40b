// Find over the whole programming: every layer of every button whose keys hold a key name
// or type a text, so "which button types F5" is one question, not six layers of hovering.
//
// A query matches a layer
// - by key names: when every part of it between "+" names a key (its plain or shifted name,
//   ASCII letters without case, or a special key's Chinese name) and the layer holds those
//   keys one after another ("F5", "LCtrl+LAlt+Delete", "静音");
// - by text: when what the layer types, under the latching Shift, contains the query, ASCII
//   letters without case ("cash" finds LShift c a s h LShift).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tolvane/image/KeyboardImage.h"

namespace tolvane {

struct FindHit {
    int button = 0;        // 1..84
    int layer = 0;         // 1..6
    std::string text;      // the layer's whole display text
    bool onPanel = false;  // whether the main window's panel shows the button

    friend bool operator==(const FindHit&, const FindHit&) = default;
};

// The layers that match, by button and then by layer; none for an empty query.
std::vector<FindHit> FindInButtons(const KeyboardImage& image, std::string_view query);

}  // namespace tolvane
