// A file that only ever grows by whole lines, each one on the disk before the call that
// adds it returns: a record that a crash or a pulled power cable can cost at most the line
// being written, never an earlier one. Each line goes out in one write to a handle opened
// for appending, so it lands after everything the file holds, whoever else appends to it.
//
// The handle is the platform's (AppendOnlyFile_posix.cpp, AppendOnlyFile_windows.cpp).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "tolvane/files/AtomicWrite.h"

namespace tolvane::cli {

class AppendOnlyFile {
  public:
    struct Opened {
        std::unique_ptr<AppendOnlyFile> file;  // null when the file cannot be opened
        std::string error;                     // then why, with the file's name
    };

    // Opens path for appending, creating it (with its name on the disk) when it is missing.
    // Anything but a regular file is refused. When an earlier crash left the last line
    // without its line end, the first line added starts with one, so it stays whole.
    static Opened Open(const std::filesystem::path& path);

    ~AppendOnlyFile();
    AppendOnlyFile(const AppendOnlyFile&) = delete;
    AppendOnlyFile& operator=(const AppendOnlyFile&) = delete;

    // Whether the file held nothing when it was opened.
    bool WasEmpty() const { return wasEmpty_; }

    // Adds line and a line end in one write and waits until the disk has them.
    FileWriteResult AppendLine(std::string_view line);

  private:
    // The platform's part: one write of bytes at the end of the file, then to the disk.
    FileWriteResult WriteAndFlush(std::string_view bytes);

    AppendOnlyFile(std::intptr_t handle, std::string name, bool wasEmpty, bool lastLineOpen)
        : handle_(handle),
          name_(std::move(name)),
          wasEmpty_(wasEmpty),
          lastLineOpen_(lastLineOpen) {}

    std::intptr_t handle_;  // a file descriptor or a HANDLE
    std::string name_;      // for messages
    bool wasEmpty_;
    bool lastLineOpen_;  // the file ends inside a line an earlier run did not finish
};

}  // namespace tolvane::cli
