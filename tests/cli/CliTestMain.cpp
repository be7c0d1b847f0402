// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <stdexcept>

int main(int argc, char **argv)
{
    // The commands run in this process under a locale that writes "," as its
    // decimal point: every number must still come out with ".".
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error &) {
    }
#ifdef RATEDLOAD_REPORT_PROGRAM
    // The commands run in this process, whose own folder is not the command
    // line's, find the painter here.
    setenv("RATEDLOAD_REPORT", RATEDLOAD_REPORT_PROGRAM, 1);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
