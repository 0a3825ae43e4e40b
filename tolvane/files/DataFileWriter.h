// Saving the keyboard image as a data file.
//
// The caller (the save command) chooses the path, the file name it showed the user for the
// header, and the moment of the save. The file is replaced atomically: a failed save leaves
// the previous file as it was and the result says why.
#pragma once

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

#include "tolvane/files/AtomicWrite.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane {

// The whole file: 14 header lines, 504 key records (layer by layer, button by button), the
// card and keyboard-set sections and the end marker, each line ending in CR LF. Every layer
// is written with all its codes, up to 55.
std::string FormatDataFile(const KeyboardImage& image, std::string_view fileName,
                           const std::tm& createDate);

FileWriteResult SaveDataFile(const KeyboardImage& image, const std::filesystem::path& path,
                             std::string_view fileName, const std::tm& createDate);

// The local time now, for the header's create date.
std::tm LocalTimeNow();
std::tm LocalTimeOf(std::chrono::system_clock::time_point when);

}  // namespace tolvane
