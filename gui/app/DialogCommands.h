// The dialogs the main window runs for its commands and buttons. Each is reached through
// one function here, so the window and the dialogs meet in one place.
#pragma once

#include <QWidget>

#include "app/LanguageState.h"
#include "image/KeyboardImage.h"

namespace tolvane::gui {

// The card reader settings dialog; every change it makes is already in the image.
void RunCardReaderDialog(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language);

// The keyboard options dialog.
void RunKeyboardOptionsDialog(QWidget* mainWindow, KeyboardImage& image,
                              const LanguageState& language);

// The key programming dialog for button 1..84 on the current layer; true when it ended
// with OK, so the button's caption must be refreshed.
bool RunKeyDialogForButton(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language,
                           int button);

}  // namespace tolvane::gui
