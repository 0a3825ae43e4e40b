// The labels file: the legend labels of a layout, kept beside its data file with the same
// name and the suffix ".labels" (till.dat has till.labels), so the data file stays exactly
// what the keyboard's own tools read and write.
//
// Plain UTF-8 text, one label a line: the button number, the layer number and the label,
// separated by spaces; the label is the rest of the line, without the spaces around it.
// Blank lines and lines starting with "#" are comments. Lines end in CR LF as written (a
// bare LF is read too), and a byte order mark at the start is skipped.
//
//     # Legend labels: button, layer, label
//     28 1 TOTAL
//     29 1 VOID
//
// A line that is not a label line, names a button or layer that does not exist, holds a
// label longer than 40 characters or not UTF-8, or repeats a button and layer is refused
// with its line number; the good lines around it still load.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tolvane/files/AtomicWrite.h"
#include "tolvane/files/BoundedRead.h"
#include "tolvane/legend/LegendLabels.h"

namespace tolvane {

inline constexpr std::string_view kLabelsFileSuffix = ".labels";

// Problems beyond this many are counted, not kept: a file of garbage stays small in memory.
inline constexpr std::size_t kMostLabelProblemsKept = 100;

struct LabelsProblem {
    int line = 0;
    std::string text;  // "line 3: there is no button 90; buttons are 1 to 84"
};

struct ParsedLabels {
    LegendLabels labels;
    std::vector<LabelsProblem> problems;  // the first kMostLabelProblemsKept
    std::size_t problemCount = 0;         // all of them
};

ParsedLabels ParseLabelsText(std::string_view text);

// Every label, layer by layer and button by button, after a comment line.
std::string FormatLabelsFile(const LegendLabels& labels);

// The labels file that belongs to a data file: the same name with ".labels" for its suffix.
std::filesystem::path LabelsFileBeside(const std::filesystem::path& dataFile);

struct LabelsFileLoad {
    TextReadStatus status = TextReadStatus::kRead;
    ParsedLabels parsed;  // with kRead; no labels otherwise
    std::string error;    // names the file and the reason, unless kRead

    // Read, or no file at all (a layout without labels).
    bool ok() const { return status == TextReadStatus::kRead || status == TextReadStatus::kNoFile; }
};

// Read within the bounds of BoundedRead.h.
LabelsFileLoad LoadLabelsFile(const std::filesystem::path& path);

// Replaces the file atomically. A layout without labels makes no file, but an existing file
// is rewritten (to hold none), so it never keeps labels the layout no longer has.
FileWriteResult SaveLabelsFile(const LegendLabels& labels, const std::filesystem::path& path);

}  // namespace tolvane
