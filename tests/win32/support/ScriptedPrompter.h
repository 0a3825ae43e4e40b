// A prompter that answers message boxes, menus, dialogs and file dialogs from the test
// without blocking, and keeps what the user would have seen.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "gui/win32/Prompter.h"

namespace tolvane::testing {

struct Win32Prompt {
    enum class Kind {
        kInform,
        kAsk,
        kSaveDiscardCancel,
        kPopUp,
        kDialog,
        kOpenFile,
        kSaveFile,
        kDocument
    };
    Kind kind{};
    std::wstring caption;
    std::wstring text;  // message text, menu items (one a line), file dialog start, document path
    HWND window = nullptr;  // a dialog made while its prompt is up (showDialogs)
};

class ScriptedWin32Prompter : public gui::win32::Prompter {
  public:
    ScriptedWin32Prompter() { gui::win32::SetPrompter(this); }
    ~ScriptedWin32Prompter() override { gui::win32::SetPrompter(nullptr); }

    void Inform(HWND, const std::wstring& caption, const std::wstring& text, UINT) override {
        Record({Win32Prompt::Kind::kInform, caption, text});
    }
    bool AskYesNo(HWND, const std::wstring& caption, const std::wstring& text) override {
        Record({Win32Prompt::Kind::kAsk, caption, text});
        return Next(yesNoAnswers, false);
    }
    gui::UnsavedChangesAnswer AskSaveDiscardCancel(HWND, const std::wstring& caption,
                                                   const std::wstring& text) override {
        Record({Win32Prompt::Kind::kSaveDiscardCancel, caption, text});
        return Next(unsavedAnswers, gui::UnsavedChangesAnswer::kCancel);
    }
    int PopUp(HWND, HMENU menu, POINT) override {
        Record({Win32Prompt::Kind::kPopUp, {}, MenuItems(menu)});
        return Next(popUpAnswers, 0);
    }
    // With showDialogs the dialog is made, modeless, for as long as its prompt is up.
    INT_PTR RunModal(HWND owner, const DLGTEMPLATE* dialog, DLGPROC procedure) override {
        Win32Prompt prompt{Win32Prompt::Kind::kDialog, {}, {}};
        if (showDialogs) {
            prompt.window = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialog, owner,
                                                         procedure, 0);
            ::ShowWindow(prompt.window, SW_SHOW);
            prompt.caption.resize(256);
            prompt.caption.resize(static_cast<std::size_t>(
                ::GetWindowTextW(prompt.window, prompt.caption.data(), 256)));
        }
        Record(prompt);
        if (prompt.window != nullptr) {
            ::DestroyWindow(prompt.window);
            prompts.back().window = nullptr;
        }
        return IDOK;
    }
    std::wstring OpenFileName(HWND, const std::wstring& start,
                              const std::wstring& filter) override {
        Record({Win32Prompt::Kind::kOpenFile, filter, start});
        return Next(fileNames, std::wstring());
    }
    std::wstring SaveFileName(HWND, const std::wstring& suggestion, const std::wstring& filter,
                              const std::wstring&) override {
        Record({Win32Prompt::Kind::kSaveFile, filter, suggestion});
        return Next(fileNames, std::wstring());
    }
    bool OpenDocument(HWND, const std::wstring& path) override {
        Record({Win32Prompt::Kind::kDocument, {}, path});
        return documentOpens;
    }

    // The texts of the messages shown, in order.
    std::vector<std::wstring> Messages() const {
        std::vector<std::wstring> texts;
        for (const Win32Prompt& prompt : prompts) {
            if (prompt.kind == Win32Prompt::Kind::kInform) {
                texts.push_back(prompt.text);
            }
        }
        return texts;
    }

    std::vector<Win32Prompt> prompts;
    std::deque<bool> yesNoAnswers;
    std::deque<gui::UnsavedChangesAnswer> unsavedAnswers;
    std::deque<int> popUpAnswers;
    std::deque<std::wstring> fileNames;
    bool documentOpens = true;
    bool showDialogs = false;
    // Runs while a prompt is up, before it is answered (to look at the windows behind it).
    std::function<void(const Win32Prompt&)> onPrompt;

  private:
    void Record(const Win32Prompt& prompt) {
        prompts.push_back(prompt);
        if (onPrompt) {
            onPrompt(prompt);
        }
    }
    template <typename T>
    static T Next(std::deque<T>& answers, T otherwise) {
        if (answers.empty()) {
            return otherwise;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
    static std::wstring MenuItems(HMENU menu) {
        std::wstring items;
        for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
            wchar_t text[256] = {};
            ::GetMenuStringW(menu, static_cast<UINT>(index), text, 256, MF_BYPOSITION);
            items += std::wstring(text) + L"\n";
        }
        return items;
    }
};

}  // namespace tolvane::testing
