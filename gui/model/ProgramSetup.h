// What the program hands its main window at start-up: where its own files live and, in
// demo mode, the virtual keyboard. Tests hand in a temporary folder instead.
#pragma once

#include <filesystem>
#include <vector>

namespace tolvane::gui {

class VirtualKeyboardRig;

struct ProgramSetup {
    // The folder of the program file: the settings file and the manual are looked for here.
    std::filesystem::path programFolder;
    // The per-user folder for the program's files when the program's folder takes none.
    std::filesystem::path userConfigFolder;
    // Where the backup taken before every write is kept (tolvane/files/Backups.h).
    std::filesystem::path backupFolder;
    // Further folders where an installed copy keeps the user manual.
    std::vector<std::filesystem::path> documentationFolders;
    // The virtual keyboard the program runs on, or null for the system's keyboards.
    VirtualKeyboardRig* virtualKeyboard = nullptr;
};

}  // namespace tolvane::gui
