// Where two programmings differ, with both sides of each difference: the layers of the
// buttons, the tracks and the options. What a difference list shows after a verify, a
// comparison of a file with the keyboard, or an undo step names.
#pragma once

#include <cstdint>
#include <vector>

#include "tolvane/image/KeyboardProgramming.h"

namespace tolvane {

struct LayerDifference {
    int button = 0;  // 1..84
    int layer = 0;   // 1..6
    LayerProgramming first;
    LayerProgramming second;
};

struct TrackDifference {
    int track = 0;  // 1..3
    TrackRecordEntry first;
    TrackRecordEntry second;
};

enum class KeyboardOption : std::uint8_t { kCountryCode, kAutoRepeat, kKeyClick, kKeyClickScope };

struct OptionDifference {
    KeyboardOption option = KeyboardOption::kCountryCode;
    std::uint8_t first = 0;
    std::uint8_t second = 0;
};

struct ProgrammingDifference {
    std::vector<LayerDifference> layers;    // by button, then layer
    std::vector<TrackDifference> tracks;    // by track
    std::vector<OptionDifference> options;  // in the order the options record carries them

    bool Empty() const { return layers.empty() && tracks.empty() && options.empty(); }
    // The buttons with at least one differing layer, ascending.
    std::vector<int> Buttons() const;
};

ProgrammingDifference Difference(const KeyboardProgramming& first,
                                 const KeyboardProgramming& second);

}  // namespace tolvane
