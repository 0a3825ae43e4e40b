// The names of the window's undo steps: each change of the programming is one step, named
// after the command that made it, in the interface language at the moment it is shown.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tolvane/app/TextTable.h"

namespace tolvane::gui {

enum class EditStep : std::uint8_t {
    kKeyProgramming,  // the key programming dialog of a button; argument: the button
    kCardReaderSettings,
    kKeyboardSettings,
    kDeleteCurrentLayer,
    kDeleteAllLayers,
    kButtonLayerSet,
    kPaste,
    kClearAllSettings,
    kNew,
    kOpen,  // argument: the file's name
    kReadKeyboard,
    kMoveButton,  // arguments: the button dragged and the one it was dropped on
    kCopyButton,
    kSwapButtons,
    kLegendLabel,    // argument: the button
    kRestoreBackup,  // argument: the backup's file name
};

struct StepName {
    StepName(EditStep kind = EditStep::kNew, std::vector<std::string> values = {})
        : step(kind), arguments(std::move(values)) {}

    EditStep step;
    std::vector<std::string> arguments;  // in place of %1, %2 of the step's text

    bool operator==(const StepName&) const = default;
};

// "Delete all layer data", "Open till.dat", "Move button 5 to 12".
std::string StepText(const StepName& name, InterfaceLanguage language);

}  // namespace tolvane::gui
