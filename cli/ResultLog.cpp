#include "cli/ResultLog.h"

#include <iomanip>
#include <sstream>

namespace tolvane::cli {

namespace {

constexpr std::string_view kHeader = "time,path,serial,result,duration_s,reason";

// A spreadsheet runs a cell that starts with one of these as a formula; a serial number
// comes from the device and must not be able to do that.
bool LooksLikeAFormula(std::string_view text) {
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

std::string Seconds(std::chrono::steady_clock::duration duration) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(3) << std::chrono::duration<double>(duration).count();
    return text.str();
}

}  // namespace

std::string CsvField(std::string_view text) {
    std::string field = LooksLikeAFormula(text) ? "'" : "";
    field.append(text);
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

std::string Iso8601Utc(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const auto seconds = floor<std::chrono::seconds>(when);
    const auto day = floor<days>(seconds);
    const year_month_day date{day};
    const hh_mm_ss time{seconds - day};
    std::ostringstream text;
    text << std::setfill('0') << std::setw(4) << static_cast<int>(date.year()) << '-'
         << std::setw(2) << static_cast<unsigned>(date.month()) << '-' << std::setw(2)
         << static_cast<unsigned>(date.day()) << 'T' << std::setw(2) << time.hours().count() << ':'
         << std::setw(2) << time.minutes().count() << ':' << std::setw(2) << time.seconds().count()
         << 'Z';
    return text.str();
}

ResultLog::Opened ResultLog::Open(const std::filesystem::path& path) {
    AppendOnlyFile::Opened opened = AppendOnlyFile::Open(path);
    if (!opened.file) {
        return {nullptr, opened.error};
    }
    if (opened.file->WasEmpty()) {
        if (FileWriteResult header = opened.file->AppendLine(kHeader); !header) {
            return {nullptr, header.error};
        }
    }
    return {std::unique_ptr<ResultLog>(new ResultLog(std::move(opened.file))), {}};
}

FileWriteResult ResultLog::Add(const KeyboardOutcome& outcome,
                               std::chrono::system_clock::time_point when) {
    const std::string row =
        Iso8601Utc(when) + ',' + CsvField(outcome.path) + ',' + CsvField(outcome.serialNumber) +
        ',' + (outcome.passed ? "passed" : "failed") + ',' + Seconds(outcome.duration) + ',' +
        CsvField(outcome.passed ? "" : outcome.text);
    return file_->AppendLine(row);
}

}  // namespace tolvane::cli
