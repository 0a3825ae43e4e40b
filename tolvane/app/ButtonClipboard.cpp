#include "tolvane/app/ButtonClipboard.h"

namespace tolvane {

void ButtonClipboard::CopyButton(const KeyboardImage& image, int button) {
    if (IsValidButton(button)) {
        copiedButton_ = image.TakeButton(button);
        copiedLayer_.reset();
    }
}

void ButtonClipboard::CopyLayer(const KeyboardImage& image, int button) {
    const int layer = image.selection.currentLayer;
    if (IsValidButton(button) && IsValidLayer(layer)) {
        copiedLayer_ = image.TakeButton(button).Layer(layer);
        copiedButton_.reset();
    }
}

TouchedButtons ButtonClipboard::Paste(KeyboardImage& image, int button) const {
    const int layer = image.selection.currentLayer;
    if (!IsValidButton(button) || !IsValidLayer(layer) || !HasContent()) {
        return {};
    }
    if (copiedButton_) {
        image.RestoreButton(button, *copiedButton_);
        return {button};
    }
    if (image.StartsWithLayerKey(button, layer)) {
        image.RestoreButton(button, ButtonProgramming{});
    }
    image.RestoreLayer(button, layer, *copiedLayer_);
    return {button};
}

DropAction DropActionFor(bool ctrlHeld, bool shiftHeld) {
    if (shiftHeld) {
        return DropAction::kSwap;
    }
    return ctrlHeld ? DropAction::kCopy : DropAction::kMove;
}

TouchedButtons DropButton(KeyboardImage& image, int dragged, int target, DropAction action) {
    if (!IsValidButton(dragged) || !IsValidButton(target) || dragged == target) {
        return {};
    }
    const ButtonProgramming draggedProgramming = image.TakeButton(dragged);
    switch (action) {
        case DropAction::kMove:
            image.RestoreButton(dragged, ButtonProgramming{});
            break;
        case DropAction::kSwap:
            image.RestoreButton(dragged, image.TakeButton(target));
            break;
        case DropAction::kCopy:
            break;
    }
    image.RestoreButton(target, draggedProgramming);
    return {dragged, target};
}

}  // namespace tolvane
