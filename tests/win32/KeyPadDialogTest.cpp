// UTF-8 source: the Chinese texts are checked as the user sees them.
// The key programming dialog on Windows, made modeless over the main window and driven by
// messages to its real controls, against the image it edits and the user key groups' file;
// and its two openers, the button panel and the card reader dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <fstream>

#include "gui/model/ResourceIds.h"
#include "gui/win32/CpellimoreDlg.h"
#include "gui/win32/KeyPadSetDlg.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
using gui::win32::CListCtrl_CellNav;
using gui::win32::KeyPadSetDlg;

constexpr int kButton = 7;
constexpr KeyCode kShift = 55, kA = 43, kB = 60, kOne = 15, kQ = 29;

class KeyPadDialogTest : public WindowFixture {
  protected:
    std::filesystem::path GroupsFile() const { return folder_ / "data" / "UserKeyGroud.dat"; }
    void WriteUserKeys(const std::string& lines) {
        std::filesystem::create_directories(folder_ / "data");
        std::ofstream(GroupsFile(), std::ios::binary) << lines << kUserKeyEndOfFileMarker;
    }
    std::string GroupsFileText() const {
        std::ifstream file(GroupsFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    void Open(bool card = false, InterfaceLanguage language = InterfaceLanguage::kEnglish) {
        dialog_.reset();
        std::optional<KeyPadSession> session =
            card ? KeyPadSession::ForTrackPart(*image_, 1, TrackPart::kPrefix)
                 : KeyPadSession::ForButton(*image_, kButton);
        ASSERT_TRUE(session);
        session->LoadUserKeyGroups(GroupsFile());
        dialog_ = std::make_unique<KeyPadSetDlg>(std::move(*session), language);
        ASSERT_TRUE(dialog_->Create(window_->Window()));
        ::ShowWindow(dialog_->Window(), SW_SHOW);
        Pump();
    }
    HWND Item(int id) const { return dialog_->Item(id); }
    HWND Key(KeyCode code) const { return dialog_->OnScreenKey(code); }
    void Click(HWND control) {
        ::SendMessageW(control, BM_CLICK, 0, 0);
        Pump();
    }
    void ClickKeys(std::initializer_list<KeyCode> codes) {
        for (const KeyCode code : codes) {
            Click(Key(code));
        }
    }
    // A key as the dialog manager routes it from the focused control.
    void PressKey(HWND focus, WPARAM key, LPARAM keyData = 1) {
        ::SetFocus(focus);
        MSG message{focus, WM_KEYDOWN, key, keyData, 0, {}};
        if (!::IsDialogMessageW(dialog_->Window(), &message)) {
            ::DispatchMessageW(&message);
        }
        Pump();
    }
    void Type(int id, const std::wstring& text) {
        ::SetDlgItemTextW(dialog_->Window(), id, text.c_str());
        Pump();
    }
    // The point of a row's second column, in the list's client area.
    // Below the last row by `rowsBelow` rows' heights.
    static LPARAM RowPoint(const CListCtrl_CellNav& list, int row, int rowsBelow = 0) {
        RECT place{LVIR_BOUNDS, 1, 0, 0};
        ::SendMessageW(list.Window(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&place));
        const int below = rowsBelow * (place.bottom - place.top);
        return MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2 + below);
    }
    void DoubleClickAt(const CListCtrl_CellNav& list, LPARAM point) {
        ::SendMessageW(list.Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        Pump();
    }
    void RightClickRow(const CListCtrl_CellNav& list, int row, int answer) {
        prompter_.popUpAnswers = {answer};
        // The list waits for the button to come up before it tells of the click.
        ::PostMessageW(list.Window(), WM_RBUTTONUP, 0, RowPoint(list, row));
        ::SendMessageW(list.Window(), WM_RBUTTONDOWN, MK_RBUTTON, RowPoint(list, row));
        Pump();
    }
    // Each row of a list as its cells joined by "|".
    static std::vector<std::string> Rows(const CListCtrl_CellNav& list, int columns) {
        std::vector<std::string> rows;
        for (int row = 0; row < list.RowCount(); ++row) {
            std::string cells;
            for (int column = 0; column < columns; ++column) {
                cells += (column == 0 ? "" : "|") + list.ItemText(row, column);
            }
            rows.push_back(cells);
        }
        return rows;
    }
    std::vector<std::string> KeyRows() const { return Rows(dialog_->KeySettingList(), 4); }
    std::vector<std::string> UserRows() const { return Rows(dialog_->UserKeyList(), 2); }
    ButtonRecord& Record() { return image_->buttons[kButton]; }
    bool Enabled(HWND control) const { return ::IsWindowEnabled(control) != FALSE; }

    std::unique_ptr<KeyPadSetDlg> dialog_;
};

using Strings = std::vector<std::string>;

TEST_F(KeyPadDialogTest, ClickedKeysAreListedWithTheShiftLatchAndConfirmCountsThem) {
    Open();
    ClickKeys({kShift});
    EXPECT_EQ(::SendMessageW(Key(66), BM_GETCHECK, 0, 0), BST_CHECKED) << "both Shifts latch";
    ClickKeys({kA, kB});
    EXPECT_EQ(KeyRows(), (Strings{"0|LShift|55|1", "1|A|43|1", "2|B|60|1"}));
    EXPECT_EQ(Record().keyCount[1], 0) << "the count waits for confirm";
    PressKey(Key(kA), VK_RETURN);  // Enter on a focused key confirms, it presses no key
    EXPECT_EQ(dialog_->Result(), IDOK);
    EXPECT_EQ(Record().keyCount[1], 3);
    EXPECT_EQ(Record().keyCodes[1][1], kA);
}

TEST_F(KeyPadDialogTest, EveryWayOutButConfirmPutsTheRecordBack) {
    image_->StoreKeyRecord(kButton, 1, std::vector<KeyCode>{kQ, 30, 31});
    image_->DeriveLayerTexts(kButton, 1);
    const ButtonRecord before = Record();
    const std::vector<std::function<void()>> cancels = {
        [&] { Click(Item(ids::kKeyPadCancel)); },
        [&] { ::SendMessageW(dialog_->Window(), WM_CLOSE, 0, 0); },
        [&] { PressKey(Item(ids::kTypeTextEdit), VK_ESCAPE); },
        [&] { dialog_.reset(); },
    };
    for (std::size_t way = 0; way < cancels.size(); ++way) {
        Open();
        EXPECT_EQ(KeyRows(), (Strings{"0|q|29|1", "1|w|30|1", "2|e|31|1"}));
        RightClickRow(dialog_->KeySettingList(), 1, ids::kKeyListDelete);
        EXPECT_EQ(KeyRows(), (Strings{"0|q|29|1", "1|e|31|1"}));
        RightClickRow(dialog_->KeySettingList(), 0, ids::kKeyListDeleteAll);
        EXPECT_EQ(Record().keyCount[1], 0) << "Delete all counts at once";
        ClickKeys({kA});
        cancels[way]();
        EXPECT_EQ(Record().keyCount[1], 3) << way;
        EXPECT_EQ(Record().keyCodes[1], before.keyCodes[1]) << way;
        EXPECT_EQ(Record().keyText[1], before.keyText[1]) << way;
    }
    EXPECT_EQ(prompter_.prompts[0].text,
              L"Delete\nDelete all\nAdd to the user key list\nAdd to the special key list\n");
}

TEST_F(KeyPadDialogTest, CardModeTakesOnlyPrefixKeysAndRefusesAShiftWithoutAKey) {
    Open(/*card=*/true, InterfaceLanguage::kChinese);
    for (const KeyCode code : {KeyCode{1}, kQ, kA, KeyCode{54}, KeyCode{70}, KeyCode{108}}) {
        EXPECT_FALSE(Enabled(Key(code))) << int(code);
    }
    EXPECT_TRUE(Enabled(Key(kOne)));
    EXPECT_FALSE(Enabled(dialog_->SpecialKeyList().Window()));
    EXPECT_FALSE(Enabled(dialog_->UserKeyList().Window()));
    EXPECT_FALSE(Enabled(Item(ids::kUserKeyFilter)));
    EXPECT_EQ(KeyRows(), (Strings{"0|LShift|55|", "1|?|65|"}));

    ClickKeys({kShift, kShift});
    Click(Item(ids::kKeyPadConfirm));
    EXPECT_EQ(prompter_.Messages(), (std::vector<std::wstring>{L"设置错误，请选择一个符号",
                                                               L"设置错误，请选择一个符号"}));
    EXPECT_EQ(dialog_->Result(), 0) << "a lone Shift keeps the dialog open";

    ClickKeys({kOne});
    EXPECT_EQ(KeyRows(), (Strings{"0|LShift|55|", "1|!|15|"}));
    Click(Item(ids::kKeyPadConfirm));
    EXPECT_EQ(dialog_->Result(), IDOK);
    EXPECT_EQ(image_->tracks[1].prefixShift, kShift);
    EXPECT_EQ(image_->tracks[1].prefixKey, kOne);
}

TEST_F(KeyPadDialogTest, UserKeyGroupsAreAddedDeletedSavedAndReloadedAndFiltered) {
    WriteUserKeys("<55 29 >\r\n<159 >\r\n");
    Open();
    EXPECT_EQ(UserRows(), (Strings{"0|LShift+Q", "1|Mute"}));
    Click(Item(ids::kAddUserKey));
    EXPECT_EQ(prompter_.Messages(), std::vector<std::wstring>{L"Please Enter a Key"});

    ClickKeys({67, 69, 84});
    Click(Item(ids::kAddUserKey));
    EXPECT_EQ(UserRows(), (Strings{"0|LShift+Q", "1|Mute", "2|LCtrl+LAlt+Delete"}));
    RightClickRow(dialog_->UserKeyList(), 0, ids::kUserListDelete);
    EXPECT_EQ(GroupsFileText(), "<159 >\r\n<67 69 84 >\r\n" + std::string(kUserKeyEndOfFileMarker));

    Open();  // reloaded from the file
    EXPECT_EQ(UserRows(), (Strings{"0|Mute", "1|LCtrl+LAlt+Delete"}));
    Type(ids::kUserKeyFilter, L"del");
    EXPECT_EQ(UserRows(), (Strings{"1|LCtrl+LAlt+Delete"}));
    DoubleClickAt(dialog_->UserKeyList(), RowPoint(dialog_->UserKeyList(), 0));
    EXPECT_EQ(KeyRows(), (Strings{"0|LCtrl|67|1", "1|LAlt|69|1", "2|Delete|84|1"}));
    Type(ids::kSpecialKeyFilter, L"静音");
    EXPECT_EQ(Rows(dialog_->SpecialKeyList(), 3), (Strings{"9|Mute|159"}));
    PressKey(Item(ids::kSpecialKeyFilter), VK_RETURN);  // adds the one listed
    EXPECT_EQ(KeyRows().back(), "3|Mute|159|1");
    DoubleClickAt(dialog_->UserKeyList(), RowPoint(dialog_->UserKeyList(), 0, 3));  // below it
    EXPECT_EQ(KeyRows().size(), 4u);
    EXPECT_EQ(dialog_->Result(), 0);
}

TEST_F(KeyPadDialogTest, TypedTextAndKeysFromThePcKeyboardAreAddedAsTheirKeys) {
    Open();
    Type(ids::kTypeTextEdit, L"CASH");
    PressKey(Item(ids::kTypeTextEdit), VK_RETURN);
    EXPECT_EQ(dialog_->Result(), 0) << "Enter in the line adds, it does not confirm";
    EXPECT_EQ(KeyRows(), (Strings{"0|LShift|55|1", "1|C|58|1", "2|A|43|1", "3|S|44|1", "4|H|48|1",
                                  "5|LShift|55|1", "6|Enter|54|1"}));
    EXPECT_EQ(WindowText(Item(ids::kTypeTextEdit)), L"");

    Type(ids::kTypeTextEdit, L"价格");
    Click(Item(ids::kAddText));
    EXPECT_EQ(prompter_.Messages().back(), L"The keyboard cannot type “价”; nothing was added.");
    EXPECT_EQ(WindowText(Item(ids::kTypeTextEdit)), L"价格");

    const HWND list = dialog_->KeySettingList().Window();
    const LPARAM keyA = 1 | (0x1E << 16);
    ::SendMessageW(list, WM_KEYDOWN, 'A', keyA);  // the toggle is off
    EXPECT_EQ(KeyRows().size(), 7u);
    Click(Item(ids::kTakeKeysToggle));
    ::SendMessageW(list, WM_KEYDOWN, 'A', keyA);
    ::SendMessageW(list, WM_KEYDOWN, 'A', keyA | (1 << 30));          // held: once
    ::SendMessageW(Key(kA), WM_KEYDOWN, VK_SHIFT, 1 | (0x36 << 16));  // RShift
    PressKey(Key(kA), VK_ESCAPE, 1 | (0x01 << 16));                   // a key like any other
    ::SendMessageW(list, WM_KEYDOWN, VK_UP, 1 | (0x148 << 16));       // E0-prefixed Up
    const Strings rows = KeyRows();
    EXPECT_EQ(Strings(rows.begin() + 7, rows.end()),
              (Strings{"7|a|43|1", "8|RShift|66|1", "9|Esc|1|1", "10|Up|87|1"}));
    EXPECT_EQ(dialog_->Result(), 0);
}

TEST_F(KeyPadDialogTest, DeleteAndBackspaceRemoveTheSelectedRowsAndCtrlArrowsMoveARow) {
    image_->StoreKeyRecord(kButton, 1, std::vector<KeyCode>{kQ, 30, 31, kA});  // q w e a
    image_->DeriveLayerTexts(kButton, 1);
    Open();
    CListCtrl_CellNav& list = dialog_->KeySettingList();
    list.SelectRow(1);
    LVITEMW alsoSelected{};
    alsoSelected.stateMask = alsoSelected.state = LVIS_SELECTED;
    ::SendMessageW(list.Window(), LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&alsoSelected));
    PressKey(list.Window(), VK_DELETE);
    EXPECT_EQ(KeyRows(), (Strings{"0|q|29|1", "1|e|31|1"}));

    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    PressKey(list.Window(), VK_UP);  // "e", selected, moves up
    PressKey(list.Window(), VK_UP);  // already first
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(KeyRows(), (Strings{"0|e|31|1", "1|q|29|1"}));
    PressKey(list.Window(), VK_BACK);
    EXPECT_EQ(KeyRows(), (Strings{"0|q|29|1"}));
}

TEST_F(KeyPadDialogTest, ScreenshotsInBothModesAndLanguages) {
    image_->StoreKeyRecord(kButton, 1, std::vector<KeyCode>{67, 69, 84});
    image_->RefreshButton(kButton);
    WriteUserKeys("<67 69 84 >\r\n<55 29 >\r\n");
    for (const auto& [language, suffix] : {std::pair{InterfaceLanguage::kChinese, "zh"},
                                           std::pair{InterfaceLanguage::kEnglish, "en"}}) {
        for (const bool card : {false, true}) {
            Open(card, language);
            EXPECT_EQ(WindowText(Item(ids::kAddUserKey)),
                      language == InterfaceLanguage::kEnglish ? L"Add User Key" : L"添加常用键");
            SaveScreenshot(dialog_->Window(),
                           std::string("keypad-") + (card ? "card-" : "button-") + suffix);
        }
    }
}

// The panel opens the dialog on a clicked button and the card reader dialog on a double-clicked
// prefix; each acts on what the dialog ended with.
TEST_F(KeyPadDialogTest, ThePanelAndTheCardReaderDialogOpenIt) {
    prompter_.showDialogs = true;
    prompter_.onPrompt = [](const Win32Prompt& prompt) {
        if (prompt.kind != Win32Prompt::Kind::kDialog || prompt.window == nullptr) {
            return;
        }
        const bool card = !::IsWindowEnabled(::GetDlgItem(prompt.window, ids::kFirstOnScreenKey));
        const int key = ids::kFirstOnScreenKey - 1 + (card ? kOne : kA);
        ::SendMessageW(::GetDlgItem(prompt.window, key), BM_CLICK, 0, 0);
        ::SendMessageW(::GetDlgItem(prompt.window, ids::kKeyPadConfirm), BM_CLICK, 0, 0);
    };
    Click(window_->KeyButton(kButton));
    EXPECT_EQ(WindowText(window_->KeyButton(kButton)), L"a");
    EXPECT_EQ(Record().keyCount[1], 1);
    EXPECT_EQ(prompter_.prompts.back().caption, L"keyboard - 按键 7，Layer1");
    Command(ids::kUndo);
    EXPECT_EQ(Record().keyCount[1], 0) << "a confirmed dialog is one step";

    gui::win32::CpellimoreDlg cardReader(*image_, InterfaceLanguage::kChinese,
                                         FileLocations(folder_, folder_ / "user"));
    ASSERT_TRUE(cardReader.Create(window_->Window()));
    const HWND prefix = ::GetDlgItem(cardReader.Window(), ids::kPrefixEdits[1]);
    ::SendMessageW(prefix, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    Pump();
    EXPECT_EQ(image_->tracks[1].prefixShift, 0);
    EXPECT_EQ(image_->tracks[1].prefixKey, kOne);
    EXPECT_EQ(WindowText(prefix), L"1");
}

}  // namespace
}  // namespace tolvane::testing
