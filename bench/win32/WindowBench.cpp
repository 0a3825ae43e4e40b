// Measures tolvane.exe's main window under wine or Windows (run by scripts/bench-windows.sh):
//   - start-up: from nothing to the main window shown and its thread idle, against a bare
//     dialog of the same size made the same way in the same run (target: at most 1.5 times);
//   - the longest the window's thread is busy with one message during a full write of the
//     example layout to the virtual keyboard (target: at most 16 ms).
// Each start-up is taken several times and the median reported.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "examples/TillLayout.h"
#include "gui/model/MainWindowLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/VirtualKeyboardRig.h"
#include "gui/win32/Artwork.h"
#include "gui/win32/CTolvaneApp.h"
#include "gui/win32/CTolvaneDlg.h"
#include "gui/win32/DialogTemplate.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Prompter.h"

using namespace tolvane;
using namespace tolvane::gui::win32;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 7;

// Answers the outcome message at once, as a user's OK would.
class SilentPrompter final : public Prompter {
  public:
    void Inform(HWND, const std::wstring&, const std::wstring&, UINT) override { ++messages; }
    bool AskYesNo(HWND, const std::wstring&, const std::wstring&) override { return true; }
    gui::UnsavedChangesAnswer AskSaveDiscardCancel(HWND, const std::wstring&,
                                                   const std::wstring&) override {
        return gui::UnsavedChangesAnswer::kDiscard;
    }
    int PopUp(HWND, HMENU, POINT) override { return 0; }
    INT_PTR RunModal(HWND, const DLGTEMPLATE*, DLGPROC) override { return IDOK; }
    std::wstring OpenFileName(HWND, const std::wstring&, const std::wstring&) override {
        return {};
    }
    std::wstring SaveFileName(HWND, const std::wstring&, const std::wstring&,
                              const std::wstring&) override {
        return {};
    }
    bool OpenDocument(HWND, const std::wstring&) override { return true; }
    int messages = 0;
};

UINT longestMessage = 0;

// Handles every message waiting; the longest single dispatch is kept.
double DrainMessages(CTolvaneDlg* window) {
    double longest = 0;
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        const auto start = Clock::now();
        if (window == nullptr || !window->PreTranslateMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        const double took = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (took > longest) {
            longest = took;
            longestMessage = message.message;
        }
    }
    return longest;
}

INT_PTR CALLBACK BareProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

double BareDialogStart() {
    const auto start = Clock::now();
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                          gui::kMainWindowClient, L"MZR-40", kDialogFontFace, kDialogFontPoints);
    dialog.AddControl(ControlClass::kButton, WS_VISIBLE | BS_PUSHBUTTON, {10, 10, 50, 14}, IDOK,
                      L"OK");
    const HWND window = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(),
                                                     nullptr, &BareProcedure, 0);
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    DrainMessages(nullptr);
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    ::DestroyWindow(window);
    DrainMessages(nullptr);
    return elapsed;
}

double MainWindowStart(const std::filesystem::path& folder, gui::VirtualKeyboardRig& keyboard) {
    const auto start = Clock::now();
    auto image = std::make_unique<KeyboardImage>();
    LanguageState language;
    gui::ProgramSetup setup;
    setup.programFolder = folder;
    setup.userConfigFolder = folder / "user";
    setup.virtualKeyboard = &keyboard;
    {
        CTolvaneDlg window(*image, language, setup);
        window.Create();
        DrainMessages(&window);
        const double elapsed =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        return elapsed;
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double LongestStallDuringWrite(const std::filesystem::path& folder,
                               gui::VirtualKeyboardRig& keyboard, SilentPrompter& prompter,
                               double& writeSeconds) {
    auto image = std::make_unique<KeyboardImage>();
    LanguageState language;
    gui::ProgramSetup setup;
    setup.programFolder = folder;
    setup.userConfigFolder = folder / "user";
    setup.virtualKeyboard = &keyboard;
    CTolvaneDlg window(*image, language, setup);
    window.Create();
    DrainMessages(&window);
    examples::BuildTillLayout(*image);
    const auto start = Clock::now();
    window.OnCommand(gui::ids::kCnWrite);
    double longest = 0;
    const int before = prompter.messages;
    while (window.TransferRunning() || prompter.messages == before) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        longest = std::max(longest, DrainMessages(&window));
    }
    writeSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    return longest;
}

}  // namespace

int main() {
    CTolvaneApp::Initialise();
    const ArtworkSession artwork;
    SilentPrompter prompter;
    SetPrompter(&prompter);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("tolvane-bench-" + std::to_string(::GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "sysInfo.ini", std::ios::binary) << "Chinese";
    gui::VirtualKeyboardRig keyboard((folder / "keyboard.state").string());

    BareDialogStart();  // the first window of a process pays for the system's own start
    std::vector<double> bare;
    std::vector<double> main;
    for (int run = 0; run < kRuns; ++run) {
        bare.push_back(BareDialogStart());
        main.push_back(MainWindowStart(folder, keyboard));
    }
    const double bareMedian = Median(bare);
    const double mainMedian = Median(main);
    std::printf(
        "start-up to the window shown and idle (median of %d): bare dialog %.1f ms, "
        "main window %.1f ms, ratio %.2f (target <= 1.5)\n",
        kRuns, bareMedian, mainMedian, mainMedian / bareMedian);
    double writeSeconds = 0;
    const double stall = LongestStallDuringWrite(folder, keyboard, prompter, writeSeconds);
    std::printf(
        "full write of the example layout: %.1f s; longest message on the window's "
        "thread %.1f ms (message 0x%04x; target <= 16)\n",
        writeSeconds, stall, longestMessage);
    SetPrompter(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
