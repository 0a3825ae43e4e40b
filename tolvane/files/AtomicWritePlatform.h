// The platform's part of an atomic save (AtomicWrite_posix.cpp, AtomicWrite_windows.cpp):
// unnamed files, descriptors, permission bits and flushing to the disk have no standard form.
// AtomicWrite.cpp builds the save on these.
#pragma once

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace tolvane::detail {

inline constexpr int kNameAttempts = 8;

inline std::error_code LastError() {
    return {errno, std::generic_category()};
}

// A fresh ".tolvane-*.tmp" name in folder, of fixed length, so that a target name near the
// system's limit still saves.
std::filesystem::path TemporaryNameIn(const std::filesystem::path& folder);

// The new contents until they replace the target. Whatever has not been published is
// removed when the object goes.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    ~TemporaryFile() { Discard(); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    std::error_code Create(const std::filesystem::path& folder);
    std::error_code Write(std::string_view bytes);
    std::error_code SetMode(unsigned mode);
    std::error_code Flush();
    // Gives the complete file the target's name, replacing what had it.
    std::error_code Publish(const std::filesystem::path& target);

  private:
    std::error_code CreateNamed();
    std::error_code Close();
    void Discard();

    int fd_ = -1;
    std::filesystem::path folder_;
    std::filesystem::path name_;  // empty while the file has no name
};

// Whether this user may write the file, asked of the system.
std::error_code MayWrite(const std::filesystem::path& path);

// Puts the folder's entries (the rename) on the disk.
std::error_code FlushFolder(const std::filesystem::path& folder);

}  // namespace tolvane::detail
