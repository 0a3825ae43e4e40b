#include "gui/win32/TemplateDialog.h"

#include "gui/win32/Prompter.h"

namespace tolvane::gui::win32 {

namespace {

// The dialog a modal run is opening: the prompter's run carries no pointer to it. One at a
// time, as modal dialogs come.
TemplateDialog* opening = nullptr;

}  // namespace

TemplateDialog::~TemplateDialog() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

bool TemplateDialog::Create(HWND owner) {
    const DialogTemplate dialog = Template();
    return ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(), owner,
                                        &Procedure, reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR TemplateDialog::DoModal(HWND owner) {
    const DialogTemplate dialog = Template();
    modal_ = true;
    opening = this;
    return Prompts().RunModal(owner, dialog.Get(), &Procedure);
}

void TemplateDialog::End(INT_PTR result) {
    result_ = result;
    if (modal_) {
        ::EndDialog(window_, result);
    }
}

INT_PTR CALLBACK TemplateDialog::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = lParam != 0 ? reinterpret_cast<TemplateDialog*>(lParam) : opening;
        ::SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
        self->OnInitDialog();
        return TRUE;
    }
    auto* self = reinterpret_cast<TemplateDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, DWLP_USER, 0);
        self->window_ = nullptr;
        return TRUE;
    }
    if (const std::optional<INT_PTR> answer = self->OnMessage(message, wParam, lParam)) {
        return *answer;
    }
    if (message == WM_CLOSE) {
        self->End(IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace tolvane::gui::win32
