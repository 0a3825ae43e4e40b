#include "gui/win32/KeyPadTemplate.h"

#include <commctrl.h>

#include "gui/model/KeyPadLayout.h"
#include "gui/model/KeyPadRules.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr DWORD kShown = WS_VISIBLE | WS_TABSTOP;

bool IsGroupBox(int id) {
    return id == ids::kKeySettingGroup || id == ids::kSpecialKeyGroup || id == ids::kUserKeyGroup;
}

bool IsList(int id) {
    return id == ids::kKeySettingList || id == ids::kSpecialKeyList || id == ids::kUserKeyList;
}

bool IsLamp(int id) {
    return id == ids::kNumLamp || id == ids::kCapsLamp || id == ids::kScrollLamp;
}

// Rows are deleted from the keyboard in any number, so the key setting list takes several;
// card mode leaves the other two lists and their filters to the keys alone.
void AddControl(DialogTemplate& dialog, const ControlPlace& place, InterfaceLanguage language,
                bool card) {
    const std::wstring caption = Wide(CaptionText(KeyPadCaptions(), place.id, language));
    if (IsGroupBox(place.id)) {
        dialog.AddControl(ControlClass::kButton, WS_VISIBLE | BS_GROUPBOX, place.rect, place.id,
                          caption);
    } else if (IsList(place.id)) {
        const bool keySetting = place.id == ids::kKeySettingList;
        dialog.AddControl(WC_LISTVIEWW,
                          kShown | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS |
                              (keySetting ? 0 : LVS_SINGLESEL) |
                              (card && !keySetting ? WS_DISABLED : 0),
                          place.rect, place.id);
    } else if (IsLamp(place.id)) {
        // The lamps have no effect on the composition: the focus starts on the key setting
        // list instead.
        dialog.AddControl(ControlClass::kButton, WS_VISIBLE | BS_AUTOCHECKBOX, place.rect, place.id,
                          caption);
    } else if (place.id == ids::kKeyPadOk) {
        dialog.AddControl(ControlClass::kButton, BS_DEFPUSHBUTTON, place.rect, place.id, caption);
    } else {
        dialog.AddControl(ControlClass::kButton, kShown | BS_PUSHBUTTON, place.rect, place.id,
                          caption);
    }
}

// The Shift keys latch: they stay pressed while the next key is named shifted.
void AddKey(DialogTemplate& dialog, KeyCode code, const KeyPadSession& session) {
    const DWORD kind = IsShiftCode(code) ? BS_AUTOCHECKBOX | BS_PUSHLIKE : BS_PUSHBUTTON;
    dialog.AddControl(ControlClass::kButton,
                      kShown | kind | (IsTwoLineLegend(code) ? BS_MULTILINE : 0) |
                          (session.IsKeyEnabled(code) ? 0 : WS_DISABLED),
                      OnScreenKeyPlace(code), ids::kFirstOnScreenKey - 1 + code,
                      Wide(OnScreenKeyLegend(code)));
}

void AddEntryControl(DialogTemplate& dialog, const ControlPlace& place, InterfaceLanguage language,
                     bool card) {
    const auto text = [language](TextId id) { return Wide(Text(id, language)); };
    switch (place.id) {
        case ids::kTypeTextLabel:
            dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_LEFT, place.rect, place.id,
                              text(TextId::kTypeTextLabel));
            break;
        case ids::kAddText:
            dialog.AddControl(ControlClass::kButton, kShown | BS_PUSHBUTTON, place.rect, place.id,
                              text(TextId::kAddText));
            break;
        case ids::kTakeKeysToggle:
            dialog.AddControl(ControlClass::kButton, kShown | BS_AUTOCHECKBOX, place.rect, place.id,
                              text(TextId::kTakeKeysFromKeyboard));
            break;
        default: {
            const bool filter = place.id != ids::kTypeTextEdit;
            dialog.AddControl(
                ControlClass::kEdit,
                kShown | WS_BORDER | ES_AUTOHSCROLL | (card && filter ? WS_DISABLED : 0),
                place.rect, place.id);
            break;
        }
    }
}

}  // namespace

bool IsTwoLineLegend(KeyCode code) {
    return OnScreenKeyCaption(code).find('\n') != std::string_view::npos;
}

DialogTemplate KeyPadTemplate(const KeyPadSession& session, InterfaceLanguage language) {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          kKeyPadClient, Wide(KeyPadTitle(session, language)), kDialogFontFace,
                          kDialogFontPoints);
    const bool card = session.Mode() == KeyPadMode::kCard;
    // The group boxes go first, so that they lie under the lists they frame.
    for (const bool groups : {true, false}) {
        for (const ControlPlace& place : KeyPadControls()) {
            if (IsGroupBox(place.id) == groups) {
                AddControl(dialog, place, language, card);
            }
        }
    }
    for (int code = 1; code <= kLastOnScreenKey; ++code) {
        AddKey(dialog, static_cast<KeyCode>(code), session);
    }
    for (const ControlPlace& place : KeyPadEntryControls()) {
        AddEntryControl(dialog, place, language, card);
    }
    return dialog;
}

}  // namespace tolvane::gui::win32
