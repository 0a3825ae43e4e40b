#include "gui/win32/Prompter.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "gui/model/MainWindowRules.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

// "Dat Files(*.dat)|*.dat||" as the common dialogs take it: the bars become NULs.
std::vector<wchar_t> DialogFilter(const std::wstring& filter) {
    std::vector<wchar_t> converted(filter.begin(), filter.end());
    for (wchar_t& character : converted) {
        if (character == L'|') {
            character = L'\0';
        }
    }
    converted.push_back(L'\0');
    return converted;
}

class SystemPrompter final : public Prompter {
  public:
    void Inform(HWND owner, const std::wstring& caption, const std::wstring& text,
                UINT icon) override {
        ::MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | icon);
    }

    bool AskYesNo(HWND owner, const std::wstring& caption, const std::wstring& text) override {
        return ::MessageBoxW(owner, text.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION) ==
               IDYES;
    }

    // Yes saves, No discards: the text of the question names the three answers.
    UnsavedChangesAnswer AskSaveDiscardCancel(HWND owner, const std::wstring& caption,
                                              const std::wstring& text) override {
        switch (
            ::MessageBoxW(owner, text.c_str(), caption.c_str(), MB_YESNOCANCEL | MB_ICONWARNING)) {
            case IDYES:
                return UnsavedChangesAnswer::kSave;
            case IDNO:
                return UnsavedChangesAnswer::kDiscard;
            default:
                return UnsavedChangesAnswer::kCancel;
        }
    }

    int PopUp(HWND owner, HMENU menu, POINT at) override {
        return static_cast<int>(
            ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                             at.x, at.y, 0, owner, nullptr));
    }

    INT_PTR RunModal(HWND owner, const DLGTEMPLATE* dialog, DLGPROC procedure) override {
        return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog, owner, procedure, 0);
    }

    std::wstring OpenFileName(HWND owner, const std::wstring& start,
                              const std::wstring& filter) override {
        return RunFileDialog(owner, start, filter, {}, false);
    }

    std::wstring SaveFileName(HWND owner, const std::wstring& suggestion,
                              const std::wstring& filter,
                              const std::wstring& defaultExtension) override {
        return RunFileDialog(owner, suggestion, filter, defaultExtension, true);
    }

    bool OpenDocument(HWND owner, const std::wstring& path) override {
        const auto result = reinterpret_cast<INT_PTR>(
            ::ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32;
    }

  private:
    static std::wstring RunFileDialog(HWND owner, const std::wstring& start,
                                      const std::wstring& filter,
                                      const std::wstring& defaultExtension, bool save) {
        const std::vector<wchar_t> filters = DialogFilter(filter);
        std::vector<wchar_t> file(32768, L'\0');
        start.copy(file.data(), file.size() - 1);
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filters.data();
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
        dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY |
                       (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
        const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
        return chosen ? std::wstring(file.data()) : std::wstring();
    }
};

Prompter* installed = nullptr;

}  // namespace

Prompter& Prompts() {
    static SystemPrompter system;
    return installed != nullptr ? *installed : system;
}

void SetPrompter(Prompter* prompter) {
    installed = prompter;
}

std::wstring MessageCaption() {
    return Wide(kApplicationName);
}

}  // namespace tolvane::gui::win32
