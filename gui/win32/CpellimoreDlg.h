// The card reader settings dialog, 143, on Windows: made by the dialog manager from gui/model's
// control and caption tables, a thin view over the core's CardReaderSettings, which writes
// every click into the image at once, so OK and Cancel both only close it. A character typed
// into a prefix or suffix edit sets that part; Delete and Backspace erase it.
#pragma once

#include <windows.h>

#include <optional>
#include <utility>

#include "gui/win32/DialogFontCharset.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/options/CardReaderSettings.h"

namespace tolvane::gui::win32 {

class CpellimoreDlg {
  public:
    CpellimoreDlg(KeyboardImage& image, InterfaceLanguage language);
    ~CpellimoreDlg();
    CpellimoreDlg(const CpellimoreDlg&) = delete;
    CpellimoreDlg& operator=(const CpellimoreDlg&) = delete;

    // Runs the dialog modally over the owner, through the prompter; IDOK or IDCANCEL.
    INT_PTR DoModal(HWND owner);
    // Makes the dialog modeless (tests drive it by messages); false on failure.
    bool Create(HWND owner);
    HWND Window() const { return window_; }
    // Set once OK or Cancel has ended the dialog: IDOK or IDCANCEL; 0 before.
    INT_PTR Result() const { return result_; }

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PartEditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR self);
    INT_PTR OnMessage(UINT message, WPARAM wParam);
    void OnInitDialog();
    void OnCommand(int id);
    // True when the key was the part's: a character sets it, Delete and Backspace erase it.
    bool OnPartKey(HWND edit, UINT message, WPARAM key);
    std::optional<std::pair<int, TrackPart>> PartOfEdit(HWND edit) const;
    void ShowRow(int track);
    void ShowPicture();
    void End(INT_PTR result);

    CardReaderSettings settings_;
    const InterfaceLanguage language_;
    DialogFontCharset font_;  // before window_: the controls go before their font
    HBITMAP picture_ = nullptr;
    HWND window_ = nullptr;
    INT_PTR result_ = 0;
    bool modal_ = false;
};

}  // namespace tolvane::gui::win32
