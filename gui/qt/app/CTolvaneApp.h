// The desktop programmer's application object: names the program for its per-user
// settings, maps the design's fonts to installed ones, reads the command line, and runs the
// main window until it closes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvane::gui {

struct CommandLine {
    bool virtualKeyboard = false;
    std::string stateFile;  // with --virtual-keyboard=STATE
    std::string dataFile;   // loaded at start, as if opened with the Open command
    std::string error;      // set when the arguments could not be understood
    bool help = false;
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

class CTolvaneApp {
  public:
    // The per-user settings live under this organisation and the program's name.
    static constexpr const char* kSettingsOrganisation = "应用程序向导生成的本地应用程序";
    static constexpr const char* kApplicationName = "Tolvane";
    // The installed desktop entry (and icon) without ".desktop": lets Wayland desktops match
    // the window to its menu entry.
    static constexpr const char* kDesktopEntryName = "org.tolvane.Tolvane";

    // Sets the names and fonts of a fresh application object; tests call it too.
    static void Initialise();

    // The whole program: returns the exit status.
    static int Run(int argc, char** argv);
};

}  // namespace tolvane::gui
