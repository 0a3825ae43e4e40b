#include "tolvane/files/DataFileCommands.h"

#include <memory>

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
    // What the file does not mention keeps its contents, so the copy starts as the image.
    auto scratch = std::make_unique<KeyboardImage>();
    scratch->buttons = image.buttons;
    scratch->tracks = image.tracks;
    scratch->options = image.options;
    scratch->selection = image.selection;
    DataFileLoadResult result = LoadDataFile(*scratch, path, hooks);
    if (result.ok()) {
        image.buttons = std::move(scratch->buttons);
        image.tracks = scratch->tracks;
        image.options = scratch->options;
    }
    return result;
}

}  // namespace tolvane
