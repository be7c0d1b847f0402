// SPDX-License-Identifier: MIT
// Bad input is refused with exit status 2 and one line on standard error that
// names the option and what was expected; where the window shows a message,
// the line names the option to give or mend.

#include "tests/cli/Run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace ratedload::cli::test {
namespace {

#ifdef RATEDLOAD_WITH_REPORT
const char *const kCommands = "load, area, table, check or chart";
#else
const char *const kCommands = "load, area, table or check";
#endif

struct BadRow {
    const char *name;
    const char *command;
    const char *named; // what the error line must name
};

void PrintTo(const BadRow &row, std::ostream *out)
{
    *out << row.command;
}

class BadInputTest : public testing::TestWithParam<BadRow> {};

TEST_P(BadInputTest, IsRefusedOnOneLineNamingTheOption)
{
    const BadRow &row = GetParam();
    const Ran ran = RunCli(Words(row.command));
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out, "");
    EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
    EXPECT_EQ(ran.err.rfind("ratedload-cli: ", 0), 0u) << ran.err;
    EXPECT_NE(ran.err.find(row.named), std::string::npos) << ran.err;
}

INSTANTIATE_TEST_SUITE_P(Options, BadInputTest, testing::Values(
    BadRow{"UnknownOption", "load --area 50 --colour red", "--colour"},
    BadRow{"UnknownCommand", "lift --area 50", "lift"},
    BadRow{"NoCommand", "", kCommands},
    BadRow{"OptionOfAnotherCommand", "area --load 2500 --truck 500", "--truck"},
    BadRow{"RepeatedOption", "load --area 50 --area 60", "--area"},
    BadRow{"UnknownFormat", "load --area 50 --format xml", "--format"},
    BadRow{"BothUnitSystems", "load --area 50 --metric --imperial", "--imperial"},
    BadRow{"UnknownType", "load --type lift --area 50", "--type"},
    BadRow{"UnknownClass", "load --type freight --class D --area 50", "--class"},
    BadRow{"ClassWithPassengerType", "load --class A --area 50", "--class"},
    BadRow{"ClassWithFreightPassengerType", "load --type freight-passenger --class C1 --area 50",
        "--class"},
    BadRow{"TruckWithPassengerType", "load --truck 2500 --area 40", "--truck"},
    BadRow{"TruckWithClassA", "load --type freight --class A --truck 2500 --area 40", "--truck"},
    BadRow{"TruckWithClassB", "check --type freight --class B --truck 2500 --load 3000 --area 40",
        "--truck"},
    BadRow{"TruckWithClassC3", "load --type freight --class C3 --truck 2500 --area 40",
        "--truck"},
    BadRow{"TruckWithTableOfLoads", "table --loads 1000:2000:500 --truck 500", "--truck"},
    BadRow{"TruckNotANumber", "load --type freight --class C1 --truck 2,500 --area 40",
        "--truck"},
    BadRow{"AreaNotANumber", "load --area 12abc", "--area"},
    BadRow{"LoadBeyondDouble", "area --load 1e400", "--load"},
    BadRow{"AreaZeroInSingle", "load --area 1e-300", "--area"},
    BadRow{"LoadZeroInSingle", "check --load 7e-46 --area 40", "--load"},
    BadRow{"TruckZeroInSingle", "load --type freight-passenger --truck 1e-46 --area 40",
        "--truck"},
    BadRow{"AreaAndSides", "load --area 50 --depth 7ft --width 5ft", "--area"},
    BadRow{"DepthWithoutWidth", "load --depth 7ft", "--depth"},
    BadRow{"WidthWithoutDepth", "check --load 2500 --width 7ft", "--width"},
    BadRow{"NoPlatform", "load --type freight", "--area"},
    BadRow{"TwoSidesToFindOne", "area --load 2500 --depth 7ft --width 5ft", "--depth"},
    BadRow{"NoRatedLoad", "check --area 50", "--load"}), CaseName{});

INSTANTIATE_TEST_SUITE_P(Sides, BadInputTest, testing::Values(
    BadRow{"FeetWithMetric", "load --metric --depth 7ft4in --width 1.5m", "--depth"},
    BadRow{"InchesWithMetric", "area --metric --load 1000 --width 60in", "--width"},
    BadRow{"MetresWithoutMetric", "load --depth 2m50mm --width 5ft", "--depth"},
    BadRow{"MillimetresWithoutMetric", "load --depth 7ft --width 1350mm", "--width"},
    BadRow{"NumberWithoutUnit", "load --depth 7 --width 5ft", "--depth"},
    BadRow{"UnknownUnit", "load --metric --depth 205cm --width 1m", "--depth"},
    BadRow{"InchesBeforeFeet", "load --depth 4in7ft --width 5ft", "--depth"},
    BadRow{"NegativeSide", "load --depth=-3ft --width 5ft", "--depth"},
    BadRow{"ZeroDenominator", "load --depth 7ft4-1/0in --width 5ft", "--depth"}), CaseName{});

INSTANTIATE_TEST_SUITE_P(Ranges, BadInputTest, testing::Values(
    BadRow{"ZeroStep", "table --loads 500:30000:0", "--loads"},
    BadRow{"StepAwayFromStop", "table --loads 30000:500:500", "--loads"},
    BadRow{"NegativeStepAwayFromStop", "table --areas 10:100:-5", "--areas"},
    BadRow{"MoreThan100000Rows", "table --loads 1:100001:1", "--loads"},
    BadRow{"HugeRange", "table --areas 0:1e300:1e-300", "--areas"},
    BadRow{"RangeWithoutStep", "table --loads 500:1000", "--loads"},
    BadRow{"EmptyItem", "table --loads 500,,1000", "--loads"},
    BadRow{"NoRows", "table --type freight", "--loads"},
    BadRow{"LoadsAndAreas", "table --loads 1000 --areas 10", "--areas"},
    BadRow{"SidesWithAreas", "table --areas 10:20:5 --depth 7ft", "--depth"}), CaseName{});

// The rules' run-time errors, which end the window's command silently.
INSTANTIATE_TEST_SUITE_P(Overflow, BadInputTest, testing::Values(
    BadRow{"AreaBeyondSingle", "load --area 1e39", "--area 1e39"},
    BadRow{"LoadOfAreaBeyondSingle", "load --area 1e20", "--area 1e20"},
    BadRow{"SideBeyondSingle", "load --depth 1000000000000000000000000000000000000000ft "
        "--width 5ft", "--depth"},
    BadRow{"CountBeyond32Bits", "load --type freight-passenger --truck 3E9 --area 10",
        "--truck 3E9"},
    BadRow{"AreaCountBeyond32Bits", "area --load 3E9", "--load 3E9"}), CaseName{});

// Texts that the window reads as they stand, and that mean nothing here.
INSTANTIATE_TEST_SUITE_P(Strict, BadInputTest, testing::Values(
    BadRow{"NegativeLoad", "area --load -100", "--load: expected a rated load greater than 0"},
    BadRow{"NegativeLoadUnderTheRoot", "area --load -2000", "--load: expected a rated load"},
    BadRow{"ZeroPointZeroLoad", "area --load 0.0", "--load: expected a rated load"},
    BadRow{"MinusZeroLoad", "check --load -0 --area 50", "--load: expected a rated load"},
    BadRow{"ZeroArea", "load --area 0", "--area: expected an area greater than 0"},
    BadRow{"NegativeTruck", "load --type freight --class C1 --truck -5 --area 40",
        "--truck: expected a truck weight greater than 0"},
    BadRow{"ZeroTruck", "load --type freight-passenger --truck 0 --area 40", "--truck"},
    BadRow{"DExponent", "area --load 25D2", "write an exponent with E"},
    BadRow{"BelowTheSmallestNormal", "area --load 1e-400", "below the smallest normal"},
    BadRow{"Subnormal", "load --area 2e-310", "below the smallest normal"},
    BadRow{"ZeroSide", "load --depth 0ft --width 5ft", "--depth"},
    BadRow{"SideBeyondDouble", "load --width 5ft --depth 1"
        "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        "ft", "beyond the range of double precision"},
    BadRow{"ThirteenInches", "load --depth 7ft13in --width 5ft", "inches after feet"},
    BadRow{"FractionOfOneOrMore", "load --depth 7ft4-99/1in --width 5ft",
        "a fraction of an inch is less than 1"},
    BadRow{"TwoMetreParts", "load --metric --depth 2.05m50mm --width 1m",
        "metres with a decimal part"},
    BadRow{"ThousandMillimetres", "load --metric --depth 2m1000mm --width 1m",
        "millimetres after metres"},
    BadRow{"FoundSideOfNothing", "area --load 5000 --depth 9999999ft",
        "--depth: '9999999ft' is too long"},
    BadRow{"ZeroInATable", "table --areas 0:20:10", "--areas: expected areas greater than 0"},
    BadRow{"DExponentInATable", "table --loads 25D2", "--loads"}), CaseName{});

struct MessageRow {
    const char *name;
    const char *command;
    const char *message;
};

void PrintTo(const MessageRow &row, std::ostream *out)
{
    *out << row.command;
}

class MessageTest : public testing::TestWithParam<MessageRow> {};

TEST_P(MessageTest, NamesTheOption)
{
    const MessageRow &row = GetParam();
    const Ran ran = RunCli(Words(row.command));
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out, "");
    EXPECT_EQ(ran.err, "ratedload-cli: " + std::string(row.message) + "\n");
}

std::string MessageName(const testing::TestParamInfo<MessageRow> &info)
{
    return info.param.name;
}

// The messages of the calculation, named after the option to give or mend.
INSTANTIATE_TEST_SUITE_P(Calculation, MessageTest, testing::Values(
    MessageRow{"C1WithoutTruck", "load --type freight --class C1 --area 40",
        "--truck: class C1 needs the weight of the loaded truck"},
    MessageRow{"C2WithoutTruck", "check --type freight --class C2 --load 2000 --area 40",
        "--truck: class C2 needs the weight of the loaded truck"},
    MessageRow{"SidesOfNoArea", "load --depth 0.000000000000000000000000000001in "
        "--width 0.000000000000000000000000000001in",
        "--depth: the area of the depth and the width comes out as 0"}), MessageName);

TEST(TableRowTest, AMessageRowIsReportedAndTheOthersAnswered)
{
    const Ran ran = RunCli(Words("table --loads 1,5000 --depth 100ft --format csv"));
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out,
        "rated_load,max_area,passengers,found,feet,inches,fraction\n5000,49.9813,31,width,0,5,"
        "0.9978\n");
    EXPECT_EQ(ran.err, "ratedload-cli: --loads 1: --depth: '100ft' is too long for an area of "
                       "0.015: the width found for it is under an inch\n");
}

TEST(TableRowTest, AnOverflowingRowIsReportedAndTheOthersAnswered)
{
    const Ran ran = RunCli(Words("table --areas 10,1e20,20 --type freight-passenger --truck 5 "
                                 "--format csv"));
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out, "area,min_rated_load,passengers\n10,733.7,4\n20,1600.8,10\n");
    EXPECT_EQ(ran.err, "ratedload-cli: --areas 1e20, --truck 5: overflow: value "
                       "beyond the range of single precision\n");
}

TEST(QuotedInputTest, ControlCharactersOfAnEntryAreEscapedInItsLine)
{
    // A quoted cell may hold a line break that would forge a second message,
    // an escape that would clear the terminal, and a NUL.
    const std::string cell = std::string("25\nratedload-cli: line 9: fake\x1b[2J\0x", 36);
    const Ran ran = RunCli(Words("check --batch"), "id,load,area\nA,\"" + cell + "\",29\n");
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.err,
        "ratedload-cli: line 2: --load: expected a number, got "
        "'25\\nratedload-cli: line 9: fake\\x1b[2J\\x00x'\n");
}

TEST(HelpTest, EveryCommandHasHelpWithExamples)
{
    for (const char *command : { "", "load", "area", "table", "check" }) {
        std::vector<std::string> arguments = Words(command);
        arguments.push_back("--help");
        const Ran ran = RunCli(arguments);
        EXPECT_EQ(ran.status, 0) << command;
        EXPECT_NE(ran.out.find("Examples:\n  ratedload-cli "), std::string::npos) << command;
    }
}

TEST(HelpTest, VersionIsThatOfTheProject)
{
    const Ran ran = RunCli({ "--version" });
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.out, "ratedload-cli " RATEDLOAD_VERSION "\n");
}

} // namespace
} // namespace ratedload::cli::test
