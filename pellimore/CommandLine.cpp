#include "pellimore/CommandLine.h"

#include <string_view>

namespace pellimore {

namespace {

constexpr std::string_view kVirtualKeyboardOption = "--virtual-keyboard";

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (const std::string& argument : arguments) {
        const std::string_view word = argument;
        if (word == "--help" || word == "-h") {
            line.help = true;
        } else if (word == kVirtualKeyboardOption) {
            line.virtualKeyboard = true;
        } else if (word.starts_with(kVirtualKeyboardOption) &&
                   word.substr(kVirtualKeyboardOption.size()).starts_with('=')) {
            line.virtualKeyboard = true;
            line.stateFile = argument.substr(kVirtualKeyboardOption.size() + 1);
        } else {
            line.error = "unknown argument: " + argument;
        }
    }
    return line;
}

}  // namespace pellimore
