// UTF-8 source: the Chinese texts are checked as the user sees them.
// The main window's Find window and its list of the buttons not on the panel on Windows, opened
// from the menus and driven through their real controls, against the image they show.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "gui/model/ButtonLook.h"
#include "gui/model/ResourceIds.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
constexpr KeyCode kF5 = 6;

// The texts of a report-view list, a row a line, its cells joined by "|".
std::vector<std::wstring> ListRows(HWND list, int columns) {
    std::vector<std::wstring> rows;
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        std::wstring line;
        for (int column = 0; column < columns; ++column) {
            wchar_t cell[256] = {};
            ListView_GetItemText(list, row, column, cell, 256);
            line += (column == 0 ? L"" : L"|") + std::wstring(cell);
        }
        rows.push_back(line);
    }
    return rows;
}

bool MenuItemEnabled(HMENU menu, int id) {
    return (::GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED) == 0;
}

// F5 on three buttons and three layers, one of them a button the panel does not show.
class FindAndUnshownTest : public WindowFixture {
  protected:
    void Program() {
        for (const auto& [button, layer, codes] : {std::tuple{3, 4, std::vector<KeyCode>{kF5}},
                                                   {70, 2, std::vector<KeyCode>{2, 16, kF5}},
                                                   {12, 6, std::vector<KeyCode>{kF5}},
                                                   {6, 1, std::vector<KeyCode>{11}}}) {
            image_->StoreKeyRecord(button, layer, codes);
        }
        image_->DeriveAllLayerTexts();
    }
    HWND InFind(int id) const { return ::GetDlgItem(window_->FindWindowShown(), id); }
    void Search(const wchar_t* text) {
        ::SetWindowTextW(InFind(ids::kFindEdit), text);  // the line says it changed
        Pump();
    }
    // The release waits in the queue, where a list that watches for a drag finds it.
    void RightClickRow(HWND list, int row) {
        RECT cell{};
        ListView_GetSubItemRect(list, row, 1, LVIR_LABEL, &cell);
        const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        ::PostMessageW(list, WM_RBUTTONUP, 0, at);
        ::SendMessageW(list, WM_RBUTTONDOWN, 0, at);
    }
};

TEST_F(FindAndUnshownTest, FindListsEveryLayerThatHoldsTheKeyAndChoosingAHitFramesIt) {
    Program();
    EXPECT_TRUE(MenuItemEnabled(window_->AttachedMenu(), ids::kFindCommand));
    Command(ids::kFindCommand);
    const HWND find = window_->FindWindowShown();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(::IsWindowVisible(find));
    EXPECT_EQ(WindowText(find), L"查找");
    EXPECT_EQ(WindowText(InFind(ids::kFindPrompt)), L"键名或文字：");
    Search(L"F5");
    const HWND hits = InFind(ids::kFindHitList);
    EXPECT_EQ(ListRows(hits, 3),
              (std::vector<std::wstring>{L"3|第四层|F5", L"12 （不在面板上）|第六层|F5",
                                         L"70|第二层|F1+2+F5"}));
    EXPECT_EQ(WindowText(InFind(ids::kFindCount)), L"找到3处");

    ListView_SetItemState(hits, 2, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    Pump();
    EXPECT_EQ(image_->selection.currentLayer, 2);
    EXPECT_EQ(window_->PictureShown(ids::kLayerPicture), ids::kLayer2Picture);
    EXPECT_EQ(window_->FoundButton(), 70);
    ::SendMessageW(hits, WM_KEYDOWN, VK_UP, 0);  // the arrow keys walk the hits too
    ::SendMessageW(hits, WM_KEYDOWN, VK_UP, 0);
    Pump();
    EXPECT_EQ(image_->selection.currentLayer, 4);
    EXPECT_EQ(window_->FoundButton(), 3);
    RECT key{};
    ::GetClientRect(window_->KeyButton(3), &key);
    const COLORREF frame = ScreenPixel(window_->KeyButton(3), key.right / 2, 2);
    EXPECT_EQ(frame, RGB(gui::kButtonFoundColour.red, gui::kButtonFoundColour.green,
                         gui::kButtonFoundColour.blue))
        << "the framed button on the screen";
    SaveScreenshot(find, "win32-find-zh");
    SaveScreenshot(window_->Window(), "win32-find-framed-zh");

    Command(ids::kCnEnglish);
    EXPECT_EQ(WindowText(find), L"Find");
    EXPECT_EQ(ListRows(hits, 3).front(), L"3|Layer4|F5");
    EXPECT_EQ(WindowText(InFind(ids::kFindCount)), L"3 found");
    SaveScreenshot(find, "win32-find-en");
    Search(L"F5x");
    EXPECT_TRUE(ListRows(hits, 3).empty());
    EXPECT_EQ(WindowText(InFind(ids::kFindCount)), L"Nothing found");

    ::SendMessageW(find, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(find));
    EXPECT_EQ(window_->FoundButton(), 0) << "the frame goes with the window";
    Command(ids::kFindCommand);  // the English menu has it too, and the line is kept
    EXPECT_TRUE(::IsWindowVisible(find));
    EXPECT_EQ(WindowText(InFind(ids::kFindEdit)), L"F5x");
}

TEST_F(FindAndUnshownTest, TheButtonsNotOnThePanelAreListedAndClearedFromTheButtonMenu) {
    Program();
    prompter_.showDialogs = true;
    std::vector<std::wstring> rowsSeen;
    std::wstring caption;
    prompter_.onPrompt = [&](const Win32Prompt& prompt) {
        if (prompt.kind != Win32Prompt::Kind::kDialog) {
            return;
        }
        caption = prompt.caption;
        const HWND list = ::GetDlgItem(prompt.window, ids::kUnshownButtonsList);
        const bool english = language_.interfaceLanguage == InterfaceLanguage::kEnglish;
        Pump();  // the new window on the screen
        SaveScreenshot(prompt.window,
                       english ? "win32-unshown-buttons-en" : "win32-unshown-buttons-zh");
        rowsSeen = ListRows(list, 3);
        prompter_.popUpAnswers = {ids::kContextDeleteCurrentLayer};
        RightClickRow(list, 0);
        rowsSeen.push_back(ListRows(list, 2).front());
    };
    EXPECT_TRUE(MenuItemEnabled(window_->AttachedMenu(), ids::kUnshownButtonsCommand));
    Command(ids::kUnshownButtonsCommand);
    EXPECT_EQ(caption, L"面板外的按键");
    ASSERT_EQ(rowsSeen.size(), 19U) << "eighteen buttons, then the first again";
    EXPECT_EQ(rowsSeen[0], L"6|F10|");
    EXPECT_EQ(rowsSeen[1], L"12||");
    EXPECT_EQ(rowsSeen[18], L"6|") << "the list shows the button cleared";
    EXPECT_EQ(image_->buttons[6].keyCount[1], 0);
    ASSERT_GE(prompter_.prompts.size(), 2U);
    EXPECT_EQ(prompter_.prompts[1].kind, Win32Prompt::Kind::kPopUp);

    Command(ids::kCnEnglish);
    Command(ids::kUnshownButtonsCommand);
    EXPECT_EQ(caption, L"Buttons not on the panel");
}

}  // namespace
}  // namespace tolvane::testing
