#include "tolvane/image/ProgrammingDifference.h"

#include <array>

namespace tolvane {

std::vector<int> ProgrammingDifference::Buttons() const {
    std::vector<int> buttons;
    for (const LayerDifference& difference : layers) {
        if (buttons.empty() || buttons.back() != difference.button) {
            buttons.push_back(difference.button);
        }
    }
    return buttons;
}

ProgrammingDifference Difference(const KeyboardProgramming& first,
                                 const KeyboardProgramming& second) {
    ProgrammingDifference difference;
    for (int button = 1; button <= ButtonCount; ++button) {
        if (first.Button(button) == second.Button(button)) {
            continue;
        }
        for (int layer = 1; layer <= LayerCount; ++layer) {
            const LayerProgramming& a = first.Button(button).Layer(layer);
            const LayerProgramming& b = second.Button(button).Layer(layer);
            if (a != b) {
                difference.layers.push_back({button, layer, a, b});
            }
        }
    }
    for (int track = 1; track <= TrackCount; ++track) {
        const TrackRecordEntry& a = first.tracks[track - 1];
        const TrackRecordEntry& b = second.tracks[track - 1];
        if (a != b) {
            difference.tracks.push_back({track, a, b});
        }
    }
    const std::array<std::uint8_t, 4> a = OptionBytesOf(first.options);
    const std::array<std::uint8_t, 4> b = OptionBytesOf(second.options);
    for (std::size_t option = 0; option < a.size(); ++option) {
        if (a[option] != b[option]) {
            difference.options.push_back(
                {static_cast<KeyboardOption>(option), a[option], b[option]});
        }
    }
    return difference;
}

}  // namespace tolvane
