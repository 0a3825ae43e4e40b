#include "tolvane/options/CardReaderSettings.h"

namespace tolvane {

namespace {

const CardTrackRow kNoRow{};

std::size_t Index(int trackIndex) {
    return static_cast<std::size_t>(trackIndex);
}

}  // namespace

std::string TrackPartTextOf(const CardTrackSetting& track, TrackPart part) {
    return part == TrackPart::kPrefix ? TrackPartText(track.prefixShift, track.prefixKey)
                                      : TrackPartText(track.suffixShift, track.suffixKey);
}

CardReaderSettings::CardReaderSettings(KeyboardImage& image) : image_(image) {
    image_.selection.keyDialogForButton = 0;
    for (int t = 0; t < TrackCount; ++t) {
        CardTrackSetting& track = Track(t);
        CardTrackRow& row = MutableRow(t);
        if (track.enabled != 0) {
            row.trackTicked = true;
            row.partsEnabled = true;
            row.enterTicked = track.enterAtEnd != 0;
            ShowParts(t);
        } else {
            track.enterAtEnd = 0;
        }
    }
}

const CardTrackRow& CardReaderSettings::Row(int trackIndex) const {
    return IsValidTrackIndex(trackIndex) ? rows_[Index(trackIndex)] : kNoRow;
}

CardTrackSetting& CardReaderSettings::Track(int trackIndex) {
    return image_.tracks[Index(trackIndex)];
}

CardTrackRow& CardReaderSettings::MutableRow(int trackIndex) {
    return rows_[Index(trackIndex)];
}

void CardReaderSettings::ShowParts(int trackIndex) {
    MutableRow(trackIndex).prefixText = TrackPartTextOf(Track(trackIndex), TrackPart::kPrefix);
    MutableRow(trackIndex).suffixText = TrackPartTextOf(Track(trackIndex), TrackPart::kSuffix);
}

void CardReaderSettings::SetTrackEnabled(int trackIndex, bool ticked) {
    if (!IsValidTrackIndex(trackIndex)) {
        return;
    }
    CardTrackSetting& track = Track(trackIndex);
    CardTrackRow& row = MutableRow(trackIndex);
    track.enabled = ticked ? 1 : 0;
    track.enterAtEnd = ticked ? 1 : 0;
    row.trackTicked = ticked;
    row.enterTicked = ticked;
    row.partsEnabled = ticked;
    if (ticked) {
        ShowParts(trackIndex);
    }
}

void CardReaderSettings::SetEnterAtEnd(int trackIndex, bool ticked) {
    if (!IsValidTrackIndex(trackIndex)) {
        return;
    }
    Track(trackIndex).enterAtEnd = ticked ? 1 : 0;
    MutableRow(trackIndex).enterTicked = ticked;
}

void CardReaderSettings::FinishPartEdit(int trackIndex, TrackPart part, bool confirmed) {
    if (!IsValidTrackIndex(trackIndex)) {
        return;
    }
    CardTrackSetting& track = Track(trackIndex);
    if (confirmed && track.editCount == 0) {
        if (part == TrackPart::kPrefix) {
            track.prefixShift = 0;
            track.prefixKey = 0;
        } else {
            track.suffixShift = 0;
            track.suffixKey = 0;
        }
    }
    std::string& text = part == TrackPart::kPrefix ? MutableRow(trackIndex).prefixText
                                                   : MutableRow(trackIndex).suffixText;
    text = TrackPartTextOf(track, part);
}

}  // namespace tolvane
