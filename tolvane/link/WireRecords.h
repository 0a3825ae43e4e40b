// The programmer's records, one codec per kind, each field reached by its name.
//
// Bytes are numbered as in the report, byte 0 being the report id. The host's records carry
// their code in byte 1; the keyboard's replies carry the same fields one byte later, from
// byte 2, behind a byte nobody reads. Every field below names its byte both ways, so that
// each way reads as the keyboard's record tables do. Bytes a record does not use are 0.
//
//   read request, acknowledge, begin write, end (to the keyboard): the code in bytes 1..64;
//                                    the end reply is the code alone, in byte 2
//   key record      code, layer, button, n, then n key codes (n at most 55)
//   track record    code, mode of tracks 1..3, then prefix shift and key of tracks 1..3,
//                   then suffix shift and key of tracks 1..3
//   options record  code, country code, key repeat, key click, key click scope
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "hidio/Hidio.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane {

enum class RecordWay { kToKeyboard, kFromKeyboard };

// The bytes of one report, each field at its byte for the way the record travels. Byte is
// const std::uint8_t to read a report and std::uint8_t to fill one.
template <typename Byte>
class RecordBytes {
  public:
    RecordBytes(std::span<Byte, hidio::kReportSize> report, RecordWay way)
        : report_(report), way_(way) {}

    // The field at byte toKeyboard of the host's record, byte fromKeyboard of a reply.
    Byte& At(std::size_t toKeyboard, std::size_t fromKeyboard) const {
        return report_[way_ == RecordWay::kToKeyboard ? toKeyboard : fromKeyboard];
    }
    // Every record's code.
    Byte& Code() const { return At(1, 2); }

  private:
    std::span<Byte, hidio::kReportSize> report_;
    RecordWay way_;
};

// The fields of a key record in a report.
template <typename Byte>
class KeyRecordFields {
  public:
    KeyRecordFields(std::span<Byte, hidio::kReportSize> report, RecordWay way)
        : bytes_(report, way) {}

    Byte& Code() const { return bytes_.Code(); }
    Byte& Layer() const { return bytes_.At(2, 3); }
    Byte& Button() const { return bytes_.At(3, 4); }
    Byte& Count() const { return bytes_.At(4, 5); }
    static_assert(6 + MaxKeysPerLayer <= hidio::kReportSize, "a layer fits behind a reply's count");
    // Room for a full layer of codes; the first Count() of them are the record's.
    std::span<Byte, MaxKeysPerLayer> KeyCodes() const {
        return std::span<Byte, MaxKeysPerLayer>(&bytes_.At(5, 6), MaxKeysPerLayer);
    }

  private:
    RecordBytes<Byte> bytes_;
};

// The fields of a track record in a report; t = 0, 1, 2 for tracks 1, 2, 3.
template <typename Byte>
class TrackRecordFields {
  public:
    TrackRecordFields(std::span<Byte, hidio::kReportSize> report, RecordWay way)
        : bytes_(report, way) {}

    Byte& Code() const { return bytes_.Code(); }
    Byte& Mode(std::size_t t) const { return bytes_.At(2 + t, 3 + t); }
    Byte& PrefixShift(std::size_t t) const { return bytes_.At(5 + 2 * t, 6 + 2 * t); }
    Byte& PrefixKey(std::size_t t) const { return bytes_.At(6 + 2 * t, 7 + 2 * t); }
    Byte& SuffixShift(std::size_t t) const { return bytes_.At(11 + 2 * t, 12 + 2 * t); }
    Byte& SuffixKey(std::size_t t) const { return bytes_.At(12 + 2 * t, 13 + 2 * t); }

  private:
    RecordBytes<Byte> bytes_;
};

// The fields of an options record in a report.
template <typename Byte>
class OptionsRecordFields {
  public:
    OptionsRecordFields(std::span<Byte, hidio::kReportSize> report, RecordWay way)
        : bytes_(report, way) {}

    Byte& Code() const { return bytes_.Code(); }
    Byte& CountryCode() const { return bytes_.At(2, 3); }
    Byte& AutoRepeat() const { return bytes_.At(3, 4); }
    Byte& KeyClick() const { return bytes_.At(4, 5); }
    Byte& KeyClickScope() const { return bytes_.At(5, 6); }

  private:
    RecordBytes<Byte> bytes_;
};

// A report being filled gives settable fields, a received one readable fields.
KeyRecordFields(hidio::Report&, RecordWay)->KeyRecordFields<std::uint8_t>;
KeyRecordFields(const hidio::Report&, RecordWay)->KeyRecordFields<const std::uint8_t>;
TrackRecordFields(hidio::Report&, RecordWay)->TrackRecordFields<std::uint8_t>;
TrackRecordFields(const hidio::Report&, RecordWay)->TrackRecordFields<const std::uint8_t>;
OptionsRecordFields(hidio::Report&, RecordWay)->OptionsRecordFields<std::uint8_t>;
OptionsRecordFields(const hidio::Report&, RecordWay)->OptionsRecordFields<const std::uint8_t>;

// A record made of its code alone, as the host sends read request, acknowledge, begin write
// and end: the code in bytes 1 to 64.
hidio::Report FilledRecord(std::uint8_t code);

std::uint8_t RecordCode(const hidio::Report& report, RecordWay way);

struct KeyRecord {
    std::uint8_t layer = 0;
    std::uint8_t button = 0;
    std::span<const KeyCode> codes;  // decoded: points into the report it came from
};

// At most the first 55 codes go out.
hidio::Report EncodeKeyRecord(const KeyRecord& record, RecordWay way);
// Nothing when the record claims more codes than a layer holds.
std::optional<KeyRecord> DecodeKeyRecord(const hidio::Report& report, RecordWay way);

using TrackRecord = std::array<TrackRecordEntry, TrackCount>;
hidio::Report EncodeTrackRecord(const TrackRecord& record, RecordWay way);
TrackRecord DecodeTrackRecord(const hidio::Report& report, RecordWay way);

// Country code, key repeat, key click, key click scope.
using OptionsRecord = std::array<std::uint8_t, 4>;
hidio::Report EncodeOptionsRecord(const OptionsRecord& record, RecordWay way);
OptionsRecord DecodeOptionsRecord(const hidio::Report& report, RecordWay way);

}  // namespace tolvane
