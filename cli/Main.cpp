// SPDX-License-Identifier: MIT
// ratedload-cli: the figures of the calculator for scripts, tables and
// inspections, on standard input and output only.

#include "cli/Program.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char **argv)
{
    // Standard input and output go only through the C++ streams.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ratedload::cli::Streams streams { std::cin, std::cout, std::cerr,
        isatty(STDIN_FILENO) == 1 };
    return ratedload::cli::RunProgram(arguments, streams);
}
