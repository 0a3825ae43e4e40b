#include "pellimore/win32/SentinelEdit.h"

#include <commctrl.h>

#include <string>

#include "pellimore/SentinelInput.h"

namespace pellimore::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr WPARAM kFirstNonAscii = 0x80;

std::u16string ClipboardText(HWND owner) {
    std::u16string text;
    if (!::OpenClipboard(owner)) {
        return text;
    }
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* characters = static_cast<const char16_t*>(::GlobalLock(data))) {
            text = characters;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

LRESULT CALLBACK SentinelEditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_CHAR:
            if (wParam >= kFirstNonAscii) {
                return 0;
            }
            break;
        case WM_PASTE: {
            const std::u16string kept = SentinelInput(ClipboardText(edit));
            const std::wstring replacement(kept.begin(), kept.end());
            // The edit's limit cuts what does not fit, as it does for typing.
            ::SendMessageW(edit, EM_REPLACESEL, TRUE,
                           reinterpret_cast<LPARAM>(replacement.c_str()));
            return 0;
        }
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(edit, &SentinelEditProcedure, kSubclassId);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void MakeSentinelEdit(HWND edit) {
    ::SetWindowTextW(edit, L"");
    ::SendMessageW(edit, EM_LIMITTEXT, kSentinelLength, 0);
    ::SetWindowSubclass(edit, &SentinelEditProcedure, kSubclassId, 0);
}

}  // namespace pellimore::win32
