// libvaskor as a till developer tries it without the hardware: a program built against the
// library's public headers alone, run with VASKOR_VIRTUAL_KEYBOARD naming a state file (ctest
// sets it). Nothing here selects a bus: the environment alone points the library at the
// virtual keyboard.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/vaskor/RecordingSink.h"
#include "vaskor/CardSettings.h"
#include "vaskor/VX30Interface.h"

namespace {

bool FileHasLine(const std::string& path, const std::string& wanted) {
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        if (line == wanted) {
            return true;
        }
    }
    return false;
}

TEST(VirtualKeyboardHost, TheEnvironmentPointsTheLibraryAtTheVirtualKeyboard) {
    const char* stateFile = std::getenv("VASKOR_VIRTUAL_KEYBOARD");
    ASSERT_NE(stateFile, nullptr) << "run it through ctest, which names the state file";
    std::filesystem::remove(stateFile);

    vaskor::testing::RecordingSink sink;
    CVX30Interface vx30;
    EXPECT_TRUE(vx30.IsVX30Existed());
    ASSERT_TRUE(vx30.Open(sink.Window()));
    ASSERT_TRUE(sink.WaitForCount(1));
    EXPECT_TRUE(vx30.SetNumLight(true));
    EXPECT_TRUE(vx30.SetScrollLight(true));
    const vaskor::CardSettingsRecord card = vaskor::BuildCardSettings({1, true, true, u"%", u"?"});
    EXPECT_TRUE(vx30.SetCard(card.data(), card.size()));
    EXPECT_TRUE(vx30.GetSwitch());
    ASSERT_TRUE(sink.WaitForCount(2));
    EXPECT_TRUE(vx30.Close());

    EXPECT_EQ(sink.Codes(), (std::vector<std::uint32_t>{WM_KB_PLUGIN, WM_KB_SWITCH}));
    // The keyboard takes reports in order, so the lamps were kept before it answered.
    EXPECT_TRUE(FileHasLine(stateFile, "lamps 1 0 1")) << "in " << stateFile;
}

}  // namespace
