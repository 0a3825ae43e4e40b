// The library's report codecs and the card settings record of its public header.
#include <gtest/gtest.h>

#include <string>

#include "InterfaceReports.h"
#include "vaskor/CardSettings.h"

namespace vaskor {
namespace {

hidio::Report ReportOf(std::initializer_list<std::uint8_t> head) {
    hidio::Report report{};
    std::copy(head.begin(), head.end(), report.begin());
    return report;
}

TEST(InterfaceReports, AnswersAreReadByTheirCodeAndOthersDropped) {
    hidio::Report report = ReportOf({0x00, 0xD1, 0x04, 0x05});
    std::optional<Answer> answer = ReadAnswer(report);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->kind, AnswerKind::kSwitch);
    EXPECT_EQ(answer->data, report.data() + 2);
    report[1] = 0xD2;
    answer = ReadAnswer(report);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->kind, AnswerKind::kSecondAnswer);
    for (const int other : {0x00, 0xD0, 0xD3, 0xF0, 0xFA}) {
        report[1] = static_cast<std::uint8_t>(other);
        EXPECT_FALSE(ReadAnswer(report).has_value()) << other;
    }
    report = ReportOf({0x00, 0x00, 0xD1});  // the programmer's place of the code
    EXPECT_FALSE(ReadAnswer(report).has_value());
}

struct CardCase {
    const char* what;
    CardTrackSettings settings;
    std::initializer_list<std::uint8_t> head;  // the record's first bytes
    std::initializer_list<std::uint8_t> end;   // from byte 14 on; zeros elsewhere
};

TEST(CardSettings, EveryFieldSitsAtItsByte) {
    const std::u16string eleven = u"abcdefghijk";
    const CardCase cases[] = {
        {"enabled with return code", {1, true, true, u"%", u"?"}, {0xFA, 1, 2, 1, 0x25}, {1, 0x3F}},
        {"enabled", {2, true, false, u";", u""}, {0xFA, 2, 1, 1, 0x3B}, {0}},
        {"off, sentinels still sent",
         {3, false, true, u"ab", u"c"},
         {0xFA, 3, 0, 2, 'a', 'b'},
         {1, 'c'}},
        {"ten characters at most",
         {1, true, false, eleven, eleven},
         {0xFA, 1, 1, 10, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j'},
         {10, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j'}},
        {"low 8 bits, up to a zero character",
         {1, true, false, std::u16string_view(u"\u0141x\0y", 4), u""},
         {0xFA, 1, 1, 2, 0x41, 'x'},
         {0}},
    };
    for (const CardCase& c : cases) {
        CardSettingsRecord expected{};
        std::copy(c.head.begin(), c.head.end(), expected.begin());
        std::copy(c.end.begin(), c.end.end(), expected.begin() + 14);
        EXPECT_EQ(BuildCardSettings(c.settings), expected) << c.what;
    }
}

}  // namespace
}  // namespace vaskor
