#include "gui/model/CommandLine.h"

#include <string_view>

namespace tolvane::gui {

namespace {

constexpr std::string_view kVirtualKeyboardOption = "--virtual-keyboard";

}  // namespace

const char* const kCommandLineUsage =
    "Usage: tolvane [--virtual-keyboard[=STATE_FILE]] [DATA_FILE]\n"
    "  --virtual-keyboard  run on the built-in virtual keyboard instead of USB; with\n"
    "                      =STATE_FILE its programming is kept in that file between runs\n"
    "  DATA_FILE           a keyboard data file (.dat) to load at start, as Open would\n";

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == kVirtualKeyboardOption) {
            line.virtualKeyboard = true;
        } else if (argument.starts_with(std::string(kVirtualKeyboardOption) + "=")) {
            line.virtualKeyboard = true;
            line.stateFile = argument.substr(kVirtualKeyboardOption.size() + 1);
        } else if (argument.starts_with("-")) {
            line.error = "unknown option: " + argument;
        } else if (line.dataFile.empty()) {
            line.dataFile = argument;
        } else {
            line.error = "only one data file can be loaded: " + argument;
        }
    }
    return line;
}

}  // namespace tolvane::gui
