// The production line's log: one CSV row per keyboard, added as its result comes, after a
// header row when the file is new:
//   time,path,serial,result,duration_s,reason
// time is when the result came, in ISO 8601 (UTC, "2025-03-07T14:05:09Z"); result is
// "passed" or "failed"; duration_s the seconds the keyboard took, to the millisecond;
// reason why it failed, empty when it passed. Fields are quoted as CSV wants them, and a
// field that a spreadsheet would take for a formula gets a "'" in front.
//
// Rows are only ever appended, each on the disk before the next keyboard's result is
// shown (AppendOnlyFile): a crash or a power cut loses at most the row being written.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "cli/AppendOnlyFile.h"
#include "cli/ProductionLine.h"

namespace tolvane::cli {

class ResultLog {
  public:
    struct Opened {
        std::unique_ptr<ResultLog> log;  // null when it cannot be written
        std::string error;
    };
    // Opens the log for appending; a new or empty file gets the header row first.
    static Opened Open(const std::filesystem::path& path);

    FileWriteResult Add(const KeyboardOutcome& outcome, std::chrono::system_clock::time_point when);

  private:
    explicit ResultLog(std::unique_ptr<AppendOnlyFile> file) : file_(std::move(file)) {}

    std::unique_ptr<AppendOnlyFile> file_;
};

std::string CsvField(std::string_view text);
std::string Iso8601Utc(std::chrono::system_clock::time_point when);

}  // namespace tolvane::cli
