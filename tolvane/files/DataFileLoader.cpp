#include "tolvane/files/DataFileLoader.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>

#include "tolvane/files/BoundedRead.h"
#include "tolvane/files/DataFileFormat.h"
#include "tolvane/files/LenientNumber.h"

namespace tolvane {

namespace {

constexpr std::size_t kValueSlots = kDataFileValuesPerRecord;
constexpr std::size_t kTrackRecordNumbers = 7;
constexpr std::size_t kOptionRecordNumbers = 4;
constexpr int kMostSections = 1000;  // beyond this, counting more changes nothing

std::string_view WithoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

class DataFileScanner {
  public:
    DataFileScanner(KeyboardImage& image, const DataFileLoadHooks& hooks)
        : image_(image), hooks_(hooks) {}

    // False once the load has ended: END OF FILE reached or the header refused.
    bool FeedLine(std::string_view line);
    DataFileLoadResult Finish();

  private:
    bool FeedHeaderLine(std::string_view line);
    bool FeedBodyLine(std::string_view line);
    void ScanLine(std::string_view line);
    void EndNumber();
    void ApplyRecord();
    void ApplyKeyRecord();
    void ApplyTrackRecord();
    void ApplyOptionRecord();
    void CheckTrackValues(int track);
    void CheckOptionValues();
    void CheckValue(const std::string& what, std::uint8_t value, bool known, const char* expected);
    void ReportUnassignedCodes(int button, int layer, std::span<const KeyCode> codes);
    void CheckSectionsAtEnd(int line);
    void FailHeader(int lineIndex);

    bool Listening() const { return static_cast<bool>(hooks_.onProblem); }
    void Report(DataFileProblemKind kind, std::string detail) {
        Report(line_, kind, std::move(detail));
    }
    void Report(int line, DataFileProblemKind kind, std::string detail) {
        if (Listening()) {
            hooks_.onProblem(DataFileProblem{line, kind, std::move(detail)});
        }
    }
    std::size_t NumbersStored() const { return std::min(position_, kValueSlots); }

    KeyboardImage& image_;
    const DataFileLoadHooks& hooks_;
    DataFileLoadResult result_;
    int line_ = 0;  // 1-based number of the line being read
    bool inHeader_ = true;
    int headerLine_ = 0;  // 0-based, as the header rule counts
    int section_ = 0;
    bool ended_ = false;

    std::array<std::uint8_t, kValueSlots> values_{};
    std::size_t position_ = 0;
    LenientNumber number_;
    bool collecting_ = false;
    int recordLine_ = 0;
};

bool DataFileScanner::FeedLine(std::string_view line) {
    if (ended_) {
        return false;
    }
    ++line_;
    line = WithoutLineEnd(line);
    ended_ = inHeader_ ? !FeedHeaderLine(line) : !FeedBodyLine(line);
    return !ended_;
}

// Header line n (from 0) must be at least n characters long; a "<" at its position n ends
// the header after that line.
bool DataFileScanner::FeedHeaderLine(std::string_view line) {
    const auto n = static_cast<std::size_t>(headerLine_);
    if (line.size() < n) {
        FailHeader(headerLine_);
        return false;
    }
    ++headerLine_;
    if ((line.size() > n && line[n] == '<') || headerLine_ == kDataFileHeaderLinesChecked) {
        inHeader_ = false;
    }
    return true;
}

void DataFileScanner::FailHeader(int lineIndex) {
    result_.status = DataFileLoadStatus::kInvalidHeader;
    result_.error = std::string(kInvalidArgumentText);
    Report(lineIndex + 1, DataFileProblemKind::kHeaderTooShort,
           "header line " + std::to_string(lineIndex + 1) + " is shorter than " +
               std::to_string(lineIndex) + " characters; nothing loaded");
}

bool DataFileScanner::FeedBodyLine(std::string_view line) {
    if (line == kStartOfCardFileMarker || line == kStartOfKeyBoardSetFileMarker) {
        section_ = std::min(section_ + 1, kMostSections);
        if (section_ > static_cast<int>(DataFileSection::kKeyBoardSet)) {
            Report(DataFileProblemKind::kExtraSectionMarker,
                   "a START marker after the keyboard-set section: the records after it are "
                   "ignored");
        }
        return true;
    }
    if (line == kEndOfKeyFileMarker || line == kEndOfCardFileMarker ||
        line == kEndOfKeyBoardSetFileMarker) {
        return true;
    }
    if (line == kEndOfFileMarker) {
        result_.reachedEndOfFile = true;
        CheckSectionsAtEnd(line_);
        return false;
    }
    ScanLine(line);
    return true;
}

void DataFileScanner::ScanLine(std::string_view line) {
    values_.fill(0);
    for (const char c : line) {
        switch (c) {
            case '<':
                if (!collecting_) {
                    recordLine_ = line_;
                }
                collecting_ = true;
                break;
            case ' ':
                EndNumber();
                break;
            case '>':
                ApplyRecord();
                number_.Clear();
                collecting_ = false;
                position_ = 0;
                break;
            default:
                if (collecting_) {
                    number_.Append(c);
                }
                break;
        }
    }
}

void DataFileScanner::EndNumber() {
    if (!collecting_) {
        recordLine_ = line_;
        Report(DataFileProblemKind::kValueOutsideRecord,
               "a space outside a record stores a 0 that the next record takes as its first "
               "number");
    } else if (number_.Empty()) {
        Report(DataFileProblemKind::kEmptyNumber, "two spaces in a row store a 0");
    } else if (Listening() && !number_.IsPlainByte()) {
        Report(DataFileProblemKind::kMalformedNumber,
               "a number that is not 0..255 in plain digits, read as " +
                   std::to_string(number_.LowByte()));
    }
    if (position_ < kValueSlots) {
        values_[position_] = number_.LowByte();
    }
    if (position_ < std::numeric_limits<std::size_t>::max()) {
        ++position_;
    }
    number_.Clear();
    collecting_ = true;
}

void DataFileScanner::ApplyRecord() {
    if (recordLine_ != line_ && position_ > 0) {
        Report(DataFileProblemKind::kRecordSpansLines,
               "the record begun on line " + std::to_string(recordLine_) +
                   " ends here; its numbers before this line are read as 0");
    }
    switch (section_) {
        case static_cast<int>(DataFileSection::kKeys):
            ApplyKeyRecord();
            break;
        case static_cast<int>(DataFileSection::kCard):
            ApplyTrackRecord();
            break;
        case static_cast<int>(DataFileSection::kKeyBoardSet):
            ApplyOptionRecord();
            break;
        default:
            Report(DataFileProblemKind::kRecordInUnknownSection,
                   "a record after the keyboard-set section is ignored");
            break;
    }
}

void DataFileScanner::ApplyKeyRecord() {
    if (position_ < 2) {
        Report(DataFileProblemKind::kKeyRecordTooShort,
               "a key record needs a button and a layer; skipped");
        return;
    }
    const int button = values_[0];
    const int layer = values_[1];
    if (!IsValidButton(button)) {
        Report(DataFileProblemKind::kButtonOutOfRange,
               "button " + std::to_string(button) + " is outside 1..84; skipped");
        return;
    }
    if (!IsValidLayer(layer)) {
        Report(DataFileProblemKind::kLayerOutOfRange,
               "layer " + std::to_string(layer) + " is outside 1..6; skipped");
        return;
    }
    std::size_t count = position_ - 2;
    if (count > MaxKeysPerLayer) {
        Report(DataFileProblemKind::kTooManyCodes,
               std::to_string(count) + " codes for button " + std::to_string(button) + ", layer " +
                   std::to_string(layer) + "; the first 55 kept");
        count = MaxKeysPerLayer;
    }
    const std::span<const KeyCode> codes(values_.data() + 2, count);
    image_.StoreKeyRecord(button, layer, codes);
    image_.buttons[button].editCount[layer] = static_cast<std::uint8_t>(count);
    image_.DeriveLayerTexts(button, layer);
    const std::string caption = image_.RefreshButton(button);
    ++result_.keyRecordsApplied;
    if (Listening()) {
        ReportUnassignedCodes(button, layer, codes);
    }
    if (hooks_.onButtonRefreshed) {
        hooks_.onButtonRefreshed(button, caption);
    }
}

void DataFileScanner::ReportUnassignedCodes(int button, int layer, std::span<const KeyCode> codes) {
    for (const KeyCode code : codes) {
        if (!IsAssignedKeyCode(code)) {
            Report(DataFileProblemKind::kUnassignedCode,
                   "code " + std::to_string(code) + " on button " + std::to_string(button) +
                       ", layer " + std::to_string(layer) + " names no key");
        }
    }
}

void DataFileScanner::ApplyTrackRecord() {
    const int track = values_[0];
    if (!IsValidTrackIndex(track)) {
        Report(DataFileProblemKind::kTrackOutOfRange,
               "track index " + std::to_string(track) + " is outside 0..2; skipped");
        return;
    }
    if (position_ != kTrackRecordNumbers) {
        Report(DataFileProblemKind::kWrongNumberCount,
               "a track record of " + std::to_string(position_) + " numbers instead of 7");
    }
    if (Listening()) {
        CheckTrackValues(track);
    }
    CardTrackSetting& setting = image_.tracks[static_cast<std::size_t>(track)];
    setting.enabled = values_[1];
    setting.enterAtEnd = values_[2];
    setting.prefixShift = values_[3];
    setting.prefixKey = values_[4];
    setting.suffixShift = values_[5];
    setting.suffixKey = values_[6];
    ++result_.trackRecordsApplied;
}

void DataFileScanner::ApplyOptionRecord() {
    if (position_ != kOptionRecordNumbers) {
        Report(DataFileProblemKind::kWrongNumberCount,
               "an options record of " + std::to_string(position_) + " numbers instead of 4");
    }
    if (Listening()) {
        CheckOptionValues();
    }
    image_.StoreOptions({values_[0], values_[1], values_[2], values_[3]});
    ++result_.optionRecordsApplied;
}

// Values a write would send but a read would not give back the same.
void DataFileScanner::CheckTrackValues(int track) {
    const auto isFlag = [](std::uint8_t value) { return value <= 1; };
    const auto isShift = [](std::uint8_t value) { return value == kNoKey || IsShiftCode(value); };
    const auto isKey = [](std::uint8_t value) { return IsAssignedKeyCode(value); };
    const std::string name = "track " + std::to_string(track + 1) + " ";
    CheckValue(name + "on/off", values_[1], isFlag(values_[1]), "0 or 1");
    CheckValue(name + "Enter at end", values_[2], isFlag(values_[2]), "0 or 1");
    CheckValue(name + "prefix shift", values_[3], isShift(values_[3]), "0, 55 or 66");
    CheckValue(name + "prefix key", values_[4], isKey(values_[4]), "a key code");
    CheckValue(name + "suffix shift", values_[5], isShift(values_[5]), "0, 55 or 66");
    CheckValue(name + "suffix key", values_[6], isKey(values_[6]), "a key code");
}

void DataFileScanner::CheckOptionValues() {
    static constexpr const char* kNames[] = {"country code", "key repeat", "key click",
                                             "key click scope"};
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        CheckValue(kNames[i], values_[i], values_[i] <= 1, "0 or 1");
    }
}

void DataFileScanner::CheckValue(const std::string& what, std::uint8_t value, bool known,
                                 const char* expected) {
    if (!known) {
        Report(DataFileProblemKind::kValueOutOfRange,
               what + " " + std::to_string(value) + " is not " + expected);
    }
}

void DataFileScanner::CheckSectionsAtEnd(int line) {
    if (section_ < static_cast<int>(DataFileSection::kCard)) {
        Report(line, DataFileProblemKind::kMissingSection, "no START OF CARD FILE marker");
    }
    if (section_ < static_cast<int>(DataFileSection::kKeyBoardSet)) {
        Report(line, DataFileProblemKind::kMissingSection, "no START OF KEY BOARD SET FILE marker");
    }
}

DataFileLoadResult DataFileScanner::Finish() {
    if (inHeader_ && !ended_) {
        // Lines past the end count as empty, and only header line 0 may be empty.
        FailHeader(std::max(headerLine_, 1));
        return result_;
    }
    if (result_.status != DataFileLoadStatus::kLoaded || result_.reachedEndOfFile) {
        return result_;
    }
    if (collecting_) {
        Report(DataFileProblemKind::kUnterminatedRecord,
               "the file ends inside the record begun on line " + std::to_string(recordLine_));
    }
    CheckSectionsAtEnd(line_ + 1);
    Report(line_ + 1, DataFileProblemKind::kMissingEndOfFile, "no END OF FILE marker");
    return result_;
}

DataFileLoadResult Refused(DataFileLoadStatus status, std::string error) {
    DataFileLoadResult result;
    result.status = status;
    result.error = std::move(error);
    return result;
}

DataFileLoadResult RefuseTooLong(const TextBoundsBreach& breach, std::string error,
                                 const DataFileLoadHooks& hooks) {
    if (hooks.onProblem) {
        hooks.onProblem(DataFileProblem{breach.line, DataFileProblemKind::kTooLong,
                                        breach.reason + "; nothing loaded"});
    }
    return Refused(DataFileLoadStatus::kTooLong, std::move(error));
}

DataFileLoadResult Scan(KeyboardImage& image, std::string_view text,
                        const DataFileLoadHooks& hooks) {
    DataFileScanner scanner(image, hooks);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (!scanner.FeedLine(line)) {
            break;
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return scanner.Finish();
}

}  // namespace

DataFileLoadResult LoadDataFile(KeyboardImage& image, const std::filesystem::path& path,
                                const DataFileLoadHooks& hooks) {
    const TextRead read = ReadTextFile(path);
    switch (read.status) {
        case TextReadStatus::kRead:
            return Scan(image, read.text, hooks);
        case TextReadStatus::kOutOfBounds:
            return RefuseTooLong(*read.breach, read.error, hooks);
        case TextReadStatus::kNoFile:
        case TextReadStatus::kCannotOpen:
            return Refused(DataFileLoadStatus::kCannotOpen, read.error);
        case TextReadStatus::kReadFailed:
            break;
    }
    return Refused(DataFileLoadStatus::kReadFailed, read.error);
}

DataFileLoadResult LoadDataFileText(KeyboardImage& image, std::string_view text,
                                    const DataFileLoadHooks& hooks) {
    if (const std::optional<TextBoundsBreach> breach = CheckTextBounds(text)) {
        return RefuseTooLong(*breach, breach->reason, hooks);
    }
    return Scan(image, text, hooks);
}

}  // namespace tolvane
