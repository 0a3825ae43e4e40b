#include <gtest/gtest.h>

#include "gui/model/WriteSafety.h"

namespace tolvane::gui {
namespace {

constexpr auto kEn = InterfaceLanguage::kEnglish;
constexpr auto kZh = InterfaceLanguage::kChinese;

TEST(WriteSafetyModelTest, PartialWriteSaysHowFarItGotWhatTheKeyboardHoldsAndWhereTheBackupIs) {
    struct Case {
        WriteFailure failure;
        std::filesystem::path backup;
        InterfaceLanguage language;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{WriteStop::kPulledOut, 57, 11},
         "/b/old.dat",
         kEn,
         "The keyboard was pulled out at 11 %: it now holds a partial programming. Plug it in "
         "and write again.\n\nWhat it held before the write is kept in the backup /b/old.dat."},
        {{WriteStop::kRefused, 300, 59},
         {},
         kEn,
         "The keyboard refused a report at 59 %: it now holds a partial programming. Plug it in "
         "again and write again."},
        {{WriteStop::kStalled, 504, 100},
         {},
         kZh,
         "键盘在100%时停止响应：键盘中现在是不完整的数据。请检查连接后重新写入。"},
        {{WriteStop::kPulledOut, 0, 0},
         {},
         kEn,
         "The write stopped before the first record: the keyboard still holds its earlier "
         "programming."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PartialWriteText(c.failure, c.backup, c.language), c.expected);
    }
}

TEST(WriteSafetyModelTest, DifferenceRowsNameEachPlaceWithBothSidesAndMarkTheirLayers) {
    KeyboardProgramming written;
    KeyboardProgramming read = written;
    read.Button(12).Layer(3) = LayerProgramming::Of(std::vector<KeyCode>{0x04});
    read.tracks[1].mode = 0;
    read.options.keyClick = 1;
    const ProgrammingDifference difference = Difference(written, read);
    const std::vector<DifferenceRow> rows = DifferenceRows(difference, kEn);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].where, "Button 12 Layer3");
    EXPECT_EQ(rows[0].first, "(empty)");
    EXPECT_EQ(rows[0].second, "F3");
    EXPECT_EQ(rows[0].button, 12);
    EXPECT_EQ(rows[1].where, "Track 2");
    EXPECT_EQ(rows[1].first, "On, Enter · Prefix ? · Suffix ;");
    EXPECT_EQ(rows[1].second, "Off · Prefix ? · Suffix ;");
    EXPECT_EQ(rows[2].where, "Key click");
    EXPECT_EQ(rows[2].second, "1");
    EXPECT_EQ(DifferenceSummary(Comparison::kVerify, difference, kEn),
              "Differences found by the verify: 3. The keyboard does not hold what was written.");
    EXPECT_EQ(DifferenceSummary(Comparison::kKeyboard, {}, kEn),
              "No differences: both hold the same programming.");
    const std::array<bool, LayerCount + 1> layers = LayersWithDifferences(difference);
    EXPECT_EQ(std::count(layers.begin(), layers.end(), true), 1);
    EXPECT_TRUE(layers[3]);
}

}  // namespace
}  // namespace tolvane::gui
