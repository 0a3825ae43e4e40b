// The Windows program's application object: registers the common controls and the rich
// edit, reads the command line, and runs the main window until it closes.
#pragma once

#include <string>
#include <vector>

#include "gui/model/ProgramSetup.h"

namespace tolvane::gui::win32 {

class CTolvaneDlg;

class CTolvaneApp {
  public:
    // The common controls and the rich edit the windows need; tests call it too.
    static void Initialise();
    // The folders of a program started from this file: the settings file and the manual sit
    // beside it, the per-user folder takes what that folder cannot.
    static ProgramSetup SetupForProgramFile();
    // The whole program: returns the exit status.
    static int Run();
};

// Runs the window's messages, through its pre-translation, until it closes.
void RunMessageLoop(CTolvaneDlg& window);
// Handles the messages waiting for this thread, without blocking.
void PumpWaitingMessages(CTolvaneDlg& window);

// The program's arguments, in UTF-8, without the program's name.
std::vector<std::string> ProgramArguments();

}  // namespace tolvane::gui::win32
