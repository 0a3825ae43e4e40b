// What the main window's Open and Save commands keep between runs of the file dialogs: the
// path of the data file last opened or saved since the program started. The dialogs
// themselves belong to the window; these calls do the rest.
#pragma once

#include <ctime>
#include <filesystem>
#include <string_view>

#include "files/DataFileLoader.h"
#include "files/DataFileWriter.h"

namespace tolvane {

class DataFileCommands {
  public:
    // The open dialog's initial file name; a single space until a file is chosen.
    std::filesystem::path lastDataFilePath{" "};

    // The chosen path is remembered even when the save fails, so the next dialog starts at it.
    FileWriteResult Save(const KeyboardImage& image, const std::filesystem::path& path,
                         std::string_view fileName, const std::tm& createDate);

    DataFileLoadResult Load(KeyboardImage& image, const std::filesystem::path& path,
                            const DataFileLoadHooks& hooks = {});
};

}  // namespace tolvane
