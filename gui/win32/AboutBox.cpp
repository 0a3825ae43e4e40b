// UTF-8 source: the title and the button carry Chinese text in both languages.
#include "gui/win32/AboutBox.h"

#include "gui/model/AboutLayout.h"
#include "gui/win32/DialogTemplate.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

HICON shownIcon = nullptr;  // the About box is modal: one at a time

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            ::SendDlgItemMessageW(dialog, kAboutIconControl, STM_SETICON,
                                  reinterpret_cast<WPARAM>(shownIcon), 0);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                ::EndDialog(dialog, LOWORD(wParam));
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void RunAboutBox(HWND owner, HICON icon) {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          kAboutSize, Wide(kAboutTitle), kDialogFontFace, kDialogFontPoints);
    dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_ICON, kAboutIconPlace,
                      kAboutIconControl);
    dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kAboutVersionPlace,
                      -1, Wide(kAboutVersion));
    dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kAboutDatePlace,
                      -1, Wide(kAboutDate));
    dialog.AddControl(ControlClass::kButton, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                      kAboutOkPlace, IDOK, Wide(kAboutOk));
    RunAboutDialog(owner, dialog, icon);
}

void RunAboutDialog(HWND owner, const DialogTemplate& dialog, HICON icon) {
    shownIcon = icon;
    Prompts().RunModal(owner, dialog.Get(), &AboutProcedure);
}

}  // namespace tolvane::gui::win32
