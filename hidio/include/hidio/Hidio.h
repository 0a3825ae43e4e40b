// hidio: the program's view of the operating system's HID services.
//
// Enumerate HID interfaces, open one by path, write one output report with a completion
// time-out, read one input report with a time-out, and watch interfaces come and go.
// A report is 65 bytes with byte 0 = report id (always 0) in both directions, whatever the
// backend hands over, so every layer above speaks one numbering.
//
// One bus is selected per process (this is a shared library for that reason): the system
// bus by default, or a virtual bus on which virtual keyboards are plugged.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hidio {

inline constexpr std::size_t kReportSize = 65;
using Report = std::array<std::uint8_t, kReportSize>;

struct InterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    int interfaceNumber = -1;  // -1 where the platform reports none
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::string product;
    std::string serialNumber{};  // empty where the device reports none
};

enum class IoResult {
    kOk,
    kTimedOut,  // nothing arrived, or the write did not complete, within the time given
    kFailed,    // the device is gone or the handle is no longer usable
};

enum class OpenStatus {
    kOpened,
    kNotFound,
    kAccessDenied,  // the interface exists but this user may not open it
    kRefused,       // any other refusal by the system or the device
};

const char* ToString(OpenStatus status);

class Device {
  public:
    virtual ~Device() = default;

    // Writes one report. Returns kOk once the system reports the write complete, kTimedOut
    // when it has not completed within completionTimeout (the write may still complete
    // later; the device keeps its own copy of the data until then), kFailed otherwise.
    // Writes on one device are serialised.
    virtual IoResult Write(const Report& report, std::chrono::milliseconds completionTimeout) = 0;

    // Waits at most timeout for one input report. Only one thread reads a device at a time.
    virtual IoResult Read(Report& report, std::chrono::milliseconds timeout) = 0;

    // Makes a Read that is waiting, or the next one, return kTimedOut at once. Safe from any
    // thread; used to wake a reader before the device is closed.
    virtual void InterruptRead() = 0;

    virtual const std::string& Path() const = 0;
};

struct OpenResult {
    std::unique_ptr<Device> device;
    OpenStatus status = OpenStatus::kNotFound;
    std::string message;  // the system's reason when the open failed
};

enum class WatchEvent { kArrival, kRemoval };
using WatchCallback = std::function<void(WatchEvent event, const std::string& path)>;

// Arrival and removal notices flow while this object lives. The callback runs on a thread
// of the bus (for the virtual bus: the thread that plugs or unplugs), so a GUI must move the
// notice onto its own thread. Destroying the watch waits for a callback that is running;
// a callback must not destroy its own watch.
class Watch {
  public:
    virtual ~Watch() = default;
};

class Bus {
  public:
    virtual ~Bus() = default;

    // Every HID interface, one entry per path, in a stable order.
    virtual std::vector<InterfaceInfo> Enumerate() = 0;
    virtual OpenResult Open(const std::string& path) = 0;
    virtual std::unique_ptr<Watch> StartWatch(WatchCallback callback) = 0;
};

// The bus of this process: the one last selected, else the system's.
Bus& CurrentBus();

// Selects a bus for the whole process; null selects the system's bus again. The caller
// keeps the bus alive while it is selected.
void SelectBus(Bus* bus);

// The system's HID services (hidapi on Linux).
Bus& SystemBus();

}  // namespace hidio
