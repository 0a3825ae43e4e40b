// libvaskor: the keyboard interface library for host programs (tills, kiosks).
//
// One object of CVX30Interface finds the keyboard, keeps a channel to its vendor interface,
// sets the indicator lights, queries the switch and sends card reader settings. After Open, a
// reader thread of the library watches the keyboard and tells the host, synchronously, when it
// is plugged in or pulled out and what it answers:
//   - on Windows through SendMessage to the window given to Open;
//   - elsewhere through the CKbMessageSink given to Open: OnKbMessage runs on the reader
//     thread, and the reader waits until it returns.
// WM_KB_PLUGIN follows an open of the keyboard by the reader (a keyboard that refuses to be
// opened is not announced, though IsVX30Existed sees it); WM_KB_PLUGOUT follows the release
// of the reader's channel when the keyboard is gone or its input failed.
// lParam of WM_KB_SWITCH and WM_KB_REPORT_D2 points at byte 2 of the received report (the 63
// bytes after the code), valid only while the message is being handled.
//
// Stopping: Close and the destructor of any object stop every reader of the library (a
// library-wide switch, turned on again by the next Open) and release the channels of this
// object and of every object with a reader, without a message. They return once the stopped
// readers have ended, with one exception: a reader whose message is being handled at that
// moment is abandoned, since its handler may itself be waiting for the thread that is inside
// Close. That reader ends as soon as the handler returns and touches neither its object nor
// the window again. No message starts once Close has begun: the window (or sink) must stay
// valid until Close has returned and a handler still running has returned. On Windows, one
// exception: a message the reader had already sent when Close began, while the window's thread
// was busy elsewhere, is still handled the next time that thread handles messages (lParam then
// valid as always); a host that closes from its window procedure may see that one message late.
//
// Copies share the channel: after a = b both objects use one channel, which is closed when
// the last of them lets it go. Each object keeps its own reader thread.
//
// Without the hardware: with the environment variable VASKOR_VIRTUAL_KEYBOARD set (to a state
// file, or empty), the library talks to a virtual keyboard of its own instead of USB.
// vaskor/CardSettings.h builds the records SetCard sends.
#pragma once

#include <array>
#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#endif

#if defined(_WIN32)
#if defined(VASKOR_BUILDING)
#define VASKOR_API __declspec(dllexport)
#else
#define VASKOR_API __declspec(dllimport)
#endif
#else
#define VASKOR_API __attribute__((visibility("default")))
#endif

inline constexpr std::uint32_t WM_KB_PLUGIN = 0x7E8;     // WM_USER + 1000
inline constexpr std::uint32_t WM_KB_PLUGOUT = 0x7E9;    // WM_USER + 1001
inline constexpr std::uint32_t WM_KB_SWITCH = 0x7EA;     // WM_USER + 1002
inline constexpr std::uint32_t WM_KB_REPORT_D2 = 0x7EB;  // WM_USER + 1003

#if defined(_WIN32)
using VX30Window = HWND;
#else
// What receives the library's messages where there are no windows.
class CKbMessageSink {
  public:
    virtual ~CKbMessageSink() = default;
    virtual std::intptr_t OnKbMessage(std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
};
using VX30Window = CKbMessageSink*;
#endif

namespace vaskor {
class PipeCell;
struct ReaderThread;
struct ObjectAccess;
}  // namespace vaskor

class VASKOR_API CVX30Interface {
  public:
    CVX30Interface();
    ~CVX30Interface();
    CVX30Interface(const CVX30Interface& other);
    CVX30Interface& operator=(const CVX30Interface& other);

    // True when a channel is open afterwards; an open channel is kept as it is.
    bool CreatePipe();
    bool ClosePipe();
    // Starts the reader thread that announces the keyboard to hWnd. Calling it again while
    // this object's reader runs only changes the window. False only when no thread could be
    // started.
    bool Open(VX30Window hWnd);
    bool Close();

    // Each writer is true once its report was written within 500 ms; false with no channel.
    bool GetSwitch();
    bool SetNumLight(bool on);
    bool SetCapsLight(bool on);
    bool SetScrollLight(bool on);
    // Sends length bytes (at most 64) as bytes 1 to length of a zero-filled report.
    bool SetCard(const unsigned char* pData, unsigned long length);

    // Whether the keyboard is attached; opens nothing.
    bool IsVX30Existed();

  private:
    friend struct vaskor::ObjectAccess;

    vaskor::ReaderThread* m_hThread;  // this object's reader, null when none
    std::uint32_t m_dwThreadId;
    std::array<std::uint8_t, 65> m_Report;  // the last report the writers composed
    vaskor::PipeCell* m_pPipe;              // one reference to the open channel, or null
    VX30Window m_hWnd;
};
