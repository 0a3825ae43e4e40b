// The programmer's record codecs: every field at its byte, both ways, and back again.
#include "tolvane/link/WireRecords.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvane {
namespace {

constexpr RecordWay kWays[] = {RecordWay::kToKeyboard, RecordWay::kFromKeyboard};

// A report's bytes from byte 0 (the report id) on; zeros after them.
hidio::Report Report(std::initializer_list<int> bytes) {
    hidio::Report report{};
    std::size_t at = 0;
    for (int value : bytes) {
        report[at++] = static_cast<std::uint8_t>(value);
    }
    return report;
}

// The same record as the host sends it and as the keyboard replies with it.
struct BothWays {
    hidio::Report toKeyboard;
    hidio::Report fromKeyboard;
    const hidio::Report& For(RecordWay way) const {
        return way == RecordWay::kToKeyboard ? toKeyboard : fromKeyboard;
    }
};

TEST(WireRecords, KeyRecordFieldsSitAtTheirBytesAndReadBack) {
    const std::vector<KeyCode> codes{0x37, 0x04, 0x96};
    const BothWays expected{Report({0, 0xF0, 2, 7, 3, 0x37, 0x04, 0x96}),
                            Report({0, 0, 0xF0, 2, 7, 3, 0x37, 0x04, 0x96})};
    for (const RecordWay way : kWays) {
        const hidio::Report report = EncodeKeyRecord({2, 7, codes}, way);
        EXPECT_EQ(report, expected.For(way));
        EXPECT_EQ(RecordCode(report, way), 0xF0);
        const std::optional<KeyRecord> back = DecodeKeyRecord(report, way);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->layer, 2);
        EXPECT_EQ(back->button, 7);
        EXPECT_EQ(std::vector<KeyCode>(back->codes.begin(), back->codes.end()), codes);
    }
}

TEST(WireRecords, KeyRecordsHoldAtMostALayerOfCodes) {
    const std::vector<KeyCode> tooMany(56, 0x2B);
    struct Bytes {
        std::size_t count;
        std::size_t lastCode;
    };
    for (const RecordWay way : kWays) {
        const Bytes at = way == RecordWay::kToKeyboard ? Bytes{4, 59} : Bytes{5, 60};
        hidio::Report report = EncodeKeyRecord({6, 84, tooMany}, way);
        EXPECT_EQ(report[at.count], 55);
        EXPECT_EQ(report[at.lastCode], 0x2B);
        EXPECT_EQ(report[at.lastCode + 1], 0);
        ASSERT_TRUE(DecodeKeyRecord(report, way).has_value());
        EXPECT_EQ(DecodeKeyRecord(report, way)->codes.size(), 55u);
        report[at.count] = 56;
        EXPECT_FALSE(DecodeKeyRecord(report, way).has_value());
        report[at.count] = 255;
        EXPECT_FALSE(DecodeKeyRecord(report, way).has_value());
    }
}

TEST(WireRecords, TrackRecordFieldsSitAtTheirBytesAndReadBack) {
    const TrackRecord tracks{{{1, 2, 3, 4, 5}, {0, 6, 7, 8, 9}, {2, 10, 11, 12, 13}}};
    // Modes, then the three prefixes (shift, key), then the three suffixes.
    const BothWays expected{Report({0, 0xF9, 1, 0, 2, 2, 3, 6, 7, 10, 11, 4, 5, 8, 9, 12, 13}),
                            Report({0, 0, 0xF9, 1, 0, 2, 2, 3, 6, 7, 10, 11, 4, 5, 8, 9, 12, 13})};
    for (const RecordWay way : kWays) {
        const hidio::Report report = EncodeTrackRecord(tracks, way);
        EXPECT_EQ(report, expected.For(way));
        const TrackRecord back = DecodeTrackRecord(report, way);
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
    const BothWays expected{Report({0, 0xF4, 1, 2, 3, 4}), Report({0, 0, 0xF4, 1, 2, 3, 4})};
    for (const RecordWay way : kWays) {
        const hidio::Report report = EncodeOptionsRecord({1, 2, 3, 4}, way);
        EXPECT_EQ(report, expected.For(way));
        EXPECT_EQ(DecodeOptionsRecord(report, way), (OptionsRecord{1, 2, 3, 4}));
    }
    hidio::Report filled;
    filled.fill(0xE2);
    filled[0] = 0;
    EXPECT_EQ(FilledRecord(0xE2), filled);
    EXPECT_EQ(RecordCode(Report({0, 0x77, 0xF6}), RecordWay::kFromKeyboard), 0xF6);
}

}  // namespace
}  // namespace tolvane
