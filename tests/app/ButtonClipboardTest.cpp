#include "tolvane/app/ButtonClipboard.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tolvane {
namespace {

constexpr KeyCode kA = 43, kB = 60, kC = 58, kLayer2 = 0x6D;

class ButtonClipboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Assign(3, 1, {kA});
        Assign(3, 4, {kB, kC});
        Assign(9, 1, {kC});
    }

    void Assign(int button, int layer, std::vector<KeyCode> codes) {
        ASSERT_TRUE(image.StoreKeyRecord(button, layer, codes));
        image.DeriveLayerTexts(button, layer);
    }

    std::vector<KeyCode> Codes(int button, int layer) const {
        const auto codes = image.buttons[button].Codes(layer);
        return {codes.begin(), codes.end()};
    }

    std::unique_ptr<KeyboardImage> owned = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *owned;
    ButtonClipboard clipboard;
};

TEST_F(ButtonClipboardTest, PastesAllSixLayersOrTheCopiedLayerOntoTheCurrentOne) {
    EXPECT_FALSE(clipboard.HasContent());
    EXPECT_TRUE(clipboard.Paste(image, 9).empty());

    clipboard.CopyButton(image, 3);
    Assign(3, 1, {kC});  // the copy is taken when copied
    EXPECT_EQ(clipboard.Paste(image, 9), (TouchedButtons{9}));
    EXPECT_EQ(Codes(9, 1), (std::vector<KeyCode>{kA}));
    EXPECT_EQ(Codes(9, 4), (std::vector<KeyCode>{kB, kC}));
    EXPECT_EQ(image.buttons[9].layerText[4], "b+c");

    image.selection.currentLayer = 4;
    clipboard.CopyLayer(image, 3);
    image.selection.currentLayer = 2;
    EXPECT_EQ(clipboard.Paste(image, 20), (TouchedButtons{20}));
    EXPECT_EQ(clipboard.Paste(image, 21), (TouchedButtons{21}));  // a paste keeps the copy
    EXPECT_EQ(Codes(20, 2), (std::vector<KeyCode>{kB, kC}));
    EXPECT_TRUE(Codes(20, 4).empty());

    // Onto a layer key, which occupies every layer: the other five go too.
    for (int layer = 1; layer <= LayerCount; ++layer) {
        Assign(30, layer, {kLayer2});
    }
    clipboard.Paste(image, 30);
    EXPECT_EQ(Codes(30, 2), (std::vector<KeyCode>{kB, kC}));
    EXPECT_TRUE(Codes(30, 1).empty());
    EXPECT_EQ(image.buttons[30].hasLayerKey, 0u);

    EXPECT_TRUE(clipboard.Paste(image, 85).empty());
}

TEST_F(ButtonClipboardTest, DropMovesCopiesOrSwapsAllSixLayers) {
    EXPECT_EQ(DropActionFor(false, false), DropAction::kMove);
    EXPECT_EQ(DropActionFor(true, false), DropAction::kCopy);
    EXPECT_EQ(DropActionFor(false, true), DropAction::kSwap);
    EXPECT_EQ(DropActionFor(true, true), DropAction::kSwap);

    struct Case {
        DropAction action;
        std::vector<KeyCode> draggedAfter;  // on layer 1 of button 3
        std::vector<KeyCode> targetAfter;   // on layer 1 of button 9
    };
    for (const Case& c : {Case{DropAction::kMove, {}, {kA}}, Case{DropAction::kCopy, {kA}, {kA}},
                          Case{DropAction::kSwap, {kC}, {kA}}}) {
        image.Reset();
        SetUp();
        EXPECT_EQ(DropButton(image, 3, 9, c.action), (TouchedButtons{3, 9}));
        EXPECT_EQ(Codes(3, 1), c.draggedAfter) << static_cast<int>(c.action);
        EXPECT_EQ(Codes(9, 1), c.targetAfter) << static_cast<int>(c.action);
        EXPECT_EQ(Codes(9, 4), (std::vector<KeyCode>{kB, kC})) << static_cast<int>(c.action);
    }
    EXPECT_TRUE(DropButton(image, 9, 9, DropAction::kMove).empty());
    EXPECT_TRUE(DropButton(image, 0, 9, DropAction::kMove).empty());
    EXPECT_EQ(Codes(9, 1), (std::vector<KeyCode>{kA}));
}

}  // namespace
}  // namespace tolvane
