// UTF-8 source: the transfer messages are checked as the user sees them.
// Transfers on the virtual keyboard: a full write and a full read of the example layout to the
// program's own messages, the progress window over the disabled main window with its position in
// the registry, Escape on it, a keyboard that never answers, and plug-in and pull-out.
#include "examples/TillLayout.h"
#include "gui/model/ProgressRules.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/Registry.h"
#include "gui/win32/Wide.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;

class TransferTest : public WindowFixture {
  protected:
    // What the windows showed when the outcome message came.
    struct AtOutcome {
        std::wstring progressTitle;
        bool mainEnabled = true;
        bool progressShown = false;
    };

    // Runs a transfer command until its outcome message has come and the progress is gone.
    AtOutcome RunTransfer(int command, const std::string& screenshot = {}) {
        AtOutcome seen;
        const std::size_t before = prompter_.Messages().size();
        prompter_.onPrompt = [&](const Win32Prompt& prompt) {
            if (prompt.kind != Win32Prompt::Kind::kInform) {
                return;
            }
            const gui::win32::CProgressWnd* progress = window_->ProgressWindow();
            seen.progressShown = progress != nullptr && progress->Exists();
            seen.progressTitle = seen.progressShown ? WindowText(progress->Window()) : L"";
            seen.mainEnabled = ::IsWindowEnabled(window_->Window()) != FALSE;
            if (seen.progressShown && !screenshot.empty()) {
                SaveScreenshot(progress->Window(), screenshot);
            }
        };
        Command(command);
        EXPECT_TRUE(PumpUntil([&] { return !window_->TransferRunning(); }));
        prompter_.onPrompt = nullptr;
        EXPECT_EQ(prompter_.Messages().size(), before + 1);
        return seen;
    }
};

TEST_F(TransferTest, WritesAndReadsTheExampleLayoutWithTheProgressWindowUp) {
    examples::BuildTillLayout(*image_);
    const KeyboardProgramming layout = image_->TakeProgramming();

    const AtOutcome written = RunTransfer(ids::kCnWrite, "win32-progress-zh");
    EXPECT_EQ(prompter_.Messages().back(), L"键盘数据写入成功！");
    EXPECT_TRUE(written.progressShown);
    EXPECT_FALSE(written.mainEnabled);
    EXPECT_EQ(written.progressTitle, L"正在传送... [100%]");
    EXPECT_TRUE(::IsWindowEnabled(window_->Window()));

    Command(ids::kCnToolNew);
    EXPECT_NE(image_->TakeProgramming(), layout);
    prompter_.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
    RunTransfer(ids::kCnRead);
    EXPECT_EQ(prompter_.Messages().back(), L"键盘数据读取成功！");
    EXPECT_EQ(image_->TakeProgramming(), layout);
    EXPECT_NE(WindowText(window_->KeyButton(1)), L"");
    SaveScreenshot(window_->Window(), "win32-panel-layout-zh");

    // Where the user left the progress window, in the registry of this wine prefix.
    const auto x = gui::win32::ReadSettingsNumber(gui::kProgressSettingsSection, "X");
    const auto y = gui::win32::ReadSettingsNumber(gui::kProgressSettingsSection, "Y");
    ASSERT_TRUE(x && y);
    ASSERT_TRUE(gui::win32::WriteSettingsNumber(gui::kProgressSettingsSection, "X", 40));
    ASSERT_TRUE(gui::win32::WriteSettingsNumber(gui::kProgressSettingsSection, "Y", 50));
    Command(ids::kCnEnglish);
    prompter_.onPrompt = [&](const Win32Prompt&) {
        if (const auto* progress = window_->ProgressWindow(); progress && progress->Exists()) {
            RECT place{};
            ::GetWindowRect(progress->Window(), &place);
            EXPECT_EQ(place.left, 40);
            EXPECT_EQ(place.top, 50);
            SaveScreenshot(progress->Window(), "win32-progress-en");
        }
    };
    Command(ids::kEnWrite);
    ASSERT_TRUE(PumpUntil([&] { return !window_->TransferRunning(); }));
    EXPECT_EQ(prompter_.Messages().back(), L"Keyboard data is successfully written!!");
    SaveScreenshot(window_->Window(), "win32-panel-layout-en");
}

TEST_F(TransferTest, ASilentKeyboardFailsTheReadAndEscapeClosesOnlyTheProgressWindow) {
    examples::BuildTillLayout(*image_);
    emulator::Faults faults;
    faults.silent = true;
    keyboard_->Keyboard().SetFaults(faults);
    prompter_.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
    Command(ids::kCnRead);
    ASSERT_TRUE(window_->TransferRunning());
    MSG escape{window_->ProgressWindow()->Window(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(window_->PreTranslateMessage(escape));
    EXPECT_FALSE(window_->ProgressWindow()->Exists());
    EXPECT_FALSE(::IsWindowEnabled(window_->Window()));  // until the monitor ends
    ASSERT_TRUE(PumpUntil([&] { return !window_->TransferRunning(); }));
    EXPECT_EQ(prompter_.Messages().back(), L"数据传送失败！");
    EXPECT_TRUE(::IsWindowEnabled(window_->Window()));
    EXPECT_EQ(image_->buttons[1].keyCount[1], 0);  // the half-read keys are cleared
}

TEST_F(TransferTest, PullingOutAndPluggingInChangeThePictureAndTheCommands) {
    Command(ids::kVirtualPullOut);
    ASSERT_TRUE(PumpUntil([&] {
        return window_->PictureShown(ids::kConnectionPicture) == ids::kChineseNotFoundPicture;
    }));
    Command(ids::kCnWrite);
    EXPECT_EQ(prompter_.Messages().back(), L"请链接键盘进入编程状态");
    EXPECT_FALSE(window_->TransferRunning());
    SaveScreenshot(window_->Window(), "win32-main-unplugged-zh");
    Command(ids::kVirtualPlugIn);
    ASSERT_TRUE(PumpUntil([&] {
        return window_->PictureShown(ids::kConnectionPicture) == ids::kChineseFoundPicture;
    }));
    EXPECT_EQ(image_->status.keyboardConnected.load(), 1U);
}

}  // namespace
}  // namespace tolvane::testing
