// Windows: a named temporary file from the start (there is no unnamed one), opened through
// the C runtime's descriptors; the new file takes the folder's access list, and the rename
// is written through by the system.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <algorithm>
#include <utility>

#include "tolvane/files/AtomicWritePlatform.h"

namespace tolvane::detail {

namespace fs = std::filesystem;

std::error_code TemporaryFile::Create(const fs::path& folder) {
    folder_ = folder.empty() ? fs::path(".") : folder;
    return CreateNamed();
}

std::error_code TemporaryFile::CreateNamed() {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        fs::path name = TemporaryNameIn(folder_);
        const errno_t error =
            _wsopen_s(&fd_, name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                      _SH_DENYNO, _S_IREAD | _S_IWRITE);
        if (error == 0) {
            name_ = std::move(name);
            return {};
        }
        fd_ = -1;
        if (error != EEXIST) {
            return {error, std::generic_category()};
        }
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code TemporaryFile::Write(std::string_view bytes) {
    constexpr std::size_t kLargestWrite = 1u << 30;
    while (!bytes.empty()) {
        const unsigned size = static_cast<unsigned>(std::min(bytes.size(), kLargestWrite));
        const int written = _write(fd_, bytes.data(), size);
        if (written <= 0) {
            return written < 0 ? LastError() : std::make_error_code(std::errc::io_error);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code TemporaryFile::SetMode(unsigned) {
    return {};  // the new file inherits the folder's access list
}

std::error_code TemporaryFile::Flush() {
    return _commit(fd_) == 0 ? std::error_code{} : LastError();
}

std::error_code TemporaryFile::Close() {
    const int fd = std::exchange(fd_, -1);
    return _close(fd) == 0 ? std::error_code{} : LastError();
}

std::error_code TemporaryFile::Publish(const fs::path& target) {
    if (std::error_code error = Close()) {
        return error;
    }
    std::error_code error;
    fs::rename(name_, target, error);
    if (!error) {
        name_.clear();
    }
    return error;
}

void TemporaryFile::Discard() {
    if (fd_ >= 0) {
        _close(fd_);
    }
    if (!name_.empty()) {
        std::error_code ignored;
        fs::remove(name_, ignored);
    }
}

std::error_code MayWrite(const fs::path& path) {
    return _waccess(path.c_str(), 2) == 0 ? std::error_code{} : LastError();
}

std::error_code FlushFolder(const fs::path&) {
    return {};  // the rename is written through by the system
}

}  // namespace tolvane::detail
