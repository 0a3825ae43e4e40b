#include "gui/win32/CProgressWnd.h"

#include <commctrl.h>

#include <vector>

#include "gui/model/ProgressRules.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/Registry.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"TolvaneProgressWnd";
constexpr int kWidth = 360;
constexpr int kHeight = 80;
constexpr int kMargin = 10;
// Sizes the space kept for a cancel button that is never created.
constexpr wchar_t kButtonSizingText[] = L" \u53d6\u6d88 ";

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_APPSTARTING);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassW(&windowClass);  // fails harmlessly when an earlier window registered it
}

HFONT MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
}

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
    reinterpret_cast<std::vector<PixelRect>*>(data)->push_back(
        {rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top});
    return TRUE;
}

std::vector<PixelRect> Screens() {
    std::vector<PixelRect> screens;
    ::EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&screens));
    return screens;
}

PixelRect WindowPlace(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

CProgressWnd::CProgressWnd(const std::wstring& title, HWND mainWindow)
    : mainWindow_(mainWindow), title_(title) {
    Create();
}

CProgressWnd::~CProgressWnd() {
    if (keepsPosition_ && Exists()) {
        SavePosition();
    }
    if (modalFlag_) {
        modalFlag_ = false;
        ::EnableWindow(mainWindow_, TRUE);
    }
    if (Exists()) {
        ::DestroyWindow(window_);
    }
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
}

bool CProgressWnd::Create() {
    RegisterWindowClass(&CProgressWnd::Procedure);
    font_ = MessageFont();
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    window_ = ::CreateWindowExW(WS_EX_TOPMOST, kWindowClass, title_.c_str(),
                                WS_POPUP | WS_CAPTION | WS_DLGFRAME, 0, 0, kWidth, kHeight,
                                mainWindow_, nullptr, instance, this);
    if (window_ == nullptr) {
        return false;
    }
    text_ = ::CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0, 0, 0,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::kProgressText)), instance,
        nullptr);
    bar_ = ::CreateWindowExW(
        0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::kProgressBar)), instance, nullptr);
    if (text_ == nullptr || bar_ == nullptr) {
        ::DestroyWindow(window_);
        window_ = nullptr;
        return false;
    }
    ::SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    LayOut();
    RestorePosition();
    ShowWithoutActivating();
    return true;
}

void CProgressWnd::LayOut() {
    const HDC dc = ::GetDC(window_);
    const HGDIOBJ old = ::SelectObject(dc, font_);
    std::wstring lines = L"M";
    for (int line = 1; line < lineCount_; ++line) {
        lines += L"\nM";
    }
    RECT text{kMargin, kMargin, kMargin + kWidth, kMargin};
    ::DrawTextW(dc, lines.data(), static_cast<int>(lines.size()), &text, DT_CALCRECT | DT_NOPREFIX);
    text.right = kMargin + kWidth;
    const std::wstring sizing = std::wstring(kButtonSizingText) + L"  ";
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, sizing.c_str(), static_cast<int>(sizing.size()), &extent);
    ::SelectObject(dc, old);
    ::ReleaseDC(window_, dc);

    const int edgeX = ::GetSystemMetrics(SM_CXEDGE);
    const int edgeY = ::GetSystemMetrics(SM_CYEDGE);
    const int buttonWidth = extent.cx + 4 * edgeX;
    const int buttonHeight = extent.cy + 3 * edgeY;
    const RECT button{text.right - buttonWidth, text.bottom + kMargin, text.right,
                      text.bottom + kMargin + buttonHeight};
    const RECT bar{text.left, button.top + edgeY, button.left - kMargin, button.bottom - edgeY};

    RECT frame{0, 0, (text.right - text.left) + 2 * kMargin,
               (text.bottom - text.top) + buttonHeight + 3 * kMargin};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    ::SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::MoveWindow(bar_, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, FALSE);
    ::MoveWindow(text_, text.left, text.top, text.right - text.left, text.bottom - text.top, FALSE);
}

void CProgressWnd::RestorePosition() {
    std::optional<ScreenPoint> saved;
    const auto x = ReadSettingsNumber(kProgressSettingsSection, kProgressXValue);
    const auto y = ReadSettingsNumber(kProgressSettingsSection, kProgressYValue);
    if (keepsPosition_ && x && y) {
        saved = ScreenPoint{*x, *y};
    }
    const PixelRect own = WindowPlace(window_);
    const std::vector<PixelRect> screens = Screens();
    const PixelRect owner = mainWindow_ != nullptr ? WindowPlace(mainWindow_)
                                                   : (screens.empty() ? own : screens.front());
    const ScreenPoint place = ProgressWindowPlace(saved, screens, owner, own.width, own.height);
    ::SetWindowPos(window_, nullptr, place.x, place.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CProgressWnd::SavePosition() {
    const PixelRect place = WindowPlace(window_);
    WriteSettingsNumber(kProgressSettingsSection, kProgressXValue, place.x);
    WriteSettingsNumber(kProgressSettingsSection, kProgressYValue, place.y);
}

void CProgressWnd::ShowWithoutActivating() {
    if (Exists() && !::IsWindowVisible(window_)) {
        ::ShowWindow(window_, SW_SHOWNOACTIVATE);
        ::RedrawWindow(window_, nullptr, nullptr,
                       RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void CProgressWnd::GoModal() {
    if (!Exists() && !Create()) {
        return;
    }
    ::EnableWindow(mainWindow_, FALSE);
    ::EnableWindow(window_, TRUE);
    modalFlag_ = true;
}

void CProgressWnd::SetRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    if (Exists()) {
        ::SendMessageW(bar_, PBM_SETRANGE32, static_cast<WPARAM>(lower), upper);
    }
}

void CProgressWnd::SetStep(int step) {
    step_ = step;
    if (Exists()) {
        ::SendMessageW(bar_, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
    }
}

void CProgressWnd::SetText(const std::wstring& text) {
    if (Exists()) {
        ::SetWindowTextW(text_, text.c_str());
    }
}

int CProgressWnd::SetPos(int value) {
    if (!Exists()) {
        position_ = value;
        return position_;
    }
    ShowWithoutActivating();
    position_ = value;
    const int percent = ProgressPercent(value, lower_, upper_);
    if (percent != lastPercent_) {
        lastPercent_ = percent;
        ::SetWindowTextW(window_, Wide(ProgressTitle(Utf8(title_), percent)).c_str());
    }
    return static_cast<int>(::SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(value), 0));
}

void CProgressWnd::TakeFocus() {
    if (modalFlag_ && Exists() && ::GetFocus() != window_) {
        ::SetFocus(window_);
    }
}

void CProgressWnd::Cancel() {
    stopRequested_ = true;
    if (Exists() && ::IsWindowVisible(window_)) {
        ::ShowWindow(window_, SW_HIDE);
    }
    if (modalFlag_ && Exists()) {
        // Gone for the rest of the transfer; the main window stays disabled until the end.
        ::SendMessageW(window_, WM_CLOSE, 0, 0);
    }
    if (mainWindow_ != nullptr) {
        ::SetForegroundWindow(mainWindow_);
    }
}

LRESULT CALLBACK CProgressWnd::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<CProgressWnd*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && message == WM_COMMAND && LOWORD(wParam) == ids::kProgressCancel) {
        self->Cancel();
        return 0;
    }
    if (self != nullptr && message == WM_NCDESTROY) {
        self->window_ = nullptr;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tolvane::gui::win32
