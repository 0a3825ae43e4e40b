// What the Open and Save commands do once the user has named a file, and what they tell the
// user when it goes wrong, for every front end: the front end shows the file dialogs and the
// messages, nothing else.
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tolvane/app/TextTable.h"
#include "tolvane/files/DataFileCommands.h"

namespace tolvane::gui {

// The data files' filter in the file dialogs, and the name a first save suggests.
inline constexpr const char* kDataFileFilter = "Dat Files(*.dat)";
inline constexpr const char* kDataFileDialogFilter = "Dat Files(*.dat)|*.dat||";
inline constexpr const char* kSaveSuggestion = "UserSave";
inline constexpr const char* kDataFileSuffix = "dat";

enum class FileMessageKind { kWarning, kStop };

// One message box: a text of the table (or the framework's own words), and the system's
// reason after an empty line.
struct FileMessage {
    FileMessageKind kind = FileMessageKind::kWarning;
    std::optional<TextId> text;  // none: the framework's invalid-argument message
    std::string details;
};

std::string FileMessageText(const FileMessage& message, InterfaceLanguage language);

struct FileCommandOutcome {
    bool done = false;  // the image took the file, or the file and its labels were written
    std::vector<FileMessage> messages;
};

// Loads a data file and the labels beside it; a load that fails changes nothing.
FileCommandOutcome OpenDataFile(KeyboardImage& image, LegendLabels& labels, DataFileCommands& files,
                                const std::filesystem::path& file);

// Saves the image and its labels; the old file stays as it was when that fails. The labels
// not kept are changes not saved: done is false then.
FileCommandOutcome SaveDataFile(const KeyboardImage& image, const LegendLabels& labels,
                                DataFileCommands& files, const std::filesystem::path& file,
                                const std::tm& now);

}  // namespace tolvane::gui
