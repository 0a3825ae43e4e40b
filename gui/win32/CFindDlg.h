// The main window's Find window on Windows: a key name or a text, and every layer of every
// button that holds it. It stays open beside the panel; choosing a hit (click or arrow keys)
// hands it to the main window, which shows the hit's layer and frames its button. The hits
// are found again as the line changes and whenever the window is come back to, since the
// programming may have changed meanwhile. Closing only hides it, keeping the line.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "gui/win32/CListCtrl_CellNav.h"
#include "gui/win32/DialogFontCharset.h"
#include "gui/win32/TemplateDialog.h"
#include "tolvane/app/FindInButtons.h"
#include "tolvane/app/TextTable.h"

namespace tolvane::gui::win32 {

class CFindDlg final : public TemplateDialog {
  public:
    using HitChosen = std::function<void(const FindHit&)>;

    CFindDlg(const KeyboardImage& image, InterfaceLanguage language, HitChosen onHit,
             std::function<void()> onHidden);

    // Shows the texts in the language and lists the hits again.
    void SetLanguage(InterfaceLanguage language);
    // Finds again; the list is rebuilt only when the hits have changed.
    void Search();
    const std::vector<FindHit>& Hits() const { return hits_; }
    CListCtrl_CellNav& HitList() { return *hitList_; }

  private:
    DialogTemplate Template() const override;
    void OnInitDialog() override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Hide();
    void ShowHits();
    void ShowHit(int row);

    const KeyboardImage& image_;
    InterfaceLanguage language_;
    HitChosen onHit_;
    std::function<void()> onHidden_;
    std::vector<FindHit> hits_;
    std::unique_ptr<CListCtrl_CellNav> hitList_;
    DialogFontCharset font_;
    bool rebuilding_ = false;  // rebuilding the rows chooses none of them
};

}  // namespace tolvane::gui::win32
