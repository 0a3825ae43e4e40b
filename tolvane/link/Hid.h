// The keyboard's USB HID channel: find the keyboard, send and receive single reports, and
// tell the main window when HID interfaces come and go.
//
// The keyboard is the first of its vendor interfaces (hidio::IsKeyboardVendorInterface), in
// enumeration order, that opens.
//
// A transfer keeps one handle open from its first report to its end: on Linux every open
// handle has its own input queue, so a reply that arrives while no handle is open is lost
// and the read would stall. The handle is opened again through a fresh search after an I/O
// failure. Presence checks always search afresh.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>

#include "hidio/Hidio.h"

namespace tolvane {

enum class KeyboardSearch {
    kFound,
    kNotFound,
    kAccessDenied,  // a keyboard is attached but this user may not open it
};

struct KeyboardSearchResult {
    KeyboardSearch outcome = KeyboardSearch::kNotFound;
    std::unique_ptr<hidio::Device> device;  // open when found
    std::string path;                       // the keyboard's path when found or denied
    std::string reason;                     // the system's words when denied
};

// Device-change events as the main window receives them.
enum class DeviceChangeEvent : std::uint32_t {
    kNodesChanged = 0x0007,
    kArrival = 0x8000,
    kRemovalComplete = 0x8004,
};

// What receives the device-change notices. It is called on a thread of the bus (for the
// virtual bus: the thread that plugs or unplugs), so a window hands each notice on to its
// own thread.
using NotifyTarget = std::function<void(DeviceChangeEvent)>;

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

    // Whether the keyboard's interface is on the bus at all, whether or not it opens.
    bool KeyboardAttached();
    // The serial number the keyboard's interface reports; empty for none or no keyboard.
    std::string SerialNumber();

    // Starts arrival and removal notices to target; true when the watch runs. The watch
    // holds the target from before its first notice to its end and nothing else does, so a
    // notice never meets a target being changed. A later call ends the earlier watch before
    // it starts the new one.
    bool RegisterNotifications(NotifyTarget target);

    // Sends one report, byte 0 being its report id (0). Waits 100 ms for each attempt to
    // complete and gives the report up after three attempts that did not complete; a write
    // that fails at once counts as an attempt too, after the same 100 ms. While the keyboard
    // is absent it looks again every 20 ms until it is back or stop is requested. True
    // when the report was written.
    bool SendReport(const hidio::Report& report, std::stop_token stop);

    // Receives one report, report id in byte 0. Returns false at once, report untouched, while
    // m_bDevicePresent is 0 or no keyboard is found; otherwise waits at most a short slice
    // (so that the caller can look at its stop token) and returns whether a report came.
    bool ReceiveReport(hidio::Report& report, std::stop_token stop);

    // Closes the handle a transfer kept open.
    void EndTransfer();

    // Attempts that failed for the report being sent (or last sent).
    std::uint32_t writeTimeouts() const { return writeTimeouts_.load(); }

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
