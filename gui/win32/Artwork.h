// The program's pictures for the Windows front end: the toolbar strips, the connection
// pictures, the layer dials and the program icon. They are composed as gui/model's
// ArtworkLayout says from the same SVG artwork as the Qt program, which the build rasterises
// into the program's resources; the words in them are drawn from the model's tables.
#pragma once

#include <windows.h>

#include "gui/model/ArtworkLayout.h"

namespace tolvane::gui::win32 {

// The colour a strip's first pixel has, which the image lists take as transparent: the
// toolbar's own, so that the pictures' smoothed edges blend into it.
inline COLORREF ToolbarTransparent() {
    return ::GetSysColor(COLOR_BTNFACE);
}

// Starts and ends the drawing library the artwork is decoded with; one for the program.
class ArtworkSession {
  public:
    ArtworkSession();
    ~ArtworkSession();
    ArtworkSession(const ArtworkSession&) = delete;
    ArtworkSession& operator=(const ArtworkSession&) = delete;

  private:
    ULONG_PTR token_ = 0;
};

// Ten 36 x 36 images side by side, 24 bits a pixel; the caller deletes it.
HBITMAP ToolbarStrip(InterfaceLanguage language, ToolbarLook look);
// A connection picture or a layer dial by its number; null for another number.
HBITMAP Picture(int resourceId);
// The program icon at this size; the caller destroys it.
HICON ProgramIcon(int size);

// Any rasterised artwork of the running program, by the name of its SVG: as an icon of this
// size, or as a 24-bit bitmap of the size it was rasterised at, over the background colour.
// Null when the program does not carry it; the caller destroys or deletes it.
HICON ArtworkIcon(const char* name, int size);
HBITMAP ArtworkBitmap(const char* name, COLORREF background);

// Whether the rasterised artwork is in the program: false means the build lost it.
bool HasArtwork(const char* name);

}  // namespace tolvane::gui::win32
