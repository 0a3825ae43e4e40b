#include "gui/win32/CLegendLabelDlg.h"

#include <commctrl.h>

#include "gui/model/LegendDialogsLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"
#include "tolvane/legend/LegendLabels.h"

namespace tolvane::gui::win32 {

namespace {

constexpr DWORD kShown = WS_VISIBLE | WS_TABSTOP;

void AddControl(DialogTemplate& dialog, const ControlPlace& place, InterfaceLanguage language) {
    switch (place.id) {
        case ids::kLegendLabelPrompt:
            dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_LEFT, place.rect, place.id);
            break;
        case ids::kLegendLabelEdit:
            dialog.AddControl(ControlClass::kEdit, kShown | WS_BORDER | ES_AUTOHSCROLL, place.rect,
                              place.id);
            break;
        default: {
            const bool ok = place.id == ids::kLegendLabelOk;
            dialog.AddControl(
                ControlClass::kButton, kShown | (ok ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), place.rect,
                place.id, Wide(Text(ok ? TextId::kDialogOk : TextId::kAnswerCancel, language)));
            break;
        }
    }
}

}  // namespace

CLegendLabelDlg::CLegendLabelDlg(int button, int layer, std::string label, std::string typedText,
                                 InterfaceLanguage language)
    : button_(button),
      layer_(layer),
      label_(std::move(label)),
      typedText_(std::move(typedText)),
      language_(language) {}

DialogTemplate CLegendLabelDlg::Template() const {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          kLegendLabelClient, Wide(Text(TextId::kLegendLabelCaption, language_)),
                          kDialogFontFace, kDialogFontPoints);
    for (const ControlPlace& place : LegendLabelControls()) {
        AddControl(dialog, place, language_);
    }
    return dialog;
}

void CLegendLabelDlg::OnInitDialog() {
    font_.Apply(window_, language_);
    font_.ApplyTo(window_, ids::kLegendLabelEdit);
    const std::string prompt = FillIn(Text(TextId::kLegendLabelPrompt, language_),
                                      {std::to_string(button_), std::string(LayerName(layer_))});
    ::SetDlgItemTextW(window_, ids::kLegendLabelPrompt, Wide(prompt).c_str());
    const HWND edit = ::GetDlgItem(window_, ids::kLegendLabelEdit);
    ::SetWindowTextW(edit, Wide(label_).c_str());
    const std::wstring cue = Wide(typedText_);
    ::SendMessageW(edit, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
}

std::optional<INT_PTR> CLegendLabelDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) {
        return std::nullopt;
    }
    if (LOWORD(wParam) == ids::kLegendLabelOk) {
        OnOk();
    } else if (LOWORD(wParam) == ids::kLegendLabelCancel) {
        End(IDCANCEL);
    }
    return TRUE;
}

void CLegendLabelDlg::OnOk() {
    const std::string typed = Utf8(WindowText(::GetDlgItem(window_, ids::kLegendLabelEdit)));
    if (const std::optional<LabelRefusal> refusal = CheckLabel(typed)) {
        if (const std::optional<TextId> text = MessageOfRefusal(*refusal)) {
            Prompts().Inform(window_, MessageCaption(), Wide(Text(*text, language_)),
                             MB_ICONWARNING);
        }
        ::SetFocus(::GetDlgItem(window_, ids::kLegendLabelEdit));
        return;
    }
    label_ = typed;
    End(IDOK);
}

}  // namespace tolvane::gui::win32
