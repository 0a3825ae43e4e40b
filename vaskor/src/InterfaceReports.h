// The library's own reports, one codec per kind. Every report carries its code in byte 1,
// both ways, and an outgoing report is zero behind its fields:
//   lights          0xD0, lamp (1 Num Lock, 2 Caps Lock, 3 Scroll Lock), 1 on or 0 off
//   switch query    0xD1
//   card settings   the caller's bytes from byte 1 on, untouched (vaskor/CardSettings.h)
//   switch answer   0xD1, then 63 bytes of the keyboard's
//   second answer   0xD2, then 63 bytes of the keyboard's
#pragma once

#include <cstdint>
#include <optional>

#include "hidio/Hidio.h"

namespace vaskor {

enum class Lamp : std::uint8_t { kNumLock = 1, kCapsLock = 2, kScrollLock = 3 };

hidio::Report LightsReport(Lamp lamp, bool on);
hidio::Report SwitchQueryReport();
// Nothing when the bytes do not fit a report (more than 64) or are missing.
std::optional<hidio::Report> CardSettingsReport(const unsigned char* data, unsigned long length);

enum class AnswerKind { kSwitch, kSecondAnswer };

struct Answer {
    AnswerKind kind = AnswerKind::kSwitch;
    const std::uint8_t* data = nullptr;  // the 63 bytes after the code, inside the report
};

// Nothing for a report of any other code: the library drops it.
std::optional<Answer> ReadAnswer(const hidio::Report& report);

}  // namespace vaskor
