// A dialog made by the dialog manager from an in-memory template, run modally through the
// prompter (so tests can answer it) or made modeless (so tests can drive it by messages).
// A derived dialog gives its template, sets itself up when the window is made, and handles
// its messages; OK, Cancel and the close box end it through End.
#pragma once

#include <windows.h>

#include <optional>

#include "gui/win32/DialogTemplate.h"

namespace tolvane::gui::win32 {

class TemplateDialog {
  public:
    TemplateDialog() = default;
    virtual ~TemplateDialog();
    TemplateDialog(const TemplateDialog&) = delete;
    TemplateDialog& operator=(const TemplateDialog&) = delete;

    // Runs the dialog modally over the owner, through the prompter; IDOK or IDCANCEL.
    INT_PTR DoModal(HWND owner);
    // Makes the dialog modeless; false when it could not be made.
    bool Create(HWND owner);
    HWND Window() const { return window_; }
    // Set once End has ended the dialog: IDOK or IDCANCEL; 0 before.
    INT_PTR Result() const { return result_; }

  protected:
    virtual DialogTemplate Template() const = 0;
    virtual void OnInitDialog() = 0;
    // The dialog procedure's answer to a message it handles, nothing for one it leaves to the
    // dialog manager; the close box ends the dialog with IDCANCEL unless handled here.
    virtual std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    void End(INT_PTR result);

    HWND window_ = nullptr;

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    INT_PTR result_ = 0;
    bool modal_ = false;
};

}  // namespace tolvane::gui::win32
