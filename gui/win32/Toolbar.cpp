#include "gui/win32/Toolbar.h"

#include <vector>

#include "gui/model/CommandTable.h"
#include "gui/win32/Artwork.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

HIMAGELIST ImageListOf(InterfaceLanguage language, ToolbarLook look) {
    const HIMAGELIST list = ::ImageList_Create(kToolbarImageSize, kToolbarImageSize,
                                               ILC_COLOR24 | ILC_MASK, kToolbarButtonCount, 0);
    const HBITMAP strip = ToolbarStrip(language, look);
    // The colour of the strip's first pixel is transparent.
    ::ImageList_AddMasked(list, strip, ToolbarTransparent());
    ::DeleteObject(strip);
    return list;
}

}  // namespace

Toolbar::Toolbar(HWND parent) {
    window_ = ::CreateWindowExW(
        0, TOOLBARCLASSNAMEW, L"Toolbar",
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER, 0, 0, 0,
        0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(window_, TB_SETBITMAPSIZE, 0, MAKELPARAM(kToolbarImageSize, kToolbarImageSize));
}

Toolbar::~Toolbar() {
    for (const HIMAGELIST list : {normal_, hot_, disabled_}) {
        if (list != nullptr) {
            ::ImageList_Destroy(list);
        }
    }
}

void Toolbar::RemoveButtons() {
    while (::SendMessageW(window_, TB_BUTTONCOUNT, 0, 0) > 0) {
        ::SendMessageW(window_, TB_DELETEBUTTON, 0, 0);
    }
}

void Toolbar::SetImageLists(InterfaceLanguage language) {
    const HIMAGELIST old[] = {normal_, hot_, disabled_};
    normal_ = ImageListOf(language, ToolbarLook::kNormal);
    hot_ = ImageListOf(language, ToolbarLook::kHot);
    disabled_ = ImageListOf(language, ToolbarLook::kDisabled);
    ::SendMessageW(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal_));
    ::SendMessageW(window_, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot_));
    ::SendMessageW(window_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled_));
    for (const HIMAGELIST list : old) {
        if (list != nullptr) {
            ::ImageList_Destroy(list);
        }
    }
}

void Toolbar::Load(InterfaceLanguage language) {
    RemoveButtons();
    SetImageLists(language);
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (const ToolbarButton& button : gui::MainToolbar(language)) {
        if (button.startsGroup) {
            TBBUTTON separator{};
            separator.fsStyle = BTNS_SEP;
            buttons.push_back(separator);
        }
        TBBUTTON entry{};
        entry.iBitmap = image++;
        entry.idCommand = button.id;
        entry.fsState = TBSTATE_ENABLED;
        entry.fsStyle = BTNS_BUTTON;
        buttons.push_back(entry);
    }
    ::SendMessageW(window_, TB_ADDBUTTONSW, buttons.size(),
                   reinterpret_cast<LPARAM>(buttons.data()));
    // The label is drawn into the picture under the icon; the text is the button's name.
    for (const ToolbarButton& button : gui::MainToolbar(language)) {
        std::wstring label = Wide(ToolbarLabel(button, language));
        TBBUTTONINFOW info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_TEXT;
        info.pszText = label.data();
        ::SendMessageW(window_, TB_SETBUTTONINFOW, static_cast<WPARAM>(button.id),
                       reinterpret_cast<LPARAM>(&info));
    }
    ::SendMessageW(window_, TB_SETMAXTEXTROWS, 0, 0);  // names for tools, pictures on screen
    ::SendMessageW(window_, TB_AUTOSIZE, 0, 0);
    loadedId_ = MainToolbarId(language);
    ::InvalidateRect(window_, nullptr, TRUE);
}

void Toolbar::EnableButton(int id, bool enabled) {
    ::SendMessageW(window_, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(enabled, 0));
}

int Toolbar::Height() const {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    return rect.bottom - rect.top;
}

int Toolbar::ButtonCount() const {
    int count = 0;
    const auto total = static_cast<int>(::SendMessageW(window_, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < total; ++index) {
        TBBUTTON button{};
        ::SendMessageW(window_, TB_GETBUTTON, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&button));
        count += (button.fsStyle & BTNS_SEP) == 0 ? 1 : 0;
    }
    return count;
}

bool Toolbar::HasButton(int id) const {
    return ::SendMessageW(window_, TB_COMMANDTOINDEX, static_cast<WPARAM>(id), 0) >= 0;
}

bool Toolbar::IsButtonEnabled(int id) const {
    return ::SendMessageW(window_, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
}

std::wstring Toolbar::ButtonText(int id) const {
    std::wstring text(256, L'\0');
    const auto length = ::SendMessageW(window_, TB_GETBUTTONTEXTW, static_cast<WPARAM>(id),
                                       reinterpret_cast<LPARAM>(text.data()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

}  // namespace tolvane::gui::win32
