#include "gui/win32/DialogFontCharset.h"

namespace tolvane::gui::win32 {

DialogFontCharset::~DialogFontCharset() {
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
}

void DialogFontCharset::Apply(HWND dialog, InterfaceLanguage language) {
    if (language != InterfaceLanguage::kChinese || font_ != nullptr) {
        return;
    }
    LOGFONTW metrics{};
    const auto dialogFont = reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (dialogFont == nullptr || ::GetObjectW(dialogFont, sizeof metrics, &metrics) == 0) {
        return;
    }
    metrics.lfCharSet = GB2312_CHARSET;
    font_ = ::CreateFontIndirectW(&metrics);
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
}

}  // namespace tolvane::gui::win32
