// One read or write of a whole programming with one keyboard, followed by the same monitor
// the window uses: a transfer fails after about one second without progress; and a write
// with its verify.
#pragma once

#include <optional>
#include <ostream>
#include <stop_token>
#include <string>
#include <vector>

#include "cli/ProgrammingView.h"

#include "tolvane/files/Backups.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/TransferMonitor.h"

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

enum class TransferEnd { kSucceeded, kFailed, kNotConnected };

// Transfers with the keyboard at path (the first keyboard found when path is empty). A stop
// request ends the transfer as failed at once.
TransferEnd TransferWith(const std::string& path, TransferKind kind, KeyboardImage& image,
                         TransferListener& listener, std::stop_token stop = {});

// What a write does besides writing: keep a backup of what the keyboard held first (in
// backupFolder; none when empty) and read the keyboard back afterwards.
struct WriteSteps {
    bool verify = false;
    std::filesystem::path backupFolder;
};

// A write, preceded by its backup and, when verified, followed by the read back compared
// with what was written.
struct WriteResult {
    std::optional<BackupResult> backup;  // set when a backup was to be kept
    TransferEnd write = TransferEnd::kFailed;
    std::optional<TransferEnd> verifyRead;  // set when the keyboard was read back
    std::vector<Difference> differences;    // where the read back differs from the image

    bool ok() const;
};

// Reads the keyboard at path and keeps what it holds as a backup in folder.
BackupResult BackUpKeyboard(const std::string& path, const std::filesystem::path& folder,
                            std::stop_token stop = {});

// Nothing is written when a backup was asked for and could not be kept.
WriteResult WriteAndVerify(const std::string& path, KeyboardImage& image, const WriteSteps& steps,
                           TransferListener& writeProgress, TransferListener& verifyProgress,
                           std::stop_token stop = {});

// How a write of one keyboard among many went, in a few words: "written and verified",
// "written, verify found 3 differences", ...
std::string WriteResultText(const WriteResult& result);

// The outcome texts the window shows, in English.
std::string OutcomeText(TransferKind kind, TransferEnd end);

}  // namespace tolvane::cli
