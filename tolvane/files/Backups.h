// What a keyboard held before each write, kept as data files in the user's data folder so
// that a write can always be taken back.
//
// A backup is named by the moment it was taken and the keyboard's serial number, where it
// reports one: "2026-12-09_07-05-33.123_SN0042.dat". Names sort by time, so the newest 100
// are the last 100 names; older ones are removed after each new backup. Only files of that
// form are ever counted or removed, so nothing else in the folder is touched.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tolvane/app/Environment.h"
#include "tolvane/files/DataFileLoader.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/image/KeyboardProgramming.h"

namespace tolvane {

inline constexpr int kBackupsKept = 100;

// $XDG_DATA_HOME/Tolvane/backups, else ~/.local/share/Tolvane/backups; on Windows
// %LOCALAPPDATA%\Tolvane\backups; on macOS ~/Library/Application Support/Tolvane/backups.
// Empty when the environment names no home at all.
std::filesystem::path BackupFolder(const EnvironmentLookup& environment = ProcessEnvironment);

// The file name of a backup taken at that moment (local time, to the millisecond). Characters
// of the serial number other than letters, digits, "-" and "." are left out.
std::string BackupFileName(std::chrono::system_clock::time_point when, std::string_view serial);

struct BackupEntry {
    std::filesystem::path path;
    std::string time;          // "2026-12-09 07:05:33", local time
    std::string serialNumber;  // empty when the keyboard reported none
};

// The backups in the folder, newest first. A missing folder has none.
std::vector<BackupEntry> ListBackups(const std::filesystem::path& folder);

struct BackupResult {
    bool ok = false;
    std::filesystem::path path;  // the backup written
    std::string error;           // names the file or folder and the reason
};

// Saves what the keyboard held (read into held) as a new backup, atomically, then removes
// all but the newest `keep` backups.
BackupResult SaveBackup(
    const KeyboardImage& held, const std::filesystem::path& folder, std::string_view serial,
    std::chrono::system_clock::time_point when = std::chrono::system_clock::now(),
    int keep = kBackupsKept);

// Removes all but the newest `keep` backups; returns how many were removed.
int PruneBackups(const std::filesystem::path& folder, int keep = kBackupsKept);

// A backup (or any data file) read within the bounds of every data file onto an image of its
// own, all buttons cleared first: the window's programming changes only once the whole file
// has been read, and a file cut short leaves no button of the window behind.
struct BackupRead {
    DataFileLoadResult load;
    KeyboardProgramming programming;
};
BackupRead ReadProgrammingFrom(const std::filesystem::path& path);

}  // namespace tolvane
