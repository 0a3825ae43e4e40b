// UTF-8 source: the Chinese texts are checked as the user sees them.
// "Legend label..." of the button menu on Windows: the label dialog made for real while its
// prompt is up, typed into and confirmed through its own controls.
#include "gui/model/ResourceIds.h"
#include "gui/win32/Wide.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
using gui::win32::Wide;

class LegendLabelTest : public WindowFixture {
  protected:
    // Chooses "Legend label..." on a button and types each text in turn, pressing OK after
    // each; what the dialog showed is kept.
    void EditLabel(int button, const std::vector<std::wstring>& typed,
                   const std::string& screenshot = {}) {
        prompter_.showDialogs = true;
        prompter_.onPrompt = [&](const Win32Prompt& prompt) {
            if (prompt.kind != Win32Prompt::Kind::kDialog) {
                return;
            }
            shownPrompt_ = WindowText(::GetDlgItem(prompt.window, ids::kLegendLabelPrompt));
            shownLabel_ = WindowText(::GetDlgItem(prompt.window, ids::kLegendLabelEdit));
            shownCaption_ = prompt.caption;
            if (!screenshot.empty()) {
                Pump();  // the new window on the screen
                SaveScreenshot(prompt.window, screenshot);
            }
            for (const std::wstring& text : typed) {
                ::SetDlgItemTextW(prompt.window, ids::kLegendLabelEdit, text.c_str());
                ::SendMessageW(::GetDlgItem(prompt.window, ids::kLegendLabelOk), BM_CLICK, 0, 0);
            }
        };
        prompter_.popUpAnswers = {ids::kContextLegendLabel};
        RightClick(window_->KeyButton(button));
        prompter_.onPrompt = nullptr;
    }

    std::wstring shownPrompt_;
    std::wstring shownLabel_;
    std::wstring shownCaption_;
};

TEST_F(LegendLabelTest, ALabelIsKeptOnOkRefusedWhenTooLongAndUndoneAsOneStep) {
    image_->StoreKeyRecord(28, 1, std::vector<KeyCode>{55, 23, 55});  // LShift T LShift
    image_->DeriveAllLayerTexts();
    EditLabel(28, {std::wstring(41, L'X'), L"  小计 "}, "win32-legend-label-zh");
    EXPECT_EQ(shownCaption_, Wide(Text(TextId::kLegendLabelCaption, InterfaceLanguage::kChinese)));
    EXPECT_NE(shownPrompt_.find(L"28"), std::wstring::npos) << shownPrompt_;
    EXPECT_EQ(prompter_.Messages().size(), 1U) << "the long label is refused with a message";
    EXPECT_EQ(window_->Labels().Of(28, 1), "小计");

    EditLabel(28, {L"TOTAL"});
    EXPECT_EQ(shownLabel_, L"小计") << "the dialog starts with the label the button has";
    EXPECT_EQ(window_->Labels().Of(28, 1), "TOTAL");
    Command(ids::kUndo);
    EXPECT_EQ(window_->Labels().Of(28, 1), "小计");

    Command(ids::kCnEnglish);
    EditLabel(28, {}, "win32-legend-label-en");
    EXPECT_EQ(shownCaption_, Wide(Text(TextId::kLegendLabelCaption, InterfaceLanguage::kEnglish)));
}

}  // namespace
}  // namespace tolvane::testing
