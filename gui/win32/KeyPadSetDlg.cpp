#include "gui/win32/KeyPadSetDlg.h"

#include <commctrl.h>

#include <string>

#include "gui/model/KeyPadLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/KeyPadTemplate.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"
#include "tolvane/keyprog/KeySearch.h"

namespace tolvane::gui::win32 {

namespace {

constexpr UINT_PTR kControlSubclass = 1;

// The key legends are set a point smaller than the dialog's texts so that the longest
// ("Delete", "Power") fit their keys, and the two-line legend smaller again.
constexpr int kKeyLegendPoints = 8;
constexpr int kTwoLineLegendPoints = 7;

KeyCode CodeOfControl(int id) {
    return static_cast<KeyCode>(id - (ids::kFirstOnScreenKey - 1));
}

}  // namespace

KeyPadSetDlg::KeyPadSetDlg(KeyPadSession session, InterfaceLanguage language)
    : session_(std::move(session)), language_(language) {}

KeyPadSetDlg::~KeyPadSetDlg() {
    if (!ended_) {
        session_.Cancel();
    }
    if (window_ != nullptr) {
        ::DestroyWindow(window_);  // before its lists and fonts go
    }
    keySettingList_.reset();
    specialKeyList_.reset();
    userKeyList_.reset();
    for (const HFONT font : keyFonts_) {
        if (font != nullptr) {
            ::DeleteObject(font);
        }
    }
}

HWND KeyPadSetDlg::OnScreenKey(KeyCode code) const {
    return code >= 1 && code <= kLastOnScreenKey ? Item(ids::kFirstOnScreenKey - 1 + code)
                                                 : nullptr;
}

// ---- Building ----

DialogTemplate KeyPadSetDlg::Template() const {
    return KeyPadTemplate(session_, language_);
}

void KeyPadSetDlg::OnInitDialog() {
    font_.Apply(window_, language_);
    SetKeyFonts();
    keySettingList_ = SetUpList(ids::kKeySettingList, KeySettingColumns());
    specialKeyList_ = SetUpList(ids::kSpecialKeyList, SpecialKeyColumns());
    userKeyList_ = SetUpList(ids::kUserKeyList, UserKeyColumns());
    keySettingList_->OnRowRightClicked(
        [this](int row, POINT point) { OnKeyListRightClick(row, point); });
    specialKeyList_->OnRowDoubleClicked([this](int row) { OnSpecialKeyChosen(row); });
    userKeyList_->OnRowDoubleClicked([this](int row) { OnUserKeyChosen(row); });
    userKeyList_->OnRowRightClicked(
        [this](int row, POINT point) { OnUserListRightClick(row, point); });
    SetUpEntryControls();
    WatchControls();
    ShowSpecialKeyRows();
    ShowUserKeyRows();
    ShowRows();
}

void KeyPadSetDlg::SetKeyFonts() {
    LOGFONTW metrics{};
    const auto font =
        reinterpret_cast<HFONT>(::SendMessageW(Item(ids::kKeyPadConfirm), WM_GETFONT, 0, 0));
    if (font == nullptr || ::GetObjectW(font, sizeof metrics, &metrics) == 0) {
        return;
    }
    const LONG dialogHeight = metrics.lfHeight;
    metrics.lfHeight = dialogHeight * kKeyLegendPoints / kDialogFontPoints;
    keyFonts_[0] = ::CreateFontIndirectW(&metrics);
    // The two-line legend holds "、", which the Chinese character set has.
    metrics.lfHeight = dialogHeight * kTwoLineLegendPoints / kDialogFontPoints;
    metrics.lfCharSet = GB2312_CHARSET;
    keyFonts_[1] = ::CreateFontIndirectW(&metrics);
    for (int code = 1; code <= kLastOnScreenKey; ++code) {
        const auto keyCode = static_cast<KeyCode>(code);
        ::SendMessageW(OnScreenKey(keyCode), WM_SETFONT,
                       reinterpret_cast<WPARAM>(keyFonts_[IsTwoLineLegend(keyCode) ? 1 : 0]),
                       FALSE);
    }
}

std::unique_ptr<CListCtrl_CellNav> KeyPadSetDlg::SetUpList(int id,
                                                           std::span<const ListColumn> columns) {
    auto list = std::make_unique<CListCtrl_CellNav>(Item(id));
    list->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    int index = 0;
    for (const ListColumn& column : columns) {
        list->InsertColumn(
            index++, std::string(column.Title(language_)), column.Width(language_),
            column.alignment == ColumnAlignment::kCentre ? LVCFMT_CENTER : LVCFMT_LEFT);
    }
    return list;
}

// Every control but the text boxes passes its keys here first: with the toggle on they are
// the PC keyboard's keys, and a focused push button leaves Enter to the default button.
void KeyPadSetDlg::WatchControls() {
    for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16] = {};
        ::GetClassNameW(child, kind, 16);
        if (::lstrcmpiW(kind, L"Edit") != 0 && child != Item(ids::kKeyPadOk)) {
            ::SetWindowSubclass(child, &ControlProcedure, kControlSubclass,
                                reinterpret_cast<DWORD_PTR>(this));
        }
    }
}

LRESULT CALLBACK KeyPadSetDlg::ControlProcedure(HWND control, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto& dialog = *reinterpret_cast<KeyPadSetDlg*>(self);
    if (message == WM_GETDLGCODE) {
        const LRESULT code = ::DefSubclassProc(control, message, wParam, lParam);
        return dialog.TakingKeys() ? code | DLGC_WANTALLKEYS
                                   : code & ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    }
    if (dialog.OnControlKey(control, message, wParam, lParam)) {
        return 0;
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(control, &ControlProcedure, kControlSubclass);
    }
    return ::DefSubclassProc(control, message, wParam, lParam);
}

// ---- Showing the session ----

void KeyPadSetDlg::ShowRows() {
    ShowShiftLatch();
    keySettingList_->DeleteAllItems();
    for (const KeyPadRow& row : session_.Rows()) {
        keySettingList_->AppendRow({row.number, row.name, row.value, row.layer});
    }
    ::SendMessageW(keySettingList_->Window(), LVM_ENSUREVISIBLE,
                   static_cast<WPARAM>(keySettingList_->RowCount() - 1), FALSE);
}

void KeyPadSetDlg::ShowShiftLatch() {
    for (const KeyCode shift : {kLeftShift, kRightShift}) {
        ::SendMessageW(OnScreenKey(shift), BM_SETCHECK,
                       session_.ShiftLatched() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void KeyPadSetDlg::ShowSpecialKeyRows() {
    listedSpecialKeys_ = ListedRows(SpecialKeyRowsShown(Utf8(BoxText(ids::kSpecialKeyFilter))));
    specialKeyList_->DeleteAllItems();
    for (const int row : listedSpecialKeys_) {
        specialKeyList_->AppendRow(SpecialKeyListRow(static_cast<std::size_t>(row)));
    }
}

void KeyPadSetDlg::ShowUserKeyRows() {
    listedUserKeys_ = ListedRows(session_.UserKeyRowsShown(Utf8(BoxText(ids::kUserKeyFilter))));
    userKeyList_->DeleteAllItems();
    const std::vector<UserKeyListRow>& rows = session_.UserKeyRows();
    for (const int group : listedUserKeys_) {
        const UserKeyListRow& row = rows[static_cast<std::size_t>(group)];
        userKeyList_->AppendRow({std::to_string(row.number), row.text});
    }
}

void KeyPadSetDlg::Show(const KeyPadChange& change) {
    Tell(change.message);
    if (change.rows) {
        ShowRows();
    }
    if (change.userKeys) {
        ShowUserKeyRows();
    }
}

void KeyPadSetDlg::Tell(std::optional<TextId> message) {
    if (message) {
        Prompts().Inform(window_, MessageCaption(), Wide(Text(*message, language_)),
                         MB_ICONINFORMATION);
    }
}

void KeyPadSetDlg::Tell(std::optional<FilledText> message) {
    if (message) {
        Prompts().Inform(window_, MessageCaption(), Wide(TextOf(*message, language_)),
                         MB_ICONINFORMATION);
    }
}

// ---- Actions ----

std::optional<INT_PTR> KeyPadSetDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            Cancel();
            return TRUE;
        default:
            return std::nullopt;
    }
}

void KeyPadSetDlg::OnCommand(int id, int code) {
    if (code == EN_CHANGE) {
        if (id == ids::kSpecialKeyFilter) {
            ShowSpecialKeyRows();
        } else if (id == ids::kUserKeyFilter) {
            ShowUserKeyRows();
        }
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    if (id >= ids::kFirstOnScreenKey && id <= ids::kLastOnScreenKey) {
        OnKeyClicked(CodeOfControl(id));
        return;
    }
    switch (id) {
        case ids::kKeyPadOk:
            OnEnter();
            break;
        case ids::kKeyPadConfirm:
            Confirm();
            break;
        case ids::kKeyPadCancel:
            Cancel();
            break;
        case ids::kAddUserKey:
            Show({.rows = false, .userKeys = true, .message = session_.AddUserKeyGroup()});
            break;
        case ids::kAddText:
            OnAddText(false);
            break;
        default:
            break;
    }
}

void KeyPadSetDlg::OnKeyClicked(KeyCode code) {
    Tell(session_.ClickKey(code));
    ShowRows();
}

void KeyPadSetDlg::OnSpecialKeyChosen(int listRow) {
    if (listRow >= 0 && listRow < static_cast<int>(listedSpecialKeys_.size())) {
        Tell(session_.AppendSpecialKey(listedSpecialKeys_[static_cast<std::size_t>(listRow)]));
        ShowRows();
    }
}

void KeyPadSetDlg::OnUserKeyChosen(int listRow) {
    if (listRow >= 0 && listRow < static_cast<int>(listedUserKeys_.size())) {
        Tell(session_.AppendUserKeyGroup(listedUserKeys_[static_cast<std::size_t>(listRow)]));
        ShowRows();
    }
}

int KeyPadSetDlg::PopUpMenu(std::span<const KeyPadMenuItem> items, POINT screenPoint) {
    const HMENU menu = ::CreatePopupMenu();
    for (const KeyPadMenuItem& item : items) {
        ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id),
                      Wide(Text(item.text, language_)).c_str());
    }
    const int chosen = Prompts().PopUp(window_, menu, screenPoint);
    ::DestroyMenu(menu);
    return chosen;
}

void KeyPadSetDlg::OnKeyListRightClick(int row, POINT screenPoint) {
    if (row >= 0) {
        Show(RunKeySettingListItem(session_, PopUpMenu(KeySettingListMenu(), screenPoint), row));
    }
}

void KeyPadSetDlg::OnUserListRightClick(int listRow, POINT screenPoint) {
    if (listRow >= 0 && listRow < static_cast<int>(listedUserKeys_.size())) {
        const int group = listedUserKeys_[static_cast<std::size_t>(listRow)];
        Show(RunUserKeyListItem(session_, PopUpMenu(UserKeyListMenu(), screenPoint), group));
    }
}

// ---- Ending ----

// Enter reaches the hidden default button from every control; the focus says what it does.
void KeyPadSetDlg::OnEnter() {
    const HWND focus = ::GetFocus();
    const int id = ::GetDlgCtrlID(focus);
    const KeyPadEnterPlace place = id == ids::kTypeTextEdit ? KeyPadEnterPlace::kTextLine
                                   : id == ids::kSpecialKeyFilter || id == ids::kUserKeyFilter
                                       ? KeyPadEnterPlace::kFilterBox
                                       : KeyPadEnterPlace::kElsewhere;
    switch (EnterAction(place, Utf8(BoxText(id)))) {
        case KeyPadEnterAction::kConfirm:
            Confirm();
            break;
        case KeyPadEnterAction::kAddTextThenEnter:
            OnAddText(true);
            break;
        case KeyPadEnterAction::kAddFirstListed:
            OnFilterEnter(focus);
            break;
    }
}

void KeyPadSetDlg::Confirm() {
    if (ended_) {
        return;
    }
    if (const std::optional<TextId> refusal = session_.Confirm()) {
        Tell(refusal);
        return;
    }
    ended_ = true;
    End(IDOK);
}

void KeyPadSetDlg::Cancel() {
    if (!ended_) {
        session_.Cancel();
        ended_ = true;
    }
    End(IDCANCEL);
}

}  // namespace tolvane::gui::win32
