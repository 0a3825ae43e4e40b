// UTF-8 source: the window's Chinese texts are checked as the user sees them.
// The Windows main window: made by the dialog manager from the model's control table, its
// menus and toolbar from the command table, the language switch, and the button panel.
#include <richedit.h>

#include <fstream>
#include <iterator>

#include "gui/model/CommandTable.h"
#include "gui/model/MainWindowLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/Wide.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {
namespace {

using gui::win32::Wide;
namespace ids = gui::ids;

class MainWindowTest : public WindowFixture {
  protected:
    HWND Control(int id) const { return window_->Control(id); }
    HWND Button(int button) const { return window_->KeyButton(button); }
    // Where a control sits in the window's client area.
    RECT ClientPlace(HWND control) const {
        RECT place{};
        ::GetWindowRect(control, &place);
        ::MapWindowPoints(nullptr, window_->Window(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    std::string SettingsFileText() const {
        std::ifstream file(folder_ / "sysInfo.ini", std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
};

TEST_F(MainWindowTest, StartsAsTheControlTableSaysWithTheChineseMenuAndEmptyButtons) {
    const HWND window = window_->Window();
    EXPECT_EQ(WindowText(window), L"MZR-40");
    EXPECT_TRUE(::IsWindowVisible(window));
    // The dialog manager placed every control from its dialog units, under the toolbar.
    const int shift = window_->MainToolbar().Height();
    for (const gui::ControlPlace& place : gui::MainWindowControls()) {
        if (place.id == 0) {
            continue;
        }
        RECT expected{place.rect.x, place.rect.y, place.rect.x + place.rect.width,
                      place.rect.y + place.rect.height};
        ::MapDialogRect(window, &expected);
        const RECT actual = ClientPlace(Control(place.id));
        EXPECT_EQ(actual.left, expected.left) << place.id;
        EXPECT_EQ(actual.top, expected.top + shift) << place.id;
        if (place.id == ids::kLayerGroup) {  // pictures take their bitmap's size
            EXPECT_EQ(actual.bottom, expected.bottom + shift) << place.id;
        }
    }
    RECT whole{0, 0, gui::kMainWindowClient.width, gui::kMainWindowClient.height};
    ::MapDialogRect(window, &whole);
    // The dialog font's base units under this system's faces, for the record.
    RecordProperty("dialog_pixels",
                   std::to_string(whole.right) + "x" + std::to_string(whole.bottom));
    int shown = 0;
    for (int button = 1; button <= ButtonCount; ++button) {
        EXPECT_EQ(WindowText(Button(button)), L"") << button;
        shown += ::IsWindowVisible(Button(button)) ? 1 : 0;
    }
    EXPECT_EQ(shown, 66);
    EXPECT_EQ(MenuTitle(window_->AttachedMenu(), 0), L"文件(&F)");
    EXPECT_EQ(WindowText(Control(ids::kLayerGroup)), L"选择层");
    EXPECT_EQ(WindowText(Control(ids::kLayerSelector)), L"Layer1");
    EXPECT_EQ(::SendMessageW(Control(ids::kLayerSelector), CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(window_->PictureShown(ids::kLayerPicture), ids::kLayer1Picture);
    EXPECT_EQ(window_->PictureShown(ids::kConnectionPicture), ids::kChineseFoundPicture);
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    ::SendMessageW(Control(ids::kKeyInfoBox), EM_GETCHARFORMAT, SCF_DEFAULT,
                   reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, L"黑体");
    EXPECT_EQ(format.yHeight, 12 * 20);  // twips
    EXPECT_EQ(window_->MainToolbar().LoadedId(), ids::kChineseToolbar);
    EXPECT_EQ(window_->MainToolbar().ButtonCount(), gui::kToolbarButtonCount);
    EXPECT_EQ(window_->MainToolbar().ButtonText(ids::kCnToolRead), L"读键盘");
    // The system menu carries About.
    wchar_t about[64] = {};
    ::GetMenuStringW(::GetSystemMenu(window, FALSE), ids::kSystemAbout, about, 64, MF_BYCOMMAND);
    EXPECT_STREQ(about, L"关于 Tolvane(&A)...");
    SaveScreenshot(window, "win32-main-zh");
}

TEST_F(MainWindowTest, EnterAndEscapeAndUnknownNumbersChangeNothing) {
    ::SetFocus(Button(1));
    for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
        MSG message{Button(1), WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(window_->PreTranslateMessage(message));
    }
    Command(12345);
    Command(ids::kCnChinese);  // the language already shown
    Pump();
    EXPECT_FALSE(window_->Closed());
    EXPECT_TRUE(prompter_.prompts.empty());
    EXPECT_EQ(MenuTitle(window_->AttachedMenu(), 0), L"文件(&F)");
}

TEST_F(MainWindowTest, SwitchesLanguageWritesTheSettingAndARestartComesUpInEnglish) {
    Command(ids::kCnEnglish);
    EXPECT_EQ(MenuTitle(window_->AttachedMenu(), 0), L"File(&F)");
    EXPECT_EQ(WindowText(Control(ids::kLayerGroup)), L"Layer Selecting");
    EXPECT_EQ(window_->PictureShown(ids::kConnectionPicture), ids::kEnglishFoundPicture);
    EXPECT_EQ(window_->MainToolbar().LoadedId(), ids::kEnglishToolbar);
    EXPECT_EQ(window_->MainToolbar().ButtonText(ids::kEnToolRead), L"Read");
    EXPECT_EQ(SettingsFileText(), "English");
    // The next message speaks the new language.
    Command(ids::kEnClearAll);
    ASSERT_FALSE(prompter_.prompts.empty());
    EXPECT_EQ(prompter_.prompts.back().caption, L"Clear all settings!!");
    EXPECT_EQ(prompter_.prompts.back().text, L"To confirm the deletion!");

    StartWindow();
    EXPECT_EQ(MenuTitle(window_->AttachedMenu(), 0), L"File(&F)");
    SaveScreenshot(window_->Window(), "win32-main-en");
    Command(ids::kEnChinese);
    EXPECT_EQ(SettingsFileText(), "Chinese");
    EXPECT_EQ(window_->PictureShown(ids::kConnectionPicture), ids::kChineseFoundPicture);
}

TEST_F(MainWindowTest, QuitAsksBeforeUnsavedChangesAreLostAndClosesOnDiscard) {
    prompter_.popUpAnswers = {ids::kContextButtonLayerSet, ids::kContextFirstLayer + 3};
    RightClick(Button(1));
    EXPECT_EQ(WindowText(window_->Window()), L"MZR-40*");
    prompter_.unsavedAnswers = {gui::UnsavedChangesAnswer::kCancel,
                                gui::UnsavedChangesAnswer::kDiscard};
    Command(ids::kCnQuit);
    EXPECT_FALSE(window_->Closed());
    Command(ids::kCnQuit);
    EXPECT_TRUE(window_->Closed());
    EXPECT_EQ(prompter_.prompts.back().kind, Win32Prompt::Kind::kSaveDiscardCancel);
}

}  // namespace
}  // namespace tolvane::testing
