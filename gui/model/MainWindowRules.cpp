#include "gui/model/MainWindowRules.h"

#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

int ConnectionPictureId(ConnectionPicture picture, InterfaceLanguage language) {
    const bool english = language == InterfaceLanguage::kEnglish;
    if (picture == ConnectionPicture::kFound) {
        return english ? ids::kEnglishFoundPicture : ids::kChineseFoundPicture;
    }
    return english ? ids::kEnglishNotFoundPicture : ids::kChineseNotFoundPicture;
}

TextId TransferOutcomeText(TransferOutcome outcome) {
    switch (outcome) {
        case TransferOutcome::kReadSucceeded:
            return TextId::kReadSuccess;
        case TransferOutcome::kWriteSucceeded:
            return TextId::kWriteSuccess;
        case TransferOutcome::kRunning:
        case TransferOutcome::kFailed:
            break;
    }
    return TextId::kTransferFailed;
}

std::optional<std::filesystem::path> FindUserManual(
    std::span<const std::filesystem::path> folders) {
    for (const std::filesystem::path& folder : folders) {
        const std::filesystem::path manual = folder / kManualFileName;
        std::error_code ignored;
        if (std::filesystem::is_regular_file(manual, ignored)) {
            return manual;
        }
    }
    return std::nullopt;
}

}  // namespace tolvane::gui
