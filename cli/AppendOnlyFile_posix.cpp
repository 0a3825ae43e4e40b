// POSIX: O_APPEND for the place of every write, fsync for its durability; a new file's name
// is made durable by an fsync of its folder.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "cli/AppendOnlyFile.h"

namespace tolvane::cli {

namespace {

std::string Reason(int error) {
    return std::generic_category().message(error);
}

// A pipe or a device must not block the open; a regular file ignores O_NONBLOCK.
constexpr int kOpenFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK;

// The descriptor, and whether this call created the file.
std::pair<int, bool> OpenOrCreate(const std::filesystem::path& path) {
    for (;;) {
        const int existing = ::open(path.c_str(), kOpenFlags);
        if (existing >= 0 || errno != ENOENT) {
            return {existing, false};
        }
        const int created = ::open(path.c_str(), kOpenFlags | O_CREAT | O_EXCL, 0666);
        if (created >= 0 || errno != EEXIST) {
            return {created, created >= 0};
        }
        // Someone else created it in between: open theirs.
    }
}

bool EndsInsideALine(const std::filesystem::path& path, off_t size) {
    if (size == 0) {
        return false;
    }
    const int reader = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (reader < 0) {
        return false;  // a file this user may only append to: nothing to mend then
    }
    char last = '\n';
    const bool read = ::pread(reader, &last, 1, size - 1) == 1;
    ::close(reader);
    return read && last != '\n';
}

int SyncFolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    const int error = ::fsync(descriptor) == 0 ? 0 : errno;
    ::close(descriptor);
    // Some file systems cannot flush a folder; their names are as safe as they get.
    return error == EINVAL ? 0 : error;
}

}  // namespace

AppendOnlyFile::Opened AppendOnlyFile::Open(const std::filesystem::path& path) {
    const std::string name = PathText(path);
    const auto [descriptor, created] = OpenOrCreate(path);
    if (descriptor < 0) {
        return {nullptr, "Cannot open " + name + ": " + Reason(errno)};
    }
    const auto fail = [descriptor, &name](const std::string& reason) {
        ::close(descriptor);
        return Opened{nullptr, "Cannot append to " + name + ": " + reason};
    };
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return fail(Reason(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return fail("it is not a regular file");
    }
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return fail(Reason(errno));
    }
    if (const int error = created ? SyncFolderOf(path) : 0; error != 0) {
        return fail(Reason(error));
    }
    return {std::unique_ptr<AppendOnlyFile>(new AppendOnlyFile(
                descriptor, name, status.st_size == 0, EndsInsideALine(path, status.st_size))),
            {}};
}

AppendOnlyFile::~AppendOnlyFile() {
    ::close(static_cast<int>(handle_));
}

FileWriteResult AppendOnlyFile::WriteAndFlush(std::string_view bytes) {
    const int descriptor = static_cast<int>(handle_);
    std::string_view left = bytes;
    while (!left.empty()) {
        const ssize_t written = ::write(descriptor, left.data(), left.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return {false, "Cannot write " + name_ + ": " + Reason(written < 0 ? errno : EIO)};
        }
        left.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::fsync(descriptor) != 0) {
        return {false, "Cannot write " + name_ + ": " + Reason(errno)};
    }
    return {true, {}};
}

}  // namespace tolvane::cli
