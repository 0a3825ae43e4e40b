#include "gui/win32/CTolvaneApp.h"

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shellapi.h>

#include <memory>

#include "gui/model/CommandLine.h"
#include "gui/model/VirtualKeyboardRig.h"
#include "gui/win32/Artwork.h"
#include "gui/win32/CTolvaneDlg.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"
#include "tolvane/app/FileLocations.h"

namespace tolvane::gui::win32 {

void CTolvaneApp::Initialise() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    ::LoadLibraryW(L"riched20.dll");  // the key information box's class
}

ProgramSetup CTolvaneApp::SetupForProgramFile() {
    std::wstring file(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
        if (length < file.size()) {
            file.resize(length);
            break;
        }
        file.resize(file.size() * 2);
    }
    ProgramSetup setup;
    setup.programFolder = std::filesystem::path(file).parent_path();
    setup.userConfigFolder = UserConfigFolder();
    return setup;
}

std::vector<std::string> ProgramArguments() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int index = 1; index < count; ++index) {
        utf8.push_back(Utf8(arguments[index]));
    }
    ::LocalFree(arguments);
    return utf8;
}

void RunMessageLoop(CTolvaneDlg& window) {
    MSG message;
    while (!window.Closed() && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.PreTranslateMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

void PumpWaitingMessages(CTolvaneDlg& window) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        if (window.Closed() || !window.PreTranslateMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

int CTolvaneApp::Run() {
    Initialise();
    const ArtworkSession artwork;
    const CommandLine line = ParseCommandLine(ProgramArguments());
    if (line.help || !line.error.empty()) {
        // A windowed program has no console to print to.
        const std::string text =
            (line.error.empty() ? "" : line.error + "\n\n") + kCommandLineUsage;
        ::MessageBoxW(nullptr, Wide(text).c_str(), MessageCaption().c_str(),
                      MB_OK | (line.help ? MB_ICONINFORMATION : MB_ICONWARNING));
        return line.help ? 0 : 2;
    }
    std::unique_ptr<VirtualKeyboardRig> virtualKeyboard;
    if (line.virtualKeyboard) {
        virtualKeyboard = std::make_unique<VirtualKeyboardRig>(line.stateFile);
    }
    ProgramSetup setup = SetupForProgramFile();
    setup.virtualKeyboard = virtualKeyboard.get();

    // One image for the whole program, on the heap: it is over a megabyte.
    auto image = std::make_unique<KeyboardImage>();
    LanguageState language;
    CTolvaneDlg window(*image, language, std::move(setup));
    if (!window.Create()) {
        return 1;
    }
    if (!line.dataFile.empty()) {
        window.OpenDataFile(Wide(line.dataFile));
    }
    RunMessageLoop(window);
    return 0;
}

}  // namespace tolvane::gui::win32
