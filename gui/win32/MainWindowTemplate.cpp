#include "gui/win32/MainWindowTemplate.h"

#include <richedit.h>

#include "gui/model/EditSession.h"
#include "gui/model/MainWindowLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/Wide.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane::gui::win32 {

namespace {

constexpr int kFrameId = -1;  // the frames carry no number

void AddNamedControl(DialogTemplate& dialog, const ControlPlace& place) {
    const DialogRect& rect = place.rect;
    switch (place.id) {
        case ids::kConnectionPicture:
        case ids::kLayerPicture:
            dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_BITMAP, rect, place.id);
            break;
        case ids::kLayerGroup:
            dialog.AddControl(ControlClass::kButton, WS_VISIBLE | BS_GROUPBOX, rect, place.id);
            break;
        case ids::kLayerSelector:
            dialog.AddControl(ControlClass::kComboBox,
                              WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, rect,
                              place.id, L"Layer");
            break;
        case ids::kKeyInfoBox:
            dialog.AddControl(RICHEDIT_CLASSW,
                              WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                              rect, place.id, L"");
            break;
        default:
            break;
    }
}

}  // namespace

DialogTemplate MainWindowTemplate() {
    DialogTemplate dialog(
        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_3DLOOK,
        kMainWindowClient, Wide(EditSession::kProgramTitle), kDialogFontFace, kDialogFontPoints);
    for (const ControlPlace& place : MainWindowControls()) {
        AddNamedControl(dialog, place);
    }
    for (int button = 1; button <= ButtonCount; ++button) {
        const DWORD shown = IsKeyButtonShown(button) ? WS_VISIBLE | WS_TABSTOP : 0;
        dialog.AddControl(ControlClass::kButton, shown | BS_OWNERDRAW, KeyButtonPlace(button),
                          ids::kFirstKeyButton - 1 + button);
    }
    // The resource's OK and Cancel, never shown: Enter and Escape reach neither.
    dialog.AddControl(ControlClass::kButton, BS_PUSHBUTTON, {0, 0, 1, 1}, IDOK, L"OK");
    dialog.AddControl(ControlClass::kButton, BS_PUSHBUTTON, {0, 0, 1, 1}, IDCANCEL, L"Cancel");
    // The frames last, so that they lie under the controls they frame.
    for (const ControlPlace& place : MainWindowControls()) {
        if (place.id == 0) {
            dialog.AddControl(ControlClass::kButton, WS_VISIBLE | BS_GROUPBOX, place.rect,
                              kFrameId);
        }
    }
    return dialog;
}

}  // namespace tolvane::gui::win32
