// Dialog units: the windows are laid out in units of the dialog font, a quarter of its
// average character width across and an eighth of its height down, so that a layout keeps
// its proportions with any font. One converter turns them into pixels for every window.
#pragma once

namespace tolvane::gui {

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A control of a dialog layout table and where it sits.
struct ControlPlace {
    int id = 0;  // 0 for the frames that carry no number
    DialogRect rect;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Contains(int px, int py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The font's base units: average character width and character height in pixels.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};

// Base units from the width of the 52 letters A..Z a..z set in the font and its height;
// the average is rounded to the nearest pixel.
DialogBaseUnits BaseUnitsFromFont(int widthOfAllLetters, int fontHeight);

class DialogUnitConverter {
  public:
    explicit DialogUnitConverter(DialogBaseUnits units) : units_(units) {}

    int X(int dialogUnits) const;
    int Y(int dialogUnits) const;
    // Corners are converted, not the size, so that neighbouring controls stay flush.
    PixelRect ToPixels(const DialogRect& rect) const;

    DialogBaseUnits units() const { return units_; }

  private:
    DialogBaseUnits units_;
};

}  // namespace tolvane::gui
