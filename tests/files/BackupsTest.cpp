#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "tests/support/TemporaryFolder.h"
#include "tolvane/files/Backups.h"

namespace tolvane {
namespace {

using testing::TemporaryFolder;
using namespace std::chrono_literals;

#if !defined(_WIN32) && !defined(__APPLE__)
EnvironmentLookup Environment(std::map<std::string, std::string> variables) {
    return [variables](std::string_view name) -> std::optional<std::string> {
        const auto found = variables.find(std::string(name));
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

TEST(BackupsTest, FolderFollowsTheDataHomeRule) {
    EXPECT_EQ(BackupFolder(Environment({{"XDG_DATA_HOME", "/d"}, {"HOME", "/h"}})),
              "/d/Tolvane/backups");
    EXPECT_EQ(BackupFolder(Environment({{"XDG_DATA_HOME", "rel"}, {"HOME", "/h"}})),
              "/h/.local/share/Tolvane/backups");
    EXPECT_EQ(BackupFolder(Environment({})), "");
}
#endif

// Names carry the time and the serial (cleaned); the list reads them back newest first and
// takes no other file; pruning keeps the newest and touches nothing else.
TEST(BackupsTest, NamedByTimeAndSerialListedNewestFirstAndPrunedToTheNewest) {
    TemporaryFolder folder;
    const auto held = std::make_unique<KeyboardImage>();
    held->StoreKeyRecord(9, 4, std::vector<KeyCode>{0x04, 0x05});
    const auto start = std::chrono::system_clock::now();
    const BackupResult first = SaveBackup(*held, folder.path(), "SN/0042 x", start);
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_EQ(first.path.filename().string().substr(23), "_SN0042x.dat");
    // A second one in the same millisecond keeps apart.
    const BackupResult same = SaveBackup(*held, folder.path(), "SN/0042 x", start);
    ASSERT_TRUE(same.ok);
    EXPECT_NE(same.path, first.path);
    std::ofstream(folder / "notes.dat") << "mine";
    std::ofstream(folder / "2026-12-09_07-05-33.123_x.txt") << "mine";

    std::vector<BackupEntry> listed = ListBackups(folder.path());
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].path, same.path);  // a millisecond later
    EXPECT_EQ(listed[1].path, first.path);
    EXPECT_EQ(listed[1].serialNumber, "SN0042x");
    EXPECT_EQ(listed[1].time.size(), 19u);  // "2026-12-09 07:05:33"
    const BackupRead read = ReadProgrammingFrom(first.path);
    ASSERT_TRUE(read.load.ok());
    EXPECT_EQ(read.programming, held->TakeProgramming());

    for (int i = 1; i <= 4; ++i) {
        ASSERT_TRUE(SaveBackup(*held, folder.path(), "", start + i * 1s, /*keep=*/3).ok);
    }
    listed = ListBackups(folder.path());
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed.back().path.filename(), BackupFileName(start + 2s, ""));
    EXPECT_EQ(listed.back().serialNumber, "");
    EXPECT_TRUE(std::filesystem::exists(folder / "notes.dat"));
    EXPECT_TRUE(std::filesystem::exists(folder / "2026-12-09_07-05-33.123_x.txt"));
}

TEST(BackupsTest, BackupThatCannotBeWrittenSaysWhy) {
    TemporaryFolder folder;
    std::ofstream(folder / "file") << "x";
    const auto held = std::make_unique<KeyboardImage>();
    const BackupResult failed = SaveBackup(*held, folder / "file", "");
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.error.empty());
    EXPECT_FALSE(SaveBackup(*held, {}, "").ok);
    EXPECT_FALSE(ReadProgrammingFrom(folder / "missing.dat").load.ok());
}

}  // namespace
}  // namespace tolvane
