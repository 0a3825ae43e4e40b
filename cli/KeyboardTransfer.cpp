#include "cli/KeyboardTransfer.h"

#include <memory>

#include "tolvane/app/TextTable.h"
#include "tolvane/link/DeviceWatch.h"

namespace tolvane::cli {

namespace {

constexpr int kBarWidth = 30;

std::string English(TextId id) {
    return std::string(Text(id, InterfaceLanguage::kEnglish));
}

}  // namespace

void ProgressBar::OnProgress(std::uint32_t reportCount) {
    if (!enabled_) {
        return;
    }
    const int percent = TransferMonitor::Percent(reportCount);
    const int filled = percent * kBarWidth / 100;
    out_ << '\r' << label_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') << "] " << percent << '%'
         << std::flush;
    drawn_ = true;
}

void ProgressBar::OnOutcome(TransferOutcome) {
    if (drawn_) {
        out_ << '\n' << std::flush;
    }
}

TransferEnd TransferWith(const std::string& path, TransferKind kind, KeyboardImage& image,
                         TransferListener& listener, std::stop_token stop) {
    CHid hid;
    hid.RestrictToPath(path);
    DeviceWatch watch(image, hid, kNoNotices);  // a single command needs no arrival notices
    watch.DeviceCheck();
    TransferWorker worker;
    TransferMonitor monitor(image, worker, listener);
    if (StartTransfer(kind, image, hid, worker, monitor) == StartResult::kNotConnected) {
        return TransferEnd::kNotConnected;
    }
    const TransferOutcome outcome = monitor.RunToEnd(stop);
    return outcome == TransferOutcome::kFailed ? TransferEnd::kFailed : TransferEnd::kSucceeded;
}

bool WriteResult::ok() const {
    return (!backup || backup->ok) && write == TransferEnd::kSucceeded &&
           verifyRead.value_or(TransferEnd::kSucceeded) == TransferEnd::kSucceeded &&
           differences.empty();
}

BackupResult BackUpKeyboard(const std::string& path, const std::filesystem::path& folder,
                            std::stop_token stop) {
    const auto held = std::make_unique<KeyboardImage>();
    SilentProgress silent;
    const TransferEnd read = TransferWith(path, TransferKind::kRead, *held, silent, stop);
    if (read != TransferEnd::kSucceeded) {
        return {
            false, {}, "the keyboard could not be read: " + OutcomeText(TransferKind::kRead, read)};
    }
    CHid hid;
    hid.RestrictToPath(path);
    return SaveBackup(*held, folder, hid.SerialNumber());
}

WriteResult WriteAndVerify(const std::string& path, KeyboardImage& image, const WriteSteps& steps,
                           TransferListener& writeProgress, TransferListener& verifyProgress,
                           std::stop_token stop) {
    WriteResult result;
    if (!steps.backupFolder.empty()) {
        result.backup = BackUpKeyboard(path, steps.backupFolder, stop);
        if (!result.backup->ok) {
            return result;  // the keyboard is untouched
        }
    }
    result.write = TransferWith(path, TransferKind::kWrite, image, writeProgress, stop);
    if (result.write != TransferEnd::kSucceeded || !steps.verify) {
        return result;
    }
    const auto readBack = std::make_unique<KeyboardImage>();
    result.verifyRead = TransferWith(path, TransferKind::kRead, *readBack, verifyProgress, stop);
    if (result.verifyRead == TransferEnd::kSucceeded) {
        result.differences = CompareProgrammings(image, *readBack);
    }
    return result;
}

std::string WriteResultText(const WriteResult& result) {
    if (result.backup && !result.backup->ok) {
        return "not written: no backup could be kept (" + result.backup->error + ")";
    }
    if (result.write != TransferEnd::kSucceeded) {
        return OutcomeText(TransferKind::kWrite, result.write);
    }
    if (!result.verifyRead) {
        return "written";
    }
    if (*result.verifyRead != TransferEnd::kSucceeded) {
        return "written, verify failed: " + OutcomeText(TransferKind::kRead, *result.verifyRead);
    }
    if (!result.differences.empty()) {
        return "written, verify found " + std::to_string(result.differences.size()) +
               " differences";
    }
    return "written and verified";
}

std::string OutcomeText(TransferKind kind, TransferEnd end) {
    switch (end) {
        case TransferEnd::kSucceeded:
            return English(kind == TransferKind::kRead ? TextId::kReadSuccess
                                                       : TextId::kWriteSuccess);
        case TransferEnd::kFailed:
            return English(TextId::kTransferFailed);
        case TransferEnd::kNotConnected:
            return English(TextId::kPleaseConnectKeyboard);
    }
    return {};
}

}  // namespace tolvane::cli
