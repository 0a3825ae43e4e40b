#include "gui/win32/DialogFontCharset.h"

namespace tolvane::gui::win32 {

DialogFontCharset::~DialogFontCharset() {
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
}

HFONT DialogFontCharset::Font(HWND dialog) {
    if (font_ != nullptr) {
        return font_;
    }
    LOGFONTW metrics{};
    const auto dialogFont = reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (dialogFont != nullptr && ::GetObjectW(dialogFont, sizeof metrics, &metrics) != 0) {
        metrics.lfCharSet = GB2312_CHARSET;
        font_ = ::CreateFontIndirectW(&metrics);
    }
    return font_;
}

void DialogFontCharset::ApplyTo(HWND dialog, int control) {
    if (const HFONT font = Font(dialog)) {
        ::SendDlgItemMessageW(dialog, control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

void DialogFontCharset::Apply(HWND dialog, InterfaceLanguage language) {
    if (language != InterfaceLanguage::kChinese || Font(dialog) == nullptr) {
        return;
    }
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
}

}  // namespace tolvane::gui::win32
