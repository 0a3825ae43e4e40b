// The program's one in-memory copy of everything the keyboard stores, with the display
// texts derived from it, the main window's selection state and the transfer status that a
// transfer worker and its monitor share.
//
// One instance exists per program; the application owns it and hands it on by reference.
// Buttons, layers and tracks are numbered from 1 as on the keyboard; the arrays keep an
// unused element 0 so that the numbers index them directly. Every entry point that takes a
// number from outside checks it before it indexes anything.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "hidio/KeyboardWire.h"
#include "tolvane/image/KeyTables.h"

namespace tolvane {

// The image's names for what the keyboard holds.
inline constexpr int ButtonCount = wire::kButtonCount;
inline constexpr int LayerCount = wire::kLayerCount;
inline constexpr int MaxKeysPerLayer = wire::kMaxKeysPerLayer;
inline constexpr int TrackCount = wire::kTrackCount;

constexpr bool IsValidButton(int button) {
    return button >= 1 && button <= ButtonCount;
}
constexpr bool IsValidLayer(int layer) {
    return layer >= 1 && layer <= LayerCount;
}
constexpr bool IsValidTrackIndex(int track) {
    return track >= 0 && track < TrackCount;
}

struct ButtonRecord {
    std::uint8_t buttonNo = 0;
    std::uint32_t hasLayerKey = 0;
    std::array<std::uint8_t, LayerCount + 1> keyCount{};
    std::array<std::uint8_t, LayerCount + 1> editCount{};
    std::uint8_t shiftToggle = 0;
    std::array<std::string, LayerCount + 1> layerText;
    std::array<std::array<std::string, MaxKeysPerLayer>, LayerCount + 1> keyText;
    std::array<std::array<KeyCode, MaxKeysPerLayer>, LayerCount + 1> keyCodes{};

    // The codes of one layer, keyCount of them.
    std::span<const KeyCode> Codes(int layer) const;
};

struct CardTrackSetting {
    std::uint8_t enabled = 1;
    std::uint32_t enterAtEnd = 1;
    std::uint32_t editPart = 0;  // 1 = prefix, 0 = suffix, for the key programming dialog
    std::uint8_t shiftToggle = 0;
    std::uint8_t editCount = 0;
    std::uint8_t prefixShift = kLeftShift;
    std::uint8_t prefixKey = 0x41;  // "/" shifted: the prefix shows "?"
    std::uint8_t suffixShift = 0;
    std::uint8_t suffixKey = 0x34;  // shows ";"
};

struct KeyboardOptions {
    std::uint8_t countryCode = 1;  // 0 = "CHN", 1 = "USA"
    std::uint8_t autoRepeat = 0;
    std::uint8_t keyClick = 0;
    std::uint8_t keyClickScope = 0;  // 0 = all keys, 1 = programmed keys only

    bool operator==(const KeyboardOptions&) const = default;
};

struct SelectionState {
    std::uint8_t currentLayer = 1;
    std::uint8_t currentButton = 0;
    std::uint8_t keyDialogTrack = 0;
    std::uint8_t keyDialogForButton = 0;
};

enum TransferModeValue : std::uint8_t {
    kTransferRead = 1,
    kTransferWrite = 2,
    kTransferIdle = 3,
};

// Each field is written by one thread and polled by another, hence atomic.
struct TransferStatus {
    std::atomic<std::uint8_t> keyboardConnected{0};
    std::atomic<std::uint8_t> transferMode{kTransferIdle};
    std::atomic<std::uint32_t> reportCount{0};
    std::atomic<std::uint8_t> transferDone{0};
};

// One track's entry as the track record carries it on the wire.
struct TrackRecordEntry {
    std::uint8_t mode = 0;  // 0 = off, 1 = on, 2 = on with Enter at the end
    std::uint8_t prefixShift = 0;
    std::uint8_t prefixKey = 0;
    std::uint8_t suffixShift = 0;
    std::uint8_t suffixKey = 0;

    bool operator==(const TrackRecordEntry&) const = default;
};

// Country code, auto repeat, key click, key click scope: the options record's order.
std::array<std::uint8_t, 4> OptionBytesOf(const KeyboardOptions& options);

// Track mode byte as sent: 0 when off, else 1 + enterAtEnd.
std::uint8_t TrackModeOf(const CardTrackSetting& track);

// The names of a sequence's codes: a Shift code is named first and then flips the naming
// of the codes after it (plain or shifted), a second Shift flips it back.
std::vector<std::string> KeyTextsOf(std::span<const KeyCode> codes);

// The display text of a sequence: its names joined by "+".
std::string LayerTextOf(std::span<const KeyCode> codes);

// Text of a prefix or suffix: the shifted name when shift is a Shift code, the plain name
// when there is no shift and a key, empty otherwise.
std::string TrackPartText(std::uint8_t shift, std::uint8_t key);

// tolvane/image/KeyboardProgramming.h
struct KeyboardProgramming;
struct ButtonProgramming;
struct LayerProgramming;

class KeyboardImage {
  public:
    KeyboardImage() { Reset(); }
    KeyboardImage(const KeyboardImage&) = delete;
    KeyboardImage& operator=(const KeyboardImage&) = delete;

    std::array<ButtonRecord, ButtonCount + 1> buttons;
    std::array<CardTrackSetting, TrackCount> tracks;
    KeyboardOptions options;
    SelectionState selection;
    TransferStatus status;

    // Start-up values of every button, track, option and the selection.
    void Reset();

    // Empties every button on every layer; tracks, options, selection and each button's
    // hasLayerKey keep their values.
    void ClearAllButtons();

    // One key reply: replaces the layer's codes, zero-filled behind them. Returns false and
    // changes nothing for a button outside 1..84, a layer outside 1..6 or more than 55 codes.
    bool StoreKeyRecord(int button, int layer, std::span<const KeyCode> codes);

    // One track reply (tracks 1..3 in order), with the mode conversion of the wire.
    void StoreTrackRecord(const std::array<TrackRecordEntry, TrackCount>& entries);
    TrackRecordEntry TrackEntryOf(int trackIndex) const;

    // One options reply: country code, auto repeat, key click, key click scope.
    void StoreOptions(const std::array<std::uint8_t, 4>& values);
    std::array<std::uint8_t, 4> OptionBytes() const;

    // Builds keyText and layerText of one layer: a Shift code is named first and then flips
    // the naming of the codes after it, a second Shift flips it back.
    void DeriveLayerTexts(int button, int layer);
    void DeriveAllLayerTexts();

    // Derives the current layer's texts, marks a layer-key button and returns the caption
    // the button shows: "" for an empty layer, "L1".."L6" for a layer key, else the layer
    // text, cut to 4 characters plus "..." when longer than 5 (3 for buttons 79..84).
    std::string RefreshButton(int button);

    // Whether the button's sequence on the layer starts with a layer key.
    bool StartsWithLayerKey(int button, int layer) const;

    // What the keyboard would store of the image, as a value.
    KeyboardProgramming TakeProgramming() const;

    // Puts a programming back: codes, tracks and options, then every display text and
    // layer-key mark derived again for the current layer, as after a read. The selection
    // and the dialogs' working state stay.
    void RestoreProgramming(const KeyboardProgramming& programming);

    // The same for one button (all six layers) or one layer of a button; nothing happens
    // for a button outside 1..84 or a layer outside 1..6.
    ButtonProgramming TakeButton(int button) const;
    void RestoreButton(int button, const ButtonProgramming& programming);
    void RestoreLayer(int button, int layer, const LayerProgramming& programming);

  private:
    void ClearButton(int button);
    void StoreLayer(int button, int layer, const LayerProgramming& programming);
    void DeriveButton(int button);
};

}  // namespace tolvane
