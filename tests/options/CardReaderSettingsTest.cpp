#include "tolvane/options/CardReaderSettings.h"

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
    image->tracks[1].enabled = 0;
    image->tracks[2] = CardTrackSetting{1, 0, 0, 0, 0, 0, 0xC8, 0, 0};  // 0xC8 has no name
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
    EXPECT_EQ(image->TrackEntryOf(0).mode, 0);

    settings.SetTrackEnabled(1, true);
    EXPECT_EQ(settings.Row(1), (CardTrackRow{true, true, true, "?", ";"}));
    EXPECT_EQ(image->TrackEntryOf(1).mode, 2);  // on, with Enter
    settings.SetEnterAtEnd(1, false);
    EXPECT_EQ(image->TrackEntryOf(1).mode, 1);
}

TEST_F(CardReaderSettingsTest, AnEmptyConfirmedPartIsUnassignedAndTheEditShowsWhatThePartHolds) {
    CardReaderSettings settings(*image);
    image->tracks[1].editCount = 0;
    settings.FinishPartEdit(1, TrackPart::kPrefix, true);
    EXPECT_EQ(image->TrackEntryOf(1).prefixKey, 0);
    EXPECT_EQ(settings.Row(1).prefixText, "");

    // Cancelled: the part is kept, but whatever the key dialog left in it is shown.
    image->tracks[1].suffixShift = kRightShift;
    image->tracks[1].suffixKey = 15;
    settings.FinishPartEdit(1, TrackPart::kSuffix, false);
    EXPECT_EQ(image->TrackEntryOf(1).suffixKey, 15);
    EXPECT_EQ(settings.Row(1).suffixText, "!");
}

TEST_F(CardReaderSettingsTest, ATypedCharacterSetsThePartAndErasingUnassignsIt) {
    image->tracks[2].enabled = 0;
    CardReaderSettings settings(*image);
    EXPECT_FALSE(settings.TypePart(0, TrackPart::kPrefix, "%"));
    EXPECT_EQ(image->TrackEntryOf(0).prefixShift, kLeftShift);
    EXPECT_EQ(image->TrackEntryOf(0).prefixKey, 19);
    EXPECT_EQ(settings.Row(0).prefixText, "%");
    EXPECT_FALSE(settings.TypePart(0, TrackPart::kSuffix, "]"));
    EXPECT_EQ(settings.Row(0).suffixText, "]");

    EXPECT_EQ(settings.TypePart(0, TrackPart::kPrefix, "x"),
              (FilledText{TextId::kNotACardCharacter, {"x"}}));
    EXPECT_EQ(settings.Row(0).prefixText, "%");

    settings.ErasePart(0, TrackPart::kSuffix);
    EXPECT_EQ(image->TrackEntryOf(0).suffixKey, 0);
    EXPECT_EQ(settings.Row(0).suffixText, "");

    // A track that is off takes no typing.
    EXPECT_FALSE(settings.TypePart(2, TrackPart::kPrefix, "1"));
    settings.ErasePart(2, TrackPart::kSuffix);
    EXPECT_EQ(image->TrackEntryOf(2).prefixKey, 0x41);
    EXPECT_EQ(image->tracks[2].suffixKey, 0x34);
}

}  // namespace
}  // namespace tolvane
