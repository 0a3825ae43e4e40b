// What the main window's Open and Save commands keep between runs of the file dialogs: the
// path of the data file last opened or saved since the program started. The dialogs
// themselves belong to the window; these calls do the rest.
//
// Both leave things whole: a failed save keeps the old file, and a load that fails at any
// point (a file that cannot be opened, a malformed header, a read error half-way) changes
// nothing in the image.
#pragma once

#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tolvane/files/DataFileCheck.h"
#include "tolvane/files/DataFileLoader.h"
#include "tolvane/files/DataFileWriter.h"
#include "tolvane/files/LabelsFile.h"

namespace tolvane {

// What Open tells the user of the labels file beside a data file it loaded: nothing, or a
// message with the details (the bad lines, or why the file cannot be read).
struct LabelsLoadReport {
    std::optional<TextId> message;
    std::string details;
};

// A file read into a copy of the image's programming, with what the check found, that the
// image has not taken yet: a window asks the user about the problems first.
struct PendingLoad {
    std::filesystem::path path;
    DataFileCheck check;
    std::unique_ptr<KeyboardImage> loaded;  // the image's programming with the file applied
};

class DataFileCommands {
  public:
    // The open dialog's initial file name; a single space until a file is chosen.
    std::filesystem::path lastDataFilePath{" "};

    // The chosen path is remembered even when the save fails, so the next dialog starts at it.
    FileWriteResult Save(const KeyboardImage& image, const std::filesystem::path& path,
                         std::string_view fileName, const std::tm& createDate);

    // The file is read into a copy of the image's programming, which replaces it only when
    // the whole load succeeded. The hooks hear of the copy, before the image takes it.
    DataFileLoadResult Load(KeyboardImage& image, const std::filesystem::path& path,
                            const DataFileLoadHooks& hooks = {});

    // The same load in two steps: read and check the file without touching the image, then,
    // once the user agreed, let the image take it (which makes the file the last one opened).
    static PendingLoad ReadForLoad(const KeyboardImage& image, const std::filesystem::path& path);
    void TakeLoad(KeyboardImage& image, PendingLoad& pending);

    // After a data file was loaded: the labels of the labels file beside it replace the
    // window's. No file means no labels; a file that cannot be read gives none either; the
    // good lines of a file with bad ones are kept.
    static LabelsLoadReport LoadLabels(const std::filesystem::path& dataFile, LegendLabels& labels);

    // After a data file was saved: its labels go beside it (see SaveLabelsFile).
    static FileWriteResult SaveLabels(const LegendLabels& labels,
                                      const std::filesystem::path& dataFile);
};

}  // namespace tolvane
