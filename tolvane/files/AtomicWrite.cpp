#include "tolvane/files/AtomicWrite.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "tolvane/files/AtomicWritePlatform.h"

namespace tolvane {

namespace fs = std::filesystem;

namespace detail {

fs::path TemporaryNameIn(const fs::path& folder) {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char name[40];
    std::snprintf(name, sizeof name, ".tolvane-%016llx.tmp",
                  static_cast<unsigned long long>(generator()));
    return folder / name;
}

}  // namespace detail

namespace {

using detail::TemporaryFile;

constexpr int kMostLinksFollowed = 40;  // as many as the system's own path lookup follows

FileWriteResult Failure(const std::string& what, const fs::path& path, const std::string& reason) {
    return FileWriteResult{false, what + " " + PathText(path) + ": " + reason};
}

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
    if (const std::error_code denied = detail::MayWrite(path)) {
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
    if (const std::error_code error = detail::FlushFolder(folder)) {
        return Failure("cannot flush the folder of", real, error.message());
    }
    RemoveStaleTemporaries(folder);
    return {true, {}};
}

}  // namespace tolvane
