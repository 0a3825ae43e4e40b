#include "gui/win32/Artwork.h"

#include <shlwapi.h>

#include "gui/win32/GdiplusHeaders.h"

#include <cmath>
#include <memory>
#include <string>

#include "gui/model/CommandTable.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The build names each rasterised SVG after its file: "usb-connected" is ARTWORK_USB_CONNECTED.
std::wstring ResourceName(const char* name) {
    std::wstring resource = L"ARTWORK_";
    for (const char* c = name; *c != '\0'; ++c) {
        resource +=
            *c == '-' ? L'_' : static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(*c)));
    }
    return resource;
}

std::unique_ptr<Gdiplus::Bitmap> LoadArtwork(const char* name) {
    const HRSRC found = ::FindResourceW(nullptr, ResourceName(name).c_str(), RT_RCDATA);
    if (found == nullptr) {
        return nullptr;
    }
    const HGLOBAL loaded = ::LoadResource(nullptr, found);
    const auto* bytes = static_cast<const BYTE*>(::LockResource(loaded));
    IStream* stream = ::SHCreateMemStream(bytes, ::SizeofResource(nullptr, found));
    if (stream == nullptr) {
        return nullptr;
    }
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(stream);
    stream->Release();
    return bitmap->GetLastStatus() == Gdiplus::Ok ? std::move(bitmap) : nullptr;
}

void DrawArtwork(Gdiplus::Graphics& graphics, std::string_view name, const PixelRect& where) {
    if (const auto bitmap = LoadArtwork(std::string(name).c_str())) {
        graphics.DrawImage(bitmap.get(), where.x, where.y, where.width, where.height);
    }
}

Gdiplus::Color GdiplusColour(Rgb colour) {
    return Gdiplus::Color(255, colour.red, colour.green, colour.blue);
}

// A 24-bit picture to draw into, filled with one colour.
struct Canvas {
    Canvas(int width, int height, COLORREF background) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        const HDC screen = ::GetDC(nullptr);
        bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        dc = ::CreateCompatibleDC(screen);
        ::ReleaseDC(nullptr, screen);
        old = ::SelectObject(dc, bitmap);
        const RECT all{0, 0, width, height};
        ::SetDCBrushColor(dc, background);
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    }
    ~Canvas() {
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
    }
    // Hands the picture over; the canvas must not be drawn on afterwards.
    HBITMAP Take() {
        ::GdiFlush();
        ::SelectObject(dc, old);
        old = nullptr;
        HBITMAP taken = bitmap;
        bitmap = nullptr;
        return taken;
    }
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
};

HFONT PictureFont(bool chinese, double pointSize) {
    const HDC screen = ::GetDC(nullptr);
    const int height =
        -static_cast<int>(std::lround(pointSize * ::GetDeviceCaps(screen, LOGPIXELSY) / 72));
    ::ReleaseDC(nullptr, screen);
    // Words in pictures: the Chinese face for Chinese words, else the dialog's face.
    return ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                         chinese ? L"\u9ed1\u4f53" : L"Microsoft Sans Serif");
}

void DrawWords(HDC dc, std::string_view utf8, RECT place, bool chinese, double pointSize,
               Rgb colour, UINT format) {
    const HFONT font = PictureFont(chinese, pointSize);
    const HGDIOBJ old = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(colour.red, colour.green, colour.blue));
    std::wstring words = Wide(utf8);
    ::DrawTextW(dc, words.data(), static_cast<int>(words.size()), &place, format | DT_NOPREFIX);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
}

RECT ToRect(const PixelRect& rect, int left = 0) {
    return {left + rect.x, rect.y, left + rect.x + rect.width, rect.y + rect.height};
}

void GreyOut(HBITMAP strip) {
    DIBSECTION section{};
    ::GetObjectW(strip, sizeof section, &section);
    auto* row = static_cast<BYTE*>(section.dsBm.bmBits);
    for (int y = 0; y < section.dsBm.bmHeight; ++y, row += section.dsBm.bmWidthBytes) {
        for (int x = 0; x < section.dsBm.bmWidth; ++x) {
            BYTE* pixel = row + 3 * x;
            if (RGB(pixel[2], pixel[1], pixel[0]) == ToolbarTransparent()) {
                continue;
            }
            const std::uint8_t grey = DisabledGrey({pixel[2], pixel[1], pixel[0]});
            pixel[0] = pixel[1] = pixel[2] = grey;
        }
    }
}

void DrawToolbarImage(Canvas& canvas, InterfaceLanguage language, ToolbarLook look, int index) {
    const int left = index * kToolbarImageSize;
    Gdiplus::Graphics graphics(canvas.dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    if (look == ToolbarLook::kHot) {
        Gdiplus::SolidBrush brush(GdiplusColour(kToolbarHotBackground));
        Gdiplus::GraphicsPath path;
        const Gdiplus::REAL size = kToolbarImageSize - 1;
        const Gdiplus::REAL x = static_cast<Gdiplus::REAL>(left) + 0.5f;
        path.AddArc(x, 0.5f, 8.0f, 8.0f, 180, 90);
        path.AddArc(x + size - 8, 0.5f, 8.0f, 8.0f, 270, 90);
        path.AddArc(x + size - 8, 0.5f + size - 8, 8.0f, 8.0f, 0, 90);
        path.AddArc(x, 0.5f + size - 8, 8.0f, 8.0f, 90, 90);
        path.CloseFigure();
        graphics.FillPath(&brush, &path);
    }
    PixelRect icon = kToolbarIconPlace;
    icon.x += left;
    DrawArtwork(graphics, ToolbarIconNames()[static_cast<std::size_t>(index)], icon);
    graphics.Flush();
    const ToolbarButton& button = MainToolbar(language)[static_cast<std::size_t>(index)];
    DrawWords(canvas.dc, ToolbarLabel(button, language), ToRect(kToolbarLabelPlace, left),
              language == InterfaceLanguage::kChinese, 9, kArtworkInk, DT_CENTER | DT_TOP);
}

HBITMAP DrawConnectionPicture(const ConnectionArtwork& picture) {
    Canvas canvas(kConnectionPictureWidth, kConnectionPictureHeight, ::GetSysColor(COLOR_BTNFACE));
    {
        Gdiplus::Graphics graphics(canvas.dc);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        DrawArtwork(graphics, picture.artwork, kConnectionArtworkPlace);
    }
    const RECT caption{kConnectionCaptionLeft, 0, kConnectionPictureWidth,
                       kConnectionPictureHeight};
    DrawWords(canvas.dc, picture.caption, caption, picture.chinese, 9 * kConnectionCaptionScale,
              picture.connected ? kArtworkInk : kArtworkAlarm,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    return canvas.Take();
}

Gdiplus::PointF OnCircle(Gdiplus::PointF centre, double radius, double degrees) {
    const double radians = degrees * kPi / 180;
    return {static_cast<Gdiplus::REAL>(centre.X + radius * std::cos(radians)),
            static_cast<Gdiplus::REAL>(centre.Y - radius * std::sin(radians))};
}

// The model's angles run counter-clockwise from three o'clock, GDI+'s clockwise.
void AddSegment(Gdiplus::GraphicsPath& path, Gdiplus::PointF centre, int segment) {
    const auto box = [centre](double radius) {
        return Gdiplus::RectF(static_cast<Gdiplus::REAL>(centre.X - radius),
                              static_cast<Gdiplus::REAL>(centre.Y - radius),
                              static_cast<Gdiplus::REAL>(2 * radius),
                              static_cast<Gdiplus::REAL>(2 * radius));
    };
    const double start = DialSegmentAngle(segment) - kDialSegmentSweep / 2;
    const auto sweep = static_cast<Gdiplus::REAL>(kDialSegmentSweep);
    path.AddArc(box(kDialOuterRadius), static_cast<Gdiplus::REAL>(-start), -sweep);
    path.AddArc(box(kDialInnerRadius), static_cast<Gdiplus::REAL>(-(start + kDialSegmentSweep)),
                sweep);
    path.CloseFigure();
}

HBITMAP DrawLayerDial(int layer) {
    Canvas canvas(kDialWidth, kDialHeight, ::GetSysColor(COLOR_BTNFACE));
    const Gdiplus::PointF centre(kDialWidth / 2.0f, kDialHeight / 2.0f);
    {
        Gdiplus::Graphics graphics(canvas.dc);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        for (int segment = 0; segment < 6; ++segment) {
            const bool current = segment == layer - 1;
            Gdiplus::GraphicsPath path;
            AddSegment(path, centre, segment);
            Gdiplus::SolidBrush fill(GdiplusColour(DialSegmentFill(segment, current)));
            Gdiplus::Pen outline(GdiplusColour(kArtworkInk), current ? 2.0f : 1.0f);
            graphics.FillPath(&fill, &path);
            graphics.DrawPath(&outline, &path);
        }
        Gdiplus::Pen pointer(GdiplusColour(kArtworkInk), 3.5f);
        pointer.SetStartCap(Gdiplus::LineCapRound);
        pointer.SetEndCap(Gdiplus::LineCapRound);
        graphics.DrawLine(&pointer, centre,
                          OnCircle(centre, kDialInnerRadius - 3, DialSegmentAngle(layer - 1)));
        Gdiplus::SolidBrush hub(GdiplusColour(kArtworkInk));
        graphics.FillEllipse(&hub, centre.X - 6, centre.Y - 6, 12.0f, 12.0f);
    }
    for (int segment = 0; segment < 6; ++segment) {
        const DialSegment& look = DialSegments()[static_cast<std::size_t>(segment)];
        const Gdiplus::PointF at =
            OnCircle(centre, (kDialOuterRadius + kDialInnerRadius) / 2, DialSegmentAngle(segment));
        const RECT place{static_cast<LONG>(at.X) - 12, static_cast<LONG>(at.Y) - 8,
                         static_cast<LONG>(at.X) + 12, static_cast<LONG>(at.Y) + 8};
        const Rgb white{255, 255, 255};
        DrawWords(canvas.dc, look.label, place, false, 9,
                  segment == layer - 1 ? white : kArtworkInk,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    return canvas.Take();
}

}  // namespace

ArtworkSession::ArtworkSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

ArtworkSession::~ArtworkSession() {
    Gdiplus::GdiplusShutdown(token_);
}

HBITMAP ToolbarStrip(InterfaceLanguage language, ToolbarLook look) {
    Canvas canvas(kToolbarImageSize * kToolbarButtonCount, kToolbarImageSize, ToolbarTransparent());
    for (int index = 0; index < kToolbarButtonCount; ++index) {
        DrawToolbarImage(canvas, language, look, index);
    }
    const HBITMAP strip = canvas.Take();
    if (look == ToolbarLook::kDisabled) {
        GreyOut(strip);
    }
    return strip;
}

HBITMAP Picture(int resourceId) {
    if (const auto picture = FindConnectionArtwork(resourceId)) {
        return DrawConnectionPicture(*picture);
    }
    if (const int layer = LayerOfPicture(resourceId); layer != 0) {
        return DrawLayerDial(layer);
    }
    return nullptr;
}

HICON ProgramIcon(int size) {
    return ArtworkIcon("program", size);
}

HICON ArtworkIcon(const char* name, int size) {
    const auto bitmap = LoadArtwork(name);
    if (!bitmap) {
        return nullptr;
    }
    Gdiplus::Bitmap scaled(size, size, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&scaled);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.DrawImage(bitmap.get(), 0, 0, size, size);
    }
    HICON icon = nullptr;
    scaled.GetHICON(&icon);
    return icon;
}

HBITMAP ArtworkBitmap(const char* name, COLORREF background) {
    const auto bitmap = LoadArtwork(name);
    if (!bitmap) {
        return nullptr;
    }
    const int width = static_cast<int>(bitmap->GetWidth());
    const int height = static_cast<int>(bitmap->GetHeight());
    Canvas canvas(width, height, background);
    {
        Gdiplus::Graphics graphics(canvas.dc);
        graphics.DrawImage(bitmap.get(), 0, 0, width, height);
    }
    return canvas.Take();
}

bool HasArtwork(const char* name) {
    return ::FindResourceW(nullptr, ResourceName(name).c_str(), RT_RCDATA) != nullptr;
}

}  // namespace tolvane::gui::win32
