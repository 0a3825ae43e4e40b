#include <unistd.h>

#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) {
    return tolvane::cli::RunCli(argc, argv, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1,
                                tolvane::StartSystemThread, ::isatty(STDOUT_FILENO) == 1);
}
