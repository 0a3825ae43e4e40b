// The button menu's commands that change the programming, once for every front end: what each
// does to the image and which undo step it is. Copy, paste and the legend label are not among
// them: they touch the window's clipboard or the labels, which each window holds itself.
#pragma once

#include <functional>
#include <optional>

#include "gui/model/EditSteps.h"
#include "tolvane/app/ButtonPanel.h"

namespace tolvane::gui {

struct ButtonMenuEdit {
    TouchedButtons touched;
    EditStep step;
};

// Carries out the command on the button. The layer submenu is asked only for "Button Layer
// Set"; it gives the id of the chosen entry, 0 when nothing was chosen. Empty when the
// command is not one of these.
std::optional<ButtonMenuEdit> ApplyButtonMenuEdit(KeyboardImage& image, int button, int commandId,
                                                  const std::function<int()>& chooseLayerEntry);

// The layer submenu: the code of an entry is its id plus 8, taken modulo 256 (11108 gives
// 0x6C, "Layer1"). Nothing chosen gives 0, which is no layer key.
KeyCode LayerKeyOfEntry(int chosenId);

}  // namespace tolvane::gui
