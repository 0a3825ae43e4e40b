// The key programming dialog's faster key entry on Windows: the text line, the toggle that
// takes keys from the PC's keyboard, the key setting list's own keys and the two filter boxes.
// What each adds, refuses or shows is the session's; this file turns key messages and typing
// into those calls.
#include "gui/win32/KeyPadSetDlg.h"

#include <commctrl.h>

#include "gui/model/ResourceIds.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr LPARAM kRepeatedKey = 1 << 30;
constexpr int kKeyNameLength = 64;
constexpr UINT_PTR kHintedBoxSubclass = 3;

// The physical key of a key message: its set-1 scan code, with 0x100 for the E0-prefixed keys.
std::uint32_t ScanCodeOf(LPARAM keyData) {
    return static_cast<std::uint32_t>((keyData >> 16) & 0x1FF);
}

std::string PcKeyName(LPARAM keyData) {
    wchar_t name[kKeyNameLength] = {};
    const int length = ::GetKeyNameTextW(static_cast<LONG>(keyData), name, kKeyNameLength);
    return Utf8(std::wstring_view(name, static_cast<std::size_t>(length > 0 ? length : 0)));
}

// The messages by which a text box's text can change.
bool EditsText(UINT message) {
    switch (message) {
        case WM_CHAR:
        case WM_KEYDOWN:
        case WM_SETTEXT:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
        case EM_REPLACESEL:
            return true;
        default:
            return false;
    }
}

bool Held(int key) {
    return (::GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

void KeyPadSetDlg::SetUpEntryControls() {
    if (session_.Mode() == KeyPadMode::kCard) {
        ::SendMessageW(Item(ids::kTypeTextEdit), EM_LIMITTEXT, 1, 0);
    }
    for (const int id : {ids::kTypeTextEdit, ids::kSpecialKeyFilter, ids::kUserKeyFilter}) {
        ::SetWindowSubclass(Item(id), &HintedBoxProcedure, kHintedBoxSubclass,
                            reinterpret_cast<DWORD_PTR>(this));
    }
}

std::wstring KeyPadSetDlg::HintOf(int id) const {
    const bool card = session_.Mode() == KeyPadMode::kCard;
    const TextId hint = id != ids::kTypeTextEdit ? TextId::kFilterHint
                        : card                   ? TextId::kTypeCardCharacterHint
                                                 : TextId::kTypeTextHint;
    return Wide(Text(hint, language_));
}

// An empty text box shows what it is for in grey, as the edits' own cue banners would where
// the system's controls offer them.
LRESULT CALLBACK KeyPadSetDlg::HintedBoxProcedure(HWND box, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(box, &HintedBoxProcedure, kHintedBoxSubclass);
    }
    const bool edits = EditsText(message);
    const bool wasEmpty = edits && ::GetWindowTextLengthW(box) == 0;
    const LRESULT result = ::DefSubclassProc(box, message, wParam, lParam);
    if (edits && ::IsWindow(box) && wasEmpty != (::GetWindowTextLengthW(box) == 0)) {
        ::InvalidateRect(box, nullptr, TRUE);  // the hint comes or goes as a whole
    }
    if (message == WM_PAINT && ::GetWindowTextLengthW(box) == 0 && ::IsWindowEnabled(box)) {
        const std::wstring hint =
            reinterpret_cast<const KeyPadSetDlg*>(self)->HintOf(::GetDlgCtrlID(box));
        RECT place{};
        ::SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&place));
        const HDC canvas = ::GetDC(box);
        const HGDIOBJ old =
            ::SelectObject(canvas, reinterpret_cast<HFONT>(::SendMessageW(box, WM_GETFONT, 0, 0)));
        ::SetTextColor(canvas, ::GetSysColor(COLOR_GRAYTEXT));
        ::SetBkMode(canvas, TRANSPARENT);
        ::DrawTextW(canvas, hint.c_str(), static_cast<int>(hint.size()), &place,
                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        ::SelectObject(canvas, old);
        ::ReleaseDC(box, canvas);
    }
    return result;
}

std::wstring KeyPadSetDlg::BoxText(int id) const {
    const HWND box = Item(id);
    return box != nullptr ? WindowText(box) : std::wstring();
}

bool KeyPadSetDlg::TakingKeys() const {
    return ::IsDlgButtonChecked(window_, ids::kTakeKeysToggle) == BST_CHECKED;
}

bool KeyPadSetDlg::OnControlKey(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (TakingKeys()) {
        switch (message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                // A held key adds itself once.
                if ((lParam & kRepeatedKey) == 0) {
                    OnPcKey(lParam);
                }
                return true;
            case WM_KEYUP:
            case WM_SYSKEYUP:  // nor does a lone Alt open the system menu
            case WM_CHAR:
            case WM_SYSCHAR:
            case WM_DEADCHAR:
            case WM_SYSDEADCHAR:
                return true;
            default:
                return false;
        }
    }
    return message == WM_KEYDOWN && control == keySettingList_->Window() &&
           OnKeySettingListKey(wParam);
}

void KeyPadSetDlg::OnPcKey(LPARAM keyData) {
    Tell(session_.PressPcKey(ScanCodeSet::kWindowsScanCode, ScanCodeOf(keyData),
                             PcKeyName(keyData)));
    ShowRows();
}

bool KeyPadSetDlg::OnKeySettingListKey(WPARAM key) {
    const bool control = Held(VK_CONTROL);
    const bool other = Held(VK_SHIFT) || Held(VK_MENU);
    if ((key == VK_DELETE || key == VK_BACK) && !control && !other) {
        const std::optional<int> next =
            DeleteSelectedRows(session_, keySettingList_->SelectedRows());
        ShowRows();
        if (next) {
            keySettingList_->SelectRow(*next);
        }
        return true;
    }
    if ((key == VK_UP || key == VK_DOWN) && control && !other) {
        if (const std::optional<int> moved =
                session_.MoveRow(keySettingList_->FocusedRow(), key == VK_UP ? -1 : 1)) {
            ShowRows();
            keySettingList_->SelectRow(*moved);
        }
        return true;
    }
    return false;
}

void KeyPadSetDlg::OnAddText(bool thenEnter) {
    const std::optional<FilledText> refusal =
        session_.AppendText(Utf8(BoxText(ids::kTypeTextEdit)), thenEnter);
    Tell(refusal);
    if (!refusal) {
        ::SetDlgItemTextW(window_, ids::kTypeTextEdit, L"");
    }
    ShowRows();
}

void KeyPadSetDlg::OnFilterEnter(HWND filter) {
    if (::GetDlgCtrlID(filter) == ids::kSpecialKeyFilter) {
        OnSpecialKeyChosen(0);
    } else {
        OnUserKeyChosen(0);
    }
}

}  // namespace tolvane::gui::win32
