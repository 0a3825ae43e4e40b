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
// Faults can be switched on to see how the host copes with a misbehaving keyboard.
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hidio/VirtualBus.h"
#include "hidio/WireTrace.h"

namespace emulator {

inline constexpr int kButtons = 84;
inline constexpr int kLayers = 6;
inline constexpr int kMaxCodes = 55;
inline constexpr int kTracks = 3;
inline constexpr std::size_t kCardRecordSize = 25;

struct TrackProgramming {
    std::uint8_t mode = 2;  // 0 off, 1 on, 2 on with Enter
    std::uint8_t prefixShift = 0x37;
    std::uint8_t prefixKey = 0x41;
    std::uint8_t suffixShift = 0;
    std::uint8_t suffixKey = 0x34;
    bool operator==(const TrackProgramming&) const = default;
};

// Everything the programmer reads and writes.
struct Programming {
    // keys[button][layer], buttons 1..84 and layers 1..6; index 0 unused.
    std::array<std::array<std::vector<std::uint8_t>, kLayers + 1>, kButtons + 1> keys;
    std::array<TrackProgramming, kTracks> tracks{};
    std::array<std::uint8_t, 4> options{1, 0, 0, 0};
    bool operator==(const Programming&) const = default;
};

struct Lamps {
    bool num = false;
    bool caps = false;
    bool scroll = false;
    bool operator==(const Lamps&) const = default;
};

struct Faults {
    bool silent = false;                    // answers nothing at all
    std::optional<int> silentAfterRecords;  // stops after sending this many records
    int dropAcknowledges = 0;               // ignores this many acknowledges (then stalls)
    bool garbageReplies = false;            // a report of an unknown code before each record
    std::optional<int> oversizedRecordAt;   // record number (0-based) sent with n = 60
    bool outOfRangeRecords = false;         // first sends records for button 0, 85, layer 7
    std::optional<int> unplugAfterReports;  // pulled out after this many reports either way
    bool refuseOpens = false;
    bool denyAccess = false;  // opens fail as for a user without the rights
    std::chrono::milliseconds writeCompletionDelay{0};
    std::chrono::milliseconds replyDelay{0};
};

class VirtualKeyboard {
  public:
    // id makes the paths unique when several keyboards share a bus. With a state file the
    // programming is loaded from it (when it exists) and saved after each completed write.
    VirtualKeyboard(hidio::VirtualBus& bus, std::string id = "1", std::string stateFile = {});
    ~VirtualKeyboard();  // pulls the keyboard out
    VirtualKeyboard(const VirtualKeyboard&) = delete;
    VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

    void Plug();
    void Unplug();
    bool IsPlugged() const;
    // Waits until the keyboard has been pulled out (by a fault), at most timeout.
    bool WaitUntilUnplugged(std::chrono::milliseconds timeout) const;

    std::string VendorPath() const;
    std::string BootPath() const;

    Programming GetProgramming() const;
    void SetProgramming(const Programming& programming);
    Lamps GetLamps() const;
    // Card settings record (25 bytes) last received for track 1..3; zeros before that.
    std::array<std::uint8_t, kCardRecordSize> CardSettings(int track) const;
    void SetSwitch(std::uint8_t position);

    void SetFaults(const Faults& faults);
    Faults GetFaults() const;

    // The keyboard sends an answer of its own (code 0xD2 for the library's second kind).
    void SendAnswer(std::uint8_t code, const std::vector<std::uint8_t>& data);

    hidio::WireTrace& Trace();

    // Reports the keyboard has handled since it was created.
    std::size_t ReportsReceived() const;

    struct Firmware;  // shared with its two interfaces, which may outlive this object

  private:
    std::shared_ptr<Firmware> firmware_;
};

// What a state file keeps: the programming, the lamps, and the faults a demo keyboard is
// to show (so that a misbehaving keyboard can be tried from the command line).
struct KeyboardState {
    Programming programming;
    Lamps lamps;
    bool silent = false;
    bool refuseOpens = false;
    bool denyAccess = false;
};

// State file: a small text file, one item a line (see VirtualKeyboardState.cpp).
bool SaveKeyboardState(const std::string& path, const KeyboardState& state);
bool LoadKeyboardState(const std::string& path, KeyboardState& state);

}  // namespace emulator
