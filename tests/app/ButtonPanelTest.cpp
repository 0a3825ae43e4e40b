// UTF-8 source: the Chinese hover prefixes are checked as shown.
#include "tolvane/app/ButtonPanel.h"

#include <gtest/gtest.h>

#include <memory>

namespace tolvane {
namespace {

KeyCode CodeNamed(std::string_view name) {
    for (std::size_t code = 0; code < KeyNameTable.size(); ++code) {
        if (KeyNameTable[code].plainName == name) {
            return static_cast<KeyCode>(code);
        }
    }
    ADD_FAILURE() << "no key named " << name;
    return 0;
}

class ButtonPanelTest : public ::testing::Test {
  protected:
    void Assign(int button, int layer, std::vector<KeyCode> codes) {
        ASSERT_TRUE(image.StoreKeyRecord(button, layer, codes));
        image.DeriveLayerTexts(button, layer);
    }

    std::unique_ptr<KeyboardImage> owned = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *owned;
};

TEST_F(ButtonPanelTest, HoverTextListsEveryLayerOrALayerKeysFirstLayer) {
    Assign(5, 1, {CodeNamed("LCtrl"), CodeNamed("c")});
    Assign(5, 3, {CodeNamed("a")});
    EXPECT_EQ(HoverText(image, 5, InterfaceLanguage::kEnglish), "Layer1:LCtrl+c Layer3:a ");
    EXPECT_EQ(HoverText(image, 5, InterfaceLanguage::kChinese), "第1层：LCtrl+c 第3层：a ");
    EXPECT_EQ(HoverText(image, 6, InterfaceLanguage::kEnglish), "");
    EXPECT_EQ(HoverText(image, 85, InterfaceLanguage::kEnglish), "");

    // On a layer-key button only the first layer's text shows, whatever else it holds.
    Assign(9, 2, {0x6E});
    Assign(9, 1, {CodeNamed("a")});
    image.selection.currentLayer = 2;
    EXPECT_EQ(HoverText(image, 9, InterfaceLanguage::kEnglish), "a");
    // A special key (code 150 and up) is not a layer key: the layers are listed.
    Assign(10, 2, {150});
    EXPECT_EQ(HoverText(image, 10, InterfaceLanguage::kEnglish).rfind("Layer2:", 0), 0u);
}

TEST_F(ButtonPanelTest, ToolTipGivesEveryLayersWholeTextALayerALine) {
    const std::vector<KeyCode> long55(55, CodeNamed("LAlt"));
    image.StoreKeyRecord(5, 2, long55);  // texts not derived: the tool tip reads the codes
    Assign(5, 6, {CodeNamed("LShift"), CodeNamed("c"), CodeNamed("LShift"), CodeNamed("d")});
    std::string alts = "LAlt";
    for (int i = 1; i < 55; ++i) {
        alts += "+LAlt";
    }
    EXPECT_EQ(ToolTipText(image, 5, InterfaceLanguage::kEnglish),
              "Layer2:" + alts + "\nLayer6:LShift+C+LShift+d");
    // A layer-key button lists its layers too, not the first one alone.
    for (const int layer : {1, 2}) {
        Assign(9, layer, {0x6E});
    }
    EXPECT_EQ(ToolTipText(image, 9, InterfaceLanguage::kChinese), "第1层：Layer3\n第2层：Layer3");
    EXPECT_EQ(ToolTipText(image, 6, InterfaceLanguage::kEnglish), "");
    EXPECT_EQ(ToolTipText(image, 0, InterfaceLanguage::kEnglish), "");
}

TEST_F(ButtonPanelTest, LayerSelectorTextChoosesTheLayerAndTouchesEveryButton) {
    EXPECT_EQ(SelectLayer(image, "Layer3").size(), 84u);
    EXPECT_EQ(image.selection.currentLayer, 3);
    EXPECT_TRUE(SelectLayer(image, "Layer7").empty());
    EXPECT_TRUE(SelectLayer(image, "layer2").empty());
    EXPECT_EQ(image.selection.currentLayer, 3);
}

TEST_F(ButtonPanelTest, ContextActionsClearLayersAndMakeLayerKeys) {
    image.selection.currentLayer = 2;
    Assign(4, 1, {CodeNamed("a")});
    Assign(4, 2, {CodeNamed("a"), CodeNamed("c")});
    image.buttons[4].editCount[2] = 3;
    EXPECT_EQ(DeleteCurrentLayer(image, 4), TouchedButtons{4});
    EXPECT_EQ(image.buttons[4].keyCount[2], 0);
    EXPECT_EQ(image.buttons[4].keyCodes[2][1], 0);
    EXPECT_EQ(image.buttons[4].layerText[2], "");
    EXPECT_EQ(image.buttons[4].keyCount[1], 1);  // other layers stay
    EXPECT_EQ(image.buttons[4].editCount[2], 3);

    // "Button layer set" then "Layer4": the layer key on all six layers.
    EXPECT_EQ(MakeLayerKey(image, 4, 0x6F), TouchedButtons{4});
    for (int layer = 1; layer <= LayerCount; ++layer) {
        EXPECT_EQ(image.buttons[4].keyCodes[layer][0], 0x6F);
        EXPECT_EQ(image.buttons[4].keyCount[layer], 1);
    }
    EXPECT_EQ(image.RefreshButton(4), "L4");
    EXPECT_EQ(HoverText(image, 4, InterfaceLanguage::kEnglish), "Layer4");
    EXPECT_EQ(image.buttons[4].hasLayerKey, 1u);

    // Deleting the current layer of a layer-key button clears all six.
    DeleteCurrentLayer(image, 4);
    for (int layer = 1; layer <= LayerCount; ++layer) {
        EXPECT_EQ(image.buttons[4].keyCount[layer], 0);
    }
    EXPECT_EQ(image.buttons[4].hasLayerKey, 0u);

    // A choice that is no layer key changes nothing.
    Assign(7, 1, {CodeNamed("a")});
    EXPECT_TRUE(MakeLayerKey(image, 7, 0).empty());
    EXPECT_TRUE(MakeLayerKey(image, 7, 150).empty());
    EXPECT_EQ(image.buttons[7].keyCount[1], 1);
    EXPECT_EQ(DeleteAllLayers(image, 7), TouchedButtons{7});
    EXPECT_EQ(image.buttons[7].keyCount[1], 0);
    EXPECT_TRUE(DeleteAllLayers(image, 0).empty());
}

TEST_F(ButtonPanelTest, ClickPreparesTheDialogForTheButton) {
    PrepareKeyDialogForButton(image, 12);
    EXPECT_EQ(image.buttons[12].buttonNo, 12);
    EXPECT_EQ(image.selection.currentButton, 12);
    EXPECT_EQ(image.selection.keyDialogForButton, 1);
}

TEST_F(ButtonPanelTest, ALabelShowsFirstInTheToolTipAndOnThePanelOnlyWhenAsked) {
    auto labels = std::make_unique<LegendLabels>();
    Assign(28, 1, {kLeftShift, CodeNamed("t"), CodeNamed("o"), kLeftShift, CodeNamed("Enter")});
    labels->Set(28, 1, "SUBTOTAL");
    labels->Set(29, 1, "VOID");
    EXPECT_EQ(PanelCaption(image, *labels, 28, false), "LShi...");
    EXPECT_EQ(PanelCaption(image, *labels, 28, true), "SUBTOTAL");
    EXPECT_EQ(PanelCaption(image, *labels, 30, true), "");
    EXPECT_EQ(ToolTipText(image, *labels, 28, InterfaceLanguage::kEnglish),
              "Button 28\nSUBTOTAL\nLayer1:LShift+T+O+LShift+Enter");
    EXPECT_EQ(ToolTipText(image, *labels, 29, InterfaceLanguage::kEnglish), "Button 29\nVOID");
    EXPECT_EQ(ToolTipText(image, *labels, 30, InterfaceLanguage::kEnglish), "Button 30");
    EXPECT_EQ(ToolTipText(image, *labels, 85, InterfaceLanguage::kEnglish), "");
    // The labels are the current layer's.
    image.selection.currentLayer = 2;
    EXPECT_EQ(PanelCaption(image, *labels, 28, true), "");
    EXPECT_EQ(ToolTipText(image, *labels, 28, InterfaceLanguage::kChinese),
              "按键 28\n第1层：LShift+T+O+LShift+Enter");
}

TEST_F(ButtonPanelTest, AccessibleNamesCarryTheCaptionAndTheUnshownButtonsListEveryLayer) {
    EXPECT_EQ(PanelButtonAccessibleName(67, "Enter", InterfaceLanguage::kEnglish),
              "Button 67: Enter");
    EXPECT_EQ(PanelButtonAccessibleName(7, "L4", InterfaceLanguage::kChinese), "按键 7：L4");
    EXPECT_EQ(PanelButtonAccessibleName(3, "", InterfaceLanguage::kEnglish), "Button 3");

    Assign(6, 1, {CodeNamed("a")});
    Assign(6, 3, {kLeftShift, CodeNamed("b")});
    const std::vector<UnshownButtonRow> rows = UnshownButtonRows(image);
    std::vector<int> buttons;
    for (const UnshownButtonRow& row : rows) {
        buttons.push_back(row.button);
    }
    EXPECT_EQ(buttons, (std::vector<int>{6, 12, 18, 24, 30, 36, 42, 48, 54, 60, 66, 72, 73, 74, 75,
                                         76, 77, 78}));
    EXPECT_EQ(rows[0].layerTexts,
              (std::array<std::string, LayerCount>{"a", "", "LShift+B", "", "", ""}));
}

}  // namespace
}  // namespace tolvane
