// The keyboard options dialog on Windows, made modeless over the main window and driven by
// clicks on its real controls, against the image it edits.
#include <gtest/gtest.h>

#include "gui/model/ResourceIds.h"
#include "gui/win32/CKeyBoardSetDlg.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {

namespace {

namespace ids = gui::ids;

class KeyboardSetTest : public WindowFixture {
  protected:
    void Open(InterfaceLanguage language = InterfaceLanguage::kChinese) {
        dialog_ = std::make_unique<gui::win32::CKeyBoardSetDlg>(*image_, language);
        ASSERT_TRUE(dialog_->Create(window_->Window()));
        ::ShowWindow(dialog_->Window(), SW_SHOW);
        Pump();
    }
    HWND Item(int id) const { return ::GetDlgItem(dialog_->Window(), id); }
    void Click(int id) {
        ::SendMessageW(Item(id), BM_CLICK, 0, 0);
        Pump();
    }
    bool Ticked(int id) const { return ::IsDlgButtonChecked(dialog_->Window(), id) == BST_CHECKED; }
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }

    std::unique_ptr<gui::win32::CKeyBoardSetDlg> dialog_;
};

TEST_F(KeyboardSetTest, OpensOnTheImageAndCancelKeepsWhatOnlyOkWrites) {
    Open();
    EXPECT_FALSE(Ticked(ids::kKeyRepeatBox));
    EXPECT_FALSE(Ticked(ids::kKeySoundBox));
    EXPECT_TRUE(Ticked(ids::kAllKeysRadio));
    EXPECT_FALSE(Enabled(ids::kAllKeysRadio));
    EXPECT_FALSE(Enabled(ids::kEncodedKeysRadio));
    EXPECT_EQ(WindowText(Item(ids::kCountryCodeList)), L"USA");

    Click(ids::kKeySoundBox);
    EXPECT_TRUE(Enabled(ids::kAllKeysRadio));
    EXPECT_TRUE(Enabled(ids::kEncodedKeysRadio));
    EXPECT_EQ(image_->options.keyClick, 1) << "the sound box writes at once";
    Click(ids::kKeyRepeatBox);
    Click(ids::kEncodedKeysRadio);
    EXPECT_EQ(image_->options.autoRepeat, 0);
    Click(ids::kKeyboardSetCancel);

    EXPECT_EQ(dialog_->Result(), IDCANCEL);
    EXPECT_EQ(image_->options, (KeyboardOptions{1, 0, 1, 0}));
}

TEST_F(KeyboardSetTest, OkStoresTheScopeAlsoWhenTheSoundGoesOff) {
    Open();
    Click(ids::kKeySoundBox);
    Click(ids::kEncodedKeysRadio);
    Click(ids::kKeyRepeatBox);
    Click(ids::kKeySoundBox);
    EXPECT_FALSE(Enabled(ids::kEncodedKeysRadio));
    EXPECT_TRUE(Ticked(ids::kEncodedKeysRadio)) << "disabled radios keep their selection";
    Click(ids::kKeyboardSetOk);

    EXPECT_EQ(dialog_->Result(), IDOK);
    EXPECT_EQ(image_->options, (KeyboardOptions{1, 1, 0, 1}));
}

TEST_F(KeyboardSetTest, OkWithNoScopeSelectedSaysSoAndStaysOpen) {
    image_->options.keyClick = 1;
    image_->options.keyClickScope = 7;
    Open(InterfaceLanguage::kEnglish);
    EXPECT_FALSE(Ticked(ids::kAllKeysRadio));
    EXPECT_FALSE(Ticked(ids::kEncodedKeysRadio));
    Click(ids::kKeyboardSetOk);
    ASSERT_EQ(prompter_.Messages().size(), 1u);
    EXPECT_EQ(dialog_->Result(), 0);
    EXPECT_EQ(image_->options.keyClickScope, 7);

    Click(ids::kAllKeysRadio);
    Click(ids::kKeyboardSetOk);
    EXPECT_EQ(dialog_->Result(), IDOK);
    EXPECT_EQ(image_->options.keyClickScope, 0);
}

TEST_F(KeyboardSetTest, CaptionsFollowTheLanguageAndTheTitleStays) {
    struct Case {
        InterfaceLanguage language;
        const wchar_t* encodedKeys;
        const wchar_t* ok;
        const char* screenshot;
    };
    for (const Case& c :
         {Case{InterfaceLanguage::kChinese, L"已编码按键", L"确定", "keyboard-set-zh"},
          Case{InterfaceLanguage::kEnglish, L"For Specified Key ", L"Comfirm",
               "keyboard-set-en"}}) {
        Open(c.language);
        EXPECT_EQ(WindowText(dialog_->Window()), L"Keyboard Set");
        EXPECT_EQ(WindowText(Item(ids::kEncodedKeysRadio)), c.encodedKeys);
        EXPECT_EQ(WindowText(Item(ids::kKeyboardSetOk)), c.ok);
        SaveScreenshot(dialog_->Window(), c.screenshot);
    }
}

TEST_F(WindowFixture, TheKeyboardSettingsCommandRunsTheOptionsDialog) {
    Command(ids::kCnKeyboardSettings);
    ASSERT_EQ(prompter_.prompts.size(), 1u);
    EXPECT_EQ(prompter_.prompts.front().kind, Win32Prompt::Kind::kDialog);
}

}  // namespace

}  // namespace tolvane::testing
