// The virtual keyboard: a model of the keyboard's firmware as its protocols show it, plugged
// into hidio's virtual bus. Tests use it in place of the hardware and users try the programs
// with it (--virtual-keyboard).
//
// Like the real keyboard it has two HID interfaces with the same ids (0483:5017):
// interface 0, a boot keyboard collection that the system will not let programs open, and
// interface 1, the vendor collection that speaks both report sets:
//  - the programmer's: read request 0xE2, acknowledge 0xF5, begin write 0xF1, key record
//    0xF0, track record 0xF9, options record 0xF4, end 0xF6 (replies carry their code in
//    byte 2);
//  - the interface library's: lights 0xD0, switch query 0xD1 (answered with 0xD1), card
//    settings 0xFA, and the keyboard's own 0xD2 answers (code in byte 1).
// On a read request it sends every record it stores, each one after the host acknowledged
// the one before, then the end reply. Records written to it are stored as they arrive; the
// end report of a write makes the programming persist in the state file, if there is one.
//
// Both interfaces report the serial number its state file gives, if any.
//
// Faults can be switched on to see how the host copes with a misbehaving keyboard, and it
// can be plugged in later or pulled out in the middle of a write and come back by itself.
#pragma once

#include <string>

#include "emulator/EmulatedKeyboard.h"
#include "hidio/VirtualBus.h"

namespace emulator {

class VirtualKeyboard : public EmulatedKeyboard {
  public:
    // id makes the paths unique when several keyboards share a bus. With a state file the
    // programming is loaded from it (when it exists) and saved after each completed write.
    VirtualKeyboard(hidio::VirtualBus& bus, std::string id = "1", std::string stateFile = {});
    ~VirtualKeyboard();  // pulls the keyboard out

    void Plug();
    void Unplug();

    std::string VendorPath() const;
    std::string BootPath() const;

  private:
    std::string id_;
};

}  // namespace emulator
