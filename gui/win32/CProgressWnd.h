// The small window that follows a transfer: a title carrying the percentage done, a text of
// up to three lines and a smooth bar. It is no dialog resource: it registers its own class,
// lays its children out from the text size, makes itself modal over the main window and
// opens where the user last left it (HKEY_CURRENT_USER, section "Settings", "X" and "Y").
//
// Escape hides and closes it; the transfer goes on, and the main window stays disabled until
// the owner destroys this object at the end of the transfer.
#pragma once

#include <windows.h>

#include <string>

namespace tolvane::gui::win32 {

class CProgressWnd {
  public:
    CProgressWnd(const std::wstring& title, HWND mainWindow);
    ~CProgressWnd();  // saves the position, enables the main window again
    CProgressWnd(const CProgressWnd&) = delete;
    CProgressWnd& operator=(const CProgressWnd&) = delete;

    void GoModal();
    void SetRange(int lower, int upper);
    void SetStep(int step);
    void SetText(const std::wstring& text);
    // Returns the bar's previous position. Once closed, only the value is kept.
    int SetPos(int value);
    // What Escape does: hide, close, give the main window the foreground.
    void Cancel();
    // Takes the focus while modal, as the window's message pump does before each poll.
    void TakeFocus();

    HWND Window() const { return window_; }
    bool Exists() const { return window_ != nullptr && ::IsWindow(window_); }
    bool Cancelled() const { return stopRequested_; }
    int Position() const { return position_; }

  private:
    bool Create();
    void LayOut();
    void RestorePosition();
    void SavePosition();
    void ShowWithoutActivating();
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND mainWindow_;
    HWND window_ = nullptr;
    HWND text_ = nullptr;
    HWND bar_ = nullptr;
    HFONT font_ = nullptr;
    std::wstring title_;
    bool stopRequested_ = false;
    bool modalFlag_ = false;
    bool keepsPosition_ = true;
    int position_ = 0;
    int lastPercent_ = 0;
    int step_ = 1;
    int lower_ = 0;
    int upper_ = 100;
    int lineCount_ = 3;
};

}  // namespace tolvane::gui::win32
