// The panel buttons' look, for every front end: the colours of the face, border, edges,
// hover ring and caption, and the row-by-row gradient that fills the face.
#pragma once

#include <cstdint>
#include <vector>

namespace tolvane::gui {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kButtonBorderColour{0, 64, 128};
inline constexpr Rgb kButtonHotColour{255, 120, 80};
inline constexpr Rgb kButtonHotTextColour{255, 255, 255};
inline constexpr Rgb kButtonTextColour{0, 0, 0};
inline constexpr Rgb kButtonPressedTextColour{255, 255, 255};
inline constexpr Rgb kButtonEdgeLightColour{230, 230, 230};
inline constexpr Rgb kButtonEdgeShadowColour{128, 128, 128};
inline constexpr Rgb kButtonGradientLight{255, 255, 255};
inline constexpr Rgb kButtonGradientDark{0, 128, 255};
inline constexpr int kButtonHotRingWidth = 3;
// The frame of the button Find's chosen hit is on.
inline constexpr Rgb kButtonFoundColour{220, 0, 120};
inline constexpr int kButtonFoundFrameWidth = 2;

// The upper end of the hover ring: the hot colour brightened.
inline constexpr Rgb kButtonHotRingTop{kButtonHotColour.red,
                                       static_cast<std::uint8_t>(kButtonHotColour.green + 100),
                                       static_cast<std::uint8_t>(kButtonHotColour.blue + 100)};

// The colours of the rows of a gradient from `from` towards `to`: every channel moves by the
// integer step (from - to) / span before each row is drawn, so the first row is already one
// step from `from`. The channels are bytes and wrap, as the drawing has always done.
std::vector<Rgb> GradientRows(Rgb from, Rgb to, int span, int rows);

}  // namespace tolvane::gui
