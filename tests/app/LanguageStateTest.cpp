#include "tolvane/app/LanguageState.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/TemporaryFolder.h"
#include "tolvane/app/FileLocations.h"

namespace tolvane {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

class LanguageStateTest : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    std::filesystem::path settings = folder / "sysInfo.ini";
    LanguageState state;

    void ReadFile(std::string_view contents, std::string_view locale = "C") {
        WriteBytes(settings, contents);
        state.ReadSetting(settings, locale);
    }
};

TEST_F(LanguageStateTest, OnlyTheExactWordOnTheFirstLineGivesEnglish) {
    ReadFile("English\r\nChinese\r\n");
    EXPECT_EQ(state.languageSetting, "English");
    EXPECT_EQ(state.interfaceLanguage, InterfaceLanguage::kEnglish);
    EXPECT_EQ(state.Text(TextId::kReadSuccess), "Keyboard data reading success!!");

    for (std::string_view contents : {"english", " English", "English ", "Chinese", "x"}) {
        ReadFile(contents, "en_US.UTF-8");
        EXPECT_EQ(state.interfaceLanguage, InterfaceLanguage::kChinese) << contents;
        EXPECT_EQ(state.languageSetting, contents);
    }
}

TEST_F(LanguageStateTest, UnknownWordBlocksBothSwitchesAndWritesNothing) {
    ReadFile("english");
    EXPECT_FALSE(state.SwitchToEnglish(settings).switched);
    EXPECT_FALSE(state.SwitchToChinese(settings).switched);
    EXPECT_EQ(state.interfaceLanguage, InterfaceLanguage::kChinese);
    EXPECT_EQ(ReadBytes(settings), "english");
}

TEST_F(LanguageStateTest, SwitchesWriteTheBareWordAndSurviveARestart) {
    ReadFile("Chinese");
    LanguageSwitchResult result = state.SwitchToEnglish(settings);
    EXPECT_TRUE(result.switched);
    EXPECT_TRUE(result.saved.ok) << result.saved.error;
    EXPECT_EQ(ReadBytes(settings), "English");
    EXPECT_FALSE(state.SwitchToEnglish(settings).switched);

    LanguageState restarted;
    restarted.ReadSetting(settings, "zh_CN.UTF-8");
    EXPECT_EQ(restarted.interfaceLanguage, InterfaceLanguage::kEnglish);

    result = restarted.SwitchToChinese(settings);
    EXPECT_TRUE(result.switched);
    EXPECT_EQ(restarted.languageSetting, "Chinese");
    EXPECT_EQ(restarted.interfaceLanguage, InterfaceLanguage::kChinese);
    EXPECT_EQ(ReadBytes(settings), "Chinese");
}

TEST_F(LanguageStateTest, MissingFileFollowsTheLocaleAnEmptyLineIsChineseAndBothSwitchesWork) {
    state.ReadSetting(folder / "none.ini", "zh_CN.UTF-8");
    EXPECT_EQ(state.languageSetting, "Chinese");
    state.ReadSetting(folder / "none.ini", "de_DE.UTF-8");
    EXPECT_EQ(state.languageSetting, "English");
    EXPECT_TRUE(state.SwitchToChinese(settings).switched);
    EXPECT_TRUE(state.SwitchToEnglish(settings).switched);

    for (const std::string_view empty : {"\r\nEnglish", "", "\n"}) {
        ReadFile(empty, "en_US.UTF-8");
        EXPECT_EQ(state.interfaceLanguage, InterfaceLanguage::kChinese) << empty;
        EXPECT_TRUE(state.SwitchToEnglish(settings).switched) << empty;
    }
    state.ReadSetting(folder.path(), "");  // a folder cannot be read as the file
    EXPECT_EQ(state.languageSetting, "English");
}

TEST_F(LanguageStateTest, UnwritableFileStillSwitchesAndSaysTheWriteFailed) {
    ReadFile("Chinese");
    WriteBytes(folder / "blocked", "a file where a folder should be");
    const LanguageSwitchResult result = state.SwitchToEnglish(folder / "blocked" / "sysInfo.ini");
    EXPECT_TRUE(result.switched);
    EXPECT_FALSE(result.saved.ok);
    EXPECT_FALSE(result.saved.error.empty());
    EXPECT_EQ(state.interfaceLanguage, InterfaceLanguage::kEnglish);
    EXPECT_EQ(state.languageSetting, "English");
    EXPECT_EQ(ReadBytes(settings), "Chinese");
}

TEST(SystemLocaleTest, MessagesLocaleComesFromTheFirstSetVariable) {
    std::map<std::string, std::string> variables = {{"LANG", "zh_TW.UTF-8"}, {"LC_MESSAGES", ""}};
    const EnvironmentLookup environment =
        [&variables](std::string_view name) -> std::optional<std::string> {
        const auto found = variables.find(std::string(name));
        if (found == variables.end()) {
            return std::nullopt;
        }
        return found->second;
    };
    EXPECT_EQ(SystemLocaleName(environment), "zh_TW.UTF-8");
    variables["LC_ALL"] = "C";
    EXPECT_EQ(SystemLocaleName(environment), "C");
    EXPECT_EQ(SettingForLocale("C"), "English");
    EXPECT_EQ(SettingForLocale("ZH_cn"), "Chinese");
    EXPECT_EQ(SettingForLocale(""), "English");
}

class FileLocationsTest : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    std::filesystem::path program = folder / "program";
    std::filesystem::path personal = folder / "home" / ".config" / "Tolvane";

    void SetUp() override { std::filesystem::create_directories(program); }
};

TEST_F(FileLocationsTest, WritableProgramFolderKeepsTheFilesBesideTheProgram) {
    const FileLocations locations(program, personal);
    EXPECT_EQ(locations.SettingsFile(), program / "sysInfo.ini");
    EXPECT_EQ(locations.UserKeyGroupsFile(), program / "data" / "UserKeyGroud.dat");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program),
                            std::filesystem::directory_iterator()),
              0);
}

TEST_F(FileLocationsTest, FileBesideTheProgramWinsOverTheUsersCopy) {
    std::filesystem::create_directories(personal);
    WriteBytes(personal / "sysInfo.ini", "English");
    const FileLocations locations(program, personal);
    EXPECT_EQ(locations.SettingsFile(), personal / "sysInfo.ini");
    WriteBytes(program / "sysInfo.ini", "Chinese");
    EXPECT_EQ(locations.SettingsFile(), program / "sysInfo.ini");
}

TEST_F(FileLocationsTest, ProgramFolderThatTakesNoFilesSendsThemToTheUsersFolder) {
    const std::filesystem::path readOnly = folder / "not-a-folder";
    WriteBytes(readOnly, "");
    const FileLocations locations(readOnly, personal);
    EXPECT_EQ(locations.SettingsFile(), personal / "sysInfo.ini");
    EXPECT_EQ(locations.UserKeyGroupsFile(), personal / "data" / "UserKeyGroud.dat");

    LanguageState state;
    state.ReadSetting(locations.SettingsFile(), "zh_CN");
    ASSERT_TRUE(state.SwitchToEnglish(locations.SettingsFile()).saved.ok);
    EXPECT_EQ(ReadBytes(personal / "sysInfo.ini"), "English");
}

#if defined(__linux__)
TEST(UserConfigFolderTest, FollowsXdgConfigHomeThenHome) {
    std::map<std::string, std::string> variables = {{"HOME", "/home/ann"}};
    const EnvironmentLookup environment =
        [&variables](std::string_view name) -> std::optional<std::string> {
        const auto found = variables.find(std::string(name));
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
    EXPECT_EQ(UserConfigFolder(environment), std::filesystem::path("/home/ann/.config/Tolvane"));
    variables["XDG_CONFIG_HOME"] = "relative/config";
    EXPECT_EQ(UserConfigFolder(environment), std::filesystem::path("/home/ann/.config/Tolvane"));
    variables["XDG_CONFIG_HOME"] = "/cfg";
    EXPECT_EQ(UserConfigFolder(environment), std::filesystem::path("/cfg/Tolvane"));
    variables.clear();
    EXPECT_TRUE(UserConfigFolder(environment).empty());
}
#endif

}  // namespace
}  // namespace tolvane
