#include "tolvane/image/ButtonPlaces.h"

#include <array>
#include <cstddef>

namespace tolvane {

namespace {

constexpr int kGridKeySize = 29;
// Column k of the grid counts from the right.
constexpr std::array<int, 12> kColumnX = {397, 362, 327, 292, 257, 223, 188, 153, 118, 84, 49, 14};
constexpr std::array<int, 5> kRowY = {57, 90, 124, 157, 192};
// A column holds, top to bottom, its buttons 1, 2, 5, 4 and 3 (counted from 6k).
constexpr std::array<int, 5> kRowOfColumnButton = {0, 1, 4, 3, 2};

constexpr int kSmallKeyWidth = 18;
constexpr int kSmallKeyHeight = 12;
constexpr std::array<std::array<int, 2>, 6> kSmallKeys = {{
    {345, 40},
    {325, 35},
    {305, 30},
    {305, 14},
    {325, 8},
    {345, 4},
}};
constexpr int kFirstSmallKey = 79;
constexpr int kLastButton = 84;

constexpr int kHiddenKeySize = 27;
constexpr int kHiddenBandLeft = 12;
constexpr int kHiddenBandTop = 238;
constexpr int kHiddenKeyPitch = 22;  // 18 buttons in the width of the information box
constexpr int kFirstUnshownKey = 73;

bool InGrid(int button) {
    return button >= 1 && button <= 72 && button % 6 != 0;
}

// The few grid keys that sit one unit lower than their row.
int GridRowY(int row, int column) {
    const bool leftFour = column >= 8;
    const bool leftFive = column >= 7;
    if (row == 1 && leftFour) {
        return kRowY[1] + 1;
    }
    if (row == 3 && (leftFive || column == 5)) {
        return kRowY[3] + 1;
    }
    return kRowY[static_cast<std::size_t>(row)];
}

int HiddenIndex(int button) {
    return button < kFirstUnshownKey ? button / 6 - 1 : 12 + (button - kFirstUnshownKey);
}

}  // namespace

bool IsButtonShown(int button) {
    return InGrid(button) || (button >= kFirstSmallKey && button <= kLastButton);
}

ButtonPlace PlaceOfButton(int button) {
    if (InGrid(button)) {
        const int column = (button - 1) / 6;
        const int row = kRowOfColumnButton[static_cast<std::size_t>((button - 1) % 6)];
        return {kColumnX[static_cast<std::size_t>(column)], GridRowY(row, column), kGridKeySize,
                kGridKeySize};
    }
    if (button >= kFirstSmallKey && button <= kLastButton) {
        const auto& corner = kSmallKeys[static_cast<std::size_t>(button - kFirstSmallKey)];
        return {corner[0], corner[1], kSmallKeyWidth, kSmallKeyHeight};
    }
    if (button >= 1 && button < kFirstSmallKey) {
        return {kHiddenBandLeft + HiddenIndex(button) * kHiddenKeyPitch, kHiddenBandTop,
                kHiddenKeySize, kHiddenKeySize};
    }
    return {};
}

}  // namespace tolvane
