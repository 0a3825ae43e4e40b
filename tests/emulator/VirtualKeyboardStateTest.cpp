// The virtual keyboard's state file: whole after any number of saves at once, and read
// within the bounds of every file the programs read.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "emulator/EmulatedKeyboard.h"
#include "tests/support/TemporaryFolder.h"
#if !defined(_WIN32)
#include "tests/support/OrdinaryUser.h"
#endif

namespace emulator {
namespace {

using tolvane::testing::TemporaryFolder;

TEST(VirtualKeyboardState, SavesAtOnceEachLeaveAWholeFile) {
#if defined(_WIN32)
    GTEST_SKIP() << "Windows neither replaces a file that a reader holds open nor opens one "
                    "while it is being replaced: saves and loads at once fail there, by design";
#endif
    TemporaryFolder folder;
    const std::string path = (folder / "keyboard.state").string();
    KeyboardState first;
    first.programming.keys[1][1] = {4, 5};
    first.lamps.num = true;
    KeyboardState second;
    second.programming.keys[84][6] = std::vector<std::uint8_t>(wire::kMaxKeysPerLayer, 200);
    second.programming.options = {0, 1, 1, 1};
    second.silent = true;
    const std::string firstText = KeyboardStateText(first);
    const std::string secondText = KeyboardStateText(second);
    ASSERT_TRUE(SaveKeyboardState(path, first).ok);

    std::atomic<int> savers{2};
    std::atomic<int> failedSaves{0};
    const auto saveMany = [&](const KeyboardState& state) {
        for (int i = 0; i < 100; ++i) {
            failedSaves += SaveKeyboardState(path, state).ok ? 0 : 1;
        }
        --savers;
    };
    int reads = 0;
    int mixed = 0;
    {
        std::jthread a(saveMany, std::cref(first));
        std::jthread b(saveMany, std::cref(second));
        while (savers > 0) {
            KeyboardState loaded;
            EXPECT_TRUE(LoadKeyboardState(path, loaded).ok);
            const std::string text = KeyboardStateText(loaded);
            mixed += text == firstText || text == secondText ? 0 : 1;
            ++reads;
        }
    }
    EXPECT_GT(reads, 0);
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(failedSaves, 0);
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(VirtualKeyboardState, WhatCannotBeLoadedOrKeptIsSaid) {
    TemporaryFolder folder;
    KeyboardState state;
    state.lamps.caps = true;
    EXPECT_TRUE(LoadKeyboardState((folder / "none.state").string(), state).ok);
    EXPECT_TRUE(state.lamps.caps);  // a missing file changes nothing

    struct Case {
        std::string path;
        std::string error;
    };
    std::vector<Case> cases{
        {folder.path().string(), "Cannot open " + folder.path().string() + ": it is a folder"}};
#if !defined(_WIN32)
    cases.push_back({"/dev/zero", "Cannot load /dev/zero: line 1 is longer than 4096 characters"});
#endif
    for (const Case& c : cases) {
        const StateFileResult loaded = LoadKeyboardState(c.path, state);
        EXPECT_FALSE(loaded.ok);
        EXPECT_EQ(loaded.error, c.error);
    }
    const std::string unkept = (folder / "missing" / "k.state").string();
    const StateFileResult saved = SaveKeyboardState(unkept, state);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find(unkept), std::string::npos) << saved.error;

#if !defined(_WIN32)  // folder permissions as POSIX has them
    std::filesystem::create_directory(folder / "readonly");
    std::filesystem::permissions(folder / "readonly", std::filesystem::perms(0555));
    EXPECT_TRUE(tolvane::testing::AsOrdinaryUser(
        [&] { return !SaveKeyboardState((folder / "readonly" / "k.state").string(), state).ok; }));
#endif
}

TEST(VirtualKeyboardState, TheSerialAndThePlugScheduleSurviveASaveAndBadLinesChangeNothing) {
    const KeyboardState loaded =
        KeyboardStateFromText("serial  TR 0001 \r\nplug-in 250\nfault pull-out 40 300\n");
    EXPECT_EQ(loaded.serialNumber, "TR 0001");
    const PlugSchedule schedule{std::chrono::milliseconds(250), 40, std::chrono::milliseconds(300)};
    EXPECT_EQ(loaded.schedule, schedule);
    const KeyboardState saved = KeyboardStateFromText(KeyboardStateText(loaded));
    EXPECT_EQ(saved.serialNumber, loaded.serialNumber);
    EXPECT_EQ(saved.schedule, loaded.schedule);
    EXPECT_EQ(KeyboardStateFromText("fault pull-out 7\n").schedule,
              (PlugSchedule{std::nullopt, 7, std::nullopt}));  // out for good

    for (const std::string& line : std::vector<std::string>{
             "plug-in -5", "plug-in 5 6", "plug-in 86400001", "plug-in soon", "fault pull-out 0",
             "fault pull-out 40 x", "fault pull-out 40 300 7", "fault pull-out", "serial",
             "serial " + std::string(127, 'x'),
             "serial bad\x01"
             "byte"}) {
        const KeyboardState state = KeyboardStateFromText(line + "\n");
        EXPECT_EQ(state.schedule, PlugSchedule{}) << line;
        EXPECT_EQ(state.serialNumber, "") << line;
    }
}

}  // namespace
}  // namespace emulator
