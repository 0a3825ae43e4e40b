// Legend sheets, read back with a real XML parser.
#include "tolvane/legend/LegendSheet.h"

#include <expat.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "tolvane/legend/SvgText.h"
#include "tolvane/legend/TextFit.h"

namespace tolvane {
namespace {

// What a page holds: its keys (in document order, with their rectangles) and every text.
struct ParsedPage {
    bool wellFormed = false;
    std::vector<int> buttons;
    std::map<int, std::pair<double, double>> keyCorner;  // first rect of each key group
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
        state.page.keyCorner[state.currentButton] = {std::stod(attrs["x"]), std::stod(attrs["y"])};
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

class LegendSheetTest : public ::testing::Test {
  protected:
    std::unique_ptr<KeyboardImage> owned = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *owned;
    LegendOptions options;
};

TEST_F(LegendSheetTest, PagesAreWellFormedAndEscapeTheSpecialNames) {
    // Shifted ",", "." and "7" are named "<", ">" and "&".
    ASSERT_TRUE(image.StoreKeyRecord(
        1, 1, std::vector<KeyCode>{kLeftShift, CodeNamed(","), CodeNamed("."), CodeNamed("7")}));
    image.StoreKeyRecord(2, 1, std::vector<KeyCode>{0x04});
    options.title = "a&b <shop>.dat\xff";
    const std::vector<LegendPage> pages = RenderLegendSheets(image, options);
    ASSERT_EQ(pages.size(), 8u);
    EXPECT_EQ(pages[0].name, "layer1");
    EXPECT_EQ(pages[6].name, "overview");
    EXPECT_EQ(pages[7].name, "table");
    for (const LegendPage& page : pages) {
        EXPECT_TRUE(Parse(page.svg).wellFormed) << page.name;
    }
    const ParsedPage layer1 = Parse(pages[0].svg);
    std::string shown;
    for (const std::string& text : layer1.texts) {
        shown += text;
    }
    EXPECT_EQ(LayerTextOf(image.buttons[1].Codes(1)), "LShift+<+>+&");
    EXPECT_NE(shown.find("LShift+<+>+&"), std::string::npos);
    EXPECT_TRUE(HasText(layer1, "F3"));
    EXPECT_EQ(layer1.texts.front().rfind("a&b <shop>.dat\xEF\xBF\xBD", 0), 0u);
}

TEST_F(LegendSheetTest, KeysStandInPanelOrderAtTheirPlacesToScale) {
    const ParsedPage page = Parse(RenderLayerLegend(image, 1, options).front().svg);
    ASSERT_EQ(page.buttons.size(), 66u);
    EXPECT_TRUE(std::is_sorted(page.buttons.begin(), page.buttons.end()));
    EXPECT_EQ(std::count(page.buttons.begin(), page.buttons.end(), 6), 0);  // never shown
    // Button 7 is one column left of button 1, one key pitch away; 2 is the row below 1.
    EXPECT_NEAR(page.keyCorner.at(1).first - page.keyCorner.at(7).first, 19.05, 0.01);
    EXPECT_NEAR(page.keyCorner.at(1).first, page.keyCorner.at(2).first, 0.01);
    EXPECT_GT(page.keyCorner.at(2).second, page.keyCorner.at(1).second);

    options.keyPitchMm = 15;
    const ParsedPage smaller = Parse(RenderLayerLegend(image, 1, options).front().svg);
    EXPECT_NEAR(smaller.keyCorner.at(1).first - smaller.keyCorner.at(7).first, 15, 0.01);
}

TEST_F(LegendSheetTest, ATextTooLongForItsKeyEndsInAnEllipsisAndIsListedInFull) {
    std::vector<KeyCode> codes(MaxKeysPerLayer, 0x04);
    ASSERT_TRUE(image.StoreKeyRecord(13, 2, codes));
    const std::string full = LayerTextOf(image.buttons[13].Codes(2));
    const std::vector<LegendPage> pages = RenderLayerLegend(image, 2, options);
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
    EXPECT_TRUE(RenderLayerLegend(image, 7, options).empty());
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
