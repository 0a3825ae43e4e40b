#include "gui/qt/app/FileCommands.h"

#include "gui/kit/ControlNames.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

namespace {

std::filesystem::path ToPath(const QString& file) {
    return std::filesystem::path(file.toStdU16String());
}

QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

void Tell(QWidget* mainWindow, const LanguageState& language,
          const std::vector<FileMessage>& messages) {
    for (const FileMessage& message : messages) {
        Prompts().Inform(
            mainWindow, MessageCaption(),
            FromUtf8(FileMessageText(message, language.interfaceLanguage)),
            message.kind == FileMessageKind::kStop ? PromptIcon::kStop : PromptIcon::kWarning);
    }
}

}  // namespace

bool RunOpenCommand(QWidget* mainWindow, KeyboardImage& image, LegendLabels& labels,
                    DataFileCommands& files, const LanguageState& language) {
    const QString chosen =
        Prompts().OpenFileName(mainWindow, ToQString(files.lastDataFilePath), kDataFileFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    return LoadDataFile(mainWindow, image, labels, files, language, chosen);
}

bool LoadDataFile(QWidget* mainWindow, KeyboardImage& image, LegendLabels& labels,
                  DataFileCommands& files, const LanguageState& language, const QString& file) {
    const FileCommandOutcome outcome = OpenDataFile(image, labels, files, ToPath(file));
    Tell(mainWindow, language, outcome.messages);
    return outcome.done;
}

bool RunSaveCommand(QWidget* mainWindow, const KeyboardImage& image, const LegendLabels& labels,
                    DataFileCommands& files, const LanguageState& language) {
    const QString chosen =
        Prompts().SaveFileName(mainWindow, kSaveSuggestion, kDataFileFilter, kDataFileSuffix);
    if (chosen.isEmpty()) {
        return false;
    }
    const FileCommandOutcome outcome =
        SaveDataFile(image, labels, files, ToPath(chosen), LocalTimeNow());
    Tell(mainWindow, language, outcome.messages);
    return outcome.done;
}

std::string DisplayedFileName(const std::filesystem::path& path) {
    return ToQString(path.filename()).toStdString();
}

}  // namespace tolvane::gui
