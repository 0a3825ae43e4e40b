// POSIX: on Linux the temporary file has no name until it is complete (O_TMPFILE, then
// linkat through /proc); elsewhere, or where the file system cannot hold an unnamed file, a
// named one from the start. fchmod keeps the replaced file's permission bits, fsync puts the
// file and then its folder on the disk.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>

#include "tolvane/files/AtomicWritePlatform.h"

namespace tolvane::detail {

namespace fs = std::filesystem;

std::error_code TemporaryFile::Create(const fs::path& folder) {
    folder_ = folder.empty() ? fs::path(".") : folder;
#if defined(O_TMPFILE)
    // linkat names the file through /proc; without it the unnamed file could not be kept.
    if (::access("/proc/self/fd", X_OK) == 0) {
        fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            return {};
        }
    }
    // The file system cannot hold an unnamed file (or the folder is unusable, which the
    // named attempt reports as well).
#endif
    return CreateNamed();
}

std::error_code TemporaryFile::CreateNamed() {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        fs::path name = TemporaryNameIn(folder_);
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            name_ = std::move(name);
            return {};
        }
        if (errno != EEXIST) {
            return LastError();
        }
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code TemporaryFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? LastError() : std::make_error_code(std::errc::io_error);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code TemporaryFile::SetMode(unsigned mode) {
    return ::fchmod(fd_, static_cast<mode_t>(mode)) == 0 ? std::error_code{} : LastError();
}

std::error_code TemporaryFile::Flush() {
    return ::fsync(fd_) == 0 ? std::error_code{} : LastError();
}

std::error_code TemporaryFile::Close() {
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0 ? std::error_code{} : LastError();
}

std::error_code TemporaryFile::Publish(const fs::path& target) {
    if (name_.empty()) {
        // The name is given only now that the contents are complete; linkat cannot replace
        // a file, so the name is a temporary one that the rename below takes away at once.
        // A kill between the two leaves it; see RemoveStaleTemporaries.
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        std::error_code error = std::make_error_code(std::errc::file_exists);
        for (int attempt = 0; attempt < kNameAttempts && error; ++attempt) {
            fs::path name = TemporaryNameIn(folder_);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                name_ = std::move(name);
                error.clear();
            } else {
                error = LastError();
                if (errno != EEXIST) {
                    return error;
                }
            }
        }
        if (error) {
            return error;
        }
    }
    if (::rename(name_.c_str(), target.c_str()) != 0) {
        return LastError();
    }
    name_.clear();
    return Close();
}

void TemporaryFile::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!name_.empty()) {
        ::unlink(name_.c_str());
    }
}

std::error_code MayWrite(const fs::path& path) {
    return ::access(path.c_str(), W_OK) == 0 ? std::error_code{} : LastError();
}

std::error_code FlushFolder(const fs::path& folder) {
    const fs::path name = folder.empty() ? fs::path(".") : folder;
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return LastError();
    }
    std::error_code error = ::fsync(fd) == 0 ? std::error_code{} : LastError();
    ::close(fd);
    // Some file systems cannot flush a folder; their renames are as safe as they get.
    if (error == std::errc::invalid_argument) {
        error.clear();
    }
    return error;
}

}  // namespace tolvane::detail
