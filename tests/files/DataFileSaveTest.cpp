#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#if defined(__unix__)
#include "tests/support/FileSizeLimit.h"
#endif

#include "tests/support/TemporaryFolder.h"
#include "tolvane/files/DataFileCommands.h"
#include "tolvane/files/DataFileFormat.h"

namespace tolvane {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

std::tm SampleTime() {
    std::tm time{};
    time.tm_year = 2014 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 2;
    time.tm_hour = 13;
    time.tm_min = 1;
    time.tm_sec = 8;
    return time;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class DataFileSaveTest : public ::testing::Test {
  protected:
    std::unique_ptr<KeyboardImage> owned = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *owned;
    TemporaryFolder folder;
};

TEST_F(DataFileSaveTest, StartUpImageIs528CrLfLinesWithTheDefaultRecords) {
    const std::string text = FormatDataFile(image, "UserSave.dat", SampleTime());
    const std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 528u);
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // no bare LF anywhere
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    }
    EXPECT_EQ(lines[0], std::string(80, '*'));
    EXPECT_EQ(lines[7], "* Create Date: 2014-01-02-13:01:08");
    EXPECT_TRUE(lines[8].starts_with("* Author     : ") && lines[8].ends_with(" "));
    EXPECT_EQ(lines[9], "* File name  : UserSave.dat");
    EXPECT_EQ(lines[10], "* Version    : V0.4");
    EXPECT_EQ(lines[13], std::string(80, '*'));
    EXPECT_EQ(lines[14], "<1 1 >");
    EXPECT_EQ(lines[15], "<2 1 >");
    EXPECT_EQ(lines[14 + 84], "<1 2 >");
    EXPECT_EQ(lines[517], "<84 6 >");
    EXPECT_EQ(lines[518], kEndOfKeyFileMarker);
    EXPECT_EQ(lines[519], kStartOfCardFileMarker);
    EXPECT_EQ(lines[520], "<0 1 1 55 65 0 52 >");
    EXPECT_EQ(lines[521], "<1 1 1 55 65 0 52 >");
    EXPECT_EQ(lines[522], "<2 1 1 55 65 0 52 >");
    EXPECT_EQ(lines[523], kEndOfCardFileMarker);
    EXPECT_EQ(lines[524], kStartOfKeyBoardSetFileMarker);
    EXPECT_EQ(lines[525], "<1 0 0 0 >");
    EXPECT_EQ(lines[526], kEndOfKeyBoardSetFileMarker);
    EXPECT_EQ(lines[527], kEndOfFileMarker);
}

TEST_F(DataFileSaveTest, MarkersAreEightyCharactersAndHeaderPassesTheLoaderRule) {
    for (std::string_view marker :
         {kEndOfKeyFileMarker, kStartOfCardFileMarker, kEndOfCardFileMarker,
          kStartOfKeyBoardSetFileMarker, kEndOfKeyBoardSetFileMarker, kEndOfFileMarker}) {
        EXPECT_EQ(marker.size(), 80u) << marker;
        EXPECT_TRUE(marker.starts_with(std::string(36, '*'))) << marker;
    }
    const std::vector<std::string> lines = SplitCrLf(FormatDataFile(image, "", SampleTime()));
    for (std::size_t n = 0; n < 13; ++n) {
        ASSERT_GE(lines[n].size(), n) << "header line " << n;
        if (lines[n].size() > n) {
            EXPECT_NE(lines[n][n], '<') << "header line " << n;
        }
    }
}

TEST_F(DataFileSaveTest, KeyRecordsCarryEveryCodeOfTheLayer) {
    ASSERT_TRUE(image.StoreKeyRecord(12, 3, std::vector<KeyCode>{55, 4}));
    const std::vector<KeyCode> full(MaxKeysPerLayer, 200);
    ASSERT_TRUE(image.StoreKeyRecord(84, 6, full));
    image.tracks[2].enabled = 0;
    image.tracks[2].enterAtEnd = 0;
    image.StoreOptions({0, 1, 1, 1});
    const std::vector<std::string> lines = SplitCrLf(FormatDataFile(image, "x", SampleTime()));
    EXPECT_EQ(lines[14 + 2 * 84 + 11], "<12 3 55 4 >");
    std::string fullLine = "<84 6 ";
    for (int i = 0; i < MaxKeysPerLayer; ++i) {
        fullLine += "200 ";
    }
    EXPECT_EQ(lines[517], fullLine + ">");
    EXPECT_EQ(lines[522], "<2 0 0 55 65 0 52 >");
    EXPECT_EQ(lines[525], "<0 1 1 1 >");
}

TEST_F(DataFileSaveTest, ControlCharactersInTheFileNameCannotSplitTheHeader) {
    const std::vector<std::string> lines =
        SplitCrLf(FormatDataFile(image, "bad\r\nname\x7f.dat", SampleTime()));
    ASSERT_EQ(lines.size(), 528u);
    EXPECT_EQ(lines[9], "* File name  : bad__name_.dat");
    const std::vector<std::string> utf8 =
        SplitCrLf(FormatDataFile(image, "键盘.dat", SampleTime()));
    EXPECT_EQ(utf8[9], "* File name  : 键盘.dat");
}

TEST_F(DataFileSaveTest, SaveReplacesAnExistingFileAndLeavesNothingElse) {
    const auto path = folder / "layout.dat";
    WriteBytes(path, "old contents");
    DataFileCommands commands;
    EXPECT_EQ(commands.lastDataFilePath, " ");
    const FileWriteResult result = commands.Save(image, path, "layout.dat", SampleTime());
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(result.error.empty());
    EXPECT_EQ(ReadBytes(path), FormatDataFile(image, "layout.dat", SampleTime()));
    EXPECT_EQ(folder.EntryCount(), 1u);
    EXPECT_EQ(commands.lastDataFilePath, path);
}

TEST_F(DataFileSaveTest, SaveIntoAMissingFolderFailsWithAReasonAndCreatesNothing) {
    const auto path = folder / "missing" / "layout.dat";
    DataFileCommands commands;
    const FileWriteResult result = commands.Save(image, path, "layout.dat", SampleTime());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("missing"), std::string::npos) << result.error;
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_EQ(commands.lastDataFilePath, path);
}

TEST_F(DataFileSaveTest, SaveOverAFolderFails) {
    std::filesystem::create_directory(folder / "layout.dat");
    EXPECT_FALSE(SaveDataFile(image, folder / "layout.dat", "layout.dat", SampleTime()).ok);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "layout.dat"));
}

TEST_F(DataFileSaveTest, SavingThroughALinkReplacesTheLinkedFile) {
#if defined(_WIN32)
    GTEST_SKIP() << "symbolic links need a privilege on Windows, and wine has none";
#endif
    const auto real = folder / "real.dat";
    const auto link = folder / "link.dat";
    WriteBytes(real, "old");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(SaveDataFile(image, link, "link.dat", SampleTime()).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), FormatDataFile(image, "link.dat", SampleTime()));
}

#if defined(__unix__)
// A write that fails halfway (here: the process may not grow a file past 100 bytes) must
// leave the previous file whole and no temporary file behind.
TEST_F(DataFileSaveTest, AFailedWriteLeavesThePreviousFileUntouched) {
    const auto path = folder / "layout.dat";
    WriteBytes(path, "previous contents");
    const FileWriteResult result = [&] {
        const tolvane::testing::FileSizeLimit fullDisk(100);
        EXPECT_TRUE(fullDisk.Applied());
        return SaveDataFile(image, path, "layout.dat", SampleTime());
    }();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(ReadBytes(path), "previous contents");
    EXPECT_EQ(folder.EntryCount(), 1u);
}
#endif

}  // namespace
}  // namespace tolvane
