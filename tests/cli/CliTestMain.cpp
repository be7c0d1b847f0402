// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <clocale>
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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
