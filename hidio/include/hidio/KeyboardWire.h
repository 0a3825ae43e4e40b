// The keyboard as the wire shows it, for everything that talks to it or stands in for it:
// the ids it enumerates with, its interfaces, what it holds, and the codes of its two report
// sets.
//
// The programmer's records carry their code in report byte 1 on the way to the keyboard and
// in byte 2 on the way back; the interface library's reports carry it in byte 1 both ways.
// How a record is laid out beyond its code is for each side to decide: the host's codecs and
// the emulated keyboard's decoding are kept apart on purpose, so that the byte-exact trace
// tests hold each of them against the other.
#pragma once

#include <cstddef>
#include <cstdint>

namespace wire {

inline constexpr std::uint16_t kVendorId = 0x0483;
inline constexpr std::uint16_t kProductId = 0x5017;

// The keyboard's USB interfaces: a boot keyboard, and the vendor collection that speaks both
// report sets.
inline constexpr int kBootInterface = 0;
inline constexpr int kVendorInterface = 1;

// The first vendor-defined usage page; the vendor collection's page is at or above it.
inline constexpr std::uint16_t kVendorUsagePage = 0xFF00;

// What the keyboard holds: buttons 1..84, each with layers 1..6 of at most 55 key codes, and
// card tracks 1..3; and, for the interface library, one card settings record per track.
inline constexpr int kButtonCount = 84;
inline constexpr int kLayerCount = 6;
inline constexpr int kMaxKeysPerLayer = 55;
inline constexpr int kTrackCount = 3;
inline constexpr std::size_t kCardSettingsSize = 25;

// The programmer's records: the whole programming, read and written.
enum ProgrammerCode : std::uint8_t {
    kReadRequest = 0xE2,
    kAcknowledge = 0xF5,
    kBeginWrite = 0xF1,
    kKeyRecord = 0xF0,
    kTrackRecord = 0xF9,
    kOptionsRecord = 0xF4,
    kEnd = 0xF6,
};

// The interface library's reports.
enum InterfaceCode : std::uint8_t {
    kLights = 0xD0,
    kSwitch = 0xD1,        // the switch query, and the keyboard's answer to it
    kSecondAnswer = 0xD2,  // an answer the keyboard sends of its own accord
    kCardSettings = 0xFA,  // one card track's settings
};

}  // namespace wire
