// UTF-8 source: the Chinese captions are written as they are shown.
#include "gui/model/ArtworkLayout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "gui/model/CommandTable.h"
#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

constexpr std::array<ToolbarStrip, 6> kToolbarStrips = {{
    {ids::kChineseToolbarNormal, InterfaceLanguage::kChinese, ToolbarLook::kNormal},
    {ids::kChineseToolbarHot, InterfaceLanguage::kChinese, ToolbarLook::kHot},
    {ids::kChineseToolbarDisabled, InterfaceLanguage::kChinese, ToolbarLook::kDisabled},
    {ids::kEnglishToolbarNormal, InterfaceLanguage::kEnglish, ToolbarLook::kNormal},
    {ids::kEnglishToolbarHot, InterfaceLanguage::kEnglish, ToolbarLook::kHot},
    {ids::kEnglishToolbarDisabled, InterfaceLanguage::kEnglish, ToolbarLook::kDisabled},
}};

constexpr std::array<const char*, kToolbarButtonCount> kToolbarIcons = {
    "new", "open", "save", "write", "read", "card", "help", "quit", "undo", "redo"};

constexpr std::array<ConnectionArtwork, 4> kConnectionPictures = {{
    {ids::kChineseFoundPicture, true, true, "USB已连接...", "usb-connected"},
    {ids::kEnglishFoundPicture, true, false, "USB Connected...", "usb-connected"},
    {ids::kChineseNotFoundPicture, false, true, "USB未连接...", "usb-unconnected"},
    {ids::kEnglishNotFoundPicture, false, false, "USB Unconnected...", "usb-unconnected"},
}};

constexpr std::array<DialSegment, 6> kDialSegments = {{
    {"L", {0x4a, 0x90, 0xd9}},
    {"P", {0x2f, 0x9e, 0x44}},
    {"X", {0xf0, 0x8a, 0x24}},
    {"Z", {0xc9, 0x2a, 0x2a}},
    {"SU", {0x70, 0x48, 0xe8}},
    {"SP", {0x10, 0x98, 0xad}},
}};

constexpr std::array<int, 6> kLayerPictures = {ids::kLayer1Picture, ids::kLayer2Picture,
                                               ids::kLayer3Picture, ids::kLayer4Picture,
                                               ids::kLayer5Picture, ids::kLayer6Picture};

struct Hsv {
    double hue = 0;  // degrees
    double saturation = 0;
    double value = 0;  // both 0..255
};

Hsv ToHsv(Rgb colour) {
    const double red = colour.red;
    const double green = colour.green;
    const double blue = colour.blue;
    const double high = std::max({red, green, blue});
    const double low = std::min({red, green, blue});
    Hsv hsv{0, high == 0 ? 0 : (high - low) * 255 / high, high};
    const double spread = high - low;
    if (spread > 0) {
        if (high == red) {
            hsv.hue = 60 * std::fmod((green - blue) / spread + 6, 6);
        } else if (high == green) {
            hsv.hue = 60 * ((blue - red) / spread + 2);
        } else {
            hsv.hue = 60 * ((red - green) / spread + 4);
        }
    }
    return hsv;
}

Rgb ToRgb(const Hsv& hsv) {
    const double chroma = hsv.value * hsv.saturation / 255;
    const double sector = hsv.hue / 60;
    const double second = chroma * (1 - std::fabs(std::fmod(sector, 2) - 1));
    const double low = hsv.value - chroma;
    double red = 0;
    double green = 0;
    double blue = 0;
    switch (static_cast<int>(sector) % 6) {
        case 0:
            red = chroma, green = second;
            break;
        case 1:
            red = second, green = chroma;
            break;
        case 2:
            green = chroma, blue = second;
            break;
        case 3:
            green = second, blue = chroma;
            break;
        case 4:
            red = second, blue = chroma;
            break;
        default:
            red = chroma, blue = second;
            break;
    }
    const auto channel = [low](double value) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(value + low, 0.0, 255.0)));
    };
    return {channel(red), channel(green), channel(blue)};
}

}  // namespace

Rgb DialSegmentFill(int segment, bool current) {
    const Rgb colour = kDialSegments[static_cast<std::size_t>(std::clamp(segment, 0, 5))].colour;
    if (current) {
        return colour;
    }
    Hsv hsv = ToHsv(colour);
    hsv.value = hsv.value * 1.6;
    if (hsv.value > 255) {
        hsv.saturation = std::max(0.0, hsv.saturation - (hsv.value - 255));
        hsv.value = 255;
    }
    return ToRgb(hsv);
}

std::optional<ToolbarStrip> FindToolbarStrip(int id) {
    for (const ToolbarStrip& strip : kToolbarStrips) {
        if (strip.id == id) {
            return strip;
        }
    }
    return std::nullopt;
}

int ToolbarStripId(InterfaceLanguage language, ToolbarLook look) {
    for (const ToolbarStrip& strip : kToolbarStrips) {
        if (strip.language == language && strip.look == look) {
            return strip.id;
        }
    }
    return 0;
}

std::span<const char* const> ToolbarIconNames() {
    return kToolbarIcons;
}

std::uint8_t DisabledGrey(Rgb colour) {
    const int grey = (colour.red * 11 + colour.green * 16 + colour.blue * 5) / 32;
    return static_cast<std::uint8_t>(160 + grey * 95 / 255);
}

std::optional<ConnectionArtwork> FindConnectionArtwork(int id) {
    for (const ConnectionArtwork& picture : kConnectionPictures) {
        if (picture.id == id) {
            return picture;
        }
    }
    return std::nullopt;
}

std::span<const DialSegment> DialSegments() {
    return kDialSegments;
}

double DialSegmentAngle(int segment) {
    return 150.0 - 60.0 * segment;
}

int LayerPictureId(int layer) {
    return layer >= 1 && layer <= 6 ? kLayerPictures[static_cast<std::size_t>(layer - 1)] : 0;
}

int LayerOfPicture(int pictureId) {
    for (std::size_t index = 0; index < kLayerPictures.size(); ++index) {
        if (kLayerPictures[index] == pictureId) {
            return static_cast<int>(index) + 1;
        }
    }
    return 0;
}

}  // namespace tolvane::gui
