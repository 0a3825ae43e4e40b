#include "files/DataFileCommands.h"

namespace tolvane {

FileWriteResult DataFileCommands::Save(const KeyboardImage& image,
                                       const std::filesystem::path& path, std::string_view fileName,
                                       const std::tm& createDate) {
    lastDataFilePath = path;
    return SaveDataFile(image, path, fileName, createDate);
}

DataFileLoadResult DataFileCommands::Load(KeyboardImage& image, const std::filesystem::path& path,
                                          const DataFileLoadHooks& hooks) {
    lastDataFilePath = path;
    return LoadDataFile(image, path, hooks);
}

}  // namespace tolvane
