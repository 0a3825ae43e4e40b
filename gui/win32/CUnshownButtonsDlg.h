// The list of the eighteen buttons the keyboard has but no key of the panel shows, opened
// from the KeyBoardSet menu: a technician reads every layer of them here, double-clicks one to
// program it on the current layer, or right-clicks it for the panel's button menu (delete,
// layer key, copy and paste). The main window does the work; the list is shown again after.
#pragma once

#include <functional>
#include <memory>

#include "gui/win32/CListCtrl_CellNav.h"
#include "gui/win32/DialogFontCharset.h"
#include "gui/win32/TemplateDialog.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane::gui::win32 {

class CUnshownButtonsDlg final : public TemplateDialog {
  public:
    using ProgramButton = std::function<void(int button)>;
    using ButtonMenu = std::function<void(int button, POINT screenPoint)>;

    CUnshownButtonsDlg(const KeyboardImage& image, InterfaceLanguage language,
                       ProgramButton onProgram, ButtonMenu onMenu);

    // Lists the buttons again from the image, keeping the row chosen.
    void ShowRows();
    CListCtrl_CellNav& List() { return *list_; }

  private:
    DialogTemplate Template() const override;
    void OnInitDialog() override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int ButtonOfRow(int row) const;

    const KeyboardImage& image_;
    const InterfaceLanguage language_;
    ProgramButton onProgram_;
    ButtonMenu onMenu_;
    std::unique_ptr<CListCtrl_CellNav> list_;
    DialogFontCharset font_;
};

}  // namespace tolvane::gui::win32
