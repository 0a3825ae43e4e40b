// The fonts the windows are designed for, and the converter from their dialog units.
//
// The layouts were drawn for a 9-point sans-serif dialog font and a 12-point bold-faced
// Chinese font ("黑体") in the key information box. Those families are not on every
// system, so the names are mapped to installed families with the same metrics or the same
// script coverage (see InstallFontSubstitutes); a missing family falls back to the next one.
#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

#include "gui/kit/DialogUnits.h"

namespace tolvane::gui {

inline constexpr const char* kDialogFontFamily = "Microsoft Sans Serif";
inline constexpr const char* kHeitiFamily = "黑体";

// Registers the substitutes of the design's font names; call once after the application
// object exists.
void InstallFontSubstitutes();

QFont DialogFont();
QFont HeitiFont(int pointSize);

DialogUnitConverter ConverterFor(const QFont& font);

inline QRect ToQRect(const PixelRect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

// Places a child at a dialog-unit rectangle of its parent.
void PlaceControl(QWidget& widget, const DialogUnitConverter& converter, const DialogRect& rect);

}  // namespace tolvane::gui
