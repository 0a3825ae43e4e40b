// The keyboard options dialog, 142, on Windows: made by the dialog manager from gui/model's
// control and caption tables, a thin view over the core's KeyboardSettings, which says what
// is written at once (the sound box, the country code) and what only on OK (the repeat box,
// the scope). OK with neither scope radio selected shows the range message and keeps the
// dialog open.
#pragma once

#include <windows.h>

#include "gui/win32/DialogFontCharset.h"
#include "gui/win32/TemplateDialog.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/options/KeyboardSettings.h"

namespace tolvane::gui::win32 {

class CKeyBoardSetDlg final : public TemplateDialog {
  public:
    CKeyBoardSetDlg(KeyboardImage& image, InterfaceLanguage language);

  private:
    DialogTemplate Template() const override;
    void OnInitDialog() override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);
    void OnOk();
    void ShowSettings();

    KeyboardSettings settings_;
    const InterfaceLanguage language_;
    DialogFontCharset font_;
};

}  // namespace tolvane::gui::win32
