// UTF-8 source: the Chinese labels are written as they are shown.
// The labels file and the labels it holds.
#include "tolvane/files/LabelsFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "tests/support/TemporaryFolder.h"

namespace tolvane {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(LegendLabelsTest, LabelsAreTrimmedCountedInCharactersAndRefusedWhenTheyCannotPrint) {
    auto labels = std::make_unique<LegendLabels>();
    EXPECT_EQ(labels->Set(28, 1, "  TOTAL \t"), std::nullopt);
    EXPECT_EQ(labels->Of(28, 1), "TOTAL");
    const std::string forty = "收银" + std::string(38, 'x');
    EXPECT_EQ(labels->Set(1, 6, forty), std::nullopt);
    const std::vector<std::pair<std::string, LabelRefusal>> refused = {
        {forty + "y", LabelRefusal::kTooLong},    {"TO\nTAL", LabelRefusal::kNotText},
        {"TOTAL\x7F", LabelRefusal::kNotText},    {"\xC3(", LabelRefusal::kNotText},
        {"\xED\xA0\x80", LabelRefusal::kNotText},  // a surrogate
    };
    for (const auto& [text, refusal] : refused) {
        EXPECT_EQ(labels->Set(28, 1, text), refusal) << text;
    }
    EXPECT_EQ(labels->Set(0, 1, "X"), LabelRefusal::kNoSuchButton);
    EXPECT_EQ(labels->Set(85, 1, "X"), LabelRefusal::kNoSuchButton);
    EXPECT_EQ(labels->Set(1, 7, "X"), LabelRefusal::kNoSuchLayer);
    EXPECT_EQ(labels->Of(28, 1), "TOTAL");  // a refused label changes nothing
    EXPECT_EQ(labels->Count(), 2);
    EXPECT_EQ(labels->Set(28, 1, "   "), std::nullopt);  // nothing: the label is removed
    EXPECT_EQ(labels->Count(), 1);
    EXPECT_EQ(labels->Of(85, 1), "");
}

TEST(LabelsFileTest, WhatIsWrittenReadsBackTheSame) {
    auto labels = std::make_unique<LegendLabels>();
    labels->Set(28, 1, "TOTAL");
    labels->Set(29, 1, "VOID  #2");
    labels->Set(84, 6, "现金");
    labels->Set(1, 2, std::string(kLongestLabel, 'W'));
    const std::string text = FormatLabelsFile(*labels);
    EXPECT_EQ(text.substr(text.find('\n') + 1, 33), "28 1 TOTAL\r\n29 1 VOID  #2\r\n1 2 WW");
    const ParsedLabels parsed = ParseLabelsText(text);
    EXPECT_EQ(parsed.problemCount, 0u);
    EXPECT_TRUE(parsed.labels == *labels);

    // What a hand-edited file may hold around its labels.
    const ParsedLabels edited =
        ParseLabelsText("\xEF\xBB\xBF# shop keys\n\n  28\t1   TOTAL  \r\n   # a comment\n5 3 #5");
    EXPECT_EQ(edited.problemCount, 0u);
    EXPECT_EQ(edited.labels.Of(28, 1), "TOTAL");
    EXPECT_EQ(edited.labels.Of(5, 3), "#5");
    EXPECT_EQ(edited.labels.Count(), 2);
}

TEST(LabelsFileTest, BadLinesAreNamedByNumberAndTheGoodOnesStillLoad) {
    const ParsedLabels parsed = ParseLabelsText(
        "28 1 TOTAL\n"
        "85 1 GONE\n"
        "0 1 NONE\n"
        "12 7 HIGH\n"
        "28 1 AGAIN\n"
        "29 1\n"
        "291 VOID\n"
        "TOTAL\n"
        "30 1 " +
        std::string(41, 'x') +
        "\n"
        "31 1 \xFF\xFE\n"
        "99999999999999999999 1 X\n"
        "32 1 CASH\n");
    const std::vector<std::string> expected = {
        "line 2: there is no button 85; buttons are 1 to 84",
        "line 3: there is no button 0; buttons are 1 to 84",
        "line 4: there is no layer 7; layers are 1 to 6",
        "line 5: button 28 already has a label on Layer1, on line 1",
        "line 6: expected a button number, a layer number and a label",
        "line 7: expected a button number, a layer number and a label",
        "line 8: expected a button number, a layer number and a label",
        "line 9: the label is longer than 40 characters",
        "line 10: the label is not UTF-8 text or holds a control character",
        "line 11: there is no button 99999999999999999999; buttons are 1 to 84",
    };
    ASSERT_EQ(parsed.problems.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(parsed.problems[i].text, expected[i]);
        EXPECT_EQ(parsed.problems[i].line, static_cast<int>(i) + 2);
    }
    EXPECT_EQ(parsed.labels.Of(28, 1), "TOTAL");
    EXPECT_EQ(parsed.labels.Of(32, 1), "CASH");
    EXPECT_EQ(parsed.labels.Count(), 2);

    std::string garbage;
    for (int i = 0; i < 500; ++i) {
        garbage += "x\n";
    }
    const ParsedLabels many = ParseLabelsText(garbage);
    EXPECT_EQ(many.problemCount, 500u);
    EXPECT_EQ(many.problems.size(), kMostLabelProblemsKept);
}

TEST(LabelsFileTest, TheFileBesideTheDataFileIsSavedOnlyWhenThereIsSomethingToKeep) {
    testing::TemporaryFolder folder;
    EXPECT_EQ(LabelsFileBeside(folder / "till.dat"), folder / "till.labels");
    EXPECT_EQ(LabelsFileBeside(folder / "shop"), folder / "shop.labels");
    const std::filesystem::path path = folder / "till.labels";
    auto labels = std::make_unique<LegendLabels>();

    ASSERT_TRUE(SaveLabelsFile(*labels, path));
    EXPECT_FALSE(std::filesystem::exists(path));  // no labels, no file
    EXPECT_EQ(LoadLabelsFile(path).status, TextReadStatus::kNoFile);
    EXPECT_TRUE(LoadLabelsFile(path).ok());

    labels->Set(28, 1, "TOTAL");
    ASSERT_TRUE(SaveLabelsFile(*labels, path));
    const LabelsFileLoad loaded = LoadLabelsFile(path);
    ASSERT_EQ(loaded.status, TextReadStatus::kRead);
    EXPECT_TRUE(loaded.parsed.labels == *labels);

    labels->Clear();
    ASSERT_TRUE(SaveLabelsFile(*labels, path));  // the old labels must not come back
    EXPECT_EQ(ReadAll(path), "# Legend labels: button, layer, label\r\n");

    std::ofstream(path, std::ios::binary) << std::string(kLongestTextLine + 1, 'x');
    const LabelsFileLoad tooLong = LoadLabelsFile(path);
    EXPECT_EQ(tooLong.status, TextReadStatus::kOutOfBounds);
    EXPECT_FALSE(tooLong.ok());
    EXPECT_NE(tooLong.error.find("line 1 is longer"), std::string::npos);
}

}  // namespace
}  // namespace tolvane
