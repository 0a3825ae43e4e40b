#include "gui/model/EditSession.h"

#include <utility>

#include "gui/model/Shortcuts.h"

namespace tolvane::gui {

namespace {

EditCommandState CommandState(const StepName* next, TextId plain, TextId named, Command command,
                              InterfaceLanguage language, bool transferRunning) {
    EditCommandState state;
    state.enabled = next != nullptr && !transferRunning;
    state.toolTip = next != nullptr ? FillIn(Text(named, language), {StepText(*next, language)})
                                    : std::string(Text(plain, language));
    state.menuText = state.toolTip + "\t" + ShortcutLabel(command);
    return state;
}

}  // namespace

EditSession::EditSession(const KeyboardProgramming& start) : history_(start), clean_(start) {}

bool EditSession::Record(StepName name, const KeyboardProgramming& now,
                         const LegendLabels& labels) {
    return history_.Record(std::move(name), now, labels);
}

void EditSession::MarkFile(const KeyboardProgramming& now, std::string fileName) {
    clean_ = now;
    cleanLabels_ = history_.CurrentLabels();
    fileName_ = std::move(fileName);
}

void EditSession::MarkKeyboard(const KeyboardProgramming& now) {
    clean_ = now;
}

bool EditSession::MustAskBefore(Command command, const KeyboardProgramming& now) const {
    switch (command) {
        case Command::kQuit:
        case Command::kNew:
        case Command::kOpen:
            return HasUnsavedChanges(now);
        case Command::kRead:
            return now != clean_;
        default:
            return false;
    }
}

std::string EditSession::Title(const KeyboardProgramming& now) const {
    std::string title = kProgramTitle;
    if (fileName_) {
        title += " - " + *fileName_;
    }
    if (HasUnsavedChanges(now)) {
        title += "*";
    }
    return title;
}

EditCommandState EditSession::UndoState(InterfaceLanguage language, bool transferRunning) const {
    return CommandState(history_.NextUndo(), TextId::kMenuUndo, TextId::kUndoStep, Command::kUndo,
                        language, transferRunning);
}

EditCommandState EditSession::RedoState(InterfaceLanguage language, bool transferRunning) const {
    return CommandState(history_.NextRedo(), TextId::kMenuRedo, TextId::kRedoStep, Command::kRedo,
                        language, transferRunning);
}

}  // namespace tolvane::gui
