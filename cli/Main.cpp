// SPDX-License-Identifier: MIT
// ratedload-cli: the figures of the calculator for scripts, tables and
// inspections, on standard input and output only.

#include "cli/Program.h"

#include <clocale>
#include <csignal>
#include <iostream>
#include <unistd.h>

int main(int argc, char **argv)
{
    // The user's locale, as every program takes it; the figures are read and
    // written by the rules, with "." whatever it says.
    std::setlocale(LC_ALL, "");
    // A file that grows beyond the limit of `ulimit -f` is a failed write,
    // said as such, not the end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Standard input and output go only through the C++ streams.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ratedload::cli::Streams streams { std::cin, std::cout, std::cerr,
        isatty(STDIN_FILENO) == 1 };
    return ratedload::cli::RunProgram(arguments, streams);
}
