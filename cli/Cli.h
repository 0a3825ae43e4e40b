// The command-line programmer's entry point, callable in-process by tests.
#pragma once

#include <ostream>

#include "tolvane/link/ThreadStart.h"

namespace tolvane::cli {

// Threads for the keyboards of write --all and program come from startThread. On a
// terminal program's result lines are coloured.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           bool errIsTerminal, ThreadStarter startThread = StartSystemThread,
           bool outIsTerminal = false);

}  // namespace tolvane::cli
