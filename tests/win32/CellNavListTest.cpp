// The list with cell navigation on a real report-view list under wine: keys, characters and
// clicks sent to the list as the system sends them, the clock the test's own.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>

#include "gui/win32/CListCtrl_CellNav.h"
#include "gui/win32/DialogTemplate.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {
namespace {

using gui::win32::CListCtrl_CellNav;
using Clock = std::chrono::steady_clock;

constexpr int kListId = 100;

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// A dialog with one list of three columns, the second holding the texts given.
class CellNavListTest : public ::testing::Test {
  protected:
    CellNavListTest() {
        gui::win32::DialogTemplate dialog(WS_POPUP | WS_VISIBLE | WS_CAPTION, {0, 0, 200, 120},
                                          L"List", L"MS Shell Dlg", 9);
        dialog.AddControl(WC_LISTVIEWW, WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT,
                          {5, 5, 190, 110}, kListId);
        dialog_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(), nullptr,
                                               &PlainDialog, 0);
        list_ = std::make_unique<CListCtrl_CellNav>(::GetDlgItem(dialog_, kListId),
                                                    [this] { return now_; });
    }
    ~CellNavListTest() override {
        list_.reset();
        ::DestroyWindow(dialog_);
    }

    void Fill(const std::vector<std::string>& secondColumn) {
        for (int column = 0; column < 3; ++column) {
            list_->InsertColumn(column, "Column " + std::to_string(column), 60, LVCFMT_LEFT);
        }
        for (const std::string& text : secondColumn) {
            list_->AppendRow({std::to_string(list_->RowCount()), text, "x"});
        }
        ::SetFocus(list_->Window());
    }
    void Press(WPARAM key) { ::SendMessageW(list_->Window(), WM_KEYDOWN, key, 0); }
    void PressWithCtrl(WPARAM key) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
        Press(key);
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
    }
    void Type(const std::string& letters) {
        for (const char letter : letters) {
            ::SendMessageW(list_->Window(), WM_CHAR, static_cast<WPARAM>(letter), 0);
        }
    }
    LPARAM CellPoint(int row, int column) const {
        RECT cell{};
        ListView_GetSubItemRect(list_->Window(), row, column, LVIR_LABEL, &cell);
        return MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }
    // The release waits in the queue, where a list that watches for a drag finds it.
    void Click(UINT down, UINT up, LPARAM at) {
        ::PostMessageW(list_->Window(), up, 0, at);
        ::SendMessageW(list_->Window(), down, 0, at);
        MSG left;
        while (::PeekMessageW(&left, list_->Window(), 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&left);
        }
    }

    Clock::time_point now_ = Clock::time_point{} + std::chrono::hours(1);
    HWND dialog_ = nullptr;
    std::unique_ptr<CListCtrl_CellNav> list_;
};

TEST_F(CellNavListTest, KeysWalkTheShownColumnsSearchAColumnAndSelectAll) {
    Fill({"LCD", "lamp", "lcx", "alpha", "Lc two"});
    list_->SelectRow(2);
    Press(VK_LEFT);
    EXPECT_EQ(list_->FocusColumn(), -1);
    Press(VK_RIGHT);
    EXPECT_EQ(list_->FocusColumn(), 0);
    Press(VK_LEFT);
    EXPECT_EQ(list_->FocusColumn(), -1) << "the whole row again";
    list_->SetColumnOrder({2, 0, 1});  // as a drag of the third header to the front
    EXPECT_EQ(list_->ColumnOrder(), (std::vector<int>{2, 0, 1}));
    Press(VK_RIGHT);
    EXPECT_EQ(list_->FocusColumn(), 2);
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    EXPECT_EQ(list_->FocusColumn(), 1) << "stays on the last shown column";
    EXPECT_EQ(list_->FocusedRow(), 2) << "Left and Right never move the row";
    SaveScreenshot(dialog_, "win32-cellnav-focus-cell");

    Type("lc");
    EXPECT_EQ(list_->FocusedRow(), 0) << "\"lc\" in the second column, past the end";
    EXPECT_EQ(list_->SelectedRows(), (std::vector<int>{0}));
    now_ += std::chrono::seconds(2);
    Type("ll");
    EXPECT_EQ(list_->FocusedRow(), 2) << "the same letter again moves on";

    PressWithCtrl('A');
    EXPECT_EQ(list_->SelectedRows().size(), 5U);
    ::SetWindowLongPtrW(list_->Window(), GWL_STYLE,
                        ::GetWindowLongPtrW(list_->Window(), GWL_STYLE) | LVS_SINGLESEL);
    list_->SelectRow(1);
    PressWithCtrl('A');
    EXPECT_EQ(list_->SelectedRows(), (std::vector<int>{1}));

    list_->DeleteAllItems();
    Press(VK_RIGHT);
    EXPECT_EQ(list_->FocusColumn(), -1) << "no rows, no focus cell";
}

TEST_F(CellNavListTest, ClicksSetTheFocusCellAndReachTheHandlers) {
    Fill({"a", "b", "c"});
    std::vector<int> doubleClicked;
    std::vector<int> rightClicked;
    list_->OnRowDoubleClicked([&](int row) { doubleClicked.push_back(row); });
    list_->OnRowRightClicked([&](int row, POINT) { rightClicked.push_back(row); });

    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, CellPoint(1, 2));
    EXPECT_EQ(list_->FocusColumn(), 2);
    EXPECT_EQ(list_->FocusedRow(), 1);
    Click(WM_RBUTTONDOWN, WM_RBUTTONUP, CellPoint(0, 1));
    EXPECT_EQ(list_->FocusColumn(), 1);
    EXPECT_EQ(list_->FocusedRow(), 0);
    RECT client{};
    ::GetClientRect(list_->Window(), &client);
    const LPARAM empty = MAKELPARAM(client.right - 4, client.bottom - 4);
    Click(WM_RBUTTONDOWN, WM_RBUTTONUP, empty);
    EXPECT_EQ(list_->FocusColumn(), 1) << "a right click off the rows keeps the focus cell";
    Click(WM_LBUTTONDBLCLK, WM_LBUTTONUP, CellPoint(2, 0));
    EXPECT_EQ(rightClicked, (std::vector<int>{0, -1}));
    EXPECT_EQ(doubleClicked, (std::vector<int>{2}));
}

}  // namespace
}  // namespace tolvane::testing
