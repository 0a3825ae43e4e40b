// The programmer's record codecs: every field at its byte, both ways, and back again.
#include "tolvane/link/WireRecords.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvane {
namespace {

constexpr RecordWay kWays[] = {RecordWay::kToKeyboard, RecordWay::kFromKeyboard};

// A record's bytes from its code on: from payload byte 0 on the way to the keyboard, one byte
// later on the way back; zeros elsewhere.
Payload Placed(RecordWay way, std::initializer_list<int> record) {
    Payload payload{};
    std::size_t at = way == RecordWay::kToKeyboard ? 0 : 1;
    for (int value : record) {
        payload[at++] = static_cast<std::uint8_t>(value);
    }
    return payload;
}

TEST(WireRecords, KeyRecordFieldsSitAtTheirBytesAndReadBack) {
    const std::vector<KeyCode> codes{0x37, 0x04, 0x96};
    for (const RecordWay way : kWays) {
        const Payload payload = EncodeKeyRecord({2, 7, codes}, way);
        EXPECT_EQ(payload, Placed(way, {0xF0, 2, 7, 3, 0x37, 0x04, 0x96}));
        EXPECT_EQ(RecordCode(payload, way), 0xF0);
        const std::optional<KeyRecord> back = DecodeKeyRecord(payload, way);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->layer, 2);
        EXPECT_EQ(back->button, 7);
        EXPECT_EQ(std::vector<KeyCode>(back->codes.begin(), back->codes.end()), codes);
    }
}

TEST(WireRecords, KeyRecordsHoldAtMostALayerOfCodes) {
    const std::vector<KeyCode> tooMany(56, 0x2B);
    for (const RecordWay way : kWays) {
        Payload payload = EncodeKeyRecord({6, 84, tooMany}, way);
        const std::size_t count = way == RecordWay::kToKeyboard ? 3 : 4;
        EXPECT_EQ(payload[count], 55);
        EXPECT_EQ(payload[count + 55], 0x2B);
        EXPECT_EQ(payload[count + 56], 0);
        ASSERT_TRUE(DecodeKeyRecord(payload, way).has_value());
        EXPECT_EQ(DecodeKeyRecord(payload, way)->codes.size(), 55u);
        payload[count] = 56;
        EXPECT_FALSE(DecodeKeyRecord(payload, way).has_value());
        payload[count] = 255;
        EXPECT_FALSE(DecodeKeyRecord(payload, way).has_value());
    }
}

TEST(WireRecords, TrackRecordFieldsSitAtTheirBytesAndReadBack) {
    const TrackRecord tracks{{{1, 2, 3, 4, 5}, {0, 6, 7, 8, 9}, {2, 10, 11, 12, 13}}};
    for (const RecordWay way : kWays) {
        const Payload payload = EncodeTrackRecord(tracks, way);
        // Modes, then the three prefixes (shift, key), then the three suffixes.
        EXPECT_EQ(payload, Placed(way, {0xF9, 1, 0, 2, 2, 3, 6, 7, 10, 11, 4, 5, 8, 9, 12, 13}));
        const TrackRecord back = DecodeTrackRecord(payload, way);
        for (std::size_t t = 0; t < tracks.size(); ++t) {
            EXPECT_EQ(back[t].mode, tracks[t].mode) << t;
            EXPECT_EQ(back[t].prefixShift, tracks[t].prefixShift) << t;
            EXPECT_EQ(back[t].prefixKey, tracks[t].prefixKey) << t;
            EXPECT_EQ(back[t].suffixShift, tracks[t].suffixShift) << t;
            EXPECT_EQ(back[t].suffixKey, tracks[t].suffixKey) << t;
        }
    }
}

TEST(WireRecords, OptionsAndFilledRecordsSitAtTheirBytes) {
    for (const RecordWay way : kWays) {
        const Payload payload = EncodeOptionsRecord({1, 2, 3, 4}, way);
        EXPECT_EQ(payload, Placed(way, {0xF4, 1, 2, 3, 4}));
        EXPECT_EQ(DecodeOptionsRecord(payload, way), (OptionsRecord{1, 2, 3, 4}));
    }
    Payload filled;
    filled.fill(0xE2);
    EXPECT_EQ(FilledRecord(0xE2), filled);
    EXPECT_EQ(RecordCode(Placed(RecordWay::kFromKeyboard, {0xF6}), RecordWay::kFromKeyboard), 0xF6);
}

}  // namespace
}  // namespace tolvane
