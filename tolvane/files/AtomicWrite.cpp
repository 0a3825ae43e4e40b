#include "files/AtomicWrite.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

// Platform section: opening a file exclusively by path and forcing its bytes to the disk
// have no standard form.
#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tolvane {

namespace fs = std::filesystem;

namespace {

std::FILE* OpenNewFile(const fs::path& path) {
#if defined(_WIN32)
    return _wfopen(path.c_str(), L"wbx");
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

bool FlushToDisk(std::FILE* file) {
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string ErrnoText() {
    return std::generic_category().message(errno);
}

FileWriteResult Failure(std::string what, const fs::path& path, const std::string& reason) {
    return FileWriteResult{false, what + " " + PathText(path) + ": " + reason};
}

// Saving through a symbolic link replaces the file it points to, not the link.
fs::path RealTarget(const fs::path& target) {
    std::error_code error;
    if (!fs::is_symlink(target, error)) {
        return target;
    }
    fs::path real = fs::weakly_canonical(target, error);
    return error ? target : real;
}

// A name of fixed length, so that a target name near the system's limit still saves.
fs::path TemporaryNameBeside(const fs::path& target) {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char name[40];
    std::snprintf(name, sizeof name, ".tolvane-%016llx.tmp",
                  static_cast<unsigned long long>(generator()));
    return target.parent_path() / name;
}

// Creates the temporary file; a name already taken is tried again with another suffix.
FileHandle CreateTemporary(const fs::path& target, fs::path& temporary) {
    constexpr int kAttempts = 8;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = TemporaryNameBeside(target);
        FileHandle file{OpenNewFile(temporary)};
        if (file || errno != EEXIST) {
            return file;
        }
    }
    return nullptr;
}

FileWriteResult WriteAndFlush(FileHandle file, const fs::path& temporary, std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        return Failure("cannot write", temporary, ErrnoText());
    }
    if (std::fflush(file.get()) != 0 || !FlushToDisk(file.get())) {
        return Failure("cannot write", temporary, ErrnoText());
    }
    if (std::fclose(file.release()) != 0) {
        return Failure("cannot write", temporary, ErrnoText());
    }
    return FileWriteResult{true, {}};
}

}  // namespace

bool CanCreateFilesIn(const fs::path& folder) {
    fs::path probe;
    FileHandle file = CreateTemporary(folder / "probe", probe);
    if (!file) {
        return false;
    }
    file.reset();
    std::error_code ignored;
    fs::remove(probe, ignored);
    return true;
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
    const fs::path real = RealTarget(target);
    std::error_code error;
    if (fs::is_directory(real, error)) {
        return Failure("cannot replace", real, "it is a folder");
    }
    if (createFolders && real.has_parent_path()) {
        fs::create_directories(real.parent_path(), error);
        if (error) {
            return Failure("cannot create the folder", real.parent_path(), error.message());
        }
    }
    fs::path temporary;
    FileHandle file = CreateTemporary(real, temporary);
    if (!file) {
        return Failure("cannot create a file beside", real, ErrnoText());
    }
    FileWriteResult written = WriteAndFlush(std::move(file), temporary, bytes);
    if (written) {
        fs::rename(temporary, real, error);
        if (!error) {
            return written;
        }
        written = Failure("cannot replace", real, error.message());
    }
    fs::remove(temporary, error);
    return written;
}

}  // namespace tolvane
