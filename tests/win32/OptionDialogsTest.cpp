// The keyboard options and card reader dialogs on Windows, each made modeless over the main window
// and driven by clicks on its real controls, against the image it edits.
#include <gtest/gtest.h>

#include <tuple>
#include <type_traits>

#include "gui/model/ResourceIds.h"
#include "gui/win32/CKeyBoardSetDlg.h"
#include "gui/win32/CpellimoreDlg.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {

namespace {

namespace ids = gui::ids;

// A dialog of type Dialog over the main window, made modeless and driven by real clicks.
template <typename Dialog>
class OptionDialogTest : public WindowFixture {
  protected:
    void Open(InterfaceLanguage language = InterfaceLanguage::kChinese) {
        if constexpr (std::is_same_v<Dialog, gui::win32::CpellimoreDlg>) {
            dialog_ = std::make_unique<Dialog>(*image_, language,
                                               FileLocations(folder_, folder_ / "user"));
        } else {
            dialog_ = std::make_unique<Dialog>(*image_, language);
        }
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

    std::unique_ptr<Dialog> dialog_;
};

using KeyboardSetTest = OptionDialogTest<gui::win32::CKeyBoardSetDlg>;
using CardReaderTest = OptionDialogTest<gui::win32::CpellimoreDlg>;

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

TEST_F(CardReaderTest, ClicksAndTypingGoIntoTheImageAtOnceAndCancelKeepsThem) {
    Open();
    EXPECT_TRUE(Ticked(ids::kTrackBoxes[0]));
    EXPECT_TRUE(Ticked(ids::kEnterBoxes[0]));
    EXPECT_EQ(WindowText(Item(ids::kPrefixEdits[0])), L"?");
    EXPECT_EQ(WindowText(Item(ids::kSuffixEdits[0])), L";");

    Click(ids::kTrackBoxes[1]);
    EXPECT_EQ(image_->tracks[1].enabled, 0);
    EXPECT_FALSE(Enabled(ids::kPrefixEdits[1]));
    EXPECT_FALSE(Enabled(ids::kEnterBoxes[1]));
    Click(ids::kEnterBoxes[0]);
    EXPECT_EQ(image_->tracks[0].enterAtEnd, 0u);

    const HWND prefix = Item(ids::kPrefixEdits[0]);
    ::SendMessageW(prefix, WM_CHAR, L'%', 1);
    EXPECT_EQ(WindowText(prefix), L"%");
    EXPECT_EQ(image_->tracks[0].prefixKey, 19);
    ::SendMessageW(prefix, WM_CHAR, L'x', 1);  // no part can be a lower-case letter
    EXPECT_EQ(prompter_.Messages().size(), 1u);
    EXPECT_EQ(WindowText(prefix), L"%");
    ::SendMessageW(Item(ids::kSuffixEdits[0]), WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(image_->tracks[0].suffixKey, 0);

    Click(ids::kCardReaderCancel);
    EXPECT_EQ(dialog_->Result(), IDCANCEL);
    EXPECT_EQ(image_->tracks[1].enabled, 0) << "Cancel undoes nothing";
    EXPECT_EQ(image_->tracks[0].prefixKey, 19);
}

TEST_F(CardReaderTest, CaptionsFollowTheLanguageAndTheTitleStays) {
    for (const auto& [language, enter, screenshot] :
         {std::tuple{InterfaceLanguage::kChinese, L"串尾回车", "card-reader-zh"},
          std::tuple{InterfaceLanguage::kEnglish, L"Enter Key", "card-reader-en"}}) {
        Open(language);
        EXPECT_EQ(WindowText(dialog_->Window()), L"Pellimore");
        EXPECT_EQ(WindowText(Item(ids::kEnterBoxes[2])), enter);
        SaveScreenshot(dialog_->Window(), screenshot);
    }
}

TEST_F(WindowFixture, TheOptionCommandsRunTheirDialogs) {
    Command(ids::kCnKeyboardSettings);
    Command(ids::kCnCardReaderSettings);
    ASSERT_EQ(prompter_.prompts.size(), 2u);
    for (const Win32Prompt& prompt : prompter_.prompts) {
        EXPECT_EQ(prompt.kind, Win32Prompt::Kind::kDialog);
    }
}

}  // namespace

}  // namespace tolvane::testing
