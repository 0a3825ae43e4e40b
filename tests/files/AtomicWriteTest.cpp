// What a save may replace and what it leaves behind, against real files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>

#include "tests/support/OrdinaryUser.h"
#include "tests/support/TemporaryFolder.h"
#include "tolvane/files/AtomicWrite.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

// Run as an ordinary user in a folder anyone may write: a fault must never cost the
// machine its /dev/null.
TEST(AtomicWrite, OnlyRegularFilesAreReplaced) {
    TemporaryFolder folder;
    fs::permissions(folder.path(), fs::perms::all);
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0666), 0);
    fs::create_symlink("/dev/null", folder / "null");
    fs::create_directory(folder / "folder");
    struct Case {
        const char* name;
        fs::file_type type;  // what it is and stays
        const char* reason;
    };
    const Case cases[] = {{"fifo", fs::file_type::fifo, "it is not a regular file"},
                          {"null", fs::file_type::character, "it is not a regular file"},
                          {"folder", fs::file_type::directory, "it is a folder"}};
    for (const Case& target : cases) {
        EXPECT_TRUE(testing::AsOrdinaryUser([&] {
            const FileWriteResult result = WriteFileAtomically(folder / target.name, "data");
            return !result.ok && result.error.ends_with(target.reason);
        })) << target.name;
        EXPECT_EQ(fs::status(folder / target.name).type(), target.type) << target.name;
    }
    EXPECT_EQ(folder.EntryCount(), 3u);
}

TEST(AtomicWrite, LinksAreFollowedToTheFileTheyName) {
    TemporaryFolder folder;
    fs::create_directory(folder / "real");
    WriteBytes(folder / "real" / "layout.dat", "old");
    fs::create_symlink("real/layout.dat", folder / "link.dat");
    fs::create_symlink("link.dat", folder / "link-to-link.dat");
    fs::create_symlink("real/new.dat", folder / "dangling.dat");

    ASSERT_TRUE(WriteFileAtomically(folder / "link-to-link.dat", "through two links").ok);
    ASSERT_TRUE(WriteFileAtomically(folder / "dangling.dat", "created").ok);
    EXPECT_TRUE(fs::is_symlink(folder / "link.dat"));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.dat"));
    EXPECT_EQ(ReadBytes(folder / "real" / "layout.dat"), "through two links");
    EXPECT_EQ(ReadBytes(folder / "real" / "new.dat"), "created");
    EXPECT_EQ(folder.EntryCount(), 4u);  // nothing left beside the links
}

TEST(AtomicWrite, PermissionBitsAreKept) {
    TemporaryFolder folder;
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0755)}) {
        const fs::path path = folder / "kept.dat";
        WriteBytes(path, "old");
        fs::permissions(path, mode);
        ASSERT_TRUE(WriteFileAtomically(path, "new").ok);
        EXPECT_EQ(fs::status(path).permissions(), mode);
        EXPECT_EQ(ReadBytes(path), "new");
    }
}

TEST(AtomicWrite, WhatThisUserMayNotWriteIsRefused) {
    TemporaryFolder folder;
    // A folder anyone may write, so that only the file's own bits stand in the way.
    fs::permissions(folder.path(), fs::perms::all);
    const fs::path locked = folder / "locked.dat";
    WriteBytes(locked, "kept");
    fs::permissions(locked, fs::perms(0444));
    fs::create_directory(folder / "readonly");
    fs::permissions(folder / "readonly", fs::perms(0555));
    const fs::path inReadOnly = folder / "readonly" / "new.dat";

    EXPECT_TRUE(testing::AsOrdinaryUser([&] {
        const FileWriteResult lockedResult = WriteFileAtomically(locked, "replaced");
        const FileWriteResult folderResult = WriteFileAtomically(inReadOnly, "new");
        return !lockedResult.ok && lockedResult.error.find("denied") != std::string::npos &&
               !folderResult.ok && folderResult.error.find("denied") != std::string::npos;
    }));
    EXPECT_EQ(ReadBytes(locked), "kept");
    EXPECT_EQ(fs::status(locked).permissions(), fs::perms(0444));
    EXPECT_EQ(folder.EntryCount(), 2u);
    EXPECT_FALSE(fs::exists(inReadOnly));
}

// A save killed while it writes leaves the old file or the new one, and nothing else.
TEST(AtomicWrite, AKilledSaveLeavesNothingBehind) {
    TemporaryFolder folder;
    const fs::path path = folder / "big.dat";
    const std::string bytes(8u << 20, 'x');
    for (int run = 0; run < 12; ++run) {
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                const char mark = 1;
                if (::write(started[1], &mark, 1) != 1) {
                    ::_exit(1);
                }
                WriteFileAtomically(path, bytes);
            }
        }
        ::close(started[1]);
        // Killed as its first, second or third save begins.
        char mark = 0;
        for (int save = 0; save <= run % 3; ++save) {
            ASSERT_EQ(::read(started[0], &mark, 1), 1);
        }
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(started[0]);

        EXPECT_LE(folder.EntryCount(), 1u) << "run " << run;
        if (fs::exists(path)) {
            EXPECT_EQ(fs::file_size(path), bytes.size()) << "run " << run;
        }
    }

    // Killed between naming its file and renaming it, a save leaves the name: the next save
    // removes it, unless it may still be another save's.
    const fs::path stale = folder / ".tolvane-0123456789abcdef.tmp";
    const fs::path recent = folder / ".tolvane-fedcba9876543210.tmp";
    const fs::path notOurs = folder / ".tolvane-notours.tmp";
    for (const fs::path& name : {stale, recent, notOurs}) {
        WriteBytes(name, "x");
    }
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(stale, anHourAgo);
    fs::last_write_time(notOurs, anHourAgo);
    ASSERT_TRUE(WriteFileAtomically(folder / "small.dat", "new").ok);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(recent));
    EXPECT_TRUE(fs::exists(notOurs));
}

}  // namespace
}  // namespace tolvane
