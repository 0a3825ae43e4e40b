#include "tolvane/link/WireRecords.h"

#include <algorithm>

#include "hidio/KeyboardWire.h"

namespace tolvane {

hidio::Report FilledRecord(std::uint8_t code) {
    hidio::Report report;
    report.fill(code);
    report[0] = 0;  // the report id
    return report;
}

std::uint8_t RecordCode(const hidio::Report& report, RecordWay way) {
    return RecordBytes<const std::uint8_t>(report, way).Code();
}

hidio::Report EncodeKeyRecord(const KeyRecord& record, RecordWay way) {
    const std::span<const KeyCode> codes =
        record.codes.first(std::min<std::size_t>(record.codes.size(), MaxKeysPerLayer));
    hidio::Report report{};
    const KeyRecordFields fields(report, way);
    fields.Code() = wire::kKeyRecord;
    fields.Layer() = record.layer;
    fields.Button() = record.button;
    fields.Count() = static_cast<std::uint8_t>(codes.size());
    std::copy(codes.begin(), codes.end(), fields.KeyCodes().begin());
    return report;
}

std::optional<KeyRecord> DecodeKeyRecord(const hidio::Report& report, RecordWay way) {
    const KeyRecordFields fields(report, way);
    if (fields.Count() > MaxKeysPerLayer) {
        return std::nullopt;
    }
    return KeyRecord{fields.Layer(), fields.Button(), fields.KeyCodes().first(fields.Count())};
}

hidio::Report EncodeTrackRecord(const TrackRecord& record, RecordWay way) {
    hidio::Report report{};
    const TrackRecordFields fields(report, way);
    fields.Code() = wire::kTrackRecord;
    for (std::size_t t = 0; t < record.size(); ++t) {
        fields.Mode(t) = record[t].mode;
        fields.PrefixShift(t) = record[t].prefixShift;
        fields.PrefixKey(t) = record[t].prefixKey;
        fields.SuffixShift(t) = record[t].suffixShift;
        fields.SuffixKey(t) = record[t].suffixKey;
    }
    return report;
}

TrackRecord DecodeTrackRecord(const hidio::Report& report, RecordWay way) {
    const TrackRecordFields fields(report, way);
    TrackRecord record{};
    for (std::size_t t = 0; t < record.size(); ++t) {
        record[t] = {fields.Mode(t), fields.PrefixShift(t), fields.PrefixKey(t),
                     fields.SuffixShift(t), fields.SuffixKey(t)};
    }
    return record;
}

hidio::Report EncodeOptionsRecord(const OptionsRecord& record, RecordWay way) {
    hidio::Report report{};
    const OptionsRecordFields fields(report, way);
    fields.Code() = wire::kOptionsRecord;
    fields.CountryCode() = record[0];
    fields.AutoRepeat() = record[1];
    fields.KeyClick() = record[2];
    fields.KeyClickScope() = record[3];
    return report;
}

OptionsRecord DecodeOptionsRecord(const hidio::Report& report, RecordWay way) {
    const OptionsRecordFields fields(report, way);
    return {fields.CountryCode(), fields.AutoRepeat(), fields.KeyClick(), fields.KeyClickScope()};
}

}  // namespace tolvane
