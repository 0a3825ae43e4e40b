// The command-line programmer's entry point, callable in-process by tests.
#pragma once

#include <ostream>

#include "link/ThreadStart.h"

namespace tolvane::cli {

// Threads for the keyboards of write --all come from startThread.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           bool errIsTerminal, ThreadStarter startThread = StartSystemThread);

}  // namespace tolvane::cli
