// What the sentinel edits take, and the tool's command line.
#include <gtest/gtest.h>

#include "pellimore/CommandLine.h"
#include "pellimore/SentinelInput.h"

namespace pellimore {
namespace {

TEST(SentinelInput, KeepsPrintableAsciiInLowerCase) {
    const struct {
        std::u16string_view text;
        std::u16string_view kept;
    } cases[] = {
        {u"%", u"%"},
        {u"AbC?", u"abc?"},
        {u" ;Z~", u" ;z~"},
        {u"\u00c4b\u20acc\u00ff", u"bc"},    // 0x80 and above, as typed or pasted
        {u"a\U0001F600b", u"ab"},            // both halves of a surrogate pair
        {u"x\ty\nz\x7f", u"xyz"},            // control characters in pasted text
        {u"ABCDEFGHIJKL", u"abcdefghijkl"},  // the edit, not the filter, keeps ten
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SentinelInput(c.text), c.kept);
    }
}

TEST(CommandLine, TakesTheVirtualKeyboardWithOrWithoutAStateFile) {
    const struct {
        std::vector<std::string> arguments;
        bool virtualKeyboard;
        std::string stateFile;
        bool help;
        bool error;
    } cases[] = {
        {{}, false, "", false, false},
        {{"--virtual-keyboard"}, true, "", false, false},
        {{"--virtual-keyboard=demo.state"}, true, "demo.state", false, false},
        {{"--virtual-keyboard="}, true, "", false, false},
        {{"--help"}, false, "", true, false},
        {{"--virtual-keyboards"}, false, "", false, true},
        {{"card.dat"}, false, "", false, true},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        const std::string what = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(line.virtualKeyboard, c.virtualKeyboard) << what;
        EXPECT_EQ(line.stateFile, c.stateFile) << what;
        EXPECT_EQ(line.help, c.help) << what;
        EXPECT_EQ(!line.error.empty(), c.error) << what;
    }
}

}  // namespace
}  // namespace pellimore
