// libvaskor: the card reader settings record, one per track, that a host sends through
// CVX30Interface::SetCard(record.data(), record.size()). Header only and plain C++17, so the
// card-reader tool and any host program can build the record with nothing but libvaskor's
// public headers.
//
// The record, 25 bytes; SetCard puts them at report bytes 1 to 25, the rest of the report 0:
//   byte 0        0xFA
//   byte 1        track number, 1 to 3
//   byte 2        mode: 0 track off, 1 on, 2 on with a return code after the track's data
//   byte 3        number of characters of the start sentinel, 0 to 10
//   bytes 4-13    the start sentinel, one byte a character, zero after the last
//   byte 14       number of characters of the end sentinel, 0 to 10
//   bytes 15-24   the end sentinel, likewise
// A character goes out as the low 8 bits of its UTF-16 code unit; a sentinel ends at its
// tenth character or at a zero character, whichever comes first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vaskor {

inline constexpr std::uint8_t kCardSettingsCode = 0xFA;
inline constexpr std::size_t kCardSettingsSize = 25;
inline constexpr std::size_t kMaxSentinelLength = 10;

// Where the fields sit, numbered as above.
inline constexpr std::size_t kCardCodeAt = 0;
inline constexpr std::size_t kCardTrackAt = 1;
inline constexpr std::size_t kCardModeAt = 2;
inline constexpr std::size_t kCardStartLengthAt = 3;
inline constexpr std::size_t kCardStartTextAt = 4;
inline constexpr std::size_t kCardEndLengthAt = 14;
inline constexpr std::size_t kCardEndTextAt = 15;

// The names of the first form of this header, kept for the host programs that use them: a
// sentinel's place is that of its length, its characters follow.
inline constexpr std::size_t kCardStartSentinelAt = kCardStartLengthAt;
inline constexpr std::size_t kCardEndSentinelAt = kCardEndLengthAt;

using CardSettingsRecord = std::array<std::uint8_t, kCardSettingsSize>;

struct CardTrackSettings {
    int track = 1;  // 1 to 3
    bool enabled = false;
    bool returnCode = false;  // a return code follows the track's data
    std::u16string_view startSentinel;
    std::u16string_view endSentinel;
};

namespace detail {

inline void PutSentinel(CardSettingsRecord& record, std::size_t lengthAt, std::size_t textAt,
                        std::u16string_view text) {
    std::size_t count = 0;
    for (; count < text.size() && count < kMaxSentinelLength && text[count] != u'\0'; ++count) {
        record[textAt + count] = static_cast<std::uint8_t>(text[count] & 0xFFu);
    }
    record[lengthAt] = static_cast<std::uint8_t>(count);
}

}  // namespace detail

inline CardSettingsRecord BuildCardSettings(const CardTrackSettings& settings) {
    CardSettingsRecord record{};
    record[kCardCodeAt] = kCardSettingsCode;
    record[kCardTrackAt] = static_cast<std::uint8_t>(settings.track);
    record[kCardModeAt] = static_cast<std::uint8_t>(!settings.enabled     ? 0
                                                    : settings.returnCode ? 2
                                                                          : 1);
    detail::PutSentinel(record, kCardStartLengthAt, kCardStartTextAt, settings.startSentinel);
    detail::PutSentinel(record, kCardEndLengthAt, kCardEndTextAt, settings.endSentinel);
    return record;
}

}  // namespace vaskor
