// Linux only. The emulated keyboard behind the kernel's own HID stack: the firmware of the
// virtual keyboard, presented through /dev/uhid so that hidraw, hidapi and everything above
// them meet it as they would meet the hardware.
//
// Like the real keyboard it is two HID devices with the same ids (bus USB, 0483:5017): a
// boot keyboard (generic desktop page, usage 6) and the vendor collection (page 0xFF00,
// usage 1, 64-byte input and output reports without report ids). uhid devices hang below
// no USB interface, so hidapi reports interface number -1 for both of them.
//
// The kernel opens the devices and completes writes by itself, so the faults that decide
// those on the virtual bus (refused or denied opens, late write completion) do nothing here.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "emulator/EmulatedKeyboard.h"

namespace emulator {

class UhidTransport;

class UhidKeyboard : public EmulatedKeyboard {
  public:
    // Opens the channel of one device as open("/dev/uhid") does: a file descriptor, or -1
    // with errno set. A test can stand in for the kernel with a socket pair.
    using ChannelOpener = std::function<int()>;

    explicit UhidKeyboard(std::string stateFile = {}, ChannelOpener opener = {});
    ~UhidKeyboard();

    // Creates both devices. False, with the reason in LastError, when uhid cannot be used.
    bool Plug();
    // Destroys both devices; the kernel removes their hidraw nodes before this returns.
    void Unplug();
    std::string LastError() const;

    // The kernel has started both devices (their hidraw nodes are on the way).
    bool WaitUntilStarted(std::chrono::milliseconds timeout) const;
    // Some program has the vendor device open (open = true) or none has (open = false).
    bool WaitUntilVendorOpen(bool open, std::chrono::milliseconds timeout) const;

    static std::span<const std::uint8_t> BootKeyboardDescriptor();
    static std::span<const std::uint8_t> VendorDescriptor();

  private:
    UhidKeyboard(std::shared_ptr<UhidTransport> transport, std::string stateFile);

    std::shared_ptr<UhidTransport> transport_;
};

}  // namespace emulator
