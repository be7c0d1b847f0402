// SPDX-License-Identifier: MIT
// The program itself: its exit statuses, what goes to which stream, and "."
// as the decimal point under a locale that writes ",".

#include "tests/cli/Run.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <locale.h>

namespace ratedload::cli::test {
namespace {

// The system's text of an error in the language of the program's locale.
std::string SystemError(int error)
{
    const locale_t german = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
    const std::string text = german ? strerror_l(error, german) : std::strerror(error);
    if (german)
        freelocale(german);
    return text;
}

TEST(ProcessTest, AnswersOnStandardOutputWithThePointOfTheRules)
{
    const Ran ran = RunCliProcess(Words("load --area 49.9 --format csv"));
    EXPECT_FALSE(ran.timedOut);
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.out, "area,min_rated_load,passengers\n49.9,4989.167,31\n");
    EXPECT_EQ(ran.err, "");
}

TEST(ProcessTest, AFailingCarExitsWithOne)
{
    const Ran ran = RunCliProcess(Words("check --batch --format csv"), "load,area\n4000,44.3\n");
    EXPECT_EQ(ran.status, 1);
    EXPECT_NE(ran.out.find(",fails\n"), std::string::npos) << ran.out;
    EXPECT_EQ(ran.err, "");
}

TEST(ProcessTest, BadInputGoesToStandardErrorAndExitsWithTwo)
{
    const Ran ran = RunCliProcess(Words("load --area 1,5"));
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out, "");
    EXPECT_EQ(ran.err, "ratedload-cli: --area: expected a number, got '1,5'\n");
}

TEST(ProcessTest, AFailedWriteIsSaid)
{
    const Ran ran = RunCliProcess(Words("table --loads 1:100000:1"), "", "/dev/full");
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.err,
        "ratedload-cli: cannot write the answers to standard output: " + SystemError(ENOSPC)
            + "\n");
}

} // namespace
} // namespace ratedload::cli::test
