// The card-reader tool's application object on Windows: registers the common controls, reads
// the command line, puts the virtual keyboard on the process's bus when asked, and runs the
// window until it closes.
#pragma once

namespace pellimore::win32 {

class CPellimoreDlg;

class CPellimoreApp {
  public:
    // The common controls the window needs; tests call it too.
    static void Initialise();
    // The whole program: returns the exit status.
    static int Run();
};

// Runs the window's messages, with the dialog manager's keys (Tab, Enter, Escape), until it
// closes.
void RunMessageLoop(const CPellimoreDlg& window);

}  // namespace pellimore::win32
