// Loading a data file into the keyboard image.
//
// The loader skips the header, counts sections by their START markers and scans every other
// line character by character: "<" opens a record, each space ends a number, ">" applies the
// record to the section it is in. The scan state (numbers stored so far, the pending number,
// inside or outside a record) carries over from one line to the next, and the stored numbers
// are set to 0 at the start of each line. The END OF FILE marker ends the load; nothing is
// cleared first, so what the file does not mention keeps its contents.
//
// Records that would land outside the image (button outside 1..84, layer outside 1..6,
// track index outside 0..2, a key record with fewer than two numbers) are skipped. A record
// keeps at most 57 numbers, so a layer of 55 codes survives a save and a load.
//
// A file with a line longer than 4096 characters or of more than 1 MiB is refused before
// anything is loaded (see files/BoundedRead.h).
//
// The program's own load stays silent about anything else that is odd; a listener passed in
// the hooks hears of every such point with its line number, which is what a file check needs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "tolvane/image/KeyboardImage.h"

namespace tolvane {

// The Windows error code a malformed header has always been reported with, and the text the
// system gives for it. The message is the same in both interface languages.
inline constexpr std::uint32_t kInvalidArgumentCode = 0x80070057;  // E_INVALIDARG
inline constexpr std::string_view kInvalidArgumentText = "The parameter is incorrect.";

// Numbers one record line keeps: button, layer and 55 codes.
inline constexpr int kDataFileValuesPerRecord = 2 + MaxKeysPerLayer;

enum class DataFileProblemKind {
    kHeaderTooShort,          // load ended, nothing loaded
    kKeyRecordTooShort,       // fewer than two numbers: skipped
    kButtonOutOfRange,        // skipped
    kLayerOutOfRange,         // skipped
    kTrackOutOfRange,         // skipped
    kTooManyCodes,            // more than 55 codes: the first 55 kept
    kUnassignedCode,          // kept as it is
    kMalformedNumber,         // not a plain 0..255: stored as the conversion gives
    kEmptyNumber,             // two spaces in a row: a 0 stored
    kValueOutsideRecord,      // a space outside "<" ... ">": a 0 stored all the same
    kRecordSpansLines,        // numbers of the earlier lines read as 0
    kWrongNumberCount,        // track or options record not of 7 or 4 numbers
    kValueOutOfRange,         // a track or option value the keyboard does not know: kept
    kRecordInUnknownSection,  // after a third START marker: ignored
    kExtraSectionMarker,
    kMissingSection,
    kUnterminatedRecord,  // file ended inside a record: lost
    kMissingEndOfFile,
    kTooLong,  // a line or the whole file beyond the bounds: nothing loaded
};

struct DataFileProblem {
    int line = 0;  // 1-based
    DataFileProblemKind kind{};
    std::string detail;  // English, for a technician
};

struct DataFileLoadHooks {
    // After each applied key record, with the caption that button's refresh produced.
    std::function<void(int button, const std::string& caption)> onButtonRefreshed;
    // Each odd point of the file; unset for the program's own silent load.
    std::function<void(const DataFileProblem&)> onProblem;
};

enum class DataFileLoadStatus {
    kLoaded,
    kCannotOpen,     // nothing loaded
    kInvalidHeader,  // nothing loaded
    kReadFailed,     // nothing loaded
    kTooLong,        // a line or the file too long: nothing loaded
};

struct DataFileLoadResult {
    DataFileLoadStatus status = DataFileLoadStatus::kLoaded;
    std::string error;  // what to tell the user when status is not kLoaded
    int keyRecordsApplied = 0;
    int trackRecordsApplied = 0;
    int optionRecordsApplied = 0;
    bool reachedEndOfFile = false;

    bool ok() const { return status == DataFileLoadStatus::kLoaded; }
};

DataFileLoadResult LoadDataFile(KeyboardImage& image, const std::filesystem::path& path,
                                const DataFileLoadHooks& hooks = {});

// The same load from text already in memory (line ends CR LF or LF).
DataFileLoadResult LoadDataFileText(KeyboardImage& image, std::string_view text,
                                    const DataFileLoadHooks& hooks = {});

}  // namespace tolvane
