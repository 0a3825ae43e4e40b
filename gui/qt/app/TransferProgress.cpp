#include "gui/qt/app/TransferProgress.h"

#include <algorithm>

#include "gui/kit/ControlNames.h"
#include "gui/model/MainWindowRules.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

TransferProgress::TransferProgress(KeyboardImage& image, TransferWorker& worker,
                                   const LanguageState& language, QWidget* mainWindow,
                                   OutcomeHandler onOutcome, Look look)
    : monitor_(image, worker, *this),
      language_(language),
      mainWindow_(mainWindow),
      onOutcome_(std::move(onOutcome)),
      look_(look) {
    pollTimer_.setTimerType(Qt::PreciseTimer);
    pollTimer_.setInterval(TransferMonitor::kPollInterval);
    connect(&pollTimer_, &QTimer::timeout, this, [this] { monitor_.Poll(); });
}

TransferProgress::~TransferProgress() {
    pollTimer_.stop();
}

QString TransferProgress::Text(TextId id) const {
    return FromUtf8(language_.Text(id));
}

void TransferProgress::Show() {
    progress_ = std::make_unique<CProgressWnd>(Text(look_.title), mainWindow_);
    progress_->GoModal();
    progress_->SetRange(0, static_cast<int>(TransferMonitor::kProgressRange));
    progress_->SetStep(1);
    progress_->SetText(Text(TextId::kTransferWaitText));
    pollTimer_.start();
}

void TransferProgress::OnProgress(std::uint32_t reportCount) {
    if (progress_) {
        progress_->SetPos(static_cast<int>(std::min(reportCount, TransferMonitor::kProgressRange)));
    }
}

void TransferProgress::OnOutcome(TransferOutcome outcome) {
    pollTimer_.stop();
    ended_ = true;
    outcome_ = outcome;
    const TextId message = TransferOutcomeText(outcome);
    QWidget* owner =
        progress_ && progress_->Exists() ? static_cast<QWidget*>(progress_.get()) : mainWindow_;
    if (look_.sayOutcome) {
        Prompts().Inform(owner, MessageCaption(), Text(message), PromptIcon::kNone);
    }
    if (onOutcome_) {
        onOutcome_(outcome);
    }
    progress_.reset();  // enables the main window again
    if (mainWindow_ != nullptr) {
        mainWindow_->activateWindow();  // and its shortcuts, where no window manager does it
    }
    emit Finished();
}

}  // namespace tolvane::gui
