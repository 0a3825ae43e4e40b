// The main window's edits: the keyboard shortcuts, the undo and redo commands, the title
// with its modified marker and the question before unsaved changes are lost. What each
// shows and when a command must ask is the model's EditSession; this file only turns it
// into widgets and runs the commands.
#include <QCursor>
#include <QShortcut>

#include "gui/kit/ControlNames.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/Shortcuts.h"
#include "gui/qt/app/CTolvaneDlg.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

void CTolvaneDlg::CreateShortcuts() {
    for (const Shortcut& shortcut : MainWindowShortcuts()) {
        auto* key = new QShortcut(QKeySequence(FromUtf8(ShortcutText(shortcut))), this);
        const Command command = shortcut.command;
        connect(key, &QShortcut::activated, this, [this, command] { RunCommand(command); });
    }
}

void CTolvaneDlg::RecordStep(EditStep step, std::vector<std::string> arguments) {
    session_.Record(StepName{step, std::move(arguments)}, image_.TakeProgramming(), *labels_);
    UpdateEditState();
}

void CTolvaneDlg::OnUndo() {
    if (!transfer_ && session_.Undo()) {
        ShowRestoredProgramming();
    }
}

void CTolvaneDlg::OnRedo() {
    if (!transfer_ && session_.Redo()) {
        ShowRestoredProgramming();
    }
}

void CTolvaneDlg::ShowRestoredProgramming() {
    image_.RestoreProgramming(session_.Current());
    *labels_ = session_.CurrentLabels();
    RefreshAllButtons();
    OnHover(QCursor::pos());
    UpdateEditState();
}

void CTolvaneDlg::UpdateEditActions(QMenuBar* menu, InterfaceLanguage language) {
    if (menu == nullptr) {
        return;
    }
    const bool busy = transfer_ != nullptr;
    for (const auto& [id, state] : {std::pair{ids::kUndo, session_.UndoState(language, busy)},
                                    std::pair{ids::kRedo, session_.RedoState(language, busy)}}) {
        if (QAction* item = menu->findChild<QAction*>(ObjectNameFor(id))) {
            item->setText(FromUtf8(state.menuText));
            item->setEnabled(state.enabled);
        }
    }
}

void CTolvaneDlg::UpdateEditState() {
    UpdateEditActions(chineseMenu_, InterfaceLanguage::kChinese);
    UpdateEditActions(englishMenu_, InterfaceLanguage::kEnglish);
    const bool busy = transfer_ != nullptr;
    const InterfaceLanguage shown = language_.interfaceLanguage;
    for (const auto& [id, state] : {std::pair{ids::kUndo, session_.UndoState(shown, busy)},
                                    std::pair{ids::kRedo, session_.RedoState(shown, busy)}}) {
        if (QAction* button = toolbar_->ActionFor(id)) {
            button->setToolTip(FromUtf8(state.toolTip));
            button->setEnabled(state.enabled);
        }
    }
    // While a worker has the image, the title keeps what it said before the transfer.
    if (!busy || transfer_->Ended()) {
        setWindowTitle(FromUtf8(session_.Title(image_.TakeProgramming())));
    }
}

bool CTolvaneDlg::MayDiscardChanges(Command command) {
    if (!session_.MustAskBefore(command, image_.TakeProgramming())) {
        return true;
    }
    const UnsavedChangesAnswer answer = Prompts().AskSaveDiscardCancel(
        this, MessageCaption(), Text(TextId::kUnsavedChanges),
        {Text(TextId::kAnswerSave), Text(TextId::kAnswerDiscard), Text(TextId::kAnswerCancel)});
    switch (answer) {
        case UnsavedChangesAnswer::kSave:
            return OnSave();
        case UnsavedChangesAnswer::kDiscard:
            return true;
        case UnsavedChangesAnswer::kCancel:
            break;
    }
    return false;
}

}  // namespace tolvane::gui
