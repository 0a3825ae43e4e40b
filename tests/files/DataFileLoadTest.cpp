#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/TemporaryFolder.h"
#include "tolvane/files/DataFileCommands.h"
#include "tolvane/files/DataFileFormat.h"

namespace tolvane {
namespace {

using testing::TemporaryFolder;
using testing::WriteBytes;

std::string Header() {
    return "****\r\n*\r\n*  notice\r\n*   notice\r\n*    \r\n*     \r\n*      \r\n"
           "* Create Date: x\r\n* Author     : x \r\n* File name  : x\r\n"
           "* Version    : V0.4\r\n* NOTE       : x\r\n*            <|Button Id| >\r\n****\r\n";
}

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string WithSections(std::string_view keys, std::string_view cards = "",
                         std::string_view options = "") {
    return Header() + std::string(keys) + Lines({kEndOfKeyFileMarker, kStartOfCardFileMarker}) +
           std::string(cards) + Lines({kEndOfCardFileMarker, kStartOfKeyBoardSetFileMarker}) +
           std::string(options) + Lines({kEndOfKeyBoardSetFileMarker, kEndOfFileMarker});
}

std::vector<KeyCode> CodesOf(const KeyboardImage& image, int button, int layer) {
    const auto codes = image.buttons[button].Codes(layer);
    return {codes.begin(), codes.end()};
}

class DataFileLoadTest : public ::testing::Test {
  protected:
    std::unique_ptr<KeyboardImage> owned = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *owned;
    std::vector<DataFileProblem> problems;
    std::vector<std::pair<int, std::string>> refreshed;

    DataFileLoadResult Load(std::string_view text) {
        DataFileLoadHooks hooks;
        hooks.onProblem = [this](const DataFileProblem& problem) { problems.push_back(problem); };
        hooks.onButtonRefreshed = [this](int button, const std::string& caption) {
            refreshed.emplace_back(button, caption);
        };
        return LoadDataFileText(image, text, hooks);
    }

    bool HasProblem(DataFileProblemKind kind, int line) const {
        for (const DataFileProblem& problem : problems) {
            if (problem.kind == kind && problem.line == line) {
                return true;
            }
        }
        return false;
    }
};

void FillEveryLayer(KeyboardImage& image) {
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            std::vector<KeyCode> codes(static_cast<std::size_t>((button + layer) % 56));
            for (std::size_t i = 0; i < codes.size(); ++i) {
                codes[i] = static_cast<KeyCode>((button * 7 + layer * 3 + i) % 256);
            }
            ASSERT_TRUE(image.StoreKeyRecord(button, layer, codes));
        }
    }
    image.tracks[0] = CardTrackSetting{0, 0, 0, 0, 0, 0, 0, 66, 30};
    image.tracks[1].prefixKey = 15;
    image.StoreOptions({0, 1, 1, 1});
}

TEST_F(DataFileLoadTest, SavedFileLoadsBackEveryCodeTrackAndOption) {
    auto source = std::make_unique<KeyboardImage>();
    FillEveryLayer(*source);
    source->buttons[7].keyCodes[2].fill(0);
    ASSERT_TRUE(source->StoreKeyRecord(7, 2, std::vector<KeyCode>(MaxKeysPerLayer, 55)));

    TemporaryFolder folder;
    const auto path = folder / "full.dat";
    ASSERT_TRUE(SaveDataFile(*source, path, "full.dat", std::tm{}).ok);
    DataFileCommands commands;
    const DataFileLoadResult result = commands.Load(image, path);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_TRUE(result.reachedEndOfFile);
    EXPECT_EQ(result.keyRecordsApplied, ButtonCount * LayerCount);
    EXPECT_EQ(result.trackRecordsApplied, 3);
    EXPECT_EQ(result.optionRecordsApplied, 1);
    EXPECT_EQ(commands.lastDataFilePath, path);
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            ASSERT_EQ(CodesOf(image, button, layer), CodesOf(*source, button, layer))
                << "button " << button << " layer " << layer;
            EXPECT_EQ(image.buttons[button].editCount[layer],
                      image.buttons[button].keyCount[layer]);
        }
    }
    EXPECT_EQ(image.buttons[7].keyCount[2], MaxKeysPerLayer);
    for (int t = 0; t < TrackCount; ++t) {
        EXPECT_EQ(image.TrackEntryOf(t).mode, source->TrackEntryOf(t).mode);
        EXPECT_EQ(image.tracks[t].suffixKey, source->tracks[t].suffixKey);
        EXPECT_EQ(image.tracks[t].prefixKey, source->tracks[t].prefixKey);
    }
    EXPECT_EQ(image.OptionBytes(), source->OptionBytes());
}

TEST_F(DataFileLoadTest, StartUpImageRoundTripChangesNothing) {
    auto source = std::make_unique<KeyboardImage>();
    ASSERT_TRUE(image.StoreKeyRecord(3, 1, std::vector<KeyCode>{4}));
    image.tracks[1].enabled = 0;
    image.StoreOptions({0, 1, 1, 1});
    const DataFileLoadResult result = Load(FormatDataFile(*source, "a.dat", std::tm{}));
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(image.buttons[3].keyCount[1], 0);
    EXPECT_EQ(image.tracks[1].enabled, 1);
    EXPECT_EQ(image.OptionBytes(), source->OptionBytes());
    EXPECT_EQ(refreshed.size(), 504u);
}

TEST_F(DataFileLoadTest, KeyRecordDerivesTextsAndReportsTheButtonsCaption) {
    ASSERT_TRUE(Load(WithSections(Lines({"<12 1 67 69 84 >", "<13 1 110 >"}))).ok());
    EXPECT_EQ(image.buttons[12].layerText[1], "LCtrl+LAlt+Delete");
    EXPECT_EQ(image.buttons[12].keyText[1][2], "Delete");
    EXPECT_EQ(image.buttons[13].hasLayerKey, 1u);
    ASSERT_EQ(refreshed.size(), 2u);
    EXPECT_EQ(refreshed[0], std::make_pair(12, std::string("LCtr...")));
    EXPECT_EQ(refreshed[1], std::make_pair(13, std::string("L3")));
}

TEST_F(DataFileLoadTest, NumberBeforeTheClosingBracketNeedsItsSpace) {
    ASSERT_TRUE(Load(WithSections(Lines({"<5 2 4 5 6>"}))).ok());
    EXPECT_EQ(CodesOf(image, 5, 2), (std::vector<KeyCode>{4, 5}));
}

TEST_F(DataFileLoadTest, TwoSpacesStoreAZero) {
    ASSERT_TRUE(Load(WithSections(Lines({"<5 2  4 >"}))).ok());
    EXPECT_EQ(CodesOf(image, 5, 2), (std::vector<KeyCode>{0, 4}));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kEmptyNumber, 15));
}

TEST_F(DataFileLoadTest, NumbersKeepTheirLowByteAndLettersEndThem) {
    ASSERT_TRUE(Load(WithSections(Lines({"<1 1 300 -1 +7 12ab x9 >"}))).ok());
    EXPECT_EQ(CodesOf(image, 1, 1), (std::vector<KeyCode>{44, 255, 7, 12, 0}));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kMalformedNumber, 15));
}

TEST_F(DataFileLoadTest, LinesAfterEndOfFileAreNeverRead) {
    const std::string text = WithSections(Lines({"<1 1 4 >"})) + Lines({"<2 1 4 >"});
    ASSERT_TRUE(Load(text + "<3 1 4 >").ok());
    EXPECT_EQ(image.buttons[1].keyCount[1], 1);
    EXPECT_EQ(image.buttons[2].keyCount[1], 0);
    EXPECT_EQ(image.buttons[3].keyCount[1], 0);
}

TEST_F(DataFileLoadTest, ASecondCardMarkerMakesTheFollowingRecordsOptions) {
    const std::string text =
        Header() + Lines({kStartOfCardFileMarker, "<0 0 0 0 30 0 31 >", kStartOfCardFileMarker,
                          "<0 1 1 0 >", kEndOfFileMarker});
    ASSERT_TRUE(Load(text).ok());
    EXPECT_EQ(image.tracks[0].enabled, 0);
    EXPECT_EQ(image.tracks[0].prefixKey, 30);
    EXPECT_EQ(image.OptionBytes(), (std::array<std::uint8_t, 4>{0, 1, 1, 0}));
}

TEST_F(DataFileLoadTest, RecordsAfterAThirdMarkerAreIgnored) {
    const std::string extra =
        Header() + Lines({kStartOfCardFileMarker, kStartOfCardFileMarker, kStartOfCardFileMarker,
                          "<0 1 1 1 >", kEndOfFileMarker});
    ASSERT_TRUE(Load(extra).ok());
    EXPECT_EQ(image.OptionBytes(), (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kExtraSectionMarker, 17));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kRecordInUnknownSection, 18));
}

TEST_F(DataFileLoadTest, PartialFileLeavesWhatItDoesNotNameAndSaysWhatIsMissing) {
    ASSERT_TRUE(image.StoreKeyRecord(9, 4, std::vector<KeyCode>{30, 31}));
    image.StoreOptions({0, 1, 0, 1});
    const DataFileLoadResult result = Load(Header() + Lines({"<1 1 4 >"}));
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result.reachedEndOfFile);
    EXPECT_EQ(CodesOf(image, 1, 1), (std::vector<KeyCode>{4}));
    EXPECT_EQ(CodesOf(image, 9, 4), (std::vector<KeyCode>{30, 31}));
    EXPECT_EQ(image.OptionBytes(), (std::array<std::uint8_t, 4>{0, 1, 0, 1}));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kMissingSection, 16));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kMissingEndOfFile, 16));
}

TEST_F(DataFileLoadTest, RecordsOutsideTheImageAreSkipped) {
    const DataFileLoadResult result = Load(WithSections(
        Lines({"<0 1 4 >", "<85 1 4 >", "<1 0 4 >", "<1 7 4 >", "<1 >", "<>", "<2 6 >"}),
        Lines({"<3 0 0 0 0 0 0 >", "<1 0 1 0 20 0 21 >"})));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.keyRecordsApplied, 1);
    EXPECT_EQ(result.trackRecordsApplied, 1);
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kButtonOutOfRange, 15));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kButtonOutOfRange, 16));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kLayerOutOfRange, 17));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kLayerOutOfRange, 18));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kKeyRecordTooShort, 19));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kKeyRecordTooShort, 20));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kTrackOutOfRange, 24));
    EXPECT_EQ(image.tracks[1].prefixKey, 20);
    EXPECT_EQ(image.tracks[0].enabled, 1);
}

TEST_F(DataFileLoadTest, MoreThan55CodesKeepTheFirst55) {
    std::string line = "<4 4 ";
    for (int i = 0; i < 70; ++i) {
        line += std::to_string(i + 1) + " ";
    }
    ASSERT_TRUE(Load(WithSections(line + ">\r\n")).ok());
    const std::vector<KeyCode> codes = CodesOf(image, 4, 4);
    ASSERT_EQ(codes.size(), 55u);
    EXPECT_EQ(codes.front(), 1);
    EXPECT_EQ(codes.back(), 55);
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kTooManyCodes, 15));
}

TEST_F(DataFileLoadTest, RecordSplitOverLinesLosesTheNumbersOfItsFirstLine) {
    ASSERT_TRUE(Load(WithSections(Lines({"<5 2 ", "4 >", "<6 1 7 >"}))).ok());
    EXPECT_EQ(image.buttons[5].keyCount[2], 0);
    EXPECT_EQ(CodesOf(image, 6, 1), (std::vector<KeyCode>{7}));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kRecordSpansLines, 16));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kButtonOutOfRange, 16));
}

TEST_F(DataFileLoadTest, BareLineFeedsWorkLikeCrLf) {
    std::string text = WithSections(Lines({"<8 3 20 21 >"}));
    std::string bare;
    for (char c : text) {
        if (c != '\r') {
            bare += c;
        }
    }
    ASSERT_TRUE(Load(bare).ok());
    EXPECT_EQ(CodesOf(image, 8, 3), (std::vector<KeyCode>{20, 21}));
}

TEST_F(DataFileLoadTest, UnassignedCodesAreKeptAndReported) {
    ASSERT_TRUE(Load(WithSections(Lines({"<2 2 120 4 >"}))).ok());
    EXPECT_EQ(CodesOf(image, 2, 2), (std::vector<KeyCode>{120, 4}));
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kUnassignedCode, 15));
}

TEST_F(DataFileLoadTest, ShortHeaderLineRefusesTheFileBeforeLoadingAnything) {
    std::string text = WithSections(Lines({"<1 1 4 >"}));
    text.replace(text.find("*    \r\n"), 7, "*  \r\n");  // line 5 (index 4) now 3 characters
    const DataFileLoadResult result = Load(text);
    EXPECT_EQ(result.status, DataFileLoadStatus::kInvalidHeader);
    EXPECT_EQ(result.error, "The parameter is incorrect.");
    EXPECT_EQ(image.buttons[1].keyCount[1], 0);
    EXPECT_TRUE(HasProblem(DataFileProblemKind::kHeaderTooShort, 5));
}

TEST_F(DataFileLoadTest, EmptyAndOneLineFilesAreRefused) {
    EXPECT_EQ(Load("").status, DataFileLoadStatus::kInvalidHeader);
    EXPECT_EQ(Load("*\r\n").status, DataFileLoadStatus::kInvalidHeader);
    EXPECT_EQ(Load(Header().substr(0, Header().rfind("*            <"))).status,
              DataFileLoadStatus::kInvalidHeader);
}

TEST_F(DataFileLoadTest, HeaderLineOfExactlyItsNumberPassesAndABracketEndsTheHeader) {
    // Line 3 (index 2) holds two characters; line 4 has "<" at index 3 and is the last
    // header line, so the record on line 5 is read.
    const std::string text =
        "\r\n*\r\n**\r\n***< \r\n<6 6 9 >\r\n" + std::string(kEndOfFileMarker) + "\r\n";
    ASSERT_TRUE(Load(text).ok());
    EXPECT_EQ(CodesOf(image, 6, 6), (std::vector<KeyCode>{9}));
}

TEST_F(DataFileLoadTest, MissingFileAndFolderAreRefusedWithTheImageUnchanged) {
    ASSERT_TRUE(image.StoreKeyRecord(1, 1, std::vector<KeyCode>{4}));
    TemporaryFolder folder;
    DataFileLoadResult result = LoadDataFile(image, folder / "none.dat");
    EXPECT_EQ(result.status, DataFileLoadStatus::kCannotOpen);
    EXPECT_NE(result.error.find("none.dat"), std::string::npos) << result.error;
    result = LoadDataFile(image, folder.path());
    EXPECT_EQ(result.status, DataFileLoadStatus::kCannotOpen);
    EXPECT_EQ(CodesOf(image, 1, 1), (std::vector<KeyCode>{4}));
}

TEST_F(DataFileLoadTest, SilentLoadNeedsNoHooks) {
    TemporaryFolder folder;
    WriteBytes(folder / "a.dat", WithSections(Lines({"<1 1 4  x >", "<99 1 >"})));
    const DataFileLoadResult result = LoadDataFile(image, folder / "a.dat");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(CodesOf(image, 1, 1), (std::vector<KeyCode>{4, 0, 0}));
}

TEST_F(DataFileLoadTest, CheckGathersEveryProblemAndTheSummaryListsTenWithTheirLines) {
    TemporaryFolder folder;
    std::string keys;
    for (int i = 0; i < 12; ++i) {
        keys += "<99 1 >\r\n";  // a button outside the image, one problem each
    }
    WriteBytes(folder / "bad.dat", WithSections(keys));
    const DataFileCheck check = CheckDataFile(image, folder / "bad.dat");
    ASSERT_TRUE(check.result.ok());
    EXPECT_FALSE(check.clean());
    EXPECT_FALSE(check.HasRecords());
    ASSERT_EQ(check.problems.size(), 12u);

    const std::string english = DataFileProblemSummary(check.problems, InterfaceLanguage::kEnglish);
    EXPECT_EQ(std::ranges::count(english, '\n'), 10);
    EXPECT_TRUE(english.starts_with("Line 15: ")) << english;
    EXPECT_TRUE(english.ends_with("\n... and 2 more")) << english;
    const std::string chinese = DataFileProblemSummary(check.problems, InterfaceLanguage::kChinese);
    EXPECT_TRUE(chinese.starts_with("第15行：")) << chinese;
    EXPECT_TRUE(chinese.ends_with("……另有2处问题")) << chinese;
    EXPECT_EQ(DataFileProblemSummary({}, InterfaceLanguage::kEnglish), "");
}

}  // namespace
}  // namespace tolvane
