// What every front end of the emulated keyboard shares: the firmware's programming, lamps,
// switch, card settings, faults and wire trace. The front ends differ only in what carries
// the reports: hidio's virtual bus (VirtualKeyboard) or the kernel's HID stack through
// /dev/uhid (UhidKeyboard, Linux only).
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "hidio/KeyboardWire.h"
#include "hidio/WireTrace.h"

namespace emulator {

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
    std::array<std::array<std::vector<std::uint8_t>, wire::kLayerCount + 1>, wire::kButtonCount + 1>
        keys;
    std::array<TrackProgramming, wire::kTrackCount> tracks{};
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
    std::optional<std::chrono::milliseconds> plugBackAfter;  // plugged back in this much later
    // The three below act where the host's system opens and completes writes for the
    // keyboard, which only the virtual bus lets the keyboard decide.
    bool refuseOpens = false;
    bool denyAccess = false;  // opens fail as for a user without the rights
    std::chrono::milliseconds writeCompletionDelay{0};
    std::chrono::milliseconds replyDelay{0};
    // Firmware that stores one key wrongly: the first code written for this button and
    // layer (1-based) is kept one higher, and an empty layer gets the key "a".
    std::optional<std::pair<int, int>> changeStoredKey;
};

class Firmware;

class EmulatedKeyboard {
  public:
    EmulatedKeyboard(const EmulatedKeyboard&) = delete;
    EmulatedKeyboard& operator=(const EmulatedKeyboard&) = delete;

    bool IsPlugged() const;
    // Waits until the keyboard has been pulled out (by a fault), at most timeout.
    bool WaitUntilUnplugged(std::chrono::milliseconds timeout) const;

    Programming GetProgramming() const;
    void SetProgramming(const Programming& programming);
    Lamps GetLamps() const;
    // Card settings record (25 bytes) last received for track 1..3; zeros before that.
    std::array<std::uint8_t, wire::kCardSettingsSize> CardSettings(int track) const;
    void SetSwitch(std::uint8_t position);

    void SetFaults(const Faults& faults);
    Faults GetFaults() const;

    // Plugs the keyboard in after delay, from a thread of its own (as a person would); a
    // later call moves the time. Nothing happens once the keyboard is gone for good.
    void PlugAfter(std::chrono::milliseconds delay);

    // When its state file asks for it to be plugged in some time after the program starts.
    std::optional<std::chrono::milliseconds> PlugInDelay() const;

    // What the vendor interface reports as its serial number; empty for none.
    std::string SerialNumber() const;

    // The keyboard sends an answer of its own (code 0xD2 for the library's second kind).
    void SendAnswer(std::uint8_t code, const std::vector<std::uint8_t>& data);

    hidio::WireTrace& Trace();

    // Reports the keyboard has handled since it was created.
    std::size_t ReportsReceived() const;

    // Why the state file could not be loaded or the last save could not keep the
    // programming (naming the file); empty when all is well.
    std::string StateFileError() const;

  protected:
    explicit EmulatedKeyboard(std::shared_ptr<Firmware> firmware);
    ~EmulatedKeyboard();  // pulls the keyboard out for good

    std::shared_ptr<Firmware> firmware_;
};

// How a demo keyboard comes and goes by itself, so that the production line can be tried
// and tested without hands on the cable.
struct PlugSchedule {
    std::optional<std::chrono::milliseconds> plugInAfter;    // after the program starts
    std::optional<int> pullOutAfterReports;                  // once, counting both ways
    std::optional<std::chrono::milliseconds> plugBackAfter;  // after that pull-out
    bool operator==(const PlugSchedule&) const = default;
};

// What a state file keeps: the programming, the lamps, the serial number, and the faults
// and comings and goings a demo keyboard is to show (so that a misbehaving keyboard can be
// tried from the command line).
struct KeyboardState {
    Programming programming;
    Lamps lamps;
    bool silent = false;
    bool refuseOpens = false;
    bool denyAccess = false;
    std::string serialNumber;
    PlugSchedule schedule;
};

// What became of a load or a save of a state file; error names the file and the reason.
struct StateFileResult {
    bool ok = true;
    std::string error;
};

// State file: a small text file, one item a line (see VirtualKeyboardState.cpp). It is
// replaced atomically, like every file the programs write, and read within the bounds of
// every file they read.
StateFileResult SaveKeyboardState(const std::string& path, const KeyboardState& state);
// A missing file is no error: the state is left as it was.
StateFileResult LoadKeyboardState(const std::string& path, KeyboardState& state);

std::string KeyboardStateText(const KeyboardState& state);
// Lines that do not fit are ignored, so a damaged file never makes the keyboard unusable.
KeyboardState KeyboardStateFromText(std::string_view text);

}  // namespace emulator
