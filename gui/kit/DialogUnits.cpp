#include "gui/kit/DialogUnits.h"

namespace tolvane::gui {

namespace {

// value * numerator / denominator, rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded =
        product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

}  // namespace

DialogBaseUnits BaseUnitsFromFont(int widthOfAllLetters, int fontHeight) {
    return {(widthOfAllLetters / 26 + 1) / 2, fontHeight};
}

int DialogUnitConverter::X(int dialogUnits) const {
    return ScaleRounded(dialogUnits, units_.x, 4);
}

int DialogUnitConverter::Y(int dialogUnits) const {
    return ScaleRounded(dialogUnits, units_.y, 8);
}

PixelRect DialogUnitConverter::ToPixels(const DialogRect& rect) const {
    const int left = X(rect.x);
    const int top = Y(rect.y);
    return {left, top, X(rect.x + rect.width) - left, Y(rect.y + rect.height) - top};
}

}  // namespace tolvane::gui
