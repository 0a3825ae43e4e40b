// Running the key programming dialog on Windows, for a button of the panel or a part of a
// card track. The user key groups are program-wide and every dialog reloads them from their
// file, so whoever runs one says where the program's files are.
#pragma once

#include <windows.h>

#include "tolvane/app/FileLocations.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/keyprog/KeyPadSession.h"

namespace tolvane::gui::win32 {

// The dialog for button 1..84 on the current layer; true when it ended with OK, so the
// button's caption must be refreshed. Cancel leaves the button as it was.
bool RunKeyDialogForButton(HWND owner, KeyboardImage& image, InterfaceLanguage language,
                           const FileLocations& locations, int button);

// The dialog for the prefix or suffix of card track 0..2; true when it ended with OK (see
// the card reader settings' FinishPartEdit for what the opener does then).
bool RunKeyDialogForTrackPart(HWND owner, KeyboardImage& image, InterfaceLanguage language,
                              const FileLocations& locations, int trackIndex, TrackPart part);

}  // namespace tolvane::gui::win32
