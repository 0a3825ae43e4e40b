// What the card reader settings dialog decides. The dialog keeps no copy: every click goes
// into the image's track settings at once, so OK and Cancel both only close it.
//
// A track that is off has no Enter at its end: opening the dialog clears a disabled track's
// enterAtEnd, and switching a track on always turns its Enter on. The edits of a track that
// is off stay as they were (empty when it was off at opening); switching it on shows what
// its prefix and suffix hold, so the dialog never hides a part the keyboard will type.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "tolvane/image/KeyboardImage.h"
#include "tolvane/keyprog/KeyPadSession.h"

namespace tolvane {

// What one track's row shows.
struct CardTrackRow {
    bool trackTicked = false;
    bool enterTicked = false;
    bool partsEnabled = false;  // the prefix and suffix edits and the Enter box
    std::string prefixText;
    std::string suffixText;

    friend bool operator==(const CardTrackRow&, const CardTrackRow&) = default;
};

class CardReaderSettings {
  public:
    // Opens on the image; a key programming dialog opened from here works in card mode.
    explicit CardReaderSettings(KeyboardImage& image);

    // Rows of tracks 0..2; a track index outside them is ignored by every call.
    const CardTrackRow& Row(int trackIndex) const;

    void SetTrackEnabled(int trackIndex, bool ticked);
    void SetEnterAtEnd(int trackIndex, bool ticked);

    // After the key programming dialog on that part has ended. Confirmed with nothing
    // composed, the part becomes unassigned; either way the edit shows what the part holds.
    void FinishPartEdit(int trackIndex, TrackPart part, bool confirmed);

    // A character typed into a part's edit sets the part at once ("%" gives LShift and 5);
    // anything a part cannot be is refused with the message to show, changing nothing.
    // Erasing the edit (Delete, Backspace) leaves the part unassigned. A track that is off
    // takes neither.
    std::optional<FilledText> TypePart(int trackIndex, TrackPart part, std::string_view text);
    void ErasePart(int trackIndex, TrackPart part);

  private:
    CardTrackSetting& Track(int trackIndex);
    CardTrackRow& MutableRow(int trackIndex);
    void ShowParts(int trackIndex);
    void SetPart(int trackIndex, TrackPart part, KeyCode shift, KeyCode key);

    KeyboardImage& image_;
    std::array<CardTrackRow, TrackCount> rows_;
};

// The text of a prefix or suffix in its edit: see TrackPartText. A key code that no table
// names shows as its value in hex, as the key tables name unassigned codes.
std::string TrackPartTextOf(const CardTrackSetting& track, TrackPart part);

}  // namespace tolvane
