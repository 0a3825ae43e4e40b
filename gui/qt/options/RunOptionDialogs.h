// The device option dialogs as the main window's commands run them, modally.
#pragma once

#include <QWidget>

#include "tolvane/app/FileLocations.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane::gui {

// The card reader settings dialog; every change it makes is already in the image. Its key
// programming dialogs read the user key groups from `locations`.
void RunCardReaderDialog(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language,
                         const FileLocations& locations);

// The keyboard options dialog; the sound box and the country code are in the image at once,
// the repeat box and the sound scope only after OK.
void RunKeyboardOptionsDialog(QWidget* mainWindow, KeyboardImage& image,
                              const LanguageState& language);

}  // namespace tolvane::gui
