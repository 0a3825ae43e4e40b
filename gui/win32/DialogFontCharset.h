// The dialog font in the interface's character set. The dialog manager converts the layout's
// dialog units with the template's font, which stays as it is; a Chinese interface then gives
// the controls the same face and size in the Chinese character set, so that the system's font
// mapper draws their captions with a face that has the letters, where the dialog face itself
// has none.
#pragma once

#include <windows.h>

#include "tolvane/app/TextTable.h"

namespace tolvane::gui::win32 {

class DialogFontCharset {
  public:
    DialogFontCharset() = default;
    ~DialogFontCharset();
    DialogFontCharset(const DialogFontCharset&) = delete;
    DialogFontCharset& operator=(const DialogFontCharset&) = delete;

    // Gives every control of the dialog the font for the language (nothing to do for English).
    void Apply(HWND dialog, InterfaceLanguage language);
    // Gives one control that font in either language: it shows what the user typed or the
    // programming holds, which may be Chinese in an English interface.
    void ApplyTo(HWND dialog, int control);

  private:
    HFONT Font(HWND dialog);

    HFONT font_ = nullptr;
};

}  // namespace tolvane::gui::win32
