#include "pellimore/win32/CPellimoreApp.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

#include "gui/model/VirtualKeyboardRig.h"
#include "gui/win32/Artwork.h"
#include "gui/win32/CTolvaneApp.h"
#include "gui/win32/Wide.h"
#include "pellimore/CommandLine.h"
#include "pellimore/PellimoreTexts.h"
#include "pellimore/win32/CPellimoreDlg.h"

namespace pellimore::win32 {

namespace {

using tolvane::gui::win32::Wide;

// A windowed program has a console only when it was started from one that passed its output
// on (a shell under wine, a redirection): the usage goes there, else into a box.
void Tell(const std::string& text, bool failure) {
    const HANDLE output = ::GetStdHandle(failure ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE) {
        std::fputs(text.c_str(), failure ? stderr : stdout);
        std::fflush(failure ? stderr : stdout);
        return;
    }
    ::MessageBoxW(nullptr, Wide(text).c_str(), Wide(texts::kCaption).c_str(),
                  MB_OK | (failure ? MB_ICONWARNING : MB_ICONINFORMATION));
}

}  // namespace

void CPellimoreApp::Initialise() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
}

void RunMessageLoop(const CPellimoreDlg& window) {
    MSG message;
    while (!window.Closed() && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.Closed() || !::IsDialogMessageW(window.Window(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

int CPellimoreApp::Run() {
    const CommandLine line = ParseCommandLine(tolvane::gui::win32::ProgramArguments());
    if (line.help) {
        Tell(kUsage, false);
        return 0;
    }
    if (!line.error.empty()) {
        Tell("pellimore: " + line.error + "\n" + kUsage, true);
        return 2;
    }
    Initialise();
    const tolvane::gui::win32::ArtworkSession artwork;
    // The virtual keyboard sits on the process's bus, which the library's search uses: with or
    // without a state file, which the library's own switch cannot take empty on Windows.
    std::unique_ptr<tolvane::gui::VirtualKeyboardRig> virtualKeyboard;
    if (line.virtualKeyboard) {
        virtualKeyboard = std::make_unique<tolvane::gui::VirtualKeyboardRig>(line.stateFile);
    }
    CPellimoreDlg window;  // goes before the virtual keyboard: its interface stops first
    if (!window.Open()) {
        return 1;
    }
    RunMessageLoop(window);
    return 0;
}

}  // namespace pellimore::win32
