#include "gui/model/ButtonMenuEdits.h"

#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

std::optional<ButtonMenuEdit> ApplyButtonMenuEdit(KeyboardImage& image, int button, int commandId,
                                                  const std::function<int()>& chooseLayerEntry) {
    switch (commandId) {
        case ids::kContextDeleteCurrentLayer:
            return ButtonMenuEdit{DeleteCurrentLayer(image, button), EditStep::kDeleteCurrentLayer};
        case ids::kContextDeleteAllLayers:
            return ButtonMenuEdit{DeleteAllLayers(image, button), EditStep::kDeleteAllLayers};
        case ids::kContextButtonLayerSet:
            return ButtonMenuEdit{MakeLayerKey(image, button, LayerKeyOfEntry(chooseLayerEntry())),
                                  EditStep::kButtonLayerSet};
        default:
            return std::nullopt;
    }
}

KeyCode LayerKeyOfEntry(int chosenId) {
    return chosenId == 0 ? KeyCode{0} : static_cast<KeyCode>((chosenId + 8) % 256);
}

}  // namespace tolvane::gui
