// A prompter that answers message boxes, menus, dialogs and file dialogs from the test
// without blocking, and keeps what the user would have seen.
#pragma once

#include <QPrinter>
#include <deque>
#include <functional>
#include <vector>

#include "gui/qt/widgets/Prompter.h"

namespace tolvane::testing {

struct Prompt {
    enum class Kind {
        kInform,
        kAsk,
        kSaveDiscardCancel,
        kPopUp,
        kDialog,
        kOpenFile,
        kSaveFile,
        kDocument,
        kPrint
    };
    Kind kind{};
    QString caption;  // a message's or dialog's caption, or a file dialog's filter
    QString text;     // message text, dialog object name, file dialog start, or document path
    gui::PromptIcon icon = gui::PromptIcon::kNone;
};

class ScriptedPrompter : public gui::Prompter {
  public:
    ScriptedPrompter() { gui::SetPrompter(this); }
    ~ScriptedPrompter() override { gui::SetPrompter(nullptr); }

    void Inform(QWidget*, const QString& caption, const QString& text,
                gui::PromptIcon icon) override {
        Record({Prompt::Kind::kInform, caption, text, icon});
    }
    bool AskYesNo(QWidget*, const QString& caption, const QString& text,
                  gui::PromptIcon icon) override {
        Record({Prompt::Kind::kAsk, caption, text, icon});
        return Next(yesNoAnswers, false);
    }
    // Answered from yesNoAnswers, Cancel when empty.
    bool AskProceedOrCancel(QWidget*, const QString& caption, const QString& text,
                            const QString& proceed, const QString& cancel) override {
        Record({Prompt::Kind::kAsk, caption, text, gui::PromptIcon::kWarning});
        proceedCancelButtons = {proceed, cancel};
        return Next(yesNoAnswers, false);
    }
    gui::UnsavedChangesAnswer AskSaveDiscardCancel(QWidget*, const QString& caption,
                                                   const QString& text,
                                                   const std::array<QString, 3>& buttons) override {
        Record({Prompt::Kind::kSaveDiscardCancel, caption, text, {}});
        saveDiscardCancelButtons = buttons;
        return Next(unsavedAnswers, gui::UnsavedChangesAnswer::kCancel);
    }
    QAction* PopUp(QMenu& menu, const QPoint&) override {
        Record({Prompt::Kind::kPopUp, {}, menu.objectName(), {}});
        return onPopUp ? onPopUp(menu) : nullptr;
    }
    int RunModal(QDialog& dialog) override {
        Record({Prompt::Kind::kDialog, dialog.windowTitle(), dialog.objectName(), {}});
        return onDialog ? onDialog(dialog) : QDialog::Rejected;
    }
    QString OpenFileName(QWidget*, const QString& start, const QString& filter) override {
        Record({Prompt::Kind::kOpenFile, filter, start, {}});
        return Next(fileNames, QString());
    }
    QString SaveFileName(QWidget*, const QString& suggestion, const QString& filter,
                         const QString& defaultSuffix) override {
        saveSuffix = defaultSuffix;
        Record({Prompt::Kind::kSaveFile, filter, suggestion, {}});
        return Next(fileNames, QString());
    }
    bool ChoosePrinter(QWidget*, QPrinter& printer) override {
        Record({Prompt::Kind::kPrint, {}, printer.docName(), {}});
        return onPrint ? onPrint(printer) : false;
    }
    bool OpenDocument(const QString& path) override {
        Record({Prompt::Kind::kDocument, {}, path, {}});
        return documentOpens;
    }

    std::vector<Prompt> prompts;
    std::deque<bool> yesNoAnswers;                         // No when empty
    std::deque<gui::UnsavedChangesAnswer> unsavedAnswers;  // Cancel when empty
    std::array<QString, 2> proceedCancelButtons;           // as the last such question had them
    std::array<QString, 3> saveDiscardCancelButtons;       // as the last such question had them
    std::deque<QString> fileNames;                         // cancelled when empty
    bool documentOpens = true;                             // whether a viewer takes documents
    QString saveSuffix;                                    // the last save dialog's default suffix
    std::function<int(QDialog&)> onDialog;
    std::function<QAction*(QMenu&)> onPopUp;
    std::function<bool(QPrinter&)> onPrint;  // cancelled when unset
    // Sees each prompt the moment it is shown, while the window behind it is as it was.
    std::function<void(const Prompt&)> onPrompt;

  private:
    void Record(const Prompt& prompt) {
        prompts.push_back(prompt);
        if (onPrompt) {
            onPrompt(prompt);
        }
    }
    template <typename T>
    static T Next(std::deque<T>& answers, T fallback) {
        if (answers.empty()) {
            return fallback;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace tolvane::testing
