// The legend label of one button on one layer on Windows, asked for by "Legend label..." in the
// button context menu. The edit starts with the label the button has; with no label it shows,
// greyed, what the legend prints instead (what the key types). OK with a label that cannot be
// kept says why and keeps the dialog open.
#pragma once

#include <string>

#include "gui/win32/DialogFontCharset.h"
#include "gui/win32/TemplateDialog.h"
#include "tolvane/app/TextTable.h"

namespace tolvane::gui::win32 {

class CLegendLabelDlg final : public TemplateDialog {
  public:
    CLegendLabelDlg(int button, int layer, std::string label, std::string typedText,
                    InterfaceLanguage language);

    // The label as the user left it on OK, UTF-8.
    const std::string& Label() const { return label_; }

  private:
    DialogTemplate Template() const override;
    void OnInitDialog() override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOk();

    const int button_;
    const int layer_;
    std::string label_;
    const std::string typedText_;
    const InterfaceLanguage language_;
    DialogFontCharset font_;
};

}  // namespace tolvane::gui::win32
