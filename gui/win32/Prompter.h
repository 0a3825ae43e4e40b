// Message boxes, pop-up menus, the About box, file dialogs and the shell's "open" verb go
// through the process's prompter. The real one shows them; a test installs its own that
// answers without blocking and sees what the user would have seen.
#pragma once

#include <windows.h>

#include <string>

#include "gui/model/EditSession.h"

namespace tolvane::gui::win32 {

class Prompter {
  public:
    virtual ~Prompter() = default;

    // A message with an OK button; icon is one of the MB_ICON... styles or 0.
    virtual void Inform(HWND owner, const std::wstring& caption, const std::wstring& text,
                        UINT icon) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(HWND owner, const std::wstring& caption, const std::wstring& text) = 0;
    // Save, Discard or Cancel; Cancel too when the box is closed.
    virtual UnsavedChangesAnswer AskSaveDiscardCancel(HWND owner, const std::wstring& caption,
                                                      const std::wstring& text) = 0;
    // Shows the menu at a screen position; the chosen item's id, or 0 for none.
    virtual int PopUp(HWND owner, HMENU menu, POINT screenPosition) = 0;
    // Runs a dialog made from an in-memory template; returns its result.
    virtual INT_PTR RunModal(HWND owner, const DLGTEMPLATE* dialog, DLGPROC procedure) = 0;
    // The file the user chose, or empty when the dialog was cancelled. The filter is in the
    // "Dat Files(*.dat)|*.dat||" form.
    virtual std::wstring OpenFileName(HWND owner, const std::wstring& start,
                                      const std::wstring& filter) = 0;
    virtual std::wstring SaveFileName(HWND owner, const std::wstring& suggestion,
                                      const std::wstring& filter,
                                      const std::wstring& defaultExtension) = 0;
    // The shell's "open" verb; false when nothing opened the document.
    virtual bool OpenDocument(HWND owner, const std::wstring& path) = 0;
};

// The prompter in use: the one a test installed, else the real one.
Prompter& Prompts();
void SetPrompter(Prompter* prompter);

// The caption of the program's own message boxes.
std::wstring MessageCaption();

}  // namespace tolvane::gui::win32
