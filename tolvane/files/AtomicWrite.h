// Writes a whole file so that readers only ever see the old contents or the new ones.
//
// The bytes go to a temporary file in the target's own folder, are flushed to the disk and
// then renamed over the target; the folder is flushed too before the save counts as done.
// On Linux the temporary file has no name until it is complete (O_TMPFILE, then linkat),
// so a save killed while it writes leaves nothing behind; where the file system cannot do
// that a hidden ".tolvane-*.tmp" name is used throughout. What a killed save leaves all the
// same (killed in that case, or between naming and renaming) is removed by the next save
// in the folder once it is a minute old. A failure at any step removes the temporary file
// and leaves an existing file untouched; the result says what went wrong.
//
// What a save does to the file it replaces:
//  - a symbolic link is followed: the file it points to is replaced, in that file's
//    folder, and a dangling link gets its file created;
//  - the permission bits are kept;
//  - a folder, a device, a pipe or a socket is never replaced, nor a file this user may
//    not write;
//  - hard links are not kept: the other names go on showing the old contents.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tolvane {

struct FileWriteResult {
    bool ok = false;
    std::string error;  // empty when ok; the operating system's reason otherwise

    explicit operator bool() const { return ok; }
};

// Creates missing parent folders only when createFolders is set.
FileWriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                    bool createFolders = false);

// Whether a new file can be made in the folder: tried, not guessed from permission bits,
// which say nothing of read-only mounts, access lists or an administrator's rights.
bool CanCreateFilesIn(const std::filesystem::path& folder);

// A path as UTF-8 text for messages; never throws for characters the locale lacks.
std::string PathText(const std::filesystem::path& path);

}  // namespace tolvane
