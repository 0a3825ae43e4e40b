#include "gui/qt/options/RunOptionDialogs.h"

#include "gui/qt/options/CKeyBoardSetDlg.h"
#include "gui/qt/options/CpellimoreDlg.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

void RunCardReaderDialog(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language,
                         const FileLocations& locations) {
    CpellimoreDlg dialog(image, language, locations, mainWindow);
    Prompts().RunModal(dialog);
}

void RunKeyboardOptionsDialog(QWidget* mainWindow, KeyboardImage& image,
                              const LanguageState& language) {
    CKeyBoardSetDlg dialog(image, language, mainWindow);
    Prompts().RunModal(dialog);
}

}  // namespace tolvane::gui
