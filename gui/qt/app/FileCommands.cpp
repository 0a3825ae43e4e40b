#include "gui/qt/app/FileCommands.h"

#include <QFileInfo>

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

void TellFailure(QWidget* mainWindow, const LanguageState& language, TextId text,
                 const std::string& reason) {
    QString message = FromUtf8(language.Text(text));
    if (!reason.empty()) {
        message += "\n\n" + QString::fromStdString(reason);
    }
    Prompts().Inform(mainWindow, MessageCaption(), message, PromptIcon::kWarning);
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

namespace {

// A file that passed the header is only taken whole: when the check found problems the user
// sees them and chooses, with Cancel the default; a file without a single record is refused.
bool MayTake(QWidget* mainWindow, const LanguageState& language, const PendingLoad& pending) {
    const std::string name = DisplayedFileName(pending.path);
    const InterfaceLanguage shown = language.interfaceLanguage;
    if (!pending.check.HasRecords()) {
        Prompts().Inform(mainWindow, MessageCaption(),
                         FromUtf8(FillIn(Text(TextId::kDataFileNoRecords, shown), {name})),
                         PromptIcon::kWarning);
        return false;
    }
    if (pending.check.problems.empty()) {
        return true;
    }
    const std::string question =
        FillIn(Text(TextId::kDataFileProblems, shown),
               {name, DataFileProblemSummary(pending.check.problems, shown)});
    return Prompts().AskProceedOrCancel(mainWindow, MessageCaption(), FromUtf8(question),
                                        FromUtf8(Text(TextId::kLoadAnyway, shown)),
                                        FromUtf8(Text(TextId::kAnswerCancel, shown)));
}

}  // namespace

bool LoadDataFile(QWidget* mainWindow, KeyboardImage& image, LegendLabels& labels,
                  DataFileCommands& files, const LanguageState& language, const QString& file) {
    PendingLoad pending = DataFileCommands::ReadForLoad(image, ToPath(file));
    const DataFileLoadResult& result = pending.check.result;
    switch (result.status) {
        case DataFileLoadStatus::kLoaded: {
            if (!MayTake(mainWindow, language, pending)) {
                return false;
            }
            files.TakeLoad(image, pending);
            const LabelsLoadReport report = DataFileCommands::LoadLabels(ToPath(file), labels);
            if (report.message) {
                TellFailure(mainWindow, language, *report.message, report.details);
            }
            return true;
        }
        case DataFileLoadStatus::kInvalidHeader:
            // The open dialog starts at the file tried next time, as it always has.
            files.lastDataFilePath = pending.path;
            Prompts().Inform(mainWindow, MessageCaption(), FromUtf8(kInvalidArgumentText),
                             PromptIcon::kStop);
            return false;
        case DataFileLoadStatus::kCannotOpen:
        case DataFileLoadStatus::kReadFailed:
        case DataFileLoadStatus::kTooLong:
            // Nothing of the file was loaded.
            files.lastDataFilePath = pending.path;
            TellFailure(mainWindow, language, TextId::kDataFileOpenFailed, result.error);
            return false;
    }
    return false;
}

bool RunSaveCommand(QWidget* mainWindow, const KeyboardImage& image, const LegendLabels& labels,
                    DataFileCommands& files, const LanguageState& language) {
    const QString chosen =
        Prompts().SaveFileName(mainWindow, kSaveSuggestion, kDataFileFilter, kDataFileSuffix);
    if (chosen.isEmpty()) {
        return false;
    }
    const std::string fileName = QFileInfo(chosen).fileName().toStdString();
    const FileWriteResult saved = files.Save(image, ToPath(chosen), fileName, LocalTimeNow());
    if (!saved) {
        TellFailure(mainWindow, language, TextId::kDataFileSaveFailed, saved.error);
        return false;
    }
    // The labels not kept are changes not saved: the window goes on showing them unsaved.
    const FileWriteResult labelsSaved = DataFileCommands::SaveLabels(labels, ToPath(chosen));
    if (!labelsSaved) {
        TellFailure(mainWindow, language, TextId::kLabelsFileSaveFailed, labelsSaved.error);
    }
    return labelsSaved.ok;
}

std::string DisplayedFileName(const std::filesystem::path& path) {
    return ToQString(path.filename()).toStdString();
}

}  // namespace tolvane::gui
