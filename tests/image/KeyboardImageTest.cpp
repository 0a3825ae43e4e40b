#include "tolvane/image/KeyboardImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tolvane {
namespace {

class KeyboardImageTest : public ::testing::Test {
  protected:
    // The image is large; keep it off the test thread's stack.
    std::unique_ptr<KeyboardImage> owned = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *owned;

    void Store(int button, int layer, std::vector<KeyCode> codes) {
        ASSERT_TRUE(image.StoreKeyRecord(button, layer, codes));
    }
};

TEST_F(KeyboardImageTest, StartsEmptyWithDefaultTracksAndOptions) {
    for (int button = 1; button <= ButtonCount; ++button) {
        EXPECT_EQ(image.buttons[button].buttonNo, button);
        EXPECT_EQ(image.RefreshButton(button), "");
        for (int layer = 1; layer <= LayerCount; ++layer) {
            EXPECT_EQ(image.buttons[button].keyCount[layer], 0);
            EXPECT_EQ(image.buttons[button].layerText[layer], "");
        }
    }
    for (const CardTrackSetting& track : image.tracks) {
        EXPECT_EQ(track.enabled, 1);
        EXPECT_EQ(track.enterAtEnd, 1u);
        EXPECT_EQ(TrackPartText(track.prefixShift, track.prefixKey), "?");
        EXPECT_EQ(TrackPartText(track.suffixShift, track.suffixKey), ";");
    }
    EXPECT_EQ(image.OptionBytes(), (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(image.selection.currentLayer, 1);
    EXPECT_EQ(image.selection.currentButton, 0);
    EXPECT_EQ(image.status.transferMode.load(), kTransferIdle);
}

TEST_F(KeyboardImageTest, ResetRestoresEverythingThatWasChanged) {
    Store(3, 2, {0x6C});
    image.selection.currentLayer = 2;
    image.RefreshButton(3);
    image.tracks[1].enabled = 0;
    image.StoreOptions({0, 1, 1, 1});
    image.Reset();
    EXPECT_EQ(image.buttons[3].keyCount[2], 0);
    EXPECT_EQ(image.buttons[3].hasLayerKey, 0u);
    EXPECT_EQ(image.tracks[1].enabled, 1);
    EXPECT_EQ(image.OptionBytes(), (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(image.selection.currentLayer, 1);
}

TEST_F(KeyboardImageTest, ShiftCodesToggleNamingForTheCodesAfterThem) {
    Store(1, 1, {55, 43, 60, 55, 58});
    image.DeriveLayerTexts(1, 1);
    EXPECT_EQ(image.buttons[1].layerText[1], "LShift+A+B+LShift+c");
    EXPECT_EQ(image.buttons[1].keyText[1][1], "A");
    EXPECT_EQ(image.buttons[1].keyText[1][4], "c");
}

TEST_F(KeyboardImageTest, ShiftStateStartsUnshiftedOnEveryLayer) {
    Store(1, 1, {66, 43});  // layer 1 ends shifted
    Store(1, 2, {43, 66, 15});
    image.DeriveLayerTexts(1, 1);
    image.DeriveLayerTexts(1, 2);
    EXPECT_EQ(image.buttons[1].layerText[1], "RShift+A");
    EXPECT_EQ(image.buttons[1].layerText[2], "a+RShift+!");
}

TEST_F(KeyboardImageTest, StoreKeyRecordReplacesOneLayerAndZeroFillsBehindIt) {
    Store(7, 2, std::vector<KeyCode>(10, 4));
    Store(7, 3, {9});
    Store(7, 2, {1, 2, 3});
    const ButtonRecord& record = image.buttons[7];
    EXPECT_EQ(record.keyCount[2], 3);
    EXPECT_EQ(record.keyCodes[2][2], 3);
    for (int i = 3; i < MaxKeysPerLayer; ++i) {
        EXPECT_EQ(record.keyCodes[2][i], 0) << i;
    }
    EXPECT_EQ(record.keyCount[3], 1);
    EXPECT_EQ(record.keyCount[1], 0);
    EXPECT_EQ(record.editCount[2], 0);
}

TEST_F(KeyboardImageTest, StoreKeyRecordAcceptsExactlyFiftyFiveCodes) {
    Store(84, 6, std::vector<KeyCode>(55, 29));
    EXPECT_EQ(image.buttons[84].keyCount[6], 55);
    EXPECT_EQ(image.buttons[84].keyCodes[6][54], 29);
}

TEST_F(KeyboardImageTest, OutOfRangeKeyRecordsChangeNothing) {
    Store(5, 1, {4});
    const std::vector<KeyCode> tooLong(56, 4);
    const std::vector<KeyCode> one{7};
    EXPECT_FALSE(image.StoreKeyRecord(5, 1, tooLong));
    EXPECT_FALSE(image.StoreKeyRecord(0, 1, one));
    EXPECT_FALSE(image.StoreKeyRecord(85, 1, one));
    EXPECT_FALSE(image.StoreKeyRecord(5, 0, one));
    EXPECT_FALSE(image.StoreKeyRecord(5, 7, one));
    EXPECT_EQ(image.buttons[5].keyCount[1], 1);
    EXPECT_EQ(image.buttons[5].keyCodes[1][0], 4);
    EXPECT_EQ(image.buttons[0].keyCount[1], 0);
}

TEST_F(KeyboardImageTest, LayerKeyButtonsShowTheShortLayerName) {
    Store(10, 1, {0x6E, 4, 5});
    EXPECT_EQ(image.RefreshButton(10), "L3");
    EXPECT_EQ(image.buttons[10].hasLayerKey, 1u);
    Store(11, 1, {0x71});
    EXPECT_EQ(image.RefreshButton(11), "L6");
}

TEST_F(KeyboardImageTest, SpecialAndUnassignedFirstCodesAreNotLayerKeys) {
    Store(12, 1, {0x9F});  // "Mute"
    EXPECT_EQ(image.RefreshButton(12), "Mute");
    Store(13, 1, {0x96, 15});
    EXPECT_EQ(image.RefreshButton(13), "Dela...");
    Store(14, 1, {0x72});
    EXPECT_EQ(image.RefreshButton(14), "0x72");
    EXPECT_EQ(image.buttons[12].hasLayerKey, 0u);
    EXPECT_EQ(image.buttons[13].hasLayerKey, 0u);
    EXPECT_EQ(image.buttons[14].hasLayerKey, 0u);
}

TEST_F(KeyboardImageTest, LongCaptionsAreCutShorterOnTheSmallButtons) {
    const std::vector<KeyCode> ctrlAltDelete{67, 69, 84};
    Store(12, 1, ctrlAltDelete);
    Store(78, 1, ctrlAltDelete);
    Store(79, 1, ctrlAltDelete);
    Store(80, 1, ctrlAltDelete);
    EXPECT_EQ(image.RefreshButton(12), "LCtr...");
    EXPECT_EQ(image.RefreshButton(78), "LCtr...");
    EXPECT_EQ(image.RefreshButton(79), "LCt...");
    EXPECT_EQ(image.RefreshButton(80), "LCt...");
    EXPECT_EQ(image.buttons[12].layerText[1], "LCtrl+LAlt+Delete");
}

TEST_F(KeyboardImageTest, CaptionsOfFiveCharactersOrLessAreShownWhole) {
    Store(1, 1, {67});          // "LCtrl": exactly five
    Store(2, 1, {15, 16, 17});  // "1+2+3": exactly five
    Store(84, 1, {54});         // "Enter"
    Store(3, 1, {54, 15});      // "Enter+1": six
    EXPECT_EQ(image.RefreshButton(1), "LCtrl");
    EXPECT_EQ(image.RefreshButton(2), "1+2+3");
    EXPECT_EQ(image.RefreshButton(84), "Enter");
    EXPECT_EQ(image.RefreshButton(3), "Ente...");
}

TEST_F(KeyboardImageTest, CaptionFollowsTheCurrentLayer) {
    Store(20, 1, {15});
    Store(20, 4, {0x6C});
    EXPECT_EQ(image.RefreshButton(20), "1");
    image.selection.currentLayer = 4;
    EXPECT_EQ(image.RefreshButton(20), "L1");
    image.selection.currentLayer = 2;
    EXPECT_EQ(image.RefreshButton(20), "");
    image.selection.currentLayer = 9;  // never indexes outside the layers
    EXPECT_EQ(image.RefreshButton(20), "");
}

TEST_F(KeyboardImageTest, ClearAllKeepsTracksOptionsSelectionAndLayerKeyMarks) {
    Store(10, 1, {0x6D});
    image.RefreshButton(10);
    Store(30, 6, {4, 5});
    image.DeriveLayerTexts(30, 6);
    image.buttons[30].editCount[6] = 2;
    image.tracks[2].enabled = 0;
    image.tracks[2].suffixKey = 0x10;
    image.StoreOptions({0, 1, 1, 1});
    image.selection.currentLayer = 3;
    image.selection.currentButton = 30;

    image.ClearAllButtons();

    EXPECT_EQ(image.buttons[10].hasLayerKey, 1u);
    EXPECT_EQ(image.buttons[10].keyCount[1], 0);
    EXPECT_EQ(image.buttons[30].keyCount[6], 0);
    EXPECT_EQ(image.buttons[30].editCount[6], 0);
    EXPECT_EQ(image.buttons[30].keyCodes[6][1], 0);
    EXPECT_EQ(image.buttons[30].layerText[6], "");
    EXPECT_EQ(image.buttons[30].keyText[6][0], "");
    EXPECT_EQ(image.tracks[2].enabled, 0);
    EXPECT_EQ(image.tracks[2].suffixKey, 0x10);
    EXPECT_EQ(image.OptionBytes(), (std::array<std::uint8_t, 4>{0, 1, 1, 1}));
    EXPECT_EQ(image.selection.currentLayer, 3);
    EXPECT_EQ(image.selection.currentButton, 30);
}

TEST_F(KeyboardImageTest, TrackModesConvertBothWays) {
    std::array<TrackRecordEntry, TrackCount> entries{};
    entries[0] = {1, 0x37, 0x41, 0, 0x34};
    entries[1] = {0, 0, 0x10, 0x42, 0x11};
    entries[2] = {7, 1, 2, 3, 4};
    image.tracks[1].enterAtEnd = 1;
    image.StoreTrackRecord(entries);

    EXPECT_EQ(image.tracks[0].enabled, 1);
    EXPECT_EQ(image.tracks[0].enterAtEnd, 0u);
    EXPECT_EQ(image.TrackEntryOf(0).mode, 1);
    EXPECT_EQ(image.tracks[1].enabled, 0);
    EXPECT_EQ(image.tracks[1].enterAtEnd, 1u);  // mode 0 keeps the Enter setting
    EXPECT_EQ(image.TrackEntryOf(1).mode, 0);
    EXPECT_EQ(image.tracks[1].suffixShift, 0x42);
    EXPECT_EQ(image.tracks[1].suffixKey, 0x11);
    EXPECT_EQ(image.tracks[2].enabled, 7);  // unknown modes are kept as they came
    EXPECT_EQ(image.tracks[2].enterAtEnd, 1u);
    EXPECT_EQ(image.TrackEntryOf(2).prefixKey, 2);
    EXPECT_EQ(image.TrackEntryOf(3).mode, 0);
}

TEST_F(KeyboardImageTest, TrackPartTextNamesTheOneKey) {
    EXPECT_EQ(TrackPartText(0x37, 0x41), "?");
    EXPECT_EQ(TrackPartText(0x42, 29), "Q");
    EXPECT_EQ(TrackPartText(0, 29), "q");
    EXPECT_EQ(TrackPartText(0, 0), "");
    EXPECT_EQ(TrackPartText(0x10, 29), "");
}

}  // namespace
}  // namespace tolvane
