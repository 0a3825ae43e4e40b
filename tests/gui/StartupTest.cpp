// The desktop programmer's command line, and the data file it names being loaded at start.
#include <fstream>
#include <memory>

#include "gui/qt/app/CTolvaneApp.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

TEST(CommandLineTest, TakesTheVirtualKeyboardAndOneDataFileInAnyOrder) {
    struct Case {
        std::vector<std::string> arguments;
        bool virtualKeyboard;
        std::string stateFile;
        std::string dataFile;
        std::string error;
    };
    const std::vector<Case> cases = {
        {{}, false, "", "", ""},
        {{"shop.dat"}, false, "", "shop.dat", ""},
        {{"--virtual-keyboard=kb.state", "shop.dat"}, true, "kb.state", "shop.dat", ""},
        {{"shop.dat", "--virtual-keyboard"}, true, "", "shop.dat", ""},
        {{"a.dat", "b.dat"}, false, "", "a.dat", "only one data file can be loaded: b.dat"},
        {{"--layout=a.dat"}, false, "", "", "unknown option: --layout=a.dat"},
    };
    for (const Case& c : cases) {
        const gui::CommandLine line = gui::ParseCommandLine(c.arguments);
        const std::string context = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(line.virtualKeyboard, c.virtualKeyboard) << context;
        EXPECT_EQ(line.stateFile, c.stateFile) << context;
        EXPECT_EQ(line.dataFile, c.dataFile) << context;
        EXPECT_EQ(line.error, c.error) << context;
        EXPECT_FALSE(line.help) << context;
    }
}

class StartupFileTest : public GuiFixture {};

TEST_F(StartupFileTest, LoadsLikeOpenAndReportsABadFileLikeOpen) {
    const auto saved = std::make_unique<KeyboardImage>();
    saved->StoreKeyRecord(1, 1, std::vector<KeyCode>{0x04});
    DataFileCommands files;
    ASSERT_TRUE(files.Save(*saved, folder / "shop.dat", "shop.dat", LocalTimeNow()));
    std::ofstream(folder / "broken.dat") << "not a data file\n";

    WriteSetting("English");
    OpenWindow();
    window->OpenDataFile(QString::fromStdString((folder / "broken.dat").string()));
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, "The parameter is incorrect.");
    EXPECT_EQ(prompter.prompts[0].icon, gui::PromptIcon::kStop);
    EXPECT_TRUE(CaptionOf(1).isEmpty());

    window->OpenDataFile(QString::fromStdString((folder / "shop.dat").string()));
    EXPECT_EQ(prompter.prompts.size(), 1u);
    EXPECT_FALSE(CaptionOf(1).isEmpty());
    EXPECT_EQ(image->buttons[1].keyCodes[1][0], 0x04);
}

}  // namespace
}  // namespace tolvane::testing
