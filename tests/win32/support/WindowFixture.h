// The real main window on the virtual keyboard, under wine with a virtual display: made in a
// temporary program folder, driven by command numbers and window messages, answered through
// the scripted prompter, and read back through the window APIs.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "gui/model/VirtualKeyboardRig.h"
#include "gui/win32/CTolvaneDlg.h"
#include "tests/win32/support/ScriptedPrompter.h"

namespace tolvane::testing {

// The text a window shows.
std::wstring WindowText(HWND window);
// The title of a pop-up's first item of a menu bar, and the number of its pop-ups.
std::wstring MenuTitle(HMENU bar, int position);

// The colour at a point of a window as the screen shows it, after the window has drawn.
COLORREF ScreenPixel(HWND window, int x, int y);

// Prints the window, as it is on the screen, into build/windows/screenshots/<name>.png.
void SaveScreenshot(HWND window, const std::string& name);

// Runs pump, which handles the messages waiting, each time the thread is woken until the
// condition holds; false after the time-out.
bool PumpUntil(const std::function<void()>& pump, const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

class WindowFixture : public ::testing::Test {
  protected:
    WindowFixture();
    ~WindowFixture() override;

    // Makes (or makes again, as a restart does) the main window over the same folder.
    void StartWindow();
    // Handles the window's messages until the condition holds; false after the time-out.
    bool PumpUntil(const std::function<bool()>& condition,
                   std::chrono::milliseconds timeout = std::chrono::seconds(20));
    void Pump();
    void Command(int id);
    // The pointer's messages as the thread would receive them, through the pre-translation.
    void MoveOver(HWND control);
    void RightClick(HWND control);

    std::filesystem::path folder_;
    std::unique_ptr<gui::VirtualKeyboardRig> keyboard_;
    std::unique_ptr<KeyboardImage> image_ = std::make_unique<KeyboardImage>();
    LanguageState language_;
    ScriptedWin32Prompter prompter_;
    std::unique_ptr<gui::win32::CTolvaneDlg> window_;
};

}  // namespace tolvane::testing
