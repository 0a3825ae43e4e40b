#include "tolvane/image/KeyTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tolvane {
namespace {

TEST(KeyName, LettersDigitsAndPunctuationShiftLikeAUsKeyboard) {
    EXPECT_EQ(KeyName(29, false), "q");
    EXPECT_EQ(KeyName(29, true), "Q");
    EXPECT_EQ(KeyName(14, false), "`");
    EXPECT_EQ(KeyName(14, true), "~");
    EXPECT_EQ(KeyName(15, true), "!");
    EXPECT_EQ(KeyName(24, true), ")");
    EXPECT_EQ(KeyName(41, false), "\\");
    EXPECT_EQ(KeyName(41, true), "|");
    EXPECT_EQ(KeyName(53, true), "\"");
    EXPECT_EQ(KeyName(62, true), "M");
    EXPECT_EQ(KeyName(65, true), "?");
}

TEST(KeyName, KeysWithoutShiftedCharacterKeepTheirName) {
    EXPECT_EQ(KeyName(54, false), "Enter");
    EXPECT_EQ(KeyName(54, true), "Enter");
    EXPECT_EQ(KeyName(0, false), "");
    EXPECT_EQ(KeyName(0, true), "");
    EXPECT_EQ(KeyName(92, false), "/");
    EXPECT_EQ(KeyName(92, true), "/");
    EXPECT_EQ(KeyName(65, false), "/");
    EXPECT_EQ(KeyName(108, true), "Layer1");
    EXPECT_EQ(KeyName(113, false), "Layer6");
}

TEST(KeyName, NamesAreCaseSensitiveAsWritten) {
    EXPECT_EQ(KeyName(2, false), "F1");
    EXPECT_EQ(KeyName(13, false), "F12");
    EXPECT_EQ(KeyName(28, false), "TAB");
    EXPECT_EQ(KeyName(42, false), "CAPS");
    EXPECT_EQ(KeyName(83, false), "Pgup");
    EXPECT_EQ(KeyName(89, false), "Dn");
    EXPECT_EQ(KeyName(107, false), "num_Enter");
}

TEST(KeyName, SpecialKeysIgnoreTheShiftFlag) {
    EXPECT_EQ(KeyName(150, false), "Delay_0.5_sec");
    EXPECT_EQ(KeyName(159, false), "Mute");
    EXPECT_EQ(KeyName(159, true), "Mute");
    EXPECT_EQ(KeyName(168, true), "Calculator");
}

TEST(KeyName, UnassignedCodesShowTheirValueInHex) {
    EXPECT_EQ(KeyName(114, false), "0x72");
    EXPECT_EQ(KeyName(149, true), "0x95");
    EXPECT_EQ(KeyName(169, false), "0xa9");
    EXPECT_EQ(KeyName(255, false), "0xff");
}

TEST(KeyTables, EveryAssignedCodeHasANameAndNoOtherDoes) {
    for (int code = 1; code <= 255; ++code) {
        const auto key = static_cast<KeyCode>(code);
        const bool hexName = KeyName(key, false).rfind("0x", 0) == 0;
        EXPECT_EQ(IsAssignedKeyCode(key), !hexName) << code;
    }
}

TEST(KeyTables, SpecialKeyRowsAreConsecutiveCodesFrom150) {
    std::set<std::string> names;
    for (std::size_t row = 0; row < kSpecialKeyTableSize; ++row) {
        const SpecialKeyEntry* entry = SpecialKey(row);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->code, 150 + row);
        names.insert(std::string(entry->name));
    }
    EXPECT_EQ(names.size(), kSpecialKeyTableSize);
    EXPECT_EQ(SpecialKey(12)->name, "Play/Pause");
    EXPECT_EQ(SpecialKey(19), nullptr);
}

TEST(KeyTables, OnScreenButtonsMapToCodes) {
    EXPECT_EQ(CodeOfKeyButton(2000), 1);
    EXPECT_EQ(KeyName(CodeOfKeyButton(2000), false), "Esc");
    EXPECT_EQ(KeyName(CodeOfKeyButton(2054), false), "LShift");
    EXPECT_EQ(KeyName(CodeOfKeyButton(2106), false), "num_Enter");
    EXPECT_EQ(CodeOfKeyButton(kLastKeyButtonId), 108);
}

TEST(KeyTables, OnlyTheSixLayerKeysAreLayerKeysAndOnlyTwoCodesShift) {
    for (int code = 0; code <= 255; ++code) {
        const auto key = static_cast<KeyCode>(code);
        EXPECT_EQ(IsLayerKeyCode(key), code >= 108 && code <= 113) << code;
        EXPECT_EQ(IsShiftCode(key), code == 55 || code == 66) << code;
    }
    EXPECT_EQ(LayerOfLayerKey(0x6E), 3);
    EXPECT_EQ(LayerOfLayerKey(0x96), 0);
}

}  // namespace
}  // namespace tolvane
