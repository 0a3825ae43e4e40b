// The one check of a data file that every front end runs before it takes the file: the
// command line's `check` and the window's Open and start-up file alike. It is the program's
// own load, into an image the caller gives, hearing of every odd point of the file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tolvane/app/TextTable.h"
#include "tolvane/files/DataFileLoader.h"

namespace tolvane {

struct DataFileCheck {
    DataFileLoadResult result;
    std::vector<DataFileProblem> problems;

    bool clean() const { return result.ok() && problems.empty(); }
    // A file that passed the header but gave no record at all is nothing to load.
    bool HasRecords() const {
        return result.keyRecordsApplied + result.trackRecordsApplied + result.optionRecordsApplied >
               0;
    }
};

// Loads the file into the image given (a scratch copy, or a fresh image for a check alone)
// and gathers its problems in file order.
DataFileCheck CheckDataFile(KeyboardImage& image, const std::filesystem::path& path);

// The problems as a window lists them before asking whether to load the rest: the first ten,
// each with its line, then how many more there are. The details stay in English, as the
// command line gives them.
inline constexpr std::size_t kDataFileProblemsListed = 10;
std::string DataFileProblemSummary(const std::vector<DataFileProblem>& problems,
                                   InterfaceLanguage language);

}  // namespace tolvane
