// The About box, dialog 100, made for real while its prompt is up.
#include "gui/model/ResourceIds.h"
#include "gui/win32/AboutBox.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;

TEST_F(WindowFixture, TheAboutCommandShowsTheAboutBoxWithTheProgramIcon) {
    prompter_.showDialogs = true;
    HICON shownIcon = nullptr;
    std::wstring ok;
    prompter_.onPrompt = [&](const Win32Prompt& prompt) {
        shownIcon = reinterpret_cast<HICON>(
            ::SendDlgItemMessageW(prompt.window, gui::win32::kAboutIconControl, STM_GETICON, 0, 0));
        ok = WindowText(::GetDlgItem(prompt.window, IDOK));
    };
    Command(ids::kCnAbout);
    ASSERT_EQ(prompter_.prompts.size(), 1u);
    EXPECT_FALSE(prompter_.prompts.front().caption.empty());
    EXPECT_NE(shownIcon, nullptr);
    EXPECT_FALSE(ok.empty());
}

}  // namespace
}  // namespace tolvane::testing
