#include <gtest/gtest.h>

#include <set>

#include "manual/ManualText.h"

namespace tolvane::manual {
namespace {

TEST(ManualTextTest, PrintsTheScreenshotsThatExistWithTheirCaptionsAndLeavesOutTheRest) {
    const std::set<std::string> rendered = {"main.png", "card.png"};
    const auto exists = [&](const std::string& file) { return rendered.contains(file); };
    struct Case {
        std::string markdown;
        std::string printed;
    };
    const std::vector<Case> cases = {
        {"Text ![inline](main.png) stays.\n", "Text ![inline](main.png) stays.\n"},
        {"  ![The window](main.png)  \n", "  ![The window](main.png)  \n\n*The window*\n"},
        {"a\n\n![Not yet](keypad.png)\n\nb\n", "a\n\n\nb\n"},
        {"```\n![code](keypad.png)\n```\n", "```\n![code](keypad.png)\n```\n"},
        {"![broken](main.png\n", "![broken](main.png\n"},
        {"# Manual {{version}}\nlast line", "# Manual 1.2.3\nlast line\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrepareManual(c.markdown, "1.2.3", exists).markdown, c.printed) << c.markdown;
    }

    const PreparedManual manual = PrepareManual(
        "![A](card.png)\n![B](keypad.png)\n![C](main.png)\n![D](options.png)\n", "", exists);
    EXPECT_EQ(manual.shown, (std::vector<std::string>{"card.png", "main.png"}));
    EXPECT_EQ(manual.missing, (std::vector<std::string>{"keypad.png", "options.png"}));
}

}  // namespace
}  // namespace tolvane::manual
