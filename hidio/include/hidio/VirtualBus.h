// A bus of virtual HID interfaces, for the virtual keyboard and for tests.
//
// It behaves like the Linux HID stack where the programs can tell: every open handle has
// its own input queue (of 64 reports; further reports are lost until it is read), an input
// report sent while no handle is open is lost, unplugging makes every open handle fail,
// and plugging and unplugging raise watch notices.
#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "hidio/Hidio.h"

namespace hidio {

// One HID interface of a virtual device: the device's side of the wire.
class VirtualEndpoint {
  public:
    virtual ~VirtualEndpoint() = default;

    // Whether the host may open the interface now.
    virtual OpenStatus AcceptOpen() = 0;

    // How long a host's write takes to complete; the report reaches OnOutputReport then.
    virtual std::chrono::milliseconds WriteCompletionDelay() = 0;

    // A host's output report has arrived. May call VirtualBus::SendInput.
    virtual void OnOutputReport(const Report& report) = 0;
};

class VirtualBus final : public Bus {
  public:
    VirtualBus();
    ~VirtualBus() override;
    VirtualBus(const VirtualBus&) = delete;
    VirtualBus& operator=(const VirtualBus&) = delete;

    // Plugs an interface in (a path already plugged is replaced) and notifies every watch.
    void Plug(const InterfaceInfo& info, std::shared_ptr<VirtualEndpoint> endpoint);

    // Pulls an interface out: its open handles fail from now on; watches are notified.
    void Unplug(const std::string& path);

    bool IsPlugged(const std::string& path) const;

    // The device sends an input report to every handle open on path. False when no handle
    // received it (nothing open, or the path is not plugged).
    bool SendInput(const std::string& path, const Report& report);

    std::size_t OpenHandleCount(const std::string& path) const;

    std::vector<InterfaceInfo> Enumerate() override;
    OpenResult Open(const std::string& path) override;
    std::unique_ptr<Watch> StartWatch(WatchCallback callback) override;

    struct State;  // shared with the handles and watches this bus gives out

  private:
    void Notify(WatchEvent event, const std::string& path);

    std::shared_ptr<State> state_;
};

}  // namespace hidio
