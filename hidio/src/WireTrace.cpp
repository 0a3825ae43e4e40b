#include "hidio/WireTrace.h"

namespace hidio {

std::string FormatTraceLine(Direction direction, const Report& report) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line;
    line.reserve(2 + 3 * kReportSize);
    line += direction == Direction::kHostToDevice ? '>' : '<';
    for (std::uint8_t byte : report) {
        line += ' ';
        line += kHex[byte >> 4];
        line += kHex[byte & 0x0F];
    }
    return line;
}

void WireTrace::Record(Direction direction, const Report& report, const std::string& device) {
    std::lock_guard lock(mutex_);
    entries_.push_back({direction, report, device});
}

std::vector<TraceEntry> WireTrace::Entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

std::vector<std::string> WireTrace::Lines() const {
    std::vector<std::string> lines;
    for (const TraceEntry& entry : Entries()) {
        lines.push_back(FormatTraceLine(entry.direction, entry.report));
    }
    return lines;
}

std::string WireTrace::Text() const {
    std::string text;
    for (const std::string& line : Lines()) {
        text += line;
        text += '\n';
    }
    return text;
}

std::size_t WireTrace::Size() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

void WireTrace::Clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

}  // namespace hidio
