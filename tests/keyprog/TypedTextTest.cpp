// UTF-8 source: characters the keyboard cannot type are written as a user types them.
#include "tolvane/keyprog/TypedText.h"

#include <gtest/gtest.h>

#include <vector>

#include "tolvane/image/KeyboardImage.h"

namespace tolvane {
namespace {

constexpr KeyCode kS = kLeftShift;

TEST(TypedTextTest, TextBecomesTheKeysWithOneShiftAroundEachShiftedRun) {
    struct Case {
        std::string text;
        bool startsShifted;
        std::vector<KeyCode> codes;
        std::string layerText;  // as the button then shows it
    };
    const std::vector<Case> cases = {
        {"cash", false, {58, 43, 44, 48}, "c+a+s+h"},
        {"CASH", false, {kS, 58, 43, 44, 48, kS}, "LShift+C+A+S+H+LShift"},
        {"Total 1", false, {kS, 33, kS, 37, 33, 43, 51, 70, 15}, "LShift+T+LShift+o+t+a+l+Space+1"},
        {"A1!", false, {kS, 43, kS, 15, kS, 15, kS}, "LShift+A+LShift+1+LShift+!+LShift"},
        {"%5", false, {kS, 19, kS, 19}, "LShift+%+LShift+5"},
        // Space, Tab and Enter are typed unshifted, between runs.
        {"AB CD",
         false,
         {kS, 43, 60, kS, 70, kS, 58, 45, kS},
         "LShift+A+B+LShift+Space+LShift+C+D+LShift"},
        {"a\tb\r\nc\n", false, {43, 28, 60, 54, 58, 54}, "a+TAB+b+Enter+c+Enter"},
        {"/?", false, {65, kS, 65, kS}, "/+LShift+?+LShift"},
        // After an odd number of Shifts, a plain run is wrapped instead, so the keys after
        // the text still type as they did.
        {"aB", true, {kS, 43, kS, 60}, ""},
        {"", false, {}, ""},
    };
    for (const Case& c : cases) {
        const TextKeys keys = KeyCodesOfText(c.text, c.startsShifted);
        EXPECT_EQ(keys.codes, c.codes) << c.text;
        EXPECT_TRUE(keys.untypable.empty()) << c.text;
        if (!c.startsShifted) {
            EXPECT_EQ(LayerTextOf(keys.codes), c.layerText) << c.text;
        }
    }
}

TEST(TypedTextTest, TheFirstCharacterTheKeyboardCannotTypeIsNamedAndNothingIsTyped) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Café", "é"},       {"价格 5", "价"},   {"ab\acd", "U+0007"},
        {"a\x7f", "U+007F"}, {"ok\xC3", "0xC3"},  // a broken UTF-8 sequence
        {"€€", "€"},
    };
    for (const auto& [text, named] : cases) {
        const TextKeys keys = KeyCodesOfText(text, false);
        EXPECT_TRUE(keys.codes.empty()) << text;
        EXPECT_EQ(keys.untypable, named) << text;
    }
}

// Every printable ASCII character is typed by some key, and what those keys type is the
// text again.
TEST(TypedTextTest, EveryPrintableCharacterTypesBackAsItself) {
    std::string all;
    for (char c = ' '; c <= '~'; ++c) {
        all += c;
    }
    const TextKeys keys = KeyCodesOfText(all, false);
    ASSERT_TRUE(keys.untypable.empty());
    EXPECT_EQ(TypedTextOf(keys.codes), all);
    EXPECT_EQ(TypedTextOf(std::vector<KeyCode>{kS, 58, 2, 43, kS, 94, 107}),
              std::string("C\0A7\n", 5));  // F1 types nothing; keypad 7 and Enter type
    EXPECT_EQ(CharacterOfKey(0xA8, false), '\0');
    EXPECT_EQ(CharacterOfKey(92, true), '/');  // the keypad's slash has no shifted character
}

}  // namespace
}  // namespace tolvane
