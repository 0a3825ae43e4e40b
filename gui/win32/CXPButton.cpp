#include "gui/win32/CXPButton.h"

#include <string>

#include "gui/model/ButtonLook.h"

namespace tolvane::gui::win32 {

namespace {

COLORREF Colour(Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

void FillRow(HDC dc, const RECT& rect, int row, Rgb colour) {
    const RECT line{rect.left, rect.top + row, rect.right, rect.top + row + 1};
    ::SetDCBrushColor(dc, Colour(colour));
    ::FillRect(dc, &line, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void GradientFill(HDC dc, const RECT& rect, Rgb from, Rgb to, int span) {
    const int rows = rect.bottom - rect.top;
    const std::vector<Rgb> colours = GradientRows(from, to, span, rows);
    for (int row = 0; row < rows; ++row) {
        FillRow(dc, rect, row, colours[static_cast<std::size_t>(row)]);
    }
}

void RoundedOutline(HDC dc, const RECT& rect) {
    const HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(HOLLOW_BRUSH));
    const HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(DC_PEN));
    ::SetDCPenColor(dc, Colour(kButtonBorderColour));
    ::RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, 3, 3);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
}

void Edge3d(HDC dc, const RECT& rect, Rgb upperLeft, Rgb lowerRight) {
    const HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(DC_PEN));
    ::SetDCPenColor(dc, Colour(upperLeft));
    ::MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
    ::LineTo(dc, rect.left, rect.top);
    ::LineTo(dc, rect.right - 1, rect.top);
    ::SetDCPenColor(dc, Colour(lowerRight));
    ::LineTo(dc, rect.right - 1, rect.bottom - 1);
    ::LineTo(dc, rect.left - 1, rect.bottom - 1);
    ::SelectObject(dc, oldPen);
}

// Border and inner edge; returns the rectangle one pixel inside the border.
RECT DrawBorder(HDC dc, const RECT& rect, Rgb upperLeft, Rgb lowerRight) {
    RoundedOutline(dc, rect);
    RECT inner = rect;
    ::InflateRect(&inner, -1, -1);
    Edge3d(dc, inner, upperLeft, lowerRight);
    return inner;
}

void DrawHotRing(HDC dc, const RECT& ring) {
    RECT face = ring;
    ::InflateRect(&face, -kButtonHotRingWidth, -kButtonHotRingWidth);
    const int span = ring.bottom - ring.top;
    GradientFill(dc, ring, kButtonHotRingTop, kButtonHotColour, span);
    GradientFill(dc, face, kButtonGradientLight, kButtonGradientDark, span);
    RECT outside = ring;
    ::InflateRect(&outside, 1, 1);
    RoundedOutline(dc, outside);
}

void DrawFoundFrame(HDC dc, const RECT& whole) {
    const HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(HOLLOW_BRUSH));
    const HPEN pen =
        ::CreatePen(PS_INSIDEFRAME, kButtonFoundFrameWidth, Colour(kButtonFoundColour));
    const HGDIOBJ oldPen = ::SelectObject(dc, pen);
    RECT frame = whole;
    ::InflateRect(&frame, -1, -1);
    ::RoundRect(dc, frame.left, frame.top, frame.right, frame.bottom, 4, 4);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(pen);
}

std::wstring CaptionOf(HWND button) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(button)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(button, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

ButtonLook LookOf(const DRAWITEMSTRUCT& item, bool hot) {
    if ((item.itemState & ODS_SELECTED) != 0) {
        return ButtonLook::kPressed;
    }
    return hot ? ButtonLook::kHot : ButtonLook::kRest;
}

void DrawXPButton(const DRAWITEMSTRUCT& item, ButtonLook look, bool found) {
    const HDC dc = item.hDC;
    const RECT& whole = item.rcItem;
    const int height = whole.bottom - whole.top;
    ::SetBkMode(dc, TRANSPARENT);
    COLORREF text = Colour(kButtonTextColour);
    RECT inner{};
    if (look == ButtonLook::kPressed) {
        GradientFill(dc, whole, kButtonGradientDark, kButtonGradientLight, height);
        inner = DrawBorder(dc, whole, kButtonEdgeShadowColour, kButtonEdgeShadowColour);
        text = Colour(kButtonPressedTextColour);
    } else {
        GradientFill(dc, whole, kButtonGradientLight, kButtonGradientDark, height);
        inner = DrawBorder(dc, whole, kButtonEdgeLightColour, kButtonEdgeShadowColour);
    }
    if (look == ButtonLook::kHot) {
        DrawHotRing(dc, inner);
        text = Colour(kButtonHotTextColour);
    }
    if (found) {
        DrawFoundFrame(dc, whole);
    }
    ::SetTextColor(dc, text);
    std::wstring caption = CaptionOf(item.hwndItem);
    RECT place = whole;
    ::DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &place,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace tolvane::gui::win32
