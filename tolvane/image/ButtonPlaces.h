// Where each of the 84 buttons sits on the keyboard, in the dialog units of the main
// window's button panel: 60 keys in a grid of 12 columns and 5 rows, six small keys in an
// arc beside the key-lock dial, and eighteen buttons the keyboard has but no key shows.
// The panel places its buttons with it and the legend sheets their keys.
#pragma once

namespace tolvane {

struct ButtonPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The place of button 1..84; the unshown buttons are parked under the panel's key
// information box, where they still take part in the panel's hit tests. Empty outside
// 1..84.
ButtonPlace PlaceOfButton(int button);

// Whether a key on the keyboard shows the button (66 of the 84 do).
bool IsButtonShown(int button);

}  // namespace tolvane
