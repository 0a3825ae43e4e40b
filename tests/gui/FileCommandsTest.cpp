// UTF-8 source: the Chinese texts are checked as the user sees them.
#include <algorithm>

#if defined(__unix__)
#include "tests/support/FileSizeLimit.h"
#endif

#include "gui/model/ResourceIds.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
using Kind = Prompt::Kind;

class FileCommandsTest : public GuiFixture {
  protected:
    // A layout that differs from the start-up image everywhere the file reaches.
    void Program() {
        image->selection.currentLayer = 1;
        image->StoreKeyRecord(13, 1, std::vector<KeyCode>{43, 60});
        image->tracks[2] = CardTrackSetting{0, 0, 0, 0, 0, 0, 0x22, kRightShift, 0x23};
        image->StoreOptions({0, 1, 1, 1});
    }

    QString QPath(const std::filesystem::path& path) const {
        return QString::fromStdString(path.string());
    }

    const Prompt& OnlyPrompt() const {
        EXPECT_EQ(prompter.prompts.size(), 1u);
        return prompter.prompts.back();
    }
};

TEST_F(FileCommandsTest, SaveThenOpenRoundTripsThroughTheWindow) {
    WriteSetting("English");
    OpenWindow();
    Program();
    const auto path = folder / "layout.dat";
    prompter.fileNames = {QPath(path)};
    TriggerAction(ids::kEnSave);
    const Prompt& save = OnlyPrompt();
    EXPECT_EQ(save.kind, Kind::kSaveFile);
    EXPECT_EQ(save.text, "UserSave");
    EXPECT_EQ(save.caption, "Dat Files(*.dat)");
    EXPECT_EQ(prompter.saveSuffix, "dat");
    const std::string saved = ReadBytes(path);
    EXPECT_EQ(std::ranges::count(saved, '\n'), 528);
    EXPECT_NE(saved.find("\r\n* File name  : layout.dat\r\n"), std::string::npos);

    // Saved, so New asks nothing; the image then loses the rest behind the window's back,
    // which Open asks about.
    TriggerAction(ids::kEnToolNew);
    EXPECT_EQ(prompter.prompts.size(), 1u);  // the save dialog's alone
    image->Reset();
    EXPECT_TRUE(CaptionOf(13).isEmpty());
    prompter.prompts.clear();
    prompter.fileNames = {QPath(path)};
    prompter.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
    ClickToolButton(ids::kEnOpen);
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[0].kind, Kind::kSaveDiscardCancel);
    const Prompt& open = prompter.prompts[1];
    EXPECT_EQ(open.kind, Kind::kOpenFile);
    EXPECT_EQ(open.text, QPath(path));  // the file last saved
    EXPECT_EQ(open.caption, "Dat Files(*.dat)");
    EXPECT_EQ(CaptionOf(13), "a+b");
    EXPECT_EQ(image->buttons[13].Codes(1).size(), 2u);
    EXPECT_EQ(image->TrackEntryOf(2).suffixShift, kRightShift);
    EXPECT_EQ(image->OptionBytes(), (std::array<std::uint8_t, 4>{0, 1, 1, 1}));
}

TEST_F(FileCommandsTest, AFileThatDoesNotLoadChangesNothingAndIsExplained) {
    std::filesystem::create_directory(folder / "folder.dat");
    WriteBytes(folder / "short.dat", "****\r\n*\r\n");
    struct Case {
        std::string setting;
        std::filesystem::path file;
        QString message;
        gui::PromptIcon icon;
    };
    const std::vector<Case> cases = {
        {"English", folder / "short.dat", "The parameter is incorrect.", gui::PromptIcon::kStop},
        {"Chinese", folder / "short.dat", "The parameter is incorrect.", gui::PromptIcon::kStop},
        {"English", folder / "missing.dat", "The data file cannot be opened.",
         gui::PromptIcon::kWarning},
        {"Chinese", folder / "folder.dat", "无法打开数据文件！", gui::PromptIcon::kWarning},
    };
    for (const Case& c : cases) {
        WriteSetting(c.setting);
        language = LanguageState{};
        OpenWindow();
        Program();
        window->KeyButton(13)->setText("kept");
        prompter.prompts.clear();
        prompter.fileNames = {QPath(c.file)};
        prompter.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
        TriggerAction(c.setting == "English" ? ids::kEnOpen : ids::kCnToolOpen);
        ASSERT_EQ(prompter.prompts.size(), 3u) << c.file;
        EXPECT_TRUE(prompter.prompts[2].text.startsWith(c.message))
            << prompter.prompts[2].text.toStdString();
        EXPECT_EQ(prompter.prompts[2].icon, c.icon);
        EXPECT_EQ(image->buttons[13].Codes(1).size(), 2u);
        EXPECT_EQ(image->tracks[2].suffixKey, 0x23);
        EXPECT_EQ(image->OptionBytes(), (std::array<std::uint8_t, 4>{0, 1, 1, 1}));
        EXPECT_EQ(CaptionOf(13), "kept");
    }
}

// A damaged file is never taken without a word: the problems are listed and Cancel, the
// default, leaves the image, the title and the undo history as they were; Load takes what
// could be read as one undo step. A file without a single record is refused.
TEST_F(FileCommandsTest, ADamagedFileIsShownAndLoadedOnlyWhenTheUserSaysSo) {
    WriteSetting("English");
    OpenWindow();
    Program();
    const auto whole = folder / "whole.dat";
    prompter.fileNames = {QPath(whole)};
    TriggerAction(ids::kEnSave);
    const std::string saved = ReadBytes(whole);
    WriteBytes(folder / "cut.dat", saved.substr(0, saved.size() / 2));
    std::string noise(3000, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);  // fixed, so the test repeats
    }
    WriteBytes(folder / "noise.dat", noise);
    WriteBytes(folder / "empty.dat", saved.substr(0, saved.find("<1 1")) + "nothing here\r\n");
    image->StoreOptions({1, 1, 0, 1});  // what a damaged file must not quietly reset
    const auto before = image->TakeProgramming();
    const QString title = window->windowTitle();
    const std::size_t steps = window->Session().History().UndoSteps();

    struct Case {
        std::filesystem::path file;
        QString starts;
        bool asked;
    };
    const std::vector<Case> cases = {
        {folder / "cut.dat", "The file \"cut.dat\" has problems:\n\nLine ", true},
        {folder / "noise.dat", "The file \"noise.dat\" holds no keyboard data", false},
        {folder / "empty.dat", "The file \"empty.dat\" holds no keyboard data", false},
    };
    for (const Case& c : cases) {
        prompter.prompts.clear();
        prompter.fileNames = {QPath(c.file)};
        prompter.yesNoAnswers = {};
        prompter.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
        TriggerAction(ids::kEnOpen);
        // Whether to give up the changes, the file dialog, then the message.
        ASSERT_EQ(prompter.prompts.size(), 3u) << c.file;
        const Prompt& told = prompter.prompts[2];
        EXPECT_EQ(told.kind, c.asked ? Kind::kAsk : Kind::kInform) << c.file;
        EXPECT_TRUE(told.text.startsWith(c.starts)) << told.text.toStdString();
        EXPECT_TRUE(image->TakeProgramming() == before) << c.file;
        EXPECT_EQ(window->windowTitle(), title);
        EXPECT_EQ(window->Session().History().UndoSteps(), steps);
    }
    EXPECT_EQ(prompter.proceedCancelButtons, (std::array<QString, 2>{"Load", "Cancel"}));

    prompter.fileNames = {QPath(folder / "cut.dat")};
    prompter.yesNoAnswers = {true};
    prompter.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
    TriggerAction(ids::kEnOpen);
    EXPECT_EQ(window->Session().History().UndoSteps(), steps + 1);
    EXPECT_EQ(image->OptionBytes(), (std::array<std::uint8_t, 4>{1, 1, 0, 1}));
    EXPECT_EQ(CaptionOf(13), "a+b");
}

#if defined(__unix__)
// The folder is read-only; as root, which writes there all the same, a file size limit
// makes the save fail half-way instead.
TEST_F(FileCommandsTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
    WriteSetting("Chinese");
    OpenWindow();
    const auto shelf = folder / "shelf";
    std::filesystem::create_directory(shelf);
    WriteBytes(shelf / "layout.dat", "old layout");
    std::filesystem::permissions(
        shelf, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    prompter.fileNames = {QPath(shelf / "layout.dat")};
    {
        const FileSizeLimit fullDisk(100);
        ASSERT_TRUE(fullDisk.Applied());
        TriggerAction(ids::kCnSave);
    }
    std::filesystem::permissions(shelf, std::filesystem::perms::owner_all);

    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_TRUE(prompter.prompts[1].text.startsWith("无法保存数据文件，原文件未被改动！"))
        << prompter.prompts[1].text.toStdString();
    EXPECT_EQ(ReadBytes(shelf / "layout.dat"), "old layout");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shelf), {}), 1);
}
#endif

}  // namespace
}  // namespace tolvane::testing
