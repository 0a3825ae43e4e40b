// Running the key programming dialog, for a button of the panel or a part of a card track.
// The user key groups are program-wide and every dialog reloads them from their file, so
// whoever runs one says where the program's files are.
#pragma once

#include <QWidget>

#include "tolvane/app/FileLocations.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/keyprog/KeyPadSession.h"

namespace tolvane::gui {

// The dialog for button 1..84 on the current layer; true when it ended with OK, so the
// button's caption must be refreshed. Cancel leaves the button as it was.
bool RunKeyDialogForButton(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language,
                           const FileLocations& locations, int button);

// The dialog for the prefix or suffix of card track 0..2; true when it ended with OK. The
// part is then in the track; when the track's editCount is 0 the part was confirmed empty,
// and the card reader dialog clears it (shift and key 0). A "Delete all" sets the part to no
// shift and key 1 at once, even if the dialog is then cancelled.
bool RunKeyDialogForTrackPart(QWidget* parent, KeyboardImage& image, const LanguageState& language,
                              const FileLocations& locations, int trackIndex, TrackPart part);

}  // namespace tolvane::gui
