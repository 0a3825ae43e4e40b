// What the keyboard stores, as a value: the key codes of every button on its six layers,
// each card track as the track record carries it, and the four option bytes. Nothing
// derived (display texts, layer-key marks) and nothing of the window's or the dialogs'
// working state is in it.
//
// The keyboard image stays the program's one object; this value, about 28 KB, is how the
// undo history, comparisons and the button clipboard see it, and it may be copied freely.
// Buttons and layers keep their numbers from 1; the accessors check them (a number below 1
// wraps to one far beyond the array).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "tolvane/image/KeyboardImage.h"

namespace tolvane {

// One layer of one button: its codes, zero behind the last, so equal layers compare equal.
struct LayerProgramming {
    std::uint8_t keyCount = 0;
    std::array<KeyCode, MaxKeysPerLayer> keyCodes{};

    // At most the first 55 codes are kept.
    static LayerProgramming Of(std::span<const KeyCode> codes);
    std::span<const KeyCode> Codes() const;
    bool operator==(const LayerProgramming&) const = default;
};

struct ButtonProgramming {
    std::array<LayerProgramming, LayerCount> layers;  // layer 1 first

    // Layers 1..6; std::out_of_range for any other number.
    const LayerProgramming& Layer(int layer) const {
        return layers.at(static_cast<std::size_t>(layer - 1));
    }
    LayerProgramming& Layer(int layer) { return layers.at(static_cast<std::size_t>(layer - 1)); }
    bool operator==(const ButtonProgramming&) const = default;
};

struct KeyboardProgramming {
    std::array<ButtonProgramming, ButtonCount> buttons;  // button 1 first
    // Tracks 1..3 at index 0..2, as they go on the wire: an off track's Enter setting is
    // not stored by the keyboard, so it is not part of the value either.
    std::array<TrackRecordEntry, TrackCount> tracks = StartupTracks();
    KeyboardOptions options;

    // Buttons 1..84; std::out_of_range for any other number.
    const ButtonProgramming& Button(int button) const {
        return buttons.at(static_cast<std::size_t>(button - 1));
    }
    ButtonProgramming& Button(int button) {
        return buttons.at(static_cast<std::size_t>(button - 1));
    }
    bool operator==(const KeyboardProgramming&) const = default;

    // The tracks of a freshly started image: on with Enter, prefix "?" and suffix ";".
    static std::array<TrackRecordEntry, TrackCount> StartupTracks();
};

}  // namespace tolvane
