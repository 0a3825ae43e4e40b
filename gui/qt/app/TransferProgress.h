// One transfer as the main window shows it: the progress window over the disabled main
// window, the monitor polled every 5 ms by a timer on the GUI thread (no other thread
// touches a widget), and the outcome message shown while the progress window is still up.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "gui/qt/widgets/CProgressWnd.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/link/TransferMonitor.h"

namespace tolvane::gui {

class TransferProgress : public QObject, private TransferListener {
    Q_OBJECT

  public:
    // Called after the outcome message, before the progress window goes: the image is up to
    // date and the window refreshes what it shows of it.
    using OutcomeHandler = std::function<void(TransferOutcome)>;

    // How the window shows a transfer: the read and write commands with the progress
    // title and outcome messages they have always had; the reads around a write (backup,
    // verify) and a comparison with a title of their own and no outcome message, as the
    // window says what came of them.
    struct Look {
        TextId title = TextId::kTransferTitle;
        bool sayOutcome = true;
    };

    TransferProgress(KeyboardImage& image, TransferWorker& worker, const LanguageState& language,
                     QWidget* mainWindow, OutcomeHandler onOutcome, Look look);
    ~TransferProgress() override;

    TransferMonitor& Monitor() { return monitor_; }

    // Shows the progress window, makes it modal and starts polling.
    void Show();

    bool Ended() const { return ended_; }
    TransferOutcome Outcome() const { return outcome_; }
    CProgressWnd* ProgressWindow() const { return progress_.get(); }

  signals:
    // The progress window is gone and the main window is enabled again.
    void Finished();

  private:
    void OnProgress(std::uint32_t reportCount) override;
    void OnOutcome(TransferOutcome outcome) override;
    QString Text(TextId id) const;

    TransferMonitor monitor_;
    const LanguageState& language_;
    QWidget* mainWindow_;
    OutcomeHandler onOutcome_;
    Look look_;
    TransferOutcome outcome_ = TransferOutcome::kRunning;
    QTimer pollTimer_;
    std::unique_ptr<CProgressWnd> progress_;
    bool ended_ = false;
};

}  // namespace tolvane::gui
