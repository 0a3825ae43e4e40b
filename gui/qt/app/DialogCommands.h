// The dialogs the main window runs for its commands and buttons. Each is reached through
// one function here, so the window and the dialogs meet in one place.
#pragma once

#include <QWidget>

#include "tolvane/app/FileLocations.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/keyprog/KeyPadSession.h"

namespace tolvane::gui {

// The card reader settings dialog; every change it makes is already in the image.
void RunCardReaderDialog(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language);

// The keyboard options dialog; the sound box and the country code are in the image at once,
// the repeat box and the sound scope only after OK.
void RunKeyboardOptionsDialog(QWidget* mainWindow, KeyboardImage& image,
                              const LanguageState& language);

// The key programming dialog for button 1..84 on the current layer; true when it ended
// with OK, so the button's caption must be refreshed. Cancel leaves the button as it was.
bool RunKeyDialogForButton(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language,
                           int button);

// The key programming dialog for the prefix or suffix of card track 0..2; true when it
// ended with OK. The part is then in the track; when the track's editCount is 0 the part
// was confirmed empty, and the card reader dialog clears it (shift and key 0). A "Delete
// all" sets the part to no shift and key 1 at once, even if the dialog is then cancelled.
bool RunKeyDialogForTrackPart(QWidget* parent, KeyboardImage& image, const LanguageState& language,
                              int trackIndex, TrackPart part);

// The user key groups are program-wide and every key programming dialog reloads them from
// their file: the main window says at start-up where the program's files are. Until then
// the rules apply to the running program's folder and the user's configuration folder.
void SetKeyDialogFileLocations(const FileLocations& locations);

}  // namespace tolvane::gui
