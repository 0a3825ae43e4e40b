#include "gui/win32/CKeyBoardSetDlg.h"

#include <string>

#include "gui/model/OptionDialogsLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/DialogTemplate.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr DWORD kShown = WS_VISIBLE | WS_TABSTOP;

// Every control but the second radio starts a group, so the two radios form one.
void AddControl(DialogTemplate& dialog, const ControlPlace& place, InterfaceLanguage language) {
    const std::wstring caption = Wide(CaptionText(KeyboardSetCaptions(), place.id, language));
    switch (place.id) {
        case ids::kKeyRepeatBox:
        case ids::kKeySoundBox:
            dialog.AddControl(ControlClass::kButton, kShown | WS_GROUP | BS_AUTOCHECKBOX,
                              place.rect, place.id, caption);
            break;
        case ids::kAllKeysRadio:
        case ids::kEncodedKeysRadio:
            dialog.AddControl(
                ControlClass::kButton,
                kShown | BS_AUTORADIOBUTTON | (place.id == ids::kAllKeysRadio ? WS_GROUP : 0),
                place.rect, place.id, caption);
            break;
        case ids::kCountryCodeLabel:
            dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | WS_GROUP | SS_LEFT, place.rect,
                              place.id, caption);
            break;
        case ids::kCountryCodeList:
            dialog.AddControl(ControlClass::kComboBox,
                              kShown | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT,
                              place.rect, place.id);
            break;
        default:
            dialog.AddControl(
                ControlClass::kButton,
                kShown | WS_GROUP |
                    (place.id == ids::kKeyboardSetOk ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                place.rect, place.id, caption);
            break;
    }
}

DialogTemplate KeyboardSetTemplate(InterfaceLanguage language) {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          kKeyboardSetClient, Wide(kKeyboardSetTitle), kDialogFontFace,
                          kDialogFontPoints);
    for (const ControlPlace& place : KeyboardSetControls()) {
        AddControl(dialog, place, language);
    }
    return dialog;
}

}  // namespace

CKeyBoardSetDlg::CKeyBoardSetDlg(KeyboardImage& image, InterfaceLanguage language)
    : settings_(image), language_(language) {}

DialogTemplate CKeyBoardSetDlg::Template() const {
    return KeyboardSetTemplate(language_);
}

std::optional<INT_PTR> CKeyBoardSetDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) {
        return std::nullopt;
    }
    OnCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
}

void CKeyBoardSetDlg::OnInitDialog() {
    font_.Apply(window_, language_);
    const HWND list = ::GetDlgItem(window_, ids::kCountryCodeList);
    for (const std::string_view item : kCountryListItems) {
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
    ShowSettings();
}

void CKeyBoardSetDlg::ShowSettings() {
    ::CheckDlgButton(window_, ids::kKeyRepeatBox, settings_.RepeatTicked());
    ::CheckDlgButton(window_, ids::kKeySoundBox, settings_.SoundTicked());
    const std::optional<SoundScope> scope = settings_.Scope();
    for (const auto& [id, radioScope] : {std::pair{ids::kAllKeysRadio, SoundScope::kAllKeys},
                                         {ids::kEncodedKeysRadio, SoundScope::kProgrammedKeys}}) {
        const HWND radio = ::GetDlgItem(window_, id);
        ::EnableWindow(radio, settings_.ScopeEnabled());
        ::CheckDlgButton(window_, id, scope == radioScope ? BST_CHECKED : BST_UNCHECKED);
    }
    const std::wstring country = Wide(settings_.CountryText());
    const HWND list = ::GetDlgItem(window_, ids::kCountryCodeList);
    ::SendMessageW(list, CB_SETCURSEL,
                   static_cast<WPARAM>(::SendMessageW(list, CB_FINDSTRINGEXACT, WPARAM(-1),
                                                      reinterpret_cast<LPARAM>(country.c_str()))),
                   0);
}

void CKeyBoardSetDlg::OnCommand(int id, int code) {
    switch (id) {
        case ids::kKeyRepeatBox:
            settings_.SetRepeat(::IsDlgButtonChecked(window_, id) == BST_CHECKED);
            break;
        case ids::kKeySoundBox:
            settings_.SetSound(::IsDlgButtonChecked(window_, id) == BST_CHECKED);
            ShowSettings();
            break;
        case ids::kAllKeysRadio:
        case ids::kEncodedKeysRadio:
            settings_.SelectScope(id == ids::kAllKeysRadio ? SoundScope::kAllKeys
                                                           : SoundScope::kProgrammedKeys);
            break;
        case ids::kCountryCodeList:
            if (code == CBN_SELCHANGE) {
                wchar_t name[16] = {};
                ::GetDlgItemTextW(window_, id, name, 16);
                settings_.SelectCountry(Utf8(name));
                ShowSettings();
            }
            break;
        case ids::kKeyboardSetOk:
            OnOk();
            break;
        case ids::kKeyboardSetCancel:
            End(IDCANCEL);
            break;
        default:
            break;
    }
}

void CKeyBoardSetDlg::OnOk() {
    if (const std::optional<TextId> refusal = settings_.Confirm()) {
        Prompts().Inform(window_, MessageCaption(), Wide(Text(*refusal, language_)),
                         MB_ICONWARNING);
        ::SetFocus(::GetDlgItem(window_, ids::kAllKeysRadio));
        return;
    }
    End(IDOK);
}

}  // namespace tolvane::gui::win32
