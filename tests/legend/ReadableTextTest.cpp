// UTF-8 source: the signs are written as they are printed.
// What the example till layout's keys type, as their legends read it.
#include "tolvane/legend/ReadableText.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "examples/TillLayout.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane {
namespace {

TEST(ReadableTextTest, EveryKeyOfTheExampleLayoutReadsAsWhatItTypes) {
    const std::map<std::pair<int, int>, std::string> expected = {
        {{1, 1}, "1"},
        {{2, 1}, "2"},
        {{3, 1}, "3"},
        {{4, 1}, "4"},
        {{5, 1}, "5"},
        {{6, 1}, "6"},
        {{7, 1}, "7"},
        {{8, 1}, "8"},
        {{9, 1}, "9"},
        {{10, 1}, "0"},
        {{11, 1}, "00"},
        {{12, 1}, "."},
        {{13, 1}, "⏎"},
        {{14, 1}, "Bksp"},
        {{15, 1}, "Esc"},
        {{16, 1}, "F1"},
        {{17, 1}, "F2"},
        {{18, 1}, "F3"},
        {{19, 1}, "F4"},
        {{20, 1}, "F5"},
        {{21, 1}, "F6"},
        {{22, 1}, "F7"},
        {{23, 1}, "F8"},
        {{24, 1}, "F9"},
        {{25, 1}, "F10"},
        {{26, 1}, "F11"},
        {{27, 1}, "F12"},
        {{28, 1}, "TOTAL⏎"},
        {{29, 1}, "Ctrl+V"},
        {{30, 1}, "Ctrl+P"},
        {{31, 1}, "Ctrl+Alt+Del"},
        {{32, 1}, "F1 ‖ ⏎"},
        {{33, 1}, "↑"},
        {{34, 1}, "↓"},
        {{35, 1}, "Tab"},
        {{36, 1}, "Space"},
        {{37, 1}, "S"},
        {{38, 1}, "Ctrl+C"},
        {{39, 1}, "Ctrl+X"},
        {{79, 1}, "Layer2"},
        {{80, 1}, "/"},
        {{1, 2}, "1"},
        {{10, 2}, "0"},
        {{13, 2}, "⏎"},
        {{14, 2}, "+"},
        {{15, 2}, "-"},
        {{28, 2}, "Alt+F4"},
        {{29, 2}, "Alt+F5"},
        {{30, 2}, ": ‖ ⏎"},
        {{79, 2}, "Layer1"},
    };
    auto image = std::make_unique<KeyboardImage>();
    examples::BuildTillLayout(*image);
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            const auto entry = expected.find({button, layer});
            EXPECT_EQ(ReadableTextOf(image->buttons[button].Codes(layer)),
                      entry == expected.end() ? "" : entry->second)
                << "button " << button << ", layer " << layer;
        }
    }
}

TEST(ReadableTextTest, ShiftChordsAndOddKeysOutsideTheExample) {
    const std::vector<std::pair<std::vector<KeyCode>, std::string>> cases = {
        {{55, 28}, "Shift+Tab"},                  // Shift on, then a key with no character
        {{67, 55, 44}, "Ctrl+Shift+S"},           // a chord typed while shifted
        {{55, 43, 55, 44, 45, 70, 44}, "Asd s"},  // Shift flips the case; a space inside text
        {{70, 70}, "Space Space"},
        {{55}, "Shift"},
        {{67}, "Ctrl"},  // a modifier with no key after it
        {{67, 69, 84, 67}, "Ctrl+Alt+Del Ctrl"},
        {{96, 106, 93, 107}, "9+*⏎"},  // the keypad types its signs
        {{0x73, 0xA0, 0x9F}, "0x73 Vol+ Mute"},
        {{110, 87}, "Layer3 ↑"},
        {{29, 54, 54}, "q⏎ ⏎"},
    };
    for (const auto& [codes, text] : cases) {
        EXPECT_EQ(ReadableTextOf(codes), text) << text;
    }
}

}  // namespace
}  // namespace tolvane
