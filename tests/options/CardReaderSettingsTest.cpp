#include "options/CardReaderSettings.h"

#include <gtest/gtest.h>

#include <memory>

namespace tolvane {
namespace {

class CardReaderSettingsTest : public ::testing::Test {
  protected:
    std::unique_ptr<KeyboardImage> image = std::make_unique<KeyboardImage>();
};

TEST_F(CardReaderSettingsTest, OpensOnTheTracksAndClearsTheEnterOfADisabledTrack) {
    image->selection.keyDialogForButton = 1;
    image->tracks[1] = CardTrackSetting{0, 1, 0, 0, 0, kLeftShift, 0x41, 0, 0x34};
    image->tracks[2].suffixShift = 0;
    image->tracks[2].suffixKey = 0;
    image->tracks[2].prefixShift = 0;
    image->tracks[2].prefixKey = 0xC8;  // no table names it
    image->tracks[2].enterAtEnd = 0;
    const CardReaderSettings settings(*image);

    EXPECT_EQ(image->selection.keyDialogForButton, 0);
    EXPECT_EQ(settings.Row(0), (CardTrackRow{true, true, true, "?", ";"}));
    EXPECT_EQ(settings.Row(1), (CardTrackRow{false, false, false, "", ""}));
    EXPECT_EQ(image->tracks[1].enterAtEnd, 0u);
    EXPECT_EQ(settings.Row(2), (CardTrackRow{true, false, true, "0xc8", ""}));
    EXPECT_EQ(settings.Row(3), CardTrackRow{});
}

TEST_F(CardReaderSettingsTest, SwitchingATrackOnTurnsItsEnterOnAndShowsItsParts) {
    image->tracks[1].enabled = 0;
    CardReaderSettings settings(*image);

    settings.SetTrackEnabled(0, false);
    EXPECT_EQ(settings.Row(0), (CardTrackRow{false, false, false, "?", ";"}));
    EXPECT_EQ(image->tracks[0].enabled, 0);
    EXPECT_EQ(image->tracks[0].enterAtEnd, 0u);

    settings.SetEnterAtEnd(2, false);
    EXPECT_EQ(image->tracks[2].enterAtEnd, 0u);
    settings.SetTrackEnabled(2, false);
    settings.SetTrackEnabled(2, true);
    settings.SetTrackEnabled(1, true);
    for (const int t : {1, 2}) {
        EXPECT_EQ(settings.Row(t), (CardTrackRow{true, true, true, "?", ";"})) << t;
        EXPECT_EQ(image->tracks[t].enabled, 1) << t;
        EXPECT_EQ(image->tracks[t].enterAtEnd, 1u) << t;
        EXPECT_EQ(image->tracks[t].prefixKey, 0x41) << t;
    }
    settings.SetTrackEnabled(7, true);  // no such track: nothing happens
}

TEST_F(CardReaderSettingsTest, AnEmptyConfirmedPartIsUnassignedAndACancelledOneKept) {
    struct Case {
        TrackPart part;
        bool confirmed;
        int editCount;
        std::array<KeyCode, 4> expected;  // prefix shift and key, suffix shift and key
        std::string prefixText;
        std::string suffixText;
    };
    const std::vector<Case> cases = {
        {TrackPart::kPrefix, true, 0, {0, 0, 0, 0x34}, "", ";"},
        {TrackPart::kSuffix, true, 0, {kLeftShift, 0x41, 0, 0}, "?", ""},
        {TrackPart::kPrefix, false, 0, {kLeftShift, 0x41, 0, 0x34}, "?", ";"},
        {TrackPart::kSuffix, true, 1, {kLeftShift, 0x41, 0, 0x34}, "?", ";"},
    };
    for (const Case& c : cases) {
        image->Reset();
        CardReaderSettings settings(*image);
        image->tracks[1].editCount = static_cast<std::uint8_t>(c.editCount);
        settings.FinishPartEdit(1, c.part, c.confirmed);
        const CardTrackSetting& track = image->tracks[1];
        EXPECT_EQ((std::array<KeyCode, 4>{track.prefixShift, track.prefixKey, track.suffixShift,
                                          track.suffixKey}),
                  c.expected);
        EXPECT_EQ(settings.Row(1).prefixText, c.prefixText);
        EXPECT_EQ(settings.Row(1).suffixText, c.suffixText);
    }

    // The edit shows what the key dialog left, even after a cancel.
    CardReaderSettings settings(*image);
    image->tracks[0].suffixShift = kRightShift;
    image->tracks[0].suffixKey = 15;
    settings.FinishPartEdit(0, TrackPart::kSuffix, false);
    EXPECT_EQ(settings.Row(0).suffixText, "!");
}

}  // namespace
}  // namespace tolvane
