// The desktop programmer's application object: names the program for its per-user
// settings, maps the design's fonts to installed ones, reads the command line, and runs the
// main window until it closes.
#pragma once

#include "gui/model/CommandLine.h"
#include "gui/model/MainWindowRules.h"

namespace tolvane::gui {

class CTolvaneApp {
  public:
    // The per-user settings live under this organisation and the program's name.
    static constexpr const char* kSettingsOrganisation = gui::kSettingsOrganisation;
    static constexpr const char* kApplicationName = gui::kApplicationName;
    // The installed desktop entry (and icon) without ".desktop": lets Wayland desktops match
    // the window to its menu entry.
    static constexpr const char* kDesktopEntryName = "org.tolvane.Tolvane";

    // Sets the names and fonts of a fresh application object; tests call it too.
    static void Initialise();

    // The whole program: returns the exit status.
    static int Run(int argc, char** argv);
};

}  // namespace tolvane::gui
