#include "app/DialogCommands.h"

namespace tolvane::gui {

// The dialogs arrive with their own windows; until then the commands open nothing.
void RunCardReaderDialog(QWidget*, KeyboardImage&, const LanguageState&) {}

void RunKeyboardOptionsDialog(QWidget*, KeyboardImage&, const LanguageState&) {}

bool RunKeyDialogForButton(QWidget*, KeyboardImage&, const LanguageState&, int) {
    return false;
}

}  // namespace tolvane::gui
