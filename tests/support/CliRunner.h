// Runs the command-line programmer's entry point with an argument list, as a shell would,
// and keeps what it printed.
#pragma once

#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace tolvane::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// args without the program's name. Standard output goes to output when given, else into the
// result; the threads of write --all come from startThread.
inline CliRun RunCliWith(std::vector<std::string> args,
                         ThreadStarter startThread = StartSystemThread,
                         std::streambuf* output = nullptr) {
    args.insert(args.begin(), "tolvane-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostream redirected(output);
    std::ostringstream err;
    const int status = cli::RunCli(static_cast<int>(argv.size()), argv.data(),
                                   output != nullptr ? redirected : out, err,
                                   /*errIsTerminal=*/false, std::move(startThread));
    return {status, out.str(), err.str()};
}

}  // namespace tolvane::testing
