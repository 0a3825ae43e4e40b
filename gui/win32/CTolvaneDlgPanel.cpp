// The main window's button panel: layer selection, hover text and the hot button, button
// clicks and the button context menu with its layer submenu. What each does to the image is
// decided by the core's ButtonPanel and ButtonClipboard; this file turns messages into those
// calls and refreshes what they touched.
#include <numeric>

#include "gui/model/ButtonMenuEdits.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/Shortcuts.h"
#include "gui/win32/CLegendLabelDlg.h"
#include "gui/win32/CTolvaneDlg.h"
#include "gui/win32/CUnshownButtonsDlg.h"
#include "gui/win32/CXPButton.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/RunKeyDialog.h"
#include "gui/win32/Wide.h"
#include "tolvane/app/ButtonPanel.h"
#include "tolvane/legend/ReadableText.h"

namespace tolvane::gui::win32 {

namespace {

int ButtonOfControl(int id) {
    return id >= ids::kFirstKeyButton && id <= ids::kLastKeyButton ? id - ids::kFirstKeyButton + 1
                                                                   : 0;
}

POINT MessagePoint(const MSG& message) {
    return {static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
}

}  // namespace

HWND CTolvaneDlg::KeyButton(int button) const {
    return IsValidButton(button) ? Control(ids::kFirstKeyButton - 1 + button) : nullptr;
}

bool CTolvaneDlg::IsOwnWindow(HWND window) const {
    const HWND main = window_.load();
    return window != nullptr && main != nullptr && (window == main || ::IsChild(main, window));
}

bool CTolvaneDlg::PreTranslateMessage(MSG& message) {
    if (transfer_ != nullptr && transfer_->progress != nullptr && message.message == WM_KEYDOWN &&
        message.wParam == VK_ESCAPE && message.hwnd == transfer_->progress->Window()) {
        transfer_->progress->Cancel();
        return true;
    }
    // The Find window beside the main window takes its own Tab, Enter and Escape.
    if (const HWND find = FindWindowShown();
        find != nullptr && ::IsDialogMessageW(find, &message) != FALSE) {
        return true;
    }
    if (!IsOwnWindow(message.hwnd)) {
        return false;
    }
    switch (message.message) {
        case WM_MOUSEMOVE: {
            POINT point = MessagePoint(message);
            ::ClientToScreen(message.hwnd, &point);
            OnHover(point);
            return false;
        }
        case WM_MOUSELEAVE:
            if (message.hwnd == KeyButton(hotButton_)) {
                SetHotButton(0);
            }
            return false;
        case WM_RBUTTONUP: {
            POINT point = MessagePoint(message);
            ::ClientToScreen(message.hwnd, &point);
            OnContextMenu(point);
            return false;
        }
        case WM_KEYDOWN:
            if (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE) {
                return true;  // neither presses a default button nor closes the window
            }
            break;
        default:
            break;
    }
    if (accelerators_ != nullptr && ::TranslateAcceleratorW(window_, accelerators_, &message)) {
        return true;
    }
    return ::IsDialogMessageW(window_, &message) != FALSE;
}

int CTolvaneDlg::ButtonAt(POINT screenPoint) const {
    for (int button = 1; button <= ButtonCount; ++button) {
        RECT place{};
        if (::GetWindowRect(KeyButton(button), &place) && ::PtInRect(&place, screenPoint)) {
            return button;
        }
    }
    return 0;
}

void CTolvaneDlg::OnHover(POINT screenPoint) {
    const int button = ButtonAt(screenPoint);
    const std::wstring text =
        button == 0 ? std::wstring() : Wide(HoverText(image_, button, language_.interfaceLanguage));
    const HWND box = Control(ids::kKeyInfoBox);
    if (WindowText(box) != text) {
        ::SetWindowTextW(box, text.c_str());
    }
    // Only a button on show lights up; a hidden one still names its layers above.
    SetHotButton(button != 0 && ::IsWindowVisible(KeyButton(button)) ? button : 0);
}

void CTolvaneDlg::SetHotButton(int button) {
    if (button == hotButton_) {
        return;
    }
    const int previous = hotButton_;
    hotButton_ = button;
    if (previous != 0) {
        ::InvalidateRect(KeyButton(previous), nullptr, FALSE);
    }
    if (button != 0) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, KeyButton(button), 0};
        ::TrackMouseEvent(&track);
        ::InvalidateRect(KeyButton(button), nullptr, FALSE);
    }
}

void CTolvaneDlg::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const int button = ButtonOfControl(static_cast<int>(item.CtlID));
    if (button == 0) {
        return;
    }
    const ButtonLook look = LookOf(item, button == hotButton_);
    if (look == ButtonLook::kPressed && hotButton_ == button) {
        hotButton_ = 0;  // not hot again until the pointer moves
    }
    DrawXPButton(item, look, button == foundButton_);
}

void CTolvaneDlg::OnLayerSelected() {
    const HWND selector = Control(ids::kLayerSelector);
    const auto index = ::SendMessageW(selector, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        return;
    }
    std::wstring text(64, L'\0');
    text.resize(
        static_cast<std::size_t>(::SendMessageW(selector, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                                reinterpret_cast<LPARAM>(text.data()))));
    RefreshButtons(SelectLayer(image_, Utf8(text)));
    ShowLayerPicture(image_.selection.currentLayer);
}

void CTolvaneDlg::OnKeyButtonClicked(int button) {
    OpenKeyDialog(button, image_.selection.currentLayer);
}

void CTolvaneDlg::OpenKeyDialog(int button, int layer) {
    ShowLayer(layer);
    PrepareKeyDialogForButton(image_, button);
    if (RunKeyDialogForButton(window_, image_, language_.interfaceLanguage, locations_, button)) {
        RefreshButtons({image_.selection.currentButton});
    }
    // Cancel puts the button back as it was, so only a confirmed change makes a step.
    RecordStep(EditStep::kKeyProgramming, {std::to_string(button)});
}

// As if the layer had been chosen in the selector.
void CTolvaneDlg::ShowLayer(int layer) {
    if (IsValidLayer(layer) && layer != image_.selection.currentLayer) {
        ::SendMessageW(Control(ids::kLayerSelector), CB_SETCURSEL, static_cast<WPARAM>(layer - 1),
                       0);
        OnLayerSelected();
    }
}

void CTolvaneDlg::OnUnshownButtons() {
    CUnshownButtonsDlg dialog(
        image_, language_.interfaceLanguage, [this](int button) { OnKeyButtonClicked(button); },
        [this](int button, POINT at) { OnButtonContextMenu(button, at); });
    dialog.DoModal(window_);
}

void CTolvaneDlg::AppendContextItems(HMENU menu) const {
    const InterfaceLanguage language = language_.interfaceLanguage;
    for (const MenuItem& item : ButtonContextMenu()) {
        ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id),
                      Wide(MenuItemText(item, language)).c_str());
    }
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const ClipboardMenuItem& item : ButtonClipboardMenu()) {
        const std::string shortcut = ShortcutLabel(item.shortcut);
        const std::string text = std::string(tolvane::Text(item.text, language)) +
                                 (shortcut.empty() ? "" : "\t" + shortcut);
        const bool enabled = item.id != ids::kContextPaste || clipboard_.HasContent();
        ::AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED),
                      static_cast<UINT_PTR>(item.id), Wide(text).c_str());
    }
}

void CTolvaneDlg::OnContextMenu(POINT screenPoint) {
    if (const int button = ButtonAt(screenPoint)) {
        OnButtonContextMenu(button, screenPoint);
    }
}

void CTolvaneDlg::OnButtonContextMenu(int button, POINT screenPoint) {
    const HMENU menu = ::CreatePopupMenu();
    AppendContextItems(menu);
    const int chosen = Prompts().PopUp(window_, menu, screenPoint);
    ::DestroyMenu(menu);
    if (const auto edit = ApplyButtonMenuEdit(image_, button, chosen,
                                              [&] { return ChooseLayerEntry(screenPoint); })) {
        RefreshButtons(edit->touched);
        RecordStep(edit->step);
        return;
    }
    switch (chosen) {
        case ids::kContextCopyButton:
            clipboard_.CopyButton(image_, button);
            break;
        case ids::kContextCopyLayer:
            clipboard_.CopyLayer(image_, button);
            break;
        case ids::kContextPaste:
            OnPaste(button);
            break;
        case ids::kContextLegendLabel:
            OnEditLegendLabel(button);
            break;
        default:
            break;
    }
}

// The layer submenu: the id of the entry chosen, 0 when none.
int CTolvaneDlg::ChooseLayerEntry(POINT screenPoint) {
    const HMENU layers = ::CreatePopupMenu();
    for (int layer = 1; layer <= LayerCount; ++layer) {
        ::AppendMenuW(layers, MF_STRING, static_cast<UINT_PTR>(ids::kContextFirstLayer + layer - 1),
                      Text(*LayerMenuItem(layer)).c_str());
    }
    const int chosen = Prompts().PopUp(window_, layers, screenPoint);
    ::DestroyMenu(layers);
    return chosen;
}

// The label of the button on the current layer: not the keyboard's programming, but an edit
// of the layout like any other, so one undo step.
void CTolvaneDlg::OnEditLegendLabel(int button) {
    const int layer = image_.selection.currentLayer;
    CLegendLabelDlg dialog(
        button, layer, labels_.Of(button, layer),
        ReadableTextOf(image_.buttons[static_cast<std::size_t>(button)].Codes(layer)),
        language_.interfaceLanguage);
    if (dialog.DoModal(window_) == IDOK) {
        labels_.Set(button, layer, dialog.Label());
        RefreshButtons({button});
        RecordStep(EditStep::kLegendLabel, {std::to_string(button)});
    }
}

void CTolvaneDlg::OnPaste(int button) {
    RefreshButtons(clipboard_.Paste(image_, button));
    RecordStep(EditStep::kPaste);
}

int CTolvaneDlg::FocusedKeyButton() const {
    if (const int focused = ButtonOfControl(::GetDlgCtrlID(::GetFocus())); focused != 0) {
        return focused;
    }
    return hotButton_;
}

void CTolvaneDlg::RefreshButtons(const std::vector<int>& buttons) {
    for (const int button : buttons) {
        if (const HWND key = KeyButton(button)) {
            ::SetWindowTextW(key, Wide(PanelCaption(image_, labels_, button, false)).c_str());
            ::InvalidateRect(key, nullptr, FALSE);
        }
    }
}

void CTolvaneDlg::RefreshAllButtons() {
    std::vector<int> all(ButtonCount);
    std::iota(all.begin(), all.end(), 1);
    RefreshButtons(all);
}

}  // namespace tolvane::gui::win32
