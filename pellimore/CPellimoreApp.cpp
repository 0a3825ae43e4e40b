#include "pellimore/CPellimoreApp.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>

#include "pellimore/Artwork.h"
#include "pellimore/CPellimoreDlg.h"
#include "pellimore/CommandLine.h"

namespace pellimore {

namespace {

// libvaskor's switch to its own virtual keyboard, read at the library's first search for the
// keyboard: set before the dialog opens the interface. (Windows has no empty variables: there
// the switch takes effect only with a state file.)
constexpr const char* kVirtualKeyboardVariable = "VASKOR_VIRTUAL_KEYBOARD";

}  // namespace

void CPellimoreApp::Initialise() {
    QCoreApplication::setOrganizationName(kSettingsOrganisation);
    QCoreApplication::setApplicationName(kApplicationName);
    QGuiApplication::setDesktopFileName(kDesktopEntryName);
    QApplication::setWindowIcon(ProgramIcon());
}

int CPellimoreApp::Run(int argc, char** argv) {
    QApplication application(argc, argv);
    Initialise();

    // The application object has taken its own options out of argv; the state file's name
    // stays in the system's encoding, as the library reads it from the environment.
    const CommandLine line = ParseCommandLine({argv + std::min(argc, 1), argv + argc});
    if (line.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!line.error.empty()) {
        std::fprintf(stderr, "pellimore: %s\n%s", line.error.c_str(), kUsage);
        return 2;
    }
    if (line.virtualKeyboard) {
        qputenv(kVirtualKeyboardVariable, QByteArray::fromStdString(line.stateFile));
    }

    CPellimoreDlg dialog;
    dialog.exec();
    return 0;
}

}  // namespace pellimore
