// Legend sheets, read back with a real XML parser.
#include "tolvane/legend/LegendSheet.h"

#include <expat.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "examples/TillLayout.h"
#include "tolvane/legend/CutMarks.h"
#include "tolvane/legend/ReadableText.h"
#include "tolvane/legend/SvgText.h"
#include "tolvane/legend/TextFit.h"

namespace tolvane {
namespace {

struct Box {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// What a page holds: its keys (in document order, with their inserts and cut marks) and
// every text.
struct ParsedPage {
    bool wellFormed = false;
    std::vector<int> buttons;
    std::map<int, std::pair<double, double>> keyCorner;  // first rect of each key group
    std::map<int, Box> insert;                           // the same rect
    std::map<int, std::vector<Box>> marks;               // its lines
    std::vector<std::string> texts;
};

struct ParseState {
    ParsedPage page;
    int currentButton = 0;
    bool inText = false;
    std::string text;
};

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto& state = *static_cast<ParseState*>(data);
    std::map<std::string, std::string> attrs;
    for (int i = 0; attributes[i] != nullptr; i += 2) {
        attrs[attributes[i]] = attributes[i + 1];
    }
    const std::string element = name;
    if (element == "g" && attrs["id"].rfind("button-", 0) == 0) {
        state.currentButton = std::stoi(attrs["id"].substr(7));
        state.page.buttons.push_back(state.currentButton);
    } else if (element == "rect" && state.currentButton != 0 &&
               !state.page.keyCorner.contains(state.currentButton)) {
        const double x = std::stod(attrs["x"]);
        const double y = std::stod(attrs["y"]);
        state.page.keyCorner[state.currentButton] = {x, y};
        state.page.insert[state.currentButton] = {x, y, x + std::stod(attrs["width"]),
                                                  y + std::stod(attrs["height"])};
    } else if (element == "line" && state.currentButton != 0) {
        const double x1 = std::stod(attrs["x1"]);
        const double x2 = std::stod(attrs["x2"]);
        const double y1 = std::stod(attrs["y1"]);
        const double y2 = std::stod(attrs["y2"]);
        state.page.marks[state.currentButton].push_back(
            {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    } else if (element == "text") {
        state.inText = true;
        state.text.clear();
    }
}

void OnEnd(void* data, const XML_Char* name) {
    auto& state = *static_cast<ParseState*>(data);
    if (std::string(name) == "text") {
        state.page.texts.push_back(state.text);
        state.inText = false;
    } else if (std::string(name) == "g") {
        state.currentButton = 0;
    }
}

void OnCharacters(void* data, const XML_Char* characters, int length) {
    auto& state = *static_cast<ParseState*>(data);
    if (state.inText) {
        state.text.append(characters, static_cast<std::size_t>(length));
    }
}

ParsedPage Parse(const std::string& svg) {
    ParseState state;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(parser, OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser, OnCharacters);
    state.page.wellFormed =
        XML_Parse(parser, svg.data(), static_cast<int>(svg.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return state.page;
}

KeyCode CodeNamed(std::string_view name) {
    for (std::size_t code = 0; code < KeyNameTable.size(); ++code) {
        if (KeyNameTable[code].plainName == name) {
            return static_cast<KeyCode>(code);
        }
    }
    return 0;
}

bool HasText(const ParsedPage& page, std::string_view text) {
    return std::find(page.texts.begin(), page.texts.end(), text) != page.texts.end();
}

std::vector<std::string> PageNames(const std::vector<LegendPage>& pages) {
    std::vector<std::string> names;
    for (const LegendPage& page : pages) {
        names.push_back(page.name);
    }
    return names;
}

// Between two boxes (lines are boxes without width or height); 0 when they touch.
double Distance(const Box& a, const Box& b) {
    const double dx = std::max({0.0, a.x1 - b.x2, b.x1 - a.x2});
    const double dy = std::max({0.0, a.y1 - b.y2, b.y1 - a.y2});
    return std::hypot(dx, dy);
}

// Two marks on one cut line: both horizontal at one height or both vertical at one place.
bool OnOneLine(const Box& a, const Box& b) {
    constexpr double kRounding = 0.011;
    const bool bothHorizontal = a.y1 == a.y2 && b.y1 == b.y2;
    const bool bothVertical = a.x1 == a.x2 && b.x1 == b.x2;
    return (bothHorizontal && std::fabs(a.y1 - b.y1) < kRounding) ||
           (bothVertical && std::fabs(a.x1 - b.x1) < kRounding);
}

class LegendSheetTest : public ::testing::Test {
  protected:
    std::unique_ptr<KeyboardImage> owned = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *owned;
    std::unique_ptr<LegendLabels> ownedLabels = std::make_unique<LegendLabels>();
    LegendLabels& labels = *ownedLabels;
    LegendOptions options;
};

TEST_F(LegendSheetTest, PagesAreWellFormedAndEscapeTheSpecialNames) {
    // Shifted ",", "." and "7" are named "<", ">" and "&".
    ASSERT_TRUE(image.StoreKeyRecord(
        1, 1, std::vector<KeyCode>{kLeftShift, CodeNamed(","), CodeNamed("."), CodeNamed("7")}));
    image.StoreKeyRecord(2, 1, std::vector<KeyCode>{0x04});
    options.title = "a&b <shop>.dat\xff";
    labels.Set(3, 1, "<V>&\"C\"");
    const std::vector<LegendPage> pages = RenderLegendSheets(image, labels, options);
    ASSERT_EQ(PageNames(pages), (std::vector<std::string>{"layer1", "overview", "table"}));
    for (const LegendPage& page : pages) {
        EXPECT_TRUE(Parse(page.svg).wellFormed) << page.name;
    }
    const ParsedPage layer1 = Parse(pages[0].svg);
    std::string shown;
    for (const std::string& text : layer1.texts) {
        shown += text;
    }
    EXPECT_TRUE(HasText(layer1, "<>&"));
    EXPECT_TRUE(HasText(layer1, "F3"));
    EXPECT_TRUE(HasText(layer1, "<V>&\"C\""));
    EXPECT_EQ(layer1.texts.front().rfind("a&b <shop>.dat\xEF\xBF\xBD", 0), 0u);
}

TEST_F(LegendSheetTest, KeysStandInPanelOrderAtTheirPlacesToScale) {
    const ParsedPage page = Parse(RenderLayerLegend(image, labels, 1, options).front().svg);
    ASSERT_EQ(page.buttons.size(), 66u);
    EXPECT_TRUE(std::is_sorted(page.buttons.begin(), page.buttons.end()));
    EXPECT_EQ(std::count(page.buttons.begin(), page.buttons.end(), 6), 0);  // never shown
    // Button 7 is one column left of button 1, one key pitch away; 2 is the row below 1.
    EXPECT_NEAR(page.keyCorner.at(1).first - page.keyCorner.at(7).first, 19.05, 0.01);
    EXPECT_NEAR(page.keyCorner.at(1).first, page.keyCorner.at(2).first, 0.01);
    EXPECT_GT(page.keyCorner.at(2).second, page.keyCorner.at(1).second);

    options.keyPitchMm = 15;
    const ParsedPage smaller = Parse(RenderLayerLegend(image, labels, 1, options).front().svg);
    EXPECT_NEAR(smaller.keyCorner.at(1).first - smaller.keyCorner.at(7).first, 15, 0.01);
}

TEST_F(LegendSheetTest, ATextTooLongForItsKeyEndsInAnEllipsisAndIsListedInFull) {
    std::vector<KeyCode> codes(MaxKeysPerLayer, 0x04);
    ASSERT_TRUE(image.StoreKeyRecord(13, 2, codes));
    const std::string full = ReadableTextOf(image.buttons[13].Codes(2));
    const std::vector<LegendPage> pages = RenderLayerLegend(image, labels, 2, options);
    const ParsedPage page = Parse(pages.front().svg);
    bool ellipsis = false;
    for (const std::string& text : page.texts) {
        ellipsis = ellipsis || text.ends_with("\xE2\x80\xA6");
    }
    EXPECT_TRUE(ellipsis);
    // The note holds the whole text, wrapped over its lines.
    std::string notes;
    for (const LegendPage& each : pages) {
        for (const std::string& text : Parse(each.svg).texts) {
            notes += text;
        }
    }
    EXPECT_NE(notes.find("1. Button 13: "), std::string::npos);
    EXPECT_NE(notes.find(full.substr(full.size() - 20)), std::string::npos);
    EXPECT_TRUE(RenderLayerLegend(image, labels, 7, options).empty());
}

TEST_F(LegendSheetTest, KeysPrintTheirLabelsAndOnlyTheLayersChosenGetPages) {
    examples::BuildTillLayout(image);
    labels.Set(28, 1, "SUBTOTAL");
    const auto textsOf = [&](int layer) {
        return Parse(RenderLayerLegend(image, labels, layer, options).front().svg);
    };
    EXPECT_TRUE(HasText(textsOf(1), "SUBTOTAL"));
    EXPECT_FALSE(HasText(textsOf(1), "TOTAL⏎"));
    EXPECT_TRUE(HasText(textsOf(1), "Ctrl+V"));  // no label: what it types
    options.useLabels = false;
    EXPECT_TRUE(HasText(textsOf(1), "TOTAL⏎"));
    EXPECT_FALSE(HasText(textsOf(1), "SUBTOTAL"));
    options.useLabels = true;

    // The till layout uses two layers; a label alone makes a layer worth a page too.
    const auto pagesOf = [&] { return PageNames(RenderLegendSheets(image, labels, options)); };
    EXPECT_EQ(pagesOf(), (std::vector<std::string>{"layer1", "layer2", "overview", "table"}));
    labels.Set(40, 5, "MANAGER");
    EXPECT_EQ(pagesOf(),
              (std::vector<std::string>{"layer1", "layer2", "layer5", "overview", "table"}));
    options.layers = std::vector<int>{3, 1};
    EXPECT_EQ(pagesOf(), (std::vector<std::string>{"layer1", "layer3", "overview", "table"}));
    options.skipEmptyLayers = true;
    EXPECT_EQ(pagesOf(), (std::vector<std::string>{"layer1", "overview", "table"}));

    // The overview shows the layers chosen and no others.
    const ParsedPage overview = Parse(RenderLegendSheets(image, labels, options)[1].svg);
    EXPECT_TRUE(HasText(overview, "SUBTOTAL"));
    EXPECT_FALSE(HasText(overview, "Alt+F4"));  // button 28 on layer 2
}

TEST_F(LegendSheetTest, CutMarksKeepClearOfOtherKeysAndMarkEveryEdge) {
    for (const double pitch : {kDefaultKeyPitchMm, kSmallestKeyPitchMm, 25.0}) {
        options.keyPitchMm = pitch;
        const ParsedPage page = Parse(RenderLayerLegend(image, labels, 1, options).front().svg);
        std::vector<std::pair<int, Box>> allMarks;
        for (const auto& [button, marks] : page.marks) {
            for (const Box& mark : marks) {
                allMarks.emplace_back(button, mark);
            }
        }
        for (const auto& [button, mark] : allMarks) {
            for (const auto& [other, insert] : page.insert) {
                if (other != button) {
                    EXPECT_GE(Distance(mark, insert), kMarkClearance - 0.02)
                        << "a mark of " << button << " runs into " << other << ", pitch " << pitch;
                }
            }
            for (const auto& [other, otherMark] : allMarks) {
                if (other != button && !OnOneLine(mark, otherMark)) {
                    EXPECT_GE(Distance(mark, otherMark), kMarkClearance - 0.02)
                        << "marks of " << button << " and " << other << ", pitch " << pitch;
                }
            }
        }
        // Every edge of every insert has a mark on its line, its own or a neighbour's, near
        // it; at the smallest pitch the keys stand so close that their inserts tile, and
        // the lines are marked where they leave the block.
        for (const auto& [button, insert] : page.insert) {
            if (pitch == kSmallestKeyPitchMm) {
                break;
            }
            for (const Box edge : {Box{insert.x1, insert.y1, insert.x2, insert.y1},
                                   Box{insert.x1, insert.y2, insert.x2, insert.y2},
                                   Box{insert.x1, insert.y1, insert.x1, insert.y2},
                                   Box{insert.x2, insert.y1, insert.x2, insert.y2}}) {
                EXPECT_TRUE(std::any_of(allMarks.begin(), allMarks.end(),
                                        [&](const auto& mark) {
                                            return OnOneLine(edge, mark.second) &&
                                                   Distance(edge, mark.second) < 2.5;
                                        }))
                    << "button " << button << ", pitch " << pitch;
            }
        }
        // The small keys beside the dial stand closer than their marks need: 80 and 79
        // share one cut line.
        EXPECT_NEAR(page.insert.at(80).x2, page.insert.at(79).x1, 0.011) << pitch;
    }
}

TEST(TextFitTest, WrapsAtPlusSignsThenShrinksThenEllipsizes) {
    const FittedText big = FitText("F1", 15, 15);
    EXPECT_DOUBLE_EQ(big.fontSize, 3.2);
    EXPECT_EQ(big.lines, std::vector<std::string>{"F1"});

    const FittedText wrapped = FitText("LCtrl+LAlt+Delete", 14, 14);
    EXPECT_FALSE(wrapped.truncated);
    EXPECT_GT(wrapped.lines.size(), 1u);
    EXPECT_EQ(wrapped.lines.front().back(), '+');
    for (const std::string& line : wrapped.lines) {
        EXPECT_LE(EstimatedWidth(line, wrapped.fontSize), 14);
    }

    // A name is shrunk rather than split, while it can be.
    const FittedText shrunk = FitText("num_Enter", 14, 14);
    EXPECT_EQ(shrunk.lines, std::vector<std::string>{"num_Enter"});
    EXPECT_LT(shrunk.fontSize, 3.2);

    const FittedText cut = FitText(std::string(200, 'W'), 14, 14);
    EXPECT_TRUE(cut.truncated);
    EXPECT_EQ(cut.lines.size(), 3u);
    EXPECT_TRUE(cut.lines.back().ends_with("\xE2\x80\xA6"));
    EXPECT_LE(EstimatedWidth(cut.lines.back(), cut.fontSize), 14);
}

TEST(SvgTextTest, EscapesMarkupAndRepairsBrokenText) {
    EXPECT_EQ(XmlText("<a & 'b'>\""), "&lt;a &amp; &apos;b&apos;&gt;&quot;");
    EXPECT_EQ(XmlText("x\x01y"), "xy");
    EXPECT_EQ(XmlText("\xE4\xB8\xAD\xC3"), "\xE4\xB8\xAD\xEF\xBF\xBD");
    EXPECT_EQ(Millimetres(12.345), "12.35");
    EXPECT_EQ(Millimetres(3.10), "3.1");
    EXPECT_EQ(Millimetres(-0.001), "0");
}

}  // namespace
}  // namespace tolvane
