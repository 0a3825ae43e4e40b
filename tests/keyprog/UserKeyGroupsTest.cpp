#include "tolvane/keyprog/UserKeyGroups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TemporaryFolder.h"

namespace tolvane {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

const std::string kEnd(kUserKeyEndOfFileMarker);

std::vector<std::string> RowTexts(const UserKeyGroupStore& store) {
    std::vector<std::string> texts;
    for (const UserKeyListRow& row : store.Rows()) {
        EXPECT_EQ(row.number, static_cast<int>(texts.size()));
        texts.push_back(row.text);
    }
    return texts;
}

std::vector<KeyCode> Codes(const UserKeyGroupStore& store, int group) {
    const auto codes = store.GroupCodes(group);
    return {codes.begin(), codes.end()};
}

const std::vector<KeySettingRow> kCtrlAltDelete = {{"LCtrl", 67}, {"LAlt", 69}, {"Delete", 84}};

class UserKeyGroupsTest : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    std::filesystem::path file = folder / "data" / "UserKeyGroud.dat";
    UserKeyGroupStore store;

    UserKeyLoadOutcome LoadFile(std::string_view contents) {
        std::filesystem::create_directories(file.parent_path());
        WriteBytes(file, contents);
        return store.LoadUserKeyGroups(file);
    }
};

TEST_F(UserKeyGroupsTest, LoadsGroupsWithAShiftAffectingOnlyTheNextCode) {
    EXPECT_EQ(LoadFile("<55 29 >\r\n<67 69 84 >\r\n<55 29 30 >\r\n" + kEnd),
              UserKeyLoadOutcome::kLoaded);
    EXPECT_EQ(store.groupCount, 3);
    EXPECT_EQ(RowTexts(store),
              (std::vector<std::string>{"LShift+Q", "LCtrl+LAlt+Delete", "LShift+Q+w"}));
    EXPECT_EQ(Codes(store, 1), (std::vector<KeyCode>{67, 69, 84}));
    EXPECT_EQ(store.userKeyFilePath, file);
}

TEST_F(UserKeyGroupsTest, NumberBeforeTheClosingBracketIsLost) {
    LoadFile("<67 69 84>\r\n" + kEnd);
    EXPECT_EQ(RowTexts(store), (std::vector<std::string>{"LCtrl+LAlt"}));
}

TEST_F(UserKeyGroupsTest, EmptyGroupsAndStrayBracketsMakeEmptyGroups) {
    LoadFile("<>\r\nsome text > more\r\n" + kEnd);
    EXPECT_EQ(store.groupCount, 2);
    EXPECT_EQ(RowTexts(store), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(Codes(store, 0).empty());
}

TEST_F(UserKeyGroupsTest, OlderEndMarkerEndsTheFile) {
    LoadFile("<67 >\r\n" + std::string(kUserKeyGroudMarker) + "\r\n<68 >\r\n");
    EXPECT_EQ(RowTexts(store), (std::vector<std::string>{"LCtrl"}));
}

TEST_F(UserKeyGroupsTest, NumbersWrapAndSpacesWithoutANumberDropWhatFollows) {
    LoadFile("<323 x >\r\n<67  69 >\r\n" + kEnd);
    EXPECT_EQ(Codes(store, 0), (std::vector<KeyCode>{67, 0}));
    EXPECT_EQ(Codes(store, 1), (std::vector<KeyCode>{67}));
}

TEST_F(UserKeyGroupsTest, GroupSpanningLinesKeepsOnlyItsLastLinesCodes) {
    // The digits pending at a line's end carry over: "69" and "84" make 6984, low byte 72.
    LoadFile("<67 69 \r\n84 >\r\n<67 69\r\n84 >\r\n" + kEnd);
    EXPECT_EQ(Codes(store, 0), (std::vector<KeyCode>{84}));
    EXPECT_EQ(Codes(store, 1), (std::vector<KeyCode>{72}));
}

TEST_F(UserKeyGroupsTest, GroupOfTwentyCodesStopsTheLoadWithoutARow) {
    std::string twenty = "<";
    for (int i = 0; i < 20; ++i) {
        twenty += "30 ";
    }
    std::string nineteen = twenty.substr(0, twenty.size() - 3);
    EXPECT_EQ(LoadFile("<67 >\r\n" + nineteen + ">\r\n" + twenty + ">\r\n<68 >\r\n" + kEnd),
              UserKeyLoadOutcome::kStoppedAtLongGroup);
    EXPECT_EQ(store.groupCount, 2);
    EXPECT_EQ(store.Rows().size(), 2u);
    EXPECT_EQ(Codes(store, 1).size(), 19u);
    EXPECT_TRUE(Codes(store, 2).empty());
    EXPECT_EQ(store.userKeyGroups[2].codeCount, 0);
}

TEST_F(UserKeyGroupsTest, HundredsOfCodesInOneLineNeverWrapTheCount) {
    std::string line = "<";
    for (int i = 0; i < 256; ++i) {
        line += "4 ";
    }
    EXPECT_EQ(LoadFile(line + ">\r\n" + kEnd), UserKeyLoadOutcome::kStoppedAtLongGroup);
    EXPECT_EQ(store.groupCount, 0);
}

TEST_F(UserKeyGroupsTest, MoreThanTwentyGroupsLoadTheFirstTwenty) {
    std::string text;
    for (int g = 0; g < 25; ++g) {
        text += "<" + std::to_string(g + 1) + " >\r\n";
    }
    EXPECT_EQ(LoadFile(text + kEnd), UserKeyLoadOutcome::kStoppedAtGroupLimit);
    EXPECT_EQ(store.groupCount, kMaxUserKeyGroups);
    EXPECT_EQ(Codes(store, 19), (std::vector<KeyCode>{20}));
}

TEST_F(UserKeyGroupsTest, MissingFileOrFolderLoadsNoGroups) {
    LoadFile("<67 >\r\n" + kEnd);
    ASSERT_EQ(store.groupCount, 1);
    EXPECT_EQ(store.LoadUserKeyGroups(folder / "none" / "UserKeyGroud.dat"),
              UserKeyLoadOutcome::kNoFile);
    EXPECT_EQ(store.groupCount, 0);
    EXPECT_TRUE(store.Rows().empty());
    EXPECT_EQ(store.userKeyGroups[0].codeCount, 0);
}

TEST_F(UserKeyGroupsTest, AddWritesTheGroupBeforeTheEndLineAndCreatesTheFolder) {
    store.LoadUserKeyGroups(file);
    const UserKeyAddResult result = store.AddUserKeyGroup(kCtrlAltDelete);
    ASSERT_TRUE(result.added);
    EXPECT_TRUE(result.saved.ok) << result.saved.error;
    EXPECT_EQ(ReadBytes(file), "<67 69 84 >\r\n" + kEnd);
    EXPECT_EQ(RowTexts(store), (std::vector<std::string>{"LCtrl+LAlt+Delete"}));

    store.AddUserKeyGroup(std::vector<KeySettingRow>{{"CAPS", 42}, {"A", 43}});
    EXPECT_EQ(ReadBytes(file), "<67 69 84 >\r\n<42 43 >\r\n" + kEnd);
    EXPECT_EQ(RowTexts(store).back(), "CAPS+A");
    store.LoadUserKeyGroups(file);
    EXPECT_EQ(RowTexts(store).back(), "CAPS+a");
}

TEST_F(UserKeyGroupsTest, AddRefusesEmptyTooLongAndTooManyGroups) {
    store.LoadUserKeyGroups(file);
    UserKeyAddResult result = store.AddUserKeyGroup({});
    EXPECT_FALSE(result.added);
    EXPECT_EQ(result.refusal, TextId::kPleaseEnterKey);

    const std::vector<KeySettingRow> twenty(20, KeySettingRow{"a", 43});
    result = store.AddUserKeyGroup(twenty);
    EXPECT_EQ(result.refusal, TextId::kUserKeyGroupTooLong);
    EXPECT_FALSE(std::filesystem::exists(file));

    const std::vector<KeySettingRow> nineteen(19, KeySettingRow{"a", 43});
    for (int g = 0; g < kMaxUserKeyGroups; ++g) {
        ASSERT_TRUE(store.AddUserKeyGroup(nineteen).added);
    }
    const std::string full = ReadBytes(file);
    result = store.AddUserKeyGroup(kCtrlAltDelete);
    EXPECT_FALSE(result.added);
    EXPECT_EQ(result.refusal, TextId::kUserKeyListFull);
    EXPECT_EQ(store.groupCount, kMaxUserKeyGroups);
    EXPECT_EQ(ReadBytes(file), full);
    EXPECT_EQ(store.LoadUserKeyGroups(file), UserKeyLoadOutcome::kLoaded);
    EXPECT_EQ(store.groupCount, kMaxUserKeyGroups);
}

TEST_F(UserKeyGroupsTest, AFailedSaveKeepsTheGroupAndSaysWhy) {
    WriteBytes(folder / "data", "a file where the folder should be");
    store.LoadUserKeyGroups(file);
    const UserKeyAddResult result = store.AddUserKeyGroup(kCtrlAltDelete);
    EXPECT_TRUE(result.added);
    EXPECT_FALSE(result.saved.ok);
    EXPECT_FALSE(result.saved.error.empty());
    EXPECT_EQ(store.groupCount, 1);
}

TEST_F(UserKeyGroupsTest, DeleteMovesTheLaterGroupsDown) {
    LoadFile("<67 >\r\n<68 69 >\r\n<70 >\r\n" + kEnd);
    const UserKeyDeleteResult result = store.DeleteUserKeyGroup(0);
    ASSERT_TRUE(result.deleted);
    EXPECT_TRUE(result.saved.ok);
    EXPECT_EQ(RowTexts(store), (std::vector<std::string>{"LWin+LAlt", "Space"}));
    EXPECT_EQ(Codes(store, 0), (std::vector<KeyCode>{68, 69}));
    EXPECT_EQ(Codes(store, 1), (std::vector<KeyCode>{70}));
    EXPECT_EQ(store.userKeyGroups[2].codeCount, 0);
    EXPECT_TRUE(store.userKeyGroups[2].groupText.empty());
    EXPECT_EQ(ReadBytes(file), "<68 69 >\r\n<70 >\r\n" + kEnd);

    EXPECT_FALSE(store.DeleteUserKeyGroup(2).deleted);
    EXPECT_FALSE(store.DeleteUserKeyGroup(-1).deleted);
    EXPECT_EQ(store.groupCount, 2);
}

TEST_F(UserKeyGroupsTest, DeleteAllLeavesAnEmptyFileAndTheNextAddWritesOneGroup) {
    LoadFile("<67 >\r\n<68 >\r\n" + kEnd);
    EXPECT_TRUE(store.DeleteAllUserKeyGroups().ok);
    EXPECT_EQ(store.groupCount, 0);
    EXPECT_TRUE(store.Rows().empty());
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    EXPECT_EQ(store.LoadUserKeyGroups(file), UserKeyLoadOutcome::kLoaded);
    EXPECT_TRUE(store.Rows().empty());
    store.AddUserKeyGroup(kCtrlAltDelete);
    EXPECT_EQ(ReadBytes(file), "<67 69 84 >\r\n" + kEnd);
}

TEST_F(UserKeyGroupsTest, LoadingTwiceGivesTheSameTextsEvenAfterATrailingShift) {
    LoadFile("<67 55 >\r\n<29 >\r\n" + kEnd);
    const std::vector<std::string> first = RowTexts(store);
    store.LoadUserKeyGroups(file);
    EXPECT_EQ(RowTexts(store), first);
    EXPECT_EQ(first, (std::vector<std::string>{"LCtrl+LShift", "q"}));
}

TEST_F(UserKeyGroupsTest, GroupCodesOutsideTheGroupsInUseAreEmpty) {
    LoadFile("<67 >\r\n" + kEnd);
    EXPECT_TRUE(store.GroupCodes(1).empty());
    EXPECT_TRUE(store.GroupCodes(-1).empty());
    EXPECT_TRUE(store.GroupCodes(kMaxUserKeyGroups).empty());
}

}  // namespace
}  // namespace tolvane
