#include "tolvane/files/Backups.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

#include "tolvane/files/AtomicWrite.h"
#include "tolvane/files/DataFileWriter.h"

namespace tolvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".dat";
// "2026-12-09_07-05-33.123": what every backup's name starts with.
constexpr std::size_t kStampLength = 23;

bool IsDigitAt(std::string_view text, std::size_t at) {
    return std::isdigit(static_cast<unsigned char>(text[at])) != 0;
}

// Whether a file name is a backup's, by the exact form of its time stamp.
bool IsBackupName(std::string_view name) {
    if (name.size() < kStampLength + kExtension.size() ||
        name.substr(name.size() - kExtension.size()) != kExtension) {
        return false;
    }
    constexpr std::string_view kForm = "dddd-dd-dd_dd-dd-dd.ddd";
    for (std::size_t i = 0; i < kForm.size(); ++i) {
        if (kForm[i] == 'd' ? !IsDigitAt(name, i) : name[i] != kForm[i]) {
            return false;
        }
    }
    const std::size_t rest = name.size() - kExtension.size();
    return rest == kStampLength || name[kStampLength] == '_';
}

std::string SafeSerial(std::string_view serial) {
    std::string safe;
    for (char c : serial) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.') {
            safe += c;
        }
    }
    return safe;
}

// Backup file names in the folder, oldest first.
std::vector<std::string> BackupNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsBackupName(name) && it->is_regular_file(error)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

fs::path BackupFolder(const EnvironmentLookup& environment) {
    const fs::path base = PerUserFolder(environment, {.windowsVariable = "LOCALAPPDATA",
                                                      .macFolder = "Library/Application Support",
                                                      .xdgVariable = "XDG_DATA_HOME",
                                                      .xdgFallback = ".local/share"});
    return base.empty() ? base : base / "Tolvane" / "backups";
}

std::string BackupFileName(std::chrono::system_clock::time_point when, std::string_view serial) {
    const std::tm local = LocalTimeOf(when);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() %
        1000;
    char stamp[80];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d.%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(milliseconds));
    const std::string safe = SafeSerial(serial);
    return std::string(stamp) + (safe.empty() ? "" : "_" + safe) + std::string(kExtension);
}

std::vector<BackupEntry> ListBackups(const fs::path& folder) {
    std::vector<BackupEntry> entries;
    const std::vector<std::string> names = BackupNames(folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        BackupEntry entry;
        entry.path = folder / *name;
        // "2026-12-09_07-05-33" shown as "2026-12-09 07:05:33".
        entry.time = name->substr(0, 10) + " " + name->substr(11, 2) + ":" + name->substr(14, 2) +
                     ":" + name->substr(17, 2);
        const std::size_t end = name->size() - kExtension.size();
        if (end > kStampLength) {
            entry.serialNumber = name->substr(kStampLength + 1, end - kStampLength - 1);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

BackupResult SaveBackup(const KeyboardImage& held, const fs::path& folder, std::string_view serial,
                        std::chrono::system_clock::time_point when, int keep) {
    if (folder.empty()) {
        return {false, {}, "No folder for backups: the environment names no home folder."};
    }
    // Two backups within one millisecond (two keyboards written side by side) keep apart.
    fs::path path = folder / BackupFileName(when, serial);
    std::error_code ignored;
    while (fs::exists(path, ignored)) {
        when += std::chrono::milliseconds(1);
        path = folder / BackupFileName(when, serial);
    }
    const std::string text = FormatDataFile(held, path.filename().string(), LocalTimeOf(when));
    const FileWriteResult written = WriteFileAtomically(path, text, /*createFolders=*/true);
    if (!written) {
        return {false, path, written.error};
    }
    PruneBackups(folder, keep);
    return {true, path, {}};
}

int PruneBackups(const fs::path& folder, int keep) {
    const std::vector<std::string> names = BackupNames(folder);
    const std::size_t kept = static_cast<std::size_t>(std::max(keep, 0));
    int removed = 0;
    for (std::size_t i = 0; i + kept < names.size(); ++i) {
        std::error_code error;
        if (fs::remove(folder / names[i], error)) {
            ++removed;
        }
    }
    return removed;
}

BackupRead ReadProgrammingFrom(const fs::path& path) {
    const auto image = std::make_unique<KeyboardImage>();
    image->ClearAllButtons();
    BackupRead read;
    read.load = LoadDataFile(*image, path);
    read.programming = image->TakeProgramming();
    return read;
}

}  // namespace tolvane
