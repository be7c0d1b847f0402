// SPDX-License-Identifier: MIT
// chart on the command line: the files it writes, the cars it checks and
// draws, and what it refuses.

#include "tests/cli/Run.h"
#include "tests/cli/SheetFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace ratedload::cli::test {
namespace {

std::string Read(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

std::size_t Count(const std::string &text, const std::string &part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Width and height from a PNG's header chunk.
std::pair<int, int> PngSize(const std::string &png)
{
    auto number = [&](std::size_t at) {
        int value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value * 256 + static_cast<unsigned char>(png.at(at + i));
        return value;
    };
    return { number(16), number(20) };
}

TEST(ChartCommandTest, WritesTheSvgAndThePngOfTheSizeAsked)
{
    const Folder folder;
    const Ran ran = RunCli(WordsIn(
        "chart --metric --type freight --class B --svg {dir}/b.svg --png {dir}/b.png --size 900x600",
        folder));
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.out, "");
    EXPECT_EQ(ran.err, "");
    const std::string svg = Read(folder / "b.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("viewBox=\"0 0 900 600\""), std::string::npos);
    EXPECT_NE(svg.find("Minimum rated load of a freight elevator, class B,"), std::string::npos);
    EXPECT_NE(svg.find("Inside net platform area (sq m)"), std::string::npos);
    const std::string png = Read(folder / "b.png");
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(PngSize(png), std::make_pair(900, 600));
    EXPECT_EQ(PngSize(Read(folder / "b.png")), std::make_pair(900, 600));
}

TEST(ChartCommandTest, ThePngIs1200By800UnlessTold)
{
    const Folder folder;
    ASSERT_EQ(RunCli(WordsIn("chart --png {dir}/p.png", folder)).status, 0);
    EXPECT_EQ(PngSize(Read(folder / "p.png")), std::make_pair(1200, 800));
}

TEST(ChartCommandTest, EachCarIsCheckedAndDrawnInTheColourOfItsVerdict)
{
    const Folder folder;
    // 4000 lb on 41.55556 sq ft passes, 3000 lb on 35 within the allowance,
    // 3500 lb on 41.55556 fails.
    const Ran ran = RunCli(WordsIn("chart --svg {dir}/cars.svg --car 4000,41.55556 "
                                   "--car 3000,35 --car 3500,41.55556",
        folder));
    ASSERT_EQ(ran.status, 0) << ran.err;
    const std::string svg = Read(folder / "cars.svg");
    EXPECT_EQ(Count(svg, "<circle"), 2u) << "one car and the legend";
    EXPECT_GE(Count(svg, "stroke=\"#c62828\""), 1u);
    EXPECT_GE(Count(svg, "stroke=\"#b26a00\""), 1u);
    EXPECT_NE(svg.find("Cars that pass (1)"), std::string::npos);
    EXPECT_NE(svg.find("Cars that pass within the 5 % allowance (1)"), std::string::npos);
    EXPECT_NE(svg.find("Cars that fail (1)"), std::string::npos);
}

TEST(ChartCommandTest, TheCarsOfABatchOfAnotherKindAreReportedAndLeftOut)
{
    const Folder folder;
    const std::string input = "id,type,class,load,area\n"
                              "P1,passenger,,4000,41.55556\n"
                              "F1,freight,B,3000,100\n"
                              "P2,,,3500,41.55556\n"
                              "P3,,,x,41\n";
    const Ran ran = RunCli(WordsIn("chart --batch --svg {dir}/fleet.svg", folder), input);
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out, "");
    EXPECT_EQ(ran.err,
        "ratedload-cli: line 3: --type: the chart is of passenger elevators; this car is "
        "freight\n"
        "ratedload-cli: line 5: --load: expected a number, got 'x'\n");
    const std::string svg = Read(folder / "fleet.svg");
    EXPECT_NE(svg.find("Cars that pass (1)"), std::string::npos);
    EXPECT_NE(svg.find("Cars that fail (1)"), std::string::npos);
}

struct BadChartRow {
    const char *name;
    const char *command;
    const char *named;
};

void PrintTo(const BadChartRow &row, std::ostream *out)
{
    *out << row.command;
}

class BadChartTest : public testing::TestWithParam<BadChartRow> {};

TEST_P(BadChartTest, IsRefusedOnOneLineNamingTheOptionAndWritesNothing)
{
    const BadChartRow &row = GetParam();
    const Folder folder;
    const Ran ran = RunCli(WordsIn(row.command, folder));
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.out, "");
    EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
    EXPECT_EQ(ran.err.rfind("ratedload-cli: " + std::string(row.named), 0), 0u) << ran.err;
    EXPECT_TRUE(folder.Names().empty());
}

INSTANTIATE_TEST_SUITE_P(Options, BadChartTest, testing::Values(
    BadChartRow{"NoFile", "chart --type freight", "give --svg FILE or --png FILE"},
    BadChartRow{"SizeNotWxH", "chart --png {dir}/c.png --size big", "--size: expected WIDTHxHEIGHT"},
    BadChartRow{"SizeTooSmall", "chart --png {dir}/c.png --size 40x30", "--size: from 400x300"},
    BadChartRow{"SizeTooLarge", "chart --png {dir}/c.png --size 90000x800", "--size: "},
    BadChartRow{"AreasBackwards", "chart --svg {dir}/c.svg --areas 120:0", "--areas: "},
    BadChartRow{"AreasNegative", "chart --svg {dir}/c.svg --areas -5:10", "--areas: "},
    BadChartRow{"AreasNotARange", "chart --svg {dir}/c.svg --areas 0:10:1", "--areas: "},
    BadChartRow{"AreasBeyondSinglePrecision", "chart --svg {dir}/c.svg --areas 0:1e30",
        "--areas: "},
    BadChartRow{"CarWithoutArea", "chart --svg {dir}/c.svg --car 4000", "--car: "},
    BadChartRow{"CarNotANumber", "chart --svg {dir}/c.svg --car 4000,abc", "--car 4000,abc: "},
    BadChartRow{"SvgIsAFolder", "chart --svg {dir}", "--svg: "},
    BadChartRow{"PngInNoFolder", "chart --png {dir}/none/c.png", "--png: "},
    BadChartRow{"ClassForPassengers", "chart --svg {dir}/c.svg --class B", "--class: "},
    BadChartRow{"CarOfATruckClass",
        "chart --svg {dir}/c.svg --type freight --class C1 --car 4000,41",
        "--car 4000,41: class C1 needs the weight of the loaded truck; a car given by its load "
        "and area alone has none: give it among the rows, with a truck column"}),
    CaseName{});

TEST(ChartHelpTest, SaysWhatACarIs)
{
    const Ran ran = RunCli({ "chart", "--help" });
    EXPECT_NE(ran.out.find("--car CAR"), std::string::npos) << ran.out;
    EXPECT_NE(ran.out.find("LOAD,AREA"), std::string::npos);
    EXPECT_NE(ran.out.find("START:STOP"), std::string::npos);
    EXPECT_NE(ran.out.find("--size WxH"), std::string::npos);
    EXPECT_NE(ran.out.find("--batch"), std::string::npos);
}

} // namespace
} // namespace ratedload::cli::test
