// The card-reader tool's application object: names the program, reads the command line,
// points libvaskor at its virtual keyboard when asked, and runs the dialog until it ends.
#pragma once

namespace pellimore {

class CPellimoreApp {
  public:
    // The program stores no settings; this is the key its settings would live under.
    static constexpr const char* kSettingsOrganisation = "Local AppWizard-Generated Applications";
    static constexpr const char* kApplicationName = "Pellimore";
    // The installed desktop entry (and icon) without ".desktop": lets Wayland desktops match
    // the window to its menu entry.
    static constexpr const char* kDesktopEntryName = "org.tolvane.Pellimore";

    // Sets the names of a fresh application object; tests call it too.
    static void Initialise();

    // The whole program: returns the exit status.
    static int Run(int argc, char** argv);
};

}  // namespace pellimore
