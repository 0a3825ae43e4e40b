// The main window's transfers and edits. A transfer is the core's StartTransfer and
// TransferMonitor: the monitor is polled from a timer on the window's thread while the progress
// window is up over the disabled main window, so no other thread touches a window. The edits
// (undo, redo, the title, the question before unsaved changes are lost) are the model's
// EditSession; this file only shows them.
#include <algorithm>
#include <chrono>

#include "gui/model/MainWindowRules.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/Shortcuts.h"
#include "gui/win32/CTolvaneDlg.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

// The system's timers tick every 10 to 16 ms, not 5: a tick polls as often as 5 ms polls
// would have in the time since the last one, so a stalled transfer still fails after about a
// second. A long stall of the window itself (a message box) counts no more than a few polls.
constexpr int kMostPollsPerTick = 8;

}  // namespace

const CProgressWnd* CTolvaneDlg::ProgressWindow() const {
    return transfer_ != nullptr ? transfer_->progress.get() : nullptr;
}

void CTolvaneDlg::OnRead() {
    // Without a keyboard nothing is replaced: the read refuses before any question.
    if (image_.status.keyboardConnected.load() == 0 || MayDiscardChanges(Command::kRead)) {
        OnTransfer(TransferKind::kRead);
    }
}

void CTolvaneDlg::OnTransfer(TransferKind kind) {
    if (transfer_ != nullptr) {
        return;
    }
    TransferWorker& worker = kind == TransferKind::kRead ? m_pReadWorker : m_pWriteWorker;
    auto transfer =
        std::make_unique<Transfer>(image_, worker, static_cast<TransferListener&>(*this), kind);
    if (StartTransfer(kind, image_, m_hid, worker, transfer->monitor) ==
        StartResult::kNotConnected) {
        Inform(TextId::kPleaseConnectKeyboard);
        return;
    }
    transfer_ = std::move(transfer);
    transfer_->progress = std::make_unique<CProgressWnd>(Text(TextId::kTransferTitle), window_);
    transfer_->progress->GoModal();
    transfer_->progress->SetRange(0, static_cast<int>(TransferMonitor::kProgressRange));
    transfer_->progress->SetStep(1);
    transfer_->progress->SetText(Text(TextId::kTransferWaitText));
    ::SetTimer(window_, kTransferPollTimer,
               static_cast<UINT>(TransferMonitor::kPollInterval.count()), nullptr);
    UpdateEditState();
}

void CTolvaneDlg::OnTransferTimer() {
    if (transfer_ == nullptr) {
        ::KillTimer(window_, kTransferPollTimer);
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    const auto due = (now - transfer_->lastPoll) / TransferMonitor::kPollInterval;
    const int polls = std::clamp(static_cast<int>(due), 1, kMostPollsPerTick);
    transfer_->lastPoll = now;
    transfer_->progress->TakeFocus();
    for (int poll = 0; poll < polls && !transferEnded_; ++poll) {
        transfer_->monitor.Poll();
    }
    if (transferEnded_) {
        // The monitor's own call has returned: the transfer can go.
        transferEnded_ = false;
        transfer_.reset();
        UpdateEditState();
        ::SetForegroundWindow(window_);
    }
}

void CTolvaneDlg::OnProgress(std::uint32_t reportCount) {
    if (transfer_ != nullptr && transfer_->progress != nullptr) {
        transfer_->progress->SetPos(
            static_cast<int>(std::min(reportCount, TransferMonitor::kProgressRange)));
    }
}

void CTolvaneDlg::OnOutcome(TransferOutcome outcome) {
    ::KillTimer(window_, kTransferPollTimer);
    CProgressWnd* progress = transfer_->progress.get();
    // Shown while the progress window is still up, over it when Escape has not closed it.
    const HWND owner =
        progress != nullptr && progress->Exists() ? progress->Window() : window_.load();
    Prompts().Inform(owner, MessageCaption(), Text(TransferOutcomeText(outcome)), 0);
    // After a read the captions show what was read; after a failed read, the cleared keys.
    // Either way the read is one step: undoing it puts back what the window held before.
    if (outcome != TransferOutcome::kWriteSucceeded) {
        RefreshAllButtons();
    }
    if (transfer_->kind == TransferKind::kRead) {
        RecordStep(EditStep::kReadKeyboard);
    }
    if (outcome != TransferOutcome::kFailed) {
        session_.MarkKeyboard(image_.TakeProgramming());
    }
    transfer_->progress.reset();  // enables the main window again
    transferEnded_ = true;
}

// ---- Edits ----

void CTolvaneDlg::CreateShortcuts() {
    std::vector<ACCEL> keys;
    const auto shortcuts = MainWindowShortcuts();
    for (std::size_t index = 0; index < shortcuts.size(); ++index) {
        const Shortcut& shortcut = shortcuts[index];
        BYTE flags = FVIRTKEY;
        flags |= (shortcut.modifiers & kModifierCtrl) != 0 ? FCONTROL : 0;
        flags |= (shortcut.modifiers & kModifierAlt) != 0 ? FALT : 0;
        flags |= (shortcut.modifiers & kModifierShift) != 0 ? FSHIFT : 0;
        keys.push_back({flags, static_cast<WORD>(shortcut.key),
                        static_cast<WORD>(kFirstShortcutCommand + index)});
    }
    accelerators_ = ::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

const Command* CTolvaneDlg::ShortcutCommand(int id) const {
    const auto shortcuts = MainWindowShortcuts();
    const int index = id - kFirstShortcutCommand;
    if (index < 0 || index >= static_cast<int>(shortcuts.size())) {
        return nullptr;
    }
    return &shortcuts[static_cast<std::size_t>(index)].command;
}

void CTolvaneDlg::RecordStep(EditStep step, std::vector<std::string> arguments) {
    session_.Record(StepName{step, std::move(arguments)}, image_.TakeProgramming(), labels_);
    UpdateEditState();
}

void CTolvaneDlg::OnUndo() {
    if (transfer_ == nullptr && session_.Undo()) {
        ShowRestoredProgramming();
    }
}

void CTolvaneDlg::OnRedo() {
    if (transfer_ == nullptr && session_.Redo()) {
        ShowRestoredProgramming();
    }
}

void CTolvaneDlg::ShowRestoredProgramming() {
    image_.RestoreProgramming(session_.Current());
    labels_ = session_.CurrentLabels();
    RefreshAllButtons();
    POINT pointer{};
    ::GetCursorPos(&pointer);
    OnHover(pointer);
    UpdateEditState();
}

void CTolvaneDlg::UpdateEditState() {
    const bool busy = transfer_ != nullptr;
    for (std::size_t index = 0; index < menus_.size(); ++index) {
        const auto language = static_cast<InterfaceLanguage>(index);
        for (const auto& [id, state] :
             {std::pair{ids::kUndo, session_.UndoState(language, busy)},
              std::pair{ids::kRedo, session_.RedoState(language, busy)}}) {
            ::ModifyMenuW(menus_[index], static_cast<UINT>(id),
                          MF_BYCOMMAND | MF_STRING | (state.enabled ? MF_ENABLED : MF_GRAYED),
                          static_cast<UINT_PTR>(id), Wide(state.menuText).c_str());
            if (toolbar_ != nullptr && language == language_.interfaceLanguage) {
                toolbar_->EnableButton(id, state.enabled);
            }
        }
    }
    if (window_.load() != nullptr) {
        ::DrawMenuBar(window_);
        // While a worker has the image, the title keeps what it said before the transfer.
        if (!busy) {
            ::SetWindowTextW(window_, Wide(session_.Title(image_.TakeProgramming())).c_str());
        }
    }
}

bool CTolvaneDlg::MayDiscardChanges(Command command) {
    if (!session_.MustAskBefore(command, image_.TakeProgramming())) {
        return true;
    }
    switch (
        Prompts().AskSaveDiscardCancel(window_, MessageCaption(), Text(TextId::kUnsavedChanges))) {
        case UnsavedChangesAnswer::kSave:
            return OnSave();
        case UnsavedChangesAnswer::kDiscard:
            return true;
        case UnsavedChangesAnswer::kCancel:
            break;
    }
    return false;
}

}  // namespace tolvane::gui::win32
