#include "gui/model/EditSteps.h"

#include <array>
#include <utility>

namespace tolvane::gui {

namespace {

// In the order of EditStep. The context menu's commands are named by their own items.
constexpr std::array<TextId, 16> kStepTexts = {
    TextId::kStepKeyProgramming,
    TextId::kStepCardReaderSettings,
    TextId::kStepKeyboardSettings,
    TextId::kMenuDeleteCurrentLayer,
    TextId::kMenuDeleteAllLayers,
    TextId::kMenuButtonLayerSet,
    TextId::kMenuPaste,
    TextId::kStepClearAllSettings,
    TextId::kStepNew,
    TextId::kStepOpen,
    TextId::kStepReadKeyboard,
    TextId::kStepMoveButton,
    TextId::kStepCopyButton,
    TextId::kStepSwapButtons,
    TextId::kStepLegendLabel,
    TextId::kStepRestoreBackup,
};
static_assert(kStepTexts.size() == static_cast<std::size_t>(EditStep::kRestoreBackup) + 1);

}  // namespace

std::string StepText(const StepName& name, InterfaceLanguage language) {
    const auto index = static_cast<std::size_t>(name.step);
    if (index >= kStepTexts.size()) {
        return {};
    }
    return FillIn(Text(kStepTexts[index], language), name.arguments);
}

}  // namespace tolvane::gui
