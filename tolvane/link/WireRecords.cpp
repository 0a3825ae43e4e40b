#include "tolvane/link/WireRecords.h"

#include <algorithm>

#include "hidio/KeyboardWire.h"

namespace tolvane {

namespace {

// Places within a record, counted from its code.
constexpr std::size_t kCodeAt = 0;

constexpr std::size_t kKeyLayerAt = 1;
constexpr std::size_t kKeyButtonAt = 2;
constexpr std::size_t kKeyCountAt = 3;
constexpr std::size_t kKeyCodesAt = 4;

constexpr std::size_t kTrackModesAt = 1;     // + track index
constexpr std::size_t kTrackPrefixesAt = 4;  // + 2 * track index: shift, then key
constexpr std::size_t kTrackSuffixesAt = 10;

constexpr std::size_t kOptionsAt = 1;

// Where a place of the record lies in the payload. Every place above, and the last key code,
// stays below 60: a record fits a payload either way.
class PayloadIndex {
  public:
    explicit PayloadIndex(RecordWay way) : start_(way == RecordWay::kToKeyboard ? 0 : 1) {}
    std::size_t operator()(std::size_t place) const { return start_ + place; }

  private:
    std::size_t start_;
};

}  // namespace

Payload FilledRecord(std::uint8_t code) {
    Payload payload;
    payload.fill(code);
    return payload;
}

std::uint8_t RecordCode(const Payload& payload, RecordWay way) {
    return payload[PayloadIndex(way)(kCodeAt)];
}

Payload EncodeKeyRecord(const KeyRecord& record, RecordWay way) {
    const PayloadIndex at(way);
    const std::span<const KeyCode> codes =
        record.codes.first(std::min<std::size_t>(record.codes.size(), MaxKeysPerLayer));
    Payload payload{};
    payload[at(kCodeAt)] = wire::kKeyRecord;
    payload[at(kKeyLayerAt)] = record.layer;
    payload[at(kKeyButtonAt)] = record.button;
    payload[at(kKeyCountAt)] = static_cast<std::uint8_t>(codes.size());
    std::copy(codes.begin(), codes.end(), payload.begin() + at(kKeyCodesAt));
    return payload;
}

std::optional<KeyRecord> DecodeKeyRecord(const Payload& payload, RecordWay way) {
    const PayloadIndex at(way);
    const std::size_t count = payload[at(kKeyCountAt)];
    if (count > MaxKeysPerLayer) {
        return std::nullopt;
    }
    return KeyRecord{payload[at(kKeyLayerAt)], payload[at(kKeyButtonAt)],
                     std::span<const KeyCode>(payload.data() + at(kKeyCodesAt), count)};
}

Payload EncodeTrackRecord(const TrackRecord& record, RecordWay way) {
    const PayloadIndex at(way);
    Payload payload{};
    payload[at(kCodeAt)] = wire::kTrackRecord;
    for (std::size_t t = 0; t < record.size(); ++t) {
        const TrackRecordEntry& entry = record[t];
        payload[at(kTrackModesAt + t)] = entry.mode;
        payload[at(kTrackPrefixesAt + 2 * t)] = entry.prefixShift;
        payload[at(kTrackPrefixesAt + 2 * t + 1)] = entry.prefixKey;
        payload[at(kTrackSuffixesAt + 2 * t)] = entry.suffixShift;
        payload[at(kTrackSuffixesAt + 2 * t + 1)] = entry.suffixKey;
    }
    return payload;
}

TrackRecord DecodeTrackRecord(const Payload& payload, RecordWay way) {
    const PayloadIndex at(way);
    TrackRecord record{};
    for (std::size_t t = 0; t < record.size(); ++t) {
        record[t] = {payload[at(kTrackModesAt + t)], payload[at(kTrackPrefixesAt + 2 * t)],
                     payload[at(kTrackPrefixesAt + 2 * t + 1)],
                     payload[at(kTrackSuffixesAt + 2 * t)],
                     payload[at(kTrackSuffixesAt + 2 * t + 1)]};
    }
    return record;
}

Payload EncodeOptionsRecord(const OptionsRecord& record, RecordWay way) {
    const PayloadIndex at(way);
    Payload payload{};
    payload[at(kCodeAt)] = wire::kOptionsRecord;
    std::copy(record.begin(), record.end(), payload.begin() + at(kOptionsAt));
    return payload;
}

OptionsRecord DecodeOptionsRecord(const Payload& payload, RecordWay way) {
    const PayloadIndex at(way);
    OptionsRecord record{};
    std::copy_n(payload.begin() + at(kOptionsAt), record.size(), record.begin());
    return record;
}

}  // namespace tolvane
