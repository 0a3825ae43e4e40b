// The main window's toolbar: a common-controls toolbar whose buttons come from gui/model's
// toolbar table, each with its label under its picture, and three true-colour image lists
// (normal, hot, disabled) from the program's artwork.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <commctrl.h>

#include <string>

#include "tolvane/app/TextTable.h"

namespace tolvane::gui::win32 {

class Toolbar {
  public:
    explicit Toolbar(HWND parent);
    ~Toolbar();
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    // Puts the buttons of this language's toolbar (180 or 175) and its image strips.
    void Load(InterfaceLanguage language);
    void EnableButton(int id, bool enabled);

    HWND Window() const { return window_; }
    int Height() const;
    // The toolbar resource the buttons came from, and the number of buttons on it.
    int LoadedId() const { return loadedId_; }
    int ButtonCount() const;
    bool HasButton(int id) const;
    bool IsButtonEnabled(int id) const;
    std::wstring ButtonText(int id) const;

  private:
    void RemoveButtons();
    void SetImageLists(InterfaceLanguage language);

    HWND window_ = nullptr;
    HIMAGELIST normal_ = nullptr;
    HIMAGELIST hot_ = nullptr;
    HIMAGELIST disabled_ = nullptr;
    int loadedId_ = 0;
};

}  // namespace tolvane::gui::win32
