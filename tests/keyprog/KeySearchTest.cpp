// UTF-8 source: the Chinese names are searched as a user types them.
#include "tolvane/keyprog/KeySearch.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvane {
namespace {

std::vector<std::string_view> SpecialKeysShown(std::string_view filter) {
    std::vector<std::string_view> names;
    const std::vector<bool> shown = SpecialKeyRowsShown(filter);
    for (std::size_t row = 0; row < shown.size(); ++row) {
        if (shown[row]) {
            names.push_back(SpecialKeyTable[row].name);
        }
    }
    return names;
}

TEST(KeySearchTest, TheSpecialKeyFilterMatchesAnywhereWithoutCaseInBothLanguages) {
    using Names = std::vector<std::string_view>;
    EXPECT_EQ(SpecialKeysShown("vol"), (Names{"VolumeUp", "VolumeDown"}));
    EXPECT_EQ(SpecialKeysShown("TRACK"), (Names{"PreTrack", "Nexttrack"}));
    EXPECT_EQ(SpecialKeysShown("静音"), Names{"Mute"});
    EXPECT_EQ(SpecialKeysShown("网页"), (Names{"www.Back", "www.Forward", "www.Stop", "www.Refresh",
                                               "www.Search", "www.Favorites", "www.Home"}));
    EXPECT_EQ(SpecialKeysShown("0.5"), Names{"Delay_0.5_sec"});
    EXPECT_EQ(SpecialKeysShown("").size(), kSpecialKeyTableSize);
    EXPECT_TRUE(SpecialKeysShown("xyz").empty());
    for (std::size_t row = 0; row < kSpecialKeyTableSize; ++row) {
        EXPECT_FALSE(SpecialKeyChineseName(row).empty()) << row;
    }
    EXPECT_TRUE(SpecialKeyChineseName(kSpecialKeyTableSize).empty());
}

TEST(KeySearchTest, AUserKeyGroupIsFoundByItsTextOrItsSpecialKeysChineseNames) {
    const std::vector<KeyCode> codes = {67, 0x9F};
    EXPECT_TRUE(UserKeyGroupShown("LCtrl+Mute", codes, "ctrl+m"));
    EXPECT_TRUE(UserKeyGroupShown("LCtrl+Mute", codes, "静音"));
    EXPECT_FALSE(UserKeyGroupShown("LCtrl+Mute", codes, "音量"));
    EXPECT_TRUE(UserKeyGroupShown("", {}, ""));  // an empty group under no filter
    EXPECT_FALSE(UserKeyGroupShown("", {}, "a"));
}

}  // namespace
}  // namespace tolvane
