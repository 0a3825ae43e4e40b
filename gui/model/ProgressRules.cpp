#include "gui/model/ProgressRules.h"

#include <algorithm>

namespace tolvane::gui {

int ProgressPercent(int value, int lower, int upper) {
    if (lower >= upper) {
        return 0;
    }
    return static_cast<int>(static_cast<long long>(value) * 100 / (upper - lower));
}

std::string ProgressTitle(std::string_view title, int percent) {
    return std::string(title) + " [" + std::to_string(percent) + "%]";
}

ScreenPoint ProgressWindowPlace(std::optional<ScreenPoint> saved,
                                std::span<const PixelRect> screens, const PixelRect& owner,
                                int width, int height) {
    if (saved) {
        const bool onScreen = std::any_of(screens.begin(), screens.end(), [&](const auto& s) {
            return s.Contains(saved->x, saved->y);
        });
        if (onScreen) {
            return *saved;
        }
    }
    return {owner.x + (owner.width - width) / 2, owner.y + (owner.height - height) / 2};
}

}  // namespace tolvane::gui
