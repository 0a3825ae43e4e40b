// The tool's command line: pellimore [--virtual-keyboard[=STATE_FILE]] [--help].
#pragma once

#include <string>
#include <vector>

namespace pellimore {

struct CommandLine {
    bool virtualKeyboard = false;
    std::string stateFile;  // with =STATE_FILE; empty: a keyboard without a state file
    bool help = false;
    std::string error;  // set when the arguments could not be understood
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "Usage: pellimore [--virtual-keyboard[=STATE_FILE]]\n"
    "  --virtual-keyboard  work on the built-in virtual keyboard instead of USB; with\n"
    "                      =STATE_FILE it starts from that state file (tolvane-cli's)\n";

}  // namespace pellimore
