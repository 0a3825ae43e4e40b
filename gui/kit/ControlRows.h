// Rows of control numbers, as dialogs number their per-track controls. No toolkit.
#pragma once

#include <array>
#include <cstddef>

namespace tolvane::gui {

// Where a control number sits in a per-row array of them (the track boxes of tracks 1, 2, 3);
// -1 when it is not there.
template <std::size_t N>
int RowOfControl(const std::array<int, N>& ids, int id) {
    for (std::size_t row = 0; row < N; ++row) {
        if (ids[row] == id) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

}  // namespace tolvane::gui
