// The tool's looks: its windows' font, and its pictures, looked up by their resource numbers:
// the back of a magnetic-stripe card (135, 313 x 198) and the program icon (128), from our own
// SVG artwork in the desktop programmer's flat style. The icon is also the one the package
// installs.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace pellimore {

inline constexpr int kCardBackWidth = 313;
inline constexpr int kCardBackHeight = 198;

// Arial 12, the font the windows are laid out for, or a face with its metrics (Liberation
// Sans, Arimo).
QFont PellimoreFont();

// A picture by number; a null pixmap for a number that names no picture.
QPixmap Picture(int resourceId);

QIcon ProgramIcon();

}  // namespace pellimore
