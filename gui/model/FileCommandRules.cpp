#include "gui/model/FileCommandRules.h"

#include "tolvane/files/DataFileLoader.h"

namespace tolvane::gui {

std::string FileMessageText(const FileMessage& message, InterfaceLanguage language) {
    std::string text = message.text ? std::string(Text(*message.text, language))
                                    : std::string(kInvalidArgumentText);
    if (!message.details.empty()) {
        text += "\n\n" + message.details;
    }
    return text;
}

FileCommandOutcome OpenDataFile(KeyboardImage& image, LegendLabels& labels, DataFileCommands& files,
                                const std::filesystem::path& file) {
    const DataFileLoadResult result = files.Load(image, file);
    FileCommandOutcome outcome;
    switch (result.status) {
        case DataFileLoadStatus::kLoaded: {
            outcome.done = true;
            const LabelsLoadReport report = DataFileCommands::LoadLabels(file, labels);
            if (report.message) {
                outcome.messages.push_back(
                    {FileMessageKind::kWarning, *report.message, report.details});
            }
            break;
        }
        case DataFileLoadStatus::kInvalidHeader:
            outcome.messages.push_back({FileMessageKind::kStop, std::nullopt, {}});
            break;
        case DataFileLoadStatus::kCannotOpen:
        case DataFileLoadStatus::kReadFailed:
        case DataFileLoadStatus::kTooLong:
            outcome.messages.push_back(
                {FileMessageKind::kWarning, TextId::kDataFileOpenFailed, result.error});
            break;
    }
    return outcome;
}

FileCommandOutcome SaveDataFile(const KeyboardImage& image, const LegendLabels& labels,
                                DataFileCommands& files, const std::filesystem::path& file,
                                const std::tm& now) {
    FileCommandOutcome outcome;
    const std::u8string name = file.filename().u8string();
    const std::string fileName(name.begin(), name.end());
    const FileWriteResult saved = files.Save(image, file, fileName, now);
    if (!saved) {
        outcome.messages.push_back(
            {FileMessageKind::kWarning, TextId::kDataFileSaveFailed, saved.error});
        return outcome;
    }
    const FileWriteResult labelsSaved = DataFileCommands::SaveLabels(labels, file);
    if (!labelsSaved) {
        outcome.messages.push_back(
            {FileMessageKind::kWarning, TextId::kLabelsFileSaveFailed, labelsSaved.error});
    }
    outcome.done = labelsSaved.ok;
    return outcome;
}

}  // namespace tolvane::gui
