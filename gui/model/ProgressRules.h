// The progress window's decisions that need no window: the percentage in its title, and
// where it opens.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gui/kit/DialogUnits.h"

namespace tolvane::gui {

// Where the per-user settings keep the window's upper-left corner between runs.
inline constexpr const char* kProgressSettingsSection = "Settings";
inline constexpr const char* kProgressXValue = "X";
inline constexpr const char* kProgressYValue = "Y";

// The whole percentage of value within lower..upper; 0 for an empty range.
int ProgressPercent(int value, int lower, int upper);

// "title [percent%]".
std::string ProgressTitle(std::string_view title, int percent);

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Where the window's upper-left corner goes: the saved place when it lies on one of the
// screens, else centred over the owner (the first run, or a display that has changed).
ScreenPoint ProgressWindowPlace(std::optional<ScreenPoint> saved,
                                std::span<const PixelRect> screens, const PixelRect& owner,
                                int width, int height);

}  // namespace tolvane::gui
