// UTF-8 source: the Chinese captions are written as they are shown.
// How the program's pictures are composed, for every front end: which SVG of the artwork
// each toolbar button shows and where, the label under it, the looks of the three strips,
// the connection pictures with their captions, and the key-lock dial of each layer. A front
// end only renders these with its toolkit.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "gui/kit/DialogUnits.h"
#include "gui/model/ButtonLook.h"
#include "tolvane/app/TextTable.h"

namespace tolvane::gui {

inline constexpr Rgb kArtworkInk{0x24, 0x41, 0x5f};
inline constexpr Rgb kArtworkAlarm{0xc9, 0x2a, 0x2a};

// Toolbar images: 36 x 36, the icon in the upper part, the label centred under it.
inline constexpr int kToolbarImageSize = 36;
inline constexpr PixelRect kToolbarIconPlace{8, 1, 20, 20};
inline constexpr PixelRect kToolbarLabelPlace{0, 21, 36, 15};
inline constexpr Rgb kToolbarHotBackground{0xff, 0xe3, 0xc2};

enum class ToolbarLook { kNormal, kHot, kDisabled };

struct ToolbarStrip {
    int id;
    InterfaceLanguage language;
    ToolbarLook look;
};

std::optional<ToolbarStrip> FindToolbarStrip(int id);
int ToolbarStripId(InterfaceLanguage language, ToolbarLook look);

// The artwork file (without ".svg") of each toolbar button, in the toolbar's order.
std::span<const char* const> ToolbarIconNames();

// A disabled image's pixel from the normal one's: a light grey of the same brightness.
std::uint8_t DisabledGrey(Rgb colour);

// The connection pictures: 362 x 67, the cable's artwork on the left, the caption beside it
// in the picture's face enlarged.
inline constexpr int kConnectionPictureWidth = 362;
inline constexpr int kConnectionPictureHeight = 67;
inline constexpr PixelRect kConnectionArtworkPlace{0, 0, 190, kConnectionPictureHeight};
inline constexpr int kConnectionCaptionLeft = 192;
inline constexpr double kConnectionCaptionScale = 1.4;

struct ConnectionArtwork {
    int id;
    bool connected;
    bool chinese;
    std::string_view caption;
    std::string_view artwork;  // the SVG's name
};

std::optional<ConnectionArtwork> FindConnectionArtwork(int id);

// The key-lock dial: a ring of six coloured segments, one per layer, the pointer on the layer
// shown. Segment k (0 = L) is centred at 150 - 60k degrees, counter-clockwise from three
// o'clock: L at the upper left, then clockwise round the dial.
inline constexpr int kDialWidth = 93;
inline constexpr int kDialHeight = 90;
inline constexpr double kDialOuterRadius = 43;
inline constexpr double kDialInnerRadius = 24;
inline constexpr double kDialSegmentSweep = 58;

struct DialSegment {
    std::string_view label;
    Rgb colour;
};

std::span<const DialSegment> DialSegments();
double DialSegmentAngle(int segment);
// A segment's fill: its colour on the layer shown, a lighter one (brightness x 1.6, the
// excess taken from the saturation) on the others.
Rgb DialSegmentFill(int segment, bool current);

// The picture of the dial on a layer 1..6, and back; 0 outside them.
int LayerPictureId(int layer);
int LayerOfPicture(int pictureId);

}  // namespace tolvane::gui
