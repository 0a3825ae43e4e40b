// The production line's log: safe fields, UTC times, and rows that are only ever added.
#include <gtest/gtest.h>

#include "cli/ResultLog.h"
#include "tests/support/TemporaryFolder.h"

namespace tolvane::cli {
namespace {

using tolvane::testing::ReadBytes;
using tolvane::testing::TemporaryFolder;
using tolvane::testing::WriteBytes;

TEST(ResultLog, FieldsAreCsvSafeNeverFormulasAndTimesAreUtc) {
    struct Case {
        std::string text;
        std::string field;
    };
    for (const Case& c :
         {Case{"TR-0001", "TR-0001"}, Case{"", ""}, Case{"a,b", "\"a,b\""},
          Case{"say \"hi\"", "\"say \"\"hi\"\"\""}, Case{"two\nlines", "\"two\nlines\""},
          Case{"=1+2", "'=1+2"}, Case{"+1", "'+1"}, Case{"@SUM(A1)", "'@SUM(A1)"},
          Case{"-3,4", "\"'-3,4\""}}) {
        EXPECT_EQ(CsvField(c.text), c.field) << c.text;
    }
    using namespace std::chrono;
    EXPECT_EQ(Iso8601Utc(system_clock::time_point{}), "1970-01-01T00:00:00Z");
    EXPECT_EQ(Iso8601Utc(sys_days{year{2024} / February / 29} + 23h + 59min + 58s + 999ms),
              "2024-02-29T23:59:58Z");
}

TEST(ResultLog, RowsAreOnlyAddedAndARowACrashCutShortStaysApart) {
    TemporaryFolder folder;
    const auto path = folder / "line.csv";
    const KeyboardOutcome passed{"/dev/hidraw3", "TR-1", true, "written", std::chrono::seconds(5)};
    const KeyboardOutcome failed{"/dev/hidraw4", "", false, "pulled out during the write",
                                 std::chrono::milliseconds(1250)};
    const auto when = std::chrono::sys_days{std::chrono::year{2025} / 3 / 7};
    for (const KeyboardOutcome* outcome : {&passed, &failed}) {
        ResultLog::Opened opened = ResultLog::Open(path);
        ASSERT_TRUE(opened.log) << opened.error;
        ASSERT_TRUE(opened.log->Add(*outcome, when));
    }
    const std::string twoRows =
        "time,path,serial,result,duration_s,reason\n"
        "2025-03-07T00:00:00Z,/dev/hidraw3,TR-1,passed,5.000,\n"
        "2025-03-07T00:00:00Z,/dev/hidraw4,,failed,1.250,pulled out during the write\n";
    EXPECT_EQ(ReadBytes(path), twoRows);

    // A run killed in the middle of a row: the next run's rows start on a line of their own.
    WriteBytes(path, twoRows + "2025-03-07T00:00:01Z,/dev/hid");
    ResultLog::Opened opened = ResultLog::Open(path);
    ASSERT_TRUE(opened.log) << opened.error;
    ASSERT_TRUE(opened.log->Add(passed, when));
    ASSERT_TRUE(opened.log->Add(passed, when));
    const std::string passedRow = "2025-03-07T00:00:00Z,/dev/hidraw3,TR-1,passed,5.000,\n";
    EXPECT_EQ(ReadBytes(path), twoRows + "2025-03-07T00:00:01Z,/dev/hid\n" + passedRow + passedRow);

    const ResultLog::Opened device = ResultLog::Open("/dev/null");
    EXPECT_FALSE(device.log);
    EXPECT_EQ(device.error, "Cannot append to /dev/null: it is not a regular file");
}

}  // namespace
}  // namespace tolvane::cli
