// What the key programming dialog decides: what a click on a key, a special key or a user
// key group adds to the composition, what the key setting list's commands delete, and what
// confirm and cancel leave in the keyboard image. The dialog shows the rows and messages
// this session gives and decides nothing itself.
//
// Button mode composes the key sequence of one button on the current layer. The image is
// edited from the first click: codes and names at once, keyCount on confirm (or at once by
// Delete all). Cancel puts the whole button back as it was when the dialog opened, all six
// layers and hasLayerKey included, because the first key on a layer-key button empties
// every layer and a partial restore would leave counts without their codes.
//
// Card mode composes the prefix or suffix of one card track: one key, or a Shift code and a
// key. The part changes on confirm (or at once by Delete all); cancel puts nothing back.
//
// A layer holds 55 codes: a key, special key or user key group that would not fit is
// refused as a whole with a message, so nothing is ever written past the layer's end.
//
// Faster key entry: a typed text is appended as the keys that type it (TypedText.h), as
// clicks on those keys would append them; a key pressed on the PC's keyboard is a click on
// the key of the same place (PcKeyTable.h); rows are deleted and moved from the keyboard;
// and the special key list and the user key list can be filtered (KeySearch.h).
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/image/PcKeyTable.h"
#include "tolvane/keyprog/UserKeyGroups.h"

namespace tolvane {

enum class KeyPadMode { kButton, kCard };

// The values of a track's editPart.
enum class TrackPart : std::uint32_t {
    kSuffix = 0,
    kPrefix = 1,
};

inline constexpr KeyCode kEscKey = 1;
inline constexpr KeyCode kFnKey = 108;  // the on-screen "Fn", never enabled
inline constexpr KeyCode kLastOnScreenKey = 108;

// One row of the key setting list, as shown: position from 0, the key's name, its code and
// the layer (empty in card mode).
struct KeyPadRow {
    std::string number;
    std::string name;
    std::string value;
    std::string layer;

    friend bool operator==(const KeyPadRow&, const KeyPadRow&) = default;
};

// The codes a card track's prefix or suffix can hold: the digit row, the bracket and
// punctuation keys and both Shift keys, which a key after them takes as its shift byte.
bool IsCardKey(KeyCode code);

// The prefix or suffix that types one character: (LShift, key) for a shifted character,
// (0, key) for a plain one. Refused, with the message to show, for anything else.
struct CardPartOfText {
    KeyCode shift = kNoKey;
    KeyCode key = kNoKey;
    std::optional<FilledText> refusal;
};
CardPartOfText CardPartFromText(std::string_view text);

class KeyPadSession {
  public:
    // Does what the button panel does before it opens the dialog (currentButton, buttonNo,
    // keyDialogForButton) and opens on the current layer. None for a button or current layer
    // out of range.
    static std::optional<KeyPadSession> ForButton(KeyboardImage& image, int button);

    // Does what the card reader dialog does before it opens the dialog (keyDialogForButton,
    // keyDialogTrack, editPart, editCount) and opens on that part. None for a track index
    // outside 0..2.
    static std::optional<KeyPadSession> ForTrackPart(KeyboardImage& image, int trackIndex,
                                                     TrackPart part);

    KeyPadMode Mode() const { return mode_; }
    // The button and layer a button-mode session edits, so the dialog can say which; button 0
    // in card mode.
    int Button() const { return mode_ == KeyPadMode::kButton ? button_ : 0; }
    int Layer() const { return layer_; }
    // Whether the next key is named shifted: the on-screen Shift keys latch until pressed
    // again (or until a Shift code in the composition flips it back).
    bool ShiftLatched() const;

    // Whether the on-screen key of this code (1..108) takes clicks: card mode leaves only
    // the keys a prefix or suffix can be (the punctuation and digit keys and both Shifts).
    bool IsKeyEnabled(KeyCode code) const;

    // Reloads the user key groups from their file, as every opening of the dialog does.
    UserKeyLoadOutcome LoadUserKeyGroups(const std::filesystem::path& file);
    const std::vector<UserKeyListRow>& UserKeyRows() const { return userKeys_.Rows(); }

    std::vector<KeyPadRow> Rows() const;

    // Each action returns the message to show, if any. A refused action changes nothing.
    std::optional<TextId> ClickKey(KeyCode code);
    std::optional<TextId> AppendSpecialKey(int row);
    std::optional<TextId> AppendUserKeyGroup(int group);
    void DeleteRow(int row);
    void DeleteAllRows();

    std::optional<TextId> AddUserKeyGroup();
    std::optional<TextId> DeleteUserKeyGroup(int group);
    std::optional<TextId> DeleteAllUserKeyGroups();

    // ---- Faster key entry ----

    // Appends the keys that type the text, and then Enter when asked, as clicks on them
    // would (on a layer-key button the first replaces the layer key on every layer). The
    // whole text is refused, and nothing added, when a character cannot be typed or the keys
    // do not fit. In card mode the text is one character and becomes the composition.
    std::optional<FilledText> AppendText(std::string_view text, bool thenEnter);

    // A key pressed on the PC's keyboard, by the physical key the window system reports; its
    // name (from the window system) is for the message when this keyboard has no such key.
    std::optional<FilledText> PressPcKey(ScanCodeSet set, std::uint32_t scanCode,
                                         std::string_view pcKeyName);

    // Deletes the rows, given in any order; rows that do not exist are ignored.
    void DeleteRows(std::vector<int> rows);
    // Moves a row of a button's composition one place up (-1) or down (+1) and names the
    // keys again, since a moved Shift changes the names after it; the row's new place, none
    // when it cannot move (card mode, the first or last row, no such row).
    std::optional<int> MoveRow(int row, int direction);

    // Which rows of the user key list the filter leaves shown.
    std::vector<bool> UserKeyRowsShown(std::string_view filter) const;

    // Commits the composition. A refusal (a lone Shift in card mode) keeps the dialog open;
    // without one the dialog ends with OK.
    std::optional<TextId> Confirm();
    void Cancel();

  private:
    KeyPadSession(KeyboardImage& image, KeyPadMode mode);

    ButtonRecord& Record() { return image_.buttons[static_cast<std::size_t>(button_)]; }
    const ButtonRecord& Record() const { return image_.buttons[static_cast<std::size_t>(button_)]; }
    CardTrackSetting& Track() { return image_.tracks[static_cast<std::size_t>(track_)]; }
    const CardTrackSetting& Track() const {
        return image_.tracks[static_cast<std::size_t>(track_)];
    }

    // The codes of the composition with the names the list shows.
    std::vector<KeySettingRow> Composition() const;

    // Button mode.
    int EditCount() const { return Record().editCount[layer_]; }
    bool ComposedShifted() const;
    void RenameComposition();
    bool Fits(std::size_t codes) const;
    void Append(KeyCode code, std::string name);
    void EmptyAllLayers();

    // Card mode.
    std::optional<TextId> ClickCardKey(KeyCode code);
    void SetCardComposition(std::array<KeyCode, 2> pair, int count);
    void StorePart(KeyCode shift, KeyCode key);

    KeyboardImage& image_;
    KeyPadMode mode_;
    int button_ = 1;
    int layer_ = 1;
    int track_ = 0;
    ButtonRecord openingSnapshot_;
    std::array<KeyCode, 2> trackPair_{};
    UserKeyGroupStore userKeys_;
};

}  // namespace tolvane
