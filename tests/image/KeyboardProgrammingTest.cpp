#include "tolvane/image/KeyboardProgramming.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "tolvane/image/ProgrammingDifference.h"

namespace tolvane {
namespace {

constexpr KeyCode kShift = 55, kA = 43, kB = 60, kC = 58, kLayer3 = 0x6E;

class KeyboardProgrammingTest : public ::testing::Test {
  protected:
    std::unique_ptr<KeyboardImage> owned = std::make_unique<KeyboardImage>();
    KeyboardImage& image = *owned;

    void Store(int button, int layer, std::vector<KeyCode> codes) {
        ASSERT_TRUE(image.StoreKeyRecord(button, layer, codes));
    }

    // On the heap: a test holding a few programmings would outgrow its stack frame.
    std::unique_ptr<KeyboardProgramming> Taken() const {
        return std::make_unique<KeyboardProgramming>(image.TakeProgramming());
    }
    bool Holds(const KeyboardProgramming& programming) const {
        return image.TakeProgramming() == programming;
    }
};

TEST_F(KeyboardProgrammingTest, RestoringPutsBackWhatWasTakenAndDerivesTheTextsAgain) {
    // A fresh image holds what a default programming says, so the window starts unmodified.
    EXPECT_TRUE(Holds(*std::make_unique<KeyboardProgramming>()));

    Store(5, 1, {kShift, kA, kB, kShift, kC});
    Store(9, 2, {kLayer3});
    Store(84, 6, std::vector<KeyCode>(MaxKeysPerLayer, kA));
    image.tracks[1].enabled = 0;
    image.tracks[2].prefixKey = 0x22;
    image.StoreOptions({0, 1, 1, 1});
    const auto taken = Taken();
    const auto copy = std::make_unique<KeyboardProgramming>(*taken);
    EXPECT_TRUE(*copy == *taken);

    // What is not part of it: names, working counts, an off track's Enter, the selection.
    image.buttons[5].keyText[1][4] = "stale";
    image.buttons[5].editCount[1] = 2;
    image.tracks[1].enterAtEnd = 0;
    image.selection.currentLayer = 2;
    EXPECT_TRUE(Holds(*taken));

    // An image that held longer sequences elsewhere loses them, names and all.
    image.Reset();
    Store(5, 1, {kA, kA, kA, kA, kA, kA, kA});
    image.DeriveLayerTexts(5, 1);
    image.selection.currentLayer = 2;
    image.RestoreProgramming(*taken);
    EXPECT_TRUE(Holds(*taken));
    EXPECT_EQ(image.buttons[5].layerText[1], "LShift+A+B+LShift+c");
    EXPECT_EQ(image.buttons[5].keyText[1][5], "");
    EXPECT_EQ(image.buttons[5].editCount[1], 5);
    EXPECT_EQ(image.buttons[9].layerText[2], "Layer3");
    EXPECT_EQ(image.buttons[9].hasLayerKey, 1u);  // the layer shown starts with a layer key
    EXPECT_EQ(image.buttons[5].hasLayerKey, 0u);
    EXPECT_EQ(image.buttons[84].Codes(6).size(), 55u);
    EXPECT_EQ(image.tracks[1].enabled, 0);
    EXPECT_EQ(image.tracks[2].prefixKey, 0x22);
    EXPECT_EQ(image.OptionBytes(), (std::array<std::uint8_t, 4>{0, 1, 1, 1}));
    EXPECT_EQ(image.selection.currentLayer, 2);

    EXPECT_THROW(static_cast<void>(taken->Button(0)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(taken->Button(5).Layer(7)), std::out_of_range);
}

TEST_F(KeyboardProgrammingTest, DifferenceListsEveryChangedLayerTrackAndOptionWithBothSides) {
    const auto before = Taken();
    EXPECT_TRUE(Difference(*before, *before).Empty());

    Store(7, 3, {kA});
    Store(2, 1, {kB, kC});
    Store(2, 6, {kC});
    image.tracks[1].suffixKey = 0x23;
    image.options.keyClick = 1;
    image.options.countryCode = 0;
    const ProgrammingDifference found = Difference(*before, *Taken());

    ASSERT_EQ(found.layers.size(), 3u);
    EXPECT_EQ(found.layers[0].button, 2);
    EXPECT_EQ(found.layers[0].layer, 1);
    EXPECT_TRUE(found.layers[0].first.Codes().empty());
    EXPECT_EQ(std::vector<KeyCode>(found.layers[0].second.Codes().begin(),
                                   found.layers[0].second.Codes().end()),
              (std::vector<KeyCode>{kB, kC}));
    EXPECT_EQ(found.layers[1].layer, 6);
    EXPECT_EQ(found.layers[2].button, 7);
    EXPECT_EQ(found.Buttons(), (std::vector<int>{2, 7}));

    ASSERT_EQ(found.tracks.size(), 1u);
    EXPECT_EQ(found.tracks[0].track, 2);
    EXPECT_EQ(found.tracks[0].first.suffixKey, 0x34);
    EXPECT_EQ(found.tracks[0].second.suffixKey, 0x23);

    ASSERT_EQ(found.options.size(), 2u);
    EXPECT_EQ(found.options[0].option, KeyboardOption::kCountryCode);
    EXPECT_EQ(found.options[0].first, 1);
    EXPECT_EQ(found.options[0].second, 0);
    EXPECT_EQ(found.options[1].option, KeyboardOption::kKeyClick);
}

}  // namespace
}  // namespace tolvane
