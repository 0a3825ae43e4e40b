// The desktop programmer's command line, the same for every front end:
//   tolvane [--virtual-keyboard[=STATE_FILE]] [DATA_FILE]
#pragma once

#include <string>
#include <vector>

namespace tolvane::gui {

struct CommandLine {
    bool virtualKeyboard = false;
    std::string stateFile;  // with --virtual-keyboard=STATE
    std::string dataFile;   // loaded at start, as if opened with the Open command
    std::string error;      // set when the arguments could not be understood
    bool help = false;
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints.
extern const char* const kCommandLineUsage;

}  // namespace tolvane::gui
