// Copying what buttons of the panel type from one button to another: the context menu's
// Copy button, Copy this layer and Paste, and what dropping a dragged button does.
//
// The clipboard lives in the program, not in the desktop's clipboard: a button's programming
// means nothing to another program, copying between two layouts goes through their files,
// and a private clipboard format would be one more untrusted input to parse. It holds one
// copy at a time, which a paste does not use up.
#pragma once

#include <optional>

#include "tolvane/app/ButtonPanel.h"
#include "tolvane/image/KeyboardProgramming.h"

namespace tolvane {

class ButtonClipboard {
  public:
    // All six layers of a button, or the current layer alone. Nothing is copied from a
    // button outside 1..84.
    void CopyButton(const KeyboardImage& image, int button);
    void CopyLayer(const KeyboardImage& image, int button);

    bool HasContent() const { return copiedButton_.has_value() || copiedLayer_.has_value(); }

    // Onto a button: the six layers copied, or the copied layer onto the current layer. A
    // layer pasted onto a layer-key button empties its six layers first, as the key
    // programming dialog does: a layer key occupies all of them.
    TouchedButtons Paste(KeyboardImage& image, int button) const;

  private:
    std::optional<ButtonProgramming> copiedButton_;
    std::optional<LayerProgramming> copiedLayer_;
};

// A button dragged onto another: moved (the dragged one is emptied), copied, or the two
// swapped.
enum class DropAction { kMove, kCopy, kSwap };

// Ctrl held copies, Shift held swaps (Shift wins when both are), else the button moves.
DropAction DropActionFor(bool ctrlHeld, bool shiftHeld);

// All six layers go; nothing happens when the two are the same button or either is outside
// 1..84.
TouchedButtons DropButton(KeyboardImage& image, int dragged, int target, DropAction action);

}  // namespace tolvane
