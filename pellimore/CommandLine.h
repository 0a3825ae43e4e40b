// The tool's command line: pellimore [--virtual-keyboard[=STATE_FILE]] [--help].
#pragma once

#include <string>
#include <vector>

namespace pellimore {

struct CommandLine {
    bool virtualKeyboard = false;
    std::string
        stateFile;  // with --virtual-keyboard=STATE_FILE; empty: a keyboard that keeps nothing
    bool help = false;
    std::string error;  // set when the arguments could not be understood
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "Usage: pellimore [--virtual-keyboard[=STATE_FILE]]\n"
    "  --virtual-keyboard  work on the built-in virtual keyboard instead of USB; with\n"
    "                      =STATE_FILE it keeps its lamps and card settings in that file\n";

}  // namespace pellimore
