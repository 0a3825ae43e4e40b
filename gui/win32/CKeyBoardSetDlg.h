// The keyboard options dialog, 142, on Windows: made by the dialog manager from gui/model's
// control and caption tables, a thin view over the core's KeyboardSettings, which says what
// is written at once (the sound box, the country code) and what only on OK (the repeat box,
// the scope). OK with neither scope radio selected shows the range message and keeps the
// dialog open.
#pragma once

#include <windows.h>

#include "gui/win32/DialogFontCharset.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/options/KeyboardSettings.h"

namespace tolvane::gui::win32 {

class CKeyBoardSetDlg {
  public:
    CKeyBoardSetDlg(KeyboardImage& image, InterfaceLanguage language);
    ~CKeyBoardSetDlg();
    CKeyBoardSetDlg(const CKeyBoardSetDlg&) = delete;
    CKeyBoardSetDlg& operator=(const CKeyBoardSetDlg&) = delete;

    // Runs the dialog modally over the owner, through the prompter; IDOK or IDCANCEL.
    INT_PTR DoModal(HWND owner);

    // Makes the dialog modeless (tests drive it by messages); false on failure.
    bool Create(HWND owner);
    HWND Window() const { return window_; }
    // Set once OK or Cancel has ended the dialog: IDOK or IDCANCEL; 0 before.
    INT_PTR Result() const { return result_; }

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam);
    void OnInitDialog();
    void OnCommand(int id, int code);
    void OnOk();
    void ShowSettings();
    void End(INT_PTR result);

    KeyboardSettings settings_;
    const InterfaceLanguage language_;
    DialogFontCharset font_;  // before window_: the controls go before their font
    HWND window_ = nullptr;
    INT_PTR result_ = 0;
    bool modal_ = false;
};

}  // namespace tolvane::gui::win32
