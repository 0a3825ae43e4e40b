// The keyboard's USB HID channel: find the keyboard, send and receive single reports, and
// tell the main window when HID interfaces come and go.
//
// The keyboard is the first interface, in enumeration order, with vendor 0x0483 and product
// 0x5017 that opens. Boot keyboard and mouse collections are skipped: some systems let
// programs open them, but the keyboard speaks its protocol only on its vendor interface.
//
// A transfer keeps one handle open from its first report to its end: on Linux every open
// handle has its own input queue, so a reply that arrives while no handle is open is lost
// and the read would stall. The handle is opened again through a fresh search after an I/O
// failure. Presence checks always search afresh.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>

#include "hidio/Hidio.h"

namespace tolvane {

inline constexpr std::uint16_t kKeyboardVendorId = 0x0483;
inline constexpr std::uint16_t kKeyboardProductId = 0x5017;

// The 64 bytes after the report id; payload[i] is report byte i + 1.
using Payload = std::array<std::uint8_t, 64>;

enum class KeyboardSearch {
    Found,
    NotFound,
    AccessDenied,  // a keyboard is attached but this user may not open it
};

struct KeyboardSearchResult {
    KeyboardSearch outcome = KeyboardSearch::NotFound;
    std::unique_ptr<hidio::Device> device;  // open when found
    std::string path;                       // the keyboard's path when found or denied
    std::string reason;                     // the system's words when denied
};

// Device-change events as the main window receives them.
enum class DeviceChangeEvent : std::uint32_t {
    NodesChanged = 0x0007,
    Arrival = 0x8000,
    RemovalComplete = 0x8004,
};

using NotifyTarget = std::function<void(DeviceChangeEvent)>;

// Whether an interface is one of the keyboard's collections the channel may talk to.
bool IsKeyboardVendorInterface(const hidio::InterfaceInfo& info);

class CHid {
  public:
    // Works on the process's current bus unless given one.
    explicit CHid(hidio::Bus* bus = nullptr);
    virtual ~CHid();
    CHid(const CHid&) = delete;
    CHid& operator=(const CHid&) = delete;

    // Only this interface path counts as the keyboard (one keyboard of several).
    void RestrictToPath(std::string path);

    KeyboardSearchResult FindKeyboard();

    // Starts arrival and removal notices to m_hNotifyWnd; true when the watch runs.
    // Notices arrive on a thread of the bus.
    bool RegisterNotifications();

    // Sends one report: report id 0, then the payload. Waits 100 ms for each attempt to
    // complete and gives the report up after three attempts that did not complete; a write
    // that fails at once counts as an attempt too, after the same 100 ms. While the keyboard
    // is absent it looks again every 20 ms until it is back or stop is requested. True
    // when the report was written.
    bool SendReport(const Payload& payload, std::stop_token stop);

    // Receives one report into payload. Returns false at once, payload untouched, while
    // m_bDevicePresent is 0 or no keyboard is found; otherwise waits at most a short slice
    // (so that the caller can look at its stop token) and returns whether a report came.
    bool ReceiveReport(Payload& payload, std::stop_token stop);

    // Closes the handle a transfer kept open.
    void EndTransfer();

    // Attempts that failed for the report being sent (or last sent).
    std::uint32_t writeTimeouts() const { return writeTimeouts_.load(); }

    NotifyTarget m_hNotifyWnd;
    std::atomic<std::uint32_t> m_bDevicePresent{0};
    std::uint32_t m_bNotifyRegistered = 0;
    std::unique_ptr<hidio::Watch> m_hDevNotify;

  private:
    hidio::Bus& Bus();
    bool OpenForTransfer();

    hidio::Bus* bus_;
    std::string onlyPath_;
    std::unique_ptr<hidio::Device> transferDevice_;  // used by the transfer worker only
    std::atomic<std::uint32_t> writeTimeouts_{0};
};

}  // namespace tolvane
