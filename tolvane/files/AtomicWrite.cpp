#include "tolvane/files/AtomicWrite.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>

// Platform section: unnamed files, descriptors, permission bits and flushing to the disk
// have no standard form.
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tolvane {

namespace fs = std::filesystem;

namespace {

constexpr int kMostLinksFollowed = 40;  // as many as the system's own path lookup follows
constexpr int kNameAttempts = 8;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

FileWriteResult Failure(const std::string& what, const fs::path& path, const std::string& reason) {
    return FileWriteResult{false, what + " " + PathText(path) + ": " + reason};
}

// A name of fixed length, so that a target name near the system's limit still saves.
fs::path TemporaryNameIn(const fs::path& folder) {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char name[40];
    std::snprintf(name, sizeof name, ".tolvane-%016llx.tmp",
                  static_cast<unsigned long long>(generator()));
    return folder / name;
}

// The new contents until they replace the target. Whatever has not been published is
// removed when the object goes.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    ~TemporaryFile() { Discard(); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    std::error_code Create(const fs::path& folder);
    std::error_code Write(std::string_view bytes);
    std::error_code SetMode(unsigned mode);
    std::error_code Flush();
    // Gives the complete file the target's name, replacing what had it.
    std::error_code Publish(const fs::path& target);

  private:
    std::error_code CreateNamed();
    std::error_code Close();
    void Discard();

    int fd_ = -1;
    fs::path folder_;
    fs::path name_;  // empty while the file has no name
};

#if defined(_WIN32)

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

#else

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

#endif

// ".tolvane-", 16 lower-case hex digits, ".tmp": the names TemporaryNameIn gives.
bool IsOurTemporaryName(const std::string& name) {
    constexpr std::string_view kPrefix = ".tolvane-";
    constexpr std::string_view kSuffix = ".tmp";
    constexpr std::size_t kDigits = 16;
    if (name.size() != kPrefix.size() + kDigits + kSuffix.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(kSuffix)) {
        return false;
    }
    const std::string_view digits = std::string_view(name).substr(kPrefix.size(), kDigits);
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Temporary files that a killed save left in the folder. One is taken for another save's,
// still in progress, until it has not been written to for a minute.
void RemoveStaleTemporaries(const fs::path& folder) {
    constexpr auto kStaleAfter = std::chrono::minutes(1);
    const auto staleBefore = fs::file_time_type::clock::now() - kStaleAfter;
    std::error_code error;
    for (fs::directory_iterator entry(folder.empty() ? fs::path(".") : folder, error), end;
         !error && entry != end; entry.increment(error)) {
        std::error_code ignored;
        if (IsOurTemporaryName(PathText(entry->path().filename())) &&
            fs::is_regular_file(entry->symlink_status(ignored)) &&
            entry->last_write_time(ignored) < staleBefore && !ignored) {
            fs::remove(entry->path(), ignored);
        }
    }
}

// The file a save through path lands in: every symbolic link on the way is followed, a
// dangling one to the file it would name.
std::error_code FollowLinks(fs::path& path) {
    for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
        std::error_code ignored;
        if (!fs::is_symlink(fs::symlink_status(path, ignored))) {
            return {};
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            return error;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// A save may replace only a regular file this user may write; keptMode receives its
// permission bits.
FileWriteResult CheckReplaceable(const fs::path& path, std::optional<unsigned>& keptMode) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        return {true, {}};
    }
    if (error) {
        return Failure("cannot replace", path, error.message());
    }
    if (fs::is_directory(status)) {
        return Failure("cannot replace", path, "it is a folder");
    }
    if (!fs::is_regular_file(status)) {
        return Failure("cannot replace", path, "it is not a regular file");
    }
    if (const std::error_code denied = MayWrite(path)) {
        return Failure("cannot replace", path, denied.message());
    }
    keptMode = static_cast<unsigned>(status.permissions() & fs::perms::mask);
    return {true, {}};
}

}  // namespace

bool CanCreateFilesIn(const fs::path& folder) {
    TemporaryFile probe;
    return !probe.Create(folder);
}

std::string PathText(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

FileWriteResult WriteFileAtomically(const fs::path& target, std::string_view bytes,
                                    bool createFolders) {
    if (target.empty() || !target.has_filename()) {
        return FileWriteResult{false, "no file name given"};
    }
    // Checked through the links, so that a link to a device is refused like the device.
    std::optional<unsigned> keptMode;
    if (FileWriteResult checked = CheckReplaceable(target, keptMode); !checked) {
        return checked;
    }
    fs::path real = target;
    if (const std::error_code error = FollowLinks(real)) {
        return Failure("cannot follow the link", target, error.message());
    }
    const fs::path folder = real.parent_path();
    if (createFolders && !folder.empty()) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (error) {
            return Failure("cannot create the folder", folder, error.message());
        }
    }
    TemporaryFile file;
    if (const std::error_code error = file.Create(folder)) {
        return Failure("cannot create a file beside", real, error.message());
    }
    if (const std::error_code error = file.Write(bytes)) {
        return Failure("cannot write", real, error.message());
    }
    if (keptMode) {
        if (const std::error_code error = file.SetMode(*keptMode)) {
            return Failure("cannot keep the permissions of", real, error.message());
        }
    }
    if (const std::error_code error = file.Flush()) {
        return Failure("cannot write", real, error.message());
    }
    if (const std::error_code error = file.Publish(real)) {
        return Failure("cannot replace", real, error.message());
    }
    if (const std::error_code error = FlushFolder(folder)) {
        return Failure("cannot flush the folder of", real, error.message());
    }
    RemoveStaleTemporaries(folder);
    return {true, {}};
}

}  // namespace tolvane
