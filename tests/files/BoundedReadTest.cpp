// The bounds on what the loaders take in.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "tolvane/files/BoundedRead.h"
#include "tolvane/files/DataFileLoader.h"
#include "tolvane/files/DataFileWriter.h"
#include "tolvane/keyprog/UserKeyGroups.h"

namespace tolvane {
namespace {

TEST(BoundedRead, LinesAndFilesBeyondTheBoundsAreNamed) {
    const std::string longest(kLongestTextLine, 'x');
    std::string manyShortLines;
    while (manyShortLines.size() <= kLargestTextFile) {
        manyShortLines += "<1 1 >\r\n";
    }
    struct Case {
        std::string text;
        std::optional<int> line;  // of the breach
        std::string reason;
    };
    const Case cases[] = {
        {longest + "\r\n" + longest + "\n" + longest, std::nullopt, ""},
        {longest + "x", 1, "line 1 is longer than 4096 characters"},
        {"<1 1 >\r\n" + longest + "x\r\n<2 1 >\r\n", 2, "line 2 is longer than 4096 characters"},
        {longest + "\r\r\n", 1, "line 1 is longer"},
        {manyShortLines, 131073, "the file is larger than 1048576 bytes"},
    };
    for (const Case& c : cases) {
        const std::optional<TextBoundsBreach> breach = CheckTextBounds(c.text);
        ASSERT_EQ(breach.has_value(), c.line.has_value()) << c.reason;
        if (breach) {
            EXPECT_EQ(breach->line, *c.line);
            EXPECT_EQ(breach->reason.rfind(c.reason, 0), 0u) << breach->reason;
        }
    }
}

// /dev/zero never ends and never ends a line.
TEST(BoundedRead, EndlessInputEndsWithTheFileAndLine) {
    const TextRead read = ReadTextFile("/dev/zero");
    EXPECT_EQ(read.status, TextReadStatus::kOutOfBounds);
    EXPECT_EQ(read.error, "Cannot load /dev/zero: line 1 is longer than 4096 characters");

    const auto image = std::make_unique<KeyboardImage>();
    const DataFileLoadResult loaded = LoadDataFile(*image, "/dev/zero");
    EXPECT_EQ(loaded.status, DataFileLoadStatus::kTooLong);
    EXPECT_EQ(loaded.error, read.error);

    UserKeyGroupStore store;
    EXPECT_EQ(store.LoadUserKeyGroups("/dev/zero"), UserKeyLoadOutcome::kTooLong);
    EXPECT_EQ(store.groupCount, 0);
}

TEST(BoundedRead, AFileBeyondTheBoundsLoadsNothing) {
    const auto saved = std::make_unique<KeyboardImage>();
    ASSERT_TRUE(saved->StoreKeyRecord(1, 1, std::vector<KeyCode>{4}));
    std::string text = FormatDataFile(*saved, "x.dat", std::tm{});
    text.insert(text.rfind("<1 0 0 0 >"), std::string(5000, ' ') + "\r\n");

    std::vector<DataFileProblem> problems;
    DataFileLoadHooks hooks;
    hooks.onProblem = [&problems](const DataFileProblem& problem) { problems.push_back(problem); };
    const auto image = std::make_unique<KeyboardImage>();
    EXPECT_EQ(LoadDataFileText(*image, text, hooks).status, DataFileLoadStatus::kTooLong);
    EXPECT_EQ(image->buttons[1].keyCount[1], 0);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, DataFileProblemKind::kTooLong);
    EXPECT_EQ(problems[0].line, 526);
}

}  // namespace
}  // namespace tolvane
