// The command-line programmer's entry point, callable in-process by tests.
#pragma once

#include <ostream>

namespace tolvane::cli {

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           bool errIsTerminal);

}  // namespace tolvane::cli
