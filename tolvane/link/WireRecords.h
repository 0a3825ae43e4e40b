// The programmer's records, one codec per kind, each field at a named place.
//
// A record is laid out from its code on. The host's records start at report byte 1, which
// is payload byte 0; the keyboard's replies carry the same record one byte later, from
// report byte 2, behind a byte nobody reads. So one layout serves both ways, and each codec
// takes the way the record travels. Bytes a record does not use are 0.
//
//   read request, acknowledge, begin write, end (to the keyboard): the code in every byte;
//                                    the end reply is the code alone
//   key record      code, layer, button, n, then n key codes (n at most 55)
//   track record    code, mode of tracks 1..3, then prefix shift and key of tracks 1..3,
//                   then suffix shift and key of tracks 1..3
//   options record  code, country code, key repeat, key click, key click scope
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/Hid.h"

namespace tolvane {

enum class RecordWay { kToKeyboard, kFromKeyboard };

// A record made of its code alone, as the host sends read request, acknowledge, begin write
// and end.
Payload FilledRecord(std::uint8_t code);

std::uint8_t RecordCode(const Payload& payload, RecordWay way);

struct KeyRecord {
    std::uint8_t layer = 0;
    std::uint8_t button = 0;
    std::span<const KeyCode> codes;  // decoded: points into the payload it came from
};

// At most the first 55 codes go out.
Payload EncodeKeyRecord(const KeyRecord& record, RecordWay way);
// Nothing when the record claims more codes than a layer holds.
std::optional<KeyRecord> DecodeKeyRecord(const Payload& payload, RecordWay way);

using TrackRecord = std::array<TrackRecordEntry, TrackCount>;
Payload EncodeTrackRecord(const TrackRecord& record, RecordWay way);
TrackRecord DecodeTrackRecord(const Payload& payload, RecordWay way);

// Country code, key repeat, key click, key click scope.
using OptionsRecord = std::array<std::uint8_t, 4>;
Payload EncodeOptionsRecord(const OptionsRecord& record, RecordWay way);
OptionsRecord DecodeOptionsRecord(const Payload& payload, RecordWay way);

}  // namespace tolvane
