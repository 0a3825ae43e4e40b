#include "tests/win32/support/WindowFixture.h"

#include "gui/win32/GdiplusHeaders.h"

#include <atomic>
#include <fstream>

#include "gui/win32/CTolvaneApp.h"
#include "gui/win32/Wide.h"

namespace tolvane::testing {

namespace {

// The encoder GDI+ writes PNG files with.
const CLSID kPngEncoder = {
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

std::filesystem::path FreshFolder() {
    static std::atomic<int> counter{0};
    const auto folder = std::filesystem::temp_directory_path() /
                        ("tolvane-win32-" + std::to_string(::GetCurrentProcessId()) + "-" +
                         std::to_string(counter++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// Has the window draw itself and its children now, and that reach the screen.
void DrawOnScreen(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    // Wine hands what the windows drew to the display when the thread looks for messages.
    MSG waiting;
    ::PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE);
    ::GdiFlush();
}

}  // namespace

std::wstring WindowText(HWND window) {
    return gui::win32::WindowText(window);
}

std::wstring MenuTitle(HMENU bar, int position) {
    wchar_t text[256] = {};
    ::GetMenuStringW(bar, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    DrawOnScreen(window);
    RECT place{};
    ::GetWindowRect(window, &place);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, place.left + x, place.top + y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

void SaveScreenshot(HWND window, const std::string& name) {
    DrawOnScreen(window);
    RECT place{};
    ::GetWindowRect(window, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    // The screen's pixels: printing a window does not draw its children under wine.
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
    ::SelectObject(memory, old);
    const std::filesystem::path folder = TOLVANE_SCREENSHOT_DIR;
    std::filesystem::create_directories(folder);
    {
        Gdiplus::Bitmap image(bitmap, nullptr);
        const std::wstring file = (folder / (name + ".png")).wstring();
        EXPECT_EQ(image.Save(file.c_str(), &kPngEncoder, nullptr), Gdiplus::Ok) << name;
    }
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

WindowFixture::WindowFixture()
    : folder_(FreshFolder()),
      keyboard_(std::make_unique<gui::VirtualKeyboardRig>((folder_ / "keyboard.state").string())) {
    // The design's own start: Chinese, whatever the system's language.
    std::ofstream(folder_ / "sysInfo.ini", std::ios::binary) << "Chinese";
    StartWindow();
}

WindowFixture::~WindowFixture() {
    window_.reset();
    keyboard_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void WindowFixture::StartWindow() {
    window_.reset();
    gui::ProgramSetup setup;
    setup.programFolder = folder_;
    setup.userConfigFolder = folder_ / "user";
    setup.virtualKeyboard = keyboard_.get();
    window_ = std::make_unique<gui::win32::CTolvaneDlg>(*image_, language_, setup);
    ASSERT_TRUE(window_->Create());
    Pump();
}

void WindowFixture::Pump() {
    gui::win32::PumpWaitingMessages(*window_);
}

bool WindowFixture::PumpUntil(const std::function<bool()>& condition,
                              std::chrono::milliseconds timeout) {
    return tolvane::testing::PumpUntil([this] { Pump(); }, condition, timeout);
}

bool PumpUntil(const std::function<void()>& pump, const std::function<bool()>& condition,
               std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::milliseconds(0)) {
            return false;
        }
        // Wakes for the next message, timer or notice; no fixed sleep.
        ::MsgWaitForMultipleObjects(
            0, nullptr, FALSE,
            static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(left).count()),
            QS_ALLINPUT);
        pump();
    }
    return true;
}

void WindowFixture::Command(int id) {
    window_->OnCommand(id);
    Pump();
}

namespace {

MSG PointerMessage(HWND control, UINT kind) {
    RECT place{};
    ::GetClientRect(control, &place);
    const LPARAM centre = MAKELPARAM(place.right / 2, place.bottom / 2);
    return MSG{control, kind, 0, centre, ::GetTickCount(), {}};
}

}  // namespace

void WindowFixture::MoveOver(HWND control) {
    MSG message = PointerMessage(control, WM_MOUSEMOVE);
    window_->PreTranslateMessage(message);
    Pump();
}

void WindowFixture::RightClick(HWND control) {
    MSG message = PointerMessage(control, WM_RBUTTONUP);
    window_->PreTranslateMessage(message);
    Pump();
}

}  // namespace tolvane::testing
