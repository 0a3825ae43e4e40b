// An extended dialog template built in memory, so that the dialog manager creates the
// window and its controls and converts the layout's dialog units with the dialog font, as
// it does for a template compiled into the program's resources.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "gui/kit/DialogUnits.h"

namespace tolvane::gui::win32 {

// The predefined control classes a template names by number.
enum class ControlClass : WORD {
    kButton = 0x0080,
    kEdit = 0x0081,
    kStatic = 0x0082,
    kListBox = 0x0083,
    kScrollBar = 0x0084,
    kComboBox = 0x0085,
};

class DialogTemplate {
  public:
    DialogTemplate(DWORD style, const DialogRect& size, std::wstring_view title,
                   std::wstring_view fontFace, WORD pointSize);

    void AddControl(ControlClass kind, DWORD style, const DialogRect& place, int id,
                    std::wstring_view text = {});
    // A control of a registered class named by its class name (a rich edit, say).
    void AddControl(std::wstring_view className, DWORD style, const DialogRect& place, int id,
                    std::wstring_view text = {});

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
    int ControlCount() const { return count_; }

  private:
    void AlignToDword();
    void Put(DWORD value);
    void PutText(std::wstring_view text);
    void BeginControl(DWORD style, const DialogRect& place, int id);

    std::vector<WORD> words_;
    int count_ = 0;
    static constexpr std::size_t kCountWord = 8;  // where the header keeps the control count
};

}  // namespace tolvane::gui::win32
