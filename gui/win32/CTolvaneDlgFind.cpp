// The main window's Find: the Find window beside the panel, and what choosing one of its hits
// does on the panel (the hit's layer shown, its button framed).
#include "gui/model/ResourceIds.h"
#include "gui/win32/CFindDlg.h"
#include "gui/win32/CTolvaneDlg.h"

namespace tolvane::gui::win32 {

namespace {

constexpr int kFindWindowGap = 8;  // pixels between the main window and Find

}  // namespace

HWND CTolvaneDlg::FindWindowShown() const {
    return findDlg_ != nullptr ? findDlg_->Window() : nullptr;
}

void CTolvaneDlg::OnFind() {
    if (findDlg_ == nullptr) {
        findDlg_ = std::make_unique<CFindDlg>(
            image_, language_.interfaceLanguage, [this](const FindHit& hit) { ShowFindHit(hit); },
            [this] { FrameFoundButton(0); });
        if (!findDlg_->Create(window_)) {
            findDlg_.reset();
            return;
        }
        PlaceBesideWindow(findDlg_->Window());
    }
    const HWND find = findDlg_->Window();
    findDlg_->Search();
    ::ShowWindow(find, SW_SHOW);
    ::SetActiveWindow(find);
    const HWND line = ::GetDlgItem(find, ids::kFindEdit);
    ::SetFocus(line);
    ::SendMessageW(line, EM_SETSEL, 0, -1);
}

// Beside the main window, leaving the panel in sight, where the screen has room.
void CTolvaneDlg::PlaceBesideWindow(HWND find) {
    RECT main{};
    RECT own{};
    ::GetWindowRect(window_, &main);
    ::GetWindowRect(find, &own);
    const RECT beside{main.right + kFindWindowGap, main.top,
                      main.right + kFindWindowGap + own.right - own.left,
                      main.top + own.bottom - own.top};
    MONITORINFO screen{sizeof screen, {}, {}, 0};
    ::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &screen);
    RECT fits{};
    if (::IntersectRect(&fits, &beside, &screen.rcWork) && ::EqualRect(&fits, &beside)) {
        ::SetWindowPos(find, nullptr, beside.left, beside.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CTolvaneDlg::ShowFindHit(const FindHit& hit) {
    ShowLayer(hit.layer);
    FrameFoundButton(hit.button);
}

void CTolvaneDlg::FrameFoundButton(int button) {
    const int old = foundButton_;
    foundButton_ = button;
    for (const int changed : {old, button}) {
        if (const HWND key = KeyButton(changed)) {
            ::InvalidateRect(key, nullptr, FALSE);
        }
    }
}

}  // namespace tolvane::gui::win32
