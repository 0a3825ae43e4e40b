// One read or write of a whole programming with one keyboard, followed by the same monitor
// the window uses: a transfer fails after about one second without progress.
#pragma once

#include <ostream>
#include <string>

#include "image/KeyboardImage.h"
#include "link/TransferMonitor.h"

namespace tolvane::cli {

// Draws "Writing [#####     ]  50%" on a terminal, redrawn in place.
class ProgressBar final : public TransferListener {
  public:
    ProgressBar(std::ostream& out, std::string label, bool enabled)
        : out_(out), label_(std::move(label)), enabled_(enabled) {}
    void OnProgress(std::uint32_t reportCount) override;
    void OnOutcome(TransferOutcome outcome) override;

  private:
    std::ostream& out_;
    std::string label_;
    bool enabled_;
    bool drawn_ = false;
};

class SilentProgress final : public TransferListener {
  public:
    void OnProgress(std::uint32_t) override {}
    void OnOutcome(TransferOutcome) override {}
};

enum class TransferEnd { Succeeded, Failed, NotConnected };

// Transfers with the keyboard at path (the first keyboard found when path is empty).
TransferEnd TransferWith(const std::string& path, TransferKind kind, KeyboardImage& image,
                         TransferListener& listener);

// The outcome texts the window shows, in English.
std::string OutcomeText(TransferKind kind, TransferEnd end);

}  // namespace tolvane::cli
