// A record of every report that crossed the wire, in both directions, with its text form:
// one line per report, ">" host to keyboard or "<" keyboard to host, a space, then the 65
// bytes (report id first) as two-digit lower-case hex separated by single spaces.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "hidio/Hidio.h"

namespace hidio {

enum class Direction { kHostToDevice, kDeviceToHost };

struct TraceEntry {
    Direction direction;
    Report report;
    std::string device;  // the interface's path, where the recorder knows it
};

std::string FormatTraceLine(Direction direction, const Report& report);

class WireTrace {
  public:
    void Record(Direction direction, const Report& report, const std::string& device = {});
    std::vector<TraceEntry> Entries() const;
    std::vector<std::string> Lines() const;
    std::string Text() const;  // every line followed by "\n"
    std::size_t Size() const;
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::vector<TraceEntry> entries_;
};

}  // namespace hidio
