#include "InterfaceReports.h"

#include <algorithm>

#include "hidio/KeyboardWire.h"
#include "vaskor/CardSettings.h"

namespace vaskor {

namespace {

static_assert(kCardSettingsCode == wire::kCardSettings);
static_assert(kCardSettingsSize == wire::kCardSettingsSize);

constexpr std::size_t kCodeAt = 1;
constexpr std::size_t kLampAt = 2;
constexpr std::size_t kLampStateAt = 3;
constexpr std::size_t kAnswerDataAt = 2;
constexpr std::size_t kCardRecordAt = 1;  // the caller's bytes, the record's code first
constexpr unsigned long kMaxCardLength = hidio::kReportSize - 1;

}  // namespace

hidio::Report LightsReport(Lamp lamp, bool on) {
    hidio::Report report{};
    report[kCodeAt] = wire::kLights;
    report[kLampAt] = static_cast<std::uint8_t>(lamp);
    report[kLampStateAt] = on ? 1 : 0;
    return report;
}

hidio::Report SwitchQueryReport() {
    hidio::Report report{};
    report[kCodeAt] = wire::kSwitch;
    return report;
}

std::optional<hidio::Report> CardSettingsReport(const unsigned char* data, unsigned long length) {
    if (length > kMaxCardLength || (data == nullptr && length > 0)) {
        return std::nullopt;
    }
    hidio::Report report{};
    if (length > 0) {
        std::copy_n(data, length, report.begin() + kCardRecordAt);
    }
    return report;
}

std::optional<Answer> ReadAnswer(const hidio::Report& report) {
    const std::uint8_t* data = report.data() + kAnswerDataAt;
    switch (report[kCodeAt]) {
        case wire::kSwitch:
            return Answer{AnswerKind::kSwitch, data};
        case wire::kSecondAnswer:
            return Answer{AnswerKind::kSecondAnswer, data};
        default:
            return std::nullopt;
    }
}

}  // namespace vaskor
