// The key programming dialog, 130, on Windows: made by the dialog manager from gui/model's
// layout and caption tables, a thin view over the core's KeyPadSession. A click on an
// on-screen key, a double click on a special key or a user key group and the lists' pop-up
// menus go to the session; its rows and messages come back here.
//
// Enter confirms wherever the focus is, as the hidden default button takes it, except in the
// text line and the filter boxes (gui/model/KeyPadRules.h); Esc and the close box cancel.
// The dialog ends with OK only through confirm, so the image never holds a composition that
// its count does not cover. A dialog destroyed without having ended is cancelled.
//
// Faster key entry (KeyPadSetDlgEntry.cpp): Add Text adds the typed text; with "Take keys
// from my keyboard" on, every key pressed anywhere but in a text box is the key of the same
// place; Delete and Backspace remove the selected rows of the key setting list and Ctrl+Up
// and Ctrl+Down move a row; the filter boxes narrow the two lists above them.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gui/model/KeyPadLayout.h"
#include "gui/model/KeyPadRules.h"
#include "gui/win32/CListCtrl_CellNav.h"
#include "gui/win32/DialogFontCharset.h"
#include "gui/win32/TemplateDialog.h"
#include "tolvane/keyprog/KeyPadSession.h"

namespace tolvane::gui::win32 {

class KeyPadSetDlg final : public TemplateDialog {
  public:
    // Takes a session already opened on its button or track part, with its user key groups
    // loaded.
    KeyPadSetDlg(KeyPadSession session, InterfaceLanguage language);
    ~KeyPadSetDlg() override;

    HWND Item(int id) const { return ::GetDlgItem(window_, id); }
    HWND OnScreenKey(KeyCode code) const;
    // The lists, once the window is made.
    CListCtrl_CellNav& KeySettingList() const { return *keySettingList_; }
    CListCtrl_CellNav& SpecialKeyList() const { return *specialKeyList_; }
    CListCtrl_CellNav& UserKeyList() const { return *userKeyList_; }

  private:
    static LRESULT CALLBACK ControlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR self);
    DialogTemplate Template() const override;
    void OnInitDialog() override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);

    void SetKeyFonts();
    std::unique_ptr<CListCtrl_CellNav> SetUpList(int id, std::span<const ListColumn> columns);
    void WatchControls();

    void ShowRows();
    void ShowShiftLatch();
    void ShowSpecialKeyRows();
    void ShowUserKeyRows();
    void Show(const KeyPadChange& change);
    void Tell(std::optional<TextId> message);
    void Tell(std::optional<FilledText> message);

    // Shows a pop-up menu at the pointer; the id of the chosen item, 0 for none.
    int PopUpMenu(std::span<const KeyPadMenuItem> items, POINT screenPoint);

    void OnKeyClicked(KeyCode code);
    void OnSpecialKeyChosen(int listRow);
    void OnUserKeyChosen(int listRow);
    void OnKeyListRightClick(int row, POINT screenPoint);
    void OnUserListRightClick(int listRow, POINT screenPoint);
    void OnEnter();
    void Confirm();
    void Cancel();

    // ---- Faster key entry ----
    void SetUpEntryControls();
    static LRESULT CALLBACK HintedBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR, DWORD_PTR self);
    std::wstring HintOf(int id) const;
    // True when the control's message was taken: a key for the session, the key setting
    // list's own keys.
    bool OnControlKey(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    bool TakingKeys() const;
    void OnPcKey(LPARAM keyData);
    bool OnKeySettingListKey(WPARAM key);
    void OnAddText(bool thenEnter);
    void OnFilterEnter(HWND filter);
    std::wstring BoxText(int id) const;

    KeyPadSession session_;
    const InterfaceLanguage language_;
    DialogFontCharset font_;
    std::array<HFONT, 2> keyFonts_{};  // one-line and two-line legends
    bool ended_ = false;

    std::unique_ptr<CListCtrl_CellNav> keySettingList_;
    std::unique_ptr<CListCtrl_CellNav> specialKeyList_;
    std::unique_ptr<CListCtrl_CellNav> userKeyList_;
    // Which special key and user key group each listed row is, under the filters.
    std::vector<int> listedSpecialKeys_;
    std::vector<int> listedUserKeys_;
};

}  // namespace tolvane::gui::win32
