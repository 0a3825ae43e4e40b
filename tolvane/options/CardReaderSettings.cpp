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

void CardReaderSettings::SetPart(int trackIndex, TrackPart part, KeyCode shift, KeyCode key) {
    CardTrackSetting& track = Track(trackIndex);
    if (part == TrackPart::kPrefix) {
        track.prefixShift = shift;
        track.prefixKey = key;
    } else {
        track.suffixShift = shift;
        track.suffixKey = key;
    }
}

void CardReaderSettings::FinishPartEdit(int trackIndex, TrackPart part, bool confirmed) {
    if (!IsValidTrackIndex(trackIndex)) {
        return;
    }
    if (confirmed && Track(trackIndex).editCount == 0) {
        SetPart(trackIndex, part, kNoKey, kNoKey);
    }
    ShowParts(trackIndex);
}

std::optional<FilledText> CardReaderSettings::TypePart(int trackIndex, TrackPart part,
                                                       std::string_view text) {
    if (!IsValidTrackIndex(trackIndex) || !Row(trackIndex).partsEnabled) {
        return std::nullopt;
    }
    const CardPartOfText typed = CardPartFromText(text);
    if (typed.refusal) {
        return typed.refusal;
    }
    SetPart(trackIndex, part, typed.shift, typed.key);
    ShowParts(trackIndex);
    return std::nullopt;
}

void CardReaderSettings::ErasePart(int trackIndex, TrackPart part) {
    if (!IsValidTrackIndex(trackIndex) || !Row(trackIndex).partsEnabled) {
        return;
    }
    SetPart(trackIndex, part, kNoKey, kNoKey);
    ShowParts(trackIndex);
}

}  // namespace tolvane
