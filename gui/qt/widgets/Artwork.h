// The program's pictures, looked up by their resource numbers: the connection pictures,
// the layer dials, the back of a magnetic card, the toolbar image strips of both languages
// and the program icon. They are drawn from our own SVG artwork (gui/qt/resources/artwork), in
// one flat style.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>

#include "gui/model/ArtworkLayout.h"

namespace tolvane::gui {

inline constexpr int kCardBackWidth = 281;
inline constexpr int kCardBackHeight = 177;

// A picture by number; a null pixmap for a number that names no picture.
QPixmap Picture(int resourceId);

// One of the eight 36 x 36 images of a toolbar strip (normal, hot or disabled).
QPixmap ToolbarImage(int stripId, int index);

QIcon ProgramIcon();

// Shows a picture in a picture control, which takes the picture's size as the resource's
// picture controls did. The control's "resourceId" property tells which one it shows.
void ShowPicture(QLabel& control, int resourceId);

// The words a picture shows, for its accessible name; empty for a picture without words.
QString PictureCaption(int resourceId);

}  // namespace tolvane::gui
