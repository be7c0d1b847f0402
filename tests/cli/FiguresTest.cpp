// SPDX-License-Identifier: MIT
// The command line gives the calculator's figures for the same entries: the
// area, load, passenger and side texts that the window shows in its fields.

#include "tests/cli/Run.h"

#include <gtest/gtest.h>

#include <string>

namespace ratedload::cli::test {
namespace {

struct FigureRow {
    const char *name;
    const char *command; // without --format csv
    const char *record; // the CSV record of the answer
};

void PrintTo(const FigureRow &row, std::ostream *out)
{
    *out << row.command;
}

class FiguresTest : public testing::TestWithParam<FigureRow> {};

TEST_P(FiguresTest, AreThoseOfTheWindow)
{
    const FigureRow &row = GetParam();
    std::vector<std::string> arguments = Words(row.command);
    arguments.insert(arguments.end(), { "--format", "csv" });
    const Ran ran = RunCli(arguments);
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.err, "");
    const std::size_t header = ran.out.find('\n');
    ASSERT_NE(header, std::string::npos) << ran.out;
    EXPECT_EQ(ran.out.substr(header + 1), std::string(row.record) + "\n");
}

// area, min_rated_load, passengers
INSTANTIATE_TEST_SUITE_P(PassengerImperial, FiguresTest, testing::Values(
    FigureRow{"Area10", "load --area 10", "10,733.7,4"},
    FigureRow{"Area20", "load --area 20", "20,1600.8,10"},
    FigureRow{"Area40", "load --area 40", "40,3735.2,23"},
    FigureRow{"Area49_9", "load --area 49.9", "49.9,4989.167,31"},
    FigureRow{"Area50LowerFormula", "load --area 50", "50,5002.5,31"},
    FigureRow{"Area50_01UpperFormula", "load --area 50.01", "50.01,5001.046,31"},
    FigureRow{"Area50_1", "load --area 50.1", "50.1,5012.717,31"},
    FigureRow{"Area100", "load --area 100", "100,11600,72"},
    FigureRow{"Area0_1", "load --area 0.1", "0.1,6.67667,0"},
    FigureRow{"FreightPassengerSameFormula", "load --type freight-passenger --area 50",
        "50,5002.5,31"},
    FigureRow{"TruckGoverns", "load --type freight-passenger --truck 3199.5 --area 10",
        "10,3199.5,20"},
    FigureRow{"TruckLighter", "load --type freight-passenger --truck 700 --area 10",
        "10,733.7,4"}), CaseName{});

INSTANTIATE_TEST_SUITE_P(PassengerMetric, FiguresTest, testing::Values(
    FigureRow{"Area0_5", "load --metric --area 0.5", "0.5,171.25,2"},
    FigureRow{"Area1", "load --metric --area 1", "1,360,4"},
    FigureRow{"Area2", "load --metric --area 2", "2,790,10"},
    FigureRow{"Area3", "load --metric --area 3", "3,1290,17"},
    FigureRow{"Area4_65LowerFormula", "load --metric --area 4.65", "4.65,2268.038,31"},
    FigureRow{"Area4_651", "load --metric --area 4.651", "4.651,2270.108,31"},
    FigureRow{"Area4_66", "load --metric --area 4.66", "4.66,2275.803,31"},
    FigureRow{"Area10", "load --metric --area 10", "10,5725,78"},
    FigureRow{"SidesAtTheThreshold", "load --metric --depth 3m --width 1m550mm",
        "4.65,2268.038,31"}), CaseName{});

// area, min_rated_load (no passengers for freight)
INSTANTIATE_TEST_SUITE_P(Freight, FiguresTest, testing::Values(
    FigureRow{"ClassA", "load --type freight --class A --area 40", "40,2000"},
    FigureRow{"ClassAByDefault", "load --type freight --area 40", "40,2000"},
    FigureRow{"ClassB", "load --type freight --class B --area 40", "40,1200"},
    FigureRow{"ClassC3", "load --type freight --class C3 --area 40", "40,2000"},
    FigureRow{"C1HeavierTruck", "load --type freight --class C1 --truck 2500 --area 40",
        "40,2500"},
    FigureRow{"C2LighterTruck", "load --type freight --class C2 --truck 1500 --area 40",
        "40,2000"},
    FigureRow{"C1EqualTruckClassGoverns", "load --type freight --class c1 --truck 2000 --area 40",
        "40,2000"},
    FigureRow{"TruckWithFifteenDigits",
        "load --type freight --class C1 --truck 1234.56789 --area 10", "10,1234.56789"},
    FigureRow{"ClassAFromSides", "load --type freight --depth 7ft4in --width 5ft8in",
        "41.55556,2077.778"},
    FigureRow{"ClassBFromSides", "load --type freight --class B --depth 88in --width 68in",
        "41.55556,1246.667"},
    FigureRow{"MetricA", "load --metric --type freight --area 4", "4,976"},
    FigureRow{"MetricB", "load --metric --type freight --class B --area 4", "4,584"},
    FigureRow{"MetricAFromSides", "load --metric --type freight --depth 2m50mm --width 1m350mm",
        "2.7675,675.27"},
    FigureRow{"MetricBFromMillimetres",
        "load --metric --type freight --class B --depth 2050mm --width 1.35m",
        "2.7675,404.055"}), CaseName{});

// Sides written as a person writes them, entered as the lists would hold them.
INSTANTIATE_TEST_SUITE_P(Sides, FiguresTest, testing::Values(
    FigureRow{"EighthsAsFractions", "load --type freight --depth 7ft4-1/2in --width 5ft8-1/4in",
        "41.94531,2097.266"},
    FigureRow{"DecimalInches", "load --type freight --depth 7ft4.5in --width 5ft8.25in",
        "41.94531,2097.266"},
    FigureRow{"AtTheThreshold", "load --depth 10ft --width 5ft", "50,5002.5,31"},
    FigureRow{"DecimalFeet", "load --depth 7.5ft --width 1ft", "7.5,537.7687,3"}), CaseName{});

// rated_load, max_area, passengers
INSTANTIATE_TEST_SUITE_P(MaximumArea, FiguresTest, testing::Values(
    FigureRow{"Passenger2500", "area --load 2500", "2500,29.0451,15"},
    FigureRow{"Passenger5000LowerFormula", "area --load 5000", "5000,49.9813,31"},
    FigureRow{"Passenger5001UpperFormula", "area --load 5001", "5001,50.0097,31"},
    FigureRow{"ClassA", "area --type freight --class A --load 5000", "5000,100"},
    FigureRow{"ClassB", "area --type freight --class B --load 3000", "3000,100"},
    FigureRow{"MetricPassenger1000", "area --metric --load 1000", "1000,2.4372,13"},
    FigureRow{"MetricPassenger2269", "area --metric --load 2269", "2269,4.6515,31"},
    FigureRow{"MetricPassenger2270", "area --metric --load 2270", "2270,4.6508,31"},
    FigureRow{"MetricPassenger110", "area --metric --load 110", "110,0.3269,1"},
    FigureRow{"MetricFreightPassenger110", "area --metric --type freight-passenger --load 110",
        "110,0.3269,1"},
    FigureRow{"MetricClassA", "area --metric --type freight --load 1000", "1000,4.0984"},
    FigureRow{"MetricClassB", "area --metric --type freight --class B --load 1000",
        "1000,6.8493"},
    FigureRow{"MetricCountExact", "area --metric --load 2175", "2175,4.5059,30"},
    FigureRow{"MetricCountRoundedInSingle", "area --metric --load 2174.99999",
        "2174.99999,4.5059,30"},
    FigureRow{"CountHalfRoundsUp", "area --load 159.5", "159.5,2.3367,1"},
    FigureRow{"CountBelowHalf", "area --load 159.4", "159.4,2.3353,0"},
    FigureRow{"CountHalfToEven", "area --load 3200.5", "3200.5,35.4304,20"}), CaseName{});

// rated_load, max_area, [passengers,] found, feet, inches, fraction / metres, millimetres
INSTANTIATE_TEST_SUITE_P(MissingSide, FiguresTest, testing::Values(
    FigureRow{"WidthOfDepth10ft", "area --type freight --load 5000 --depth 10ft",
        "5000,100,width,10,0,0"},
    FigureRow{"DepthOfWidth9ft", "area --type freight --load 5000 --width 9ft",
        "5000,100,depth,11,1,0.3333"},
    FigureRow{"PassengerDepthOfWidth5ft", "area --load 2500 --width 5ft",
        "2500,29.0451,15,depth,5,9,0.7082"},
    FigureRow{"WidthOf51_5in", "area --type freight --load 1225 --depth 4ft3.5in",
        "1225,24.5,width,5,8,0.5049"},
    FigureRow{"FractionCarriedIntoInches", "area --type freight --load 2500 --width 7ft6in",
        "2500,50,depth,6,8,0"},
    FigureRow{"TwelveInchesCarriedIntoFeet", "area --type freight --load 8749.995 --width 25ft",
        "8749.995,174.9999,depth,7,0,0"},
    FigureRow{"MetricWidth", "area --metric --type freight --load 2440 --depth 3m",
        "2440,10,width,3,333.3333"},
    FigureRow{"MetricDepth", "area --metric --type freight --load 610 --width 1m600mm",
        "610,2.5,depth,1,562.5"}), CaseName{});

// rated_load, area, min_rated_load, load_margin, load_margin_pct, max_area,
// area_compared, area_margin, area_margin_pct, max_area_allowance,
// passengers, verdict
INSTANTIATE_TEST_SUITE_P(Check, FiguresTest, testing::Values(
    FigureRow{"ExactlyAtBothLimits",
        "check --type freight --class B --load 3000 --depth 10ft --width 10ft",
        "3000,100,3000,0,0,100,100,0,0,105,passes"},
    FigureRow{"PassengerAtTheThreshold", "check --load 5002.5 --area 50",
        "5002.5,50,5002.5,0,0,50.0212,50,0.0212,0.04,52.5222,31,passes"},
    FigureRow{"MetricWithRoom", "check --metric --load 1000 --area 2.4",
        "1000,2.4,981.6,18.4,1.87,2.4372,2.4,0.0372,1.53,2.559,13,passes"},
    FigureRow{"TruckGovernsTheLoad",
        "check --type freight --class C1 --truck 2500 --load 2500 --area 40",
        "2500,40,2500,0,0,50,40,10,20,52.5,passes"},
    // The maximum area of 4000 lb is 42.1792: a car built to it passes,
    // though the two rules disagree in the load's third decimal.
    FigureRow{"AtTheMaximumArea", "check --load 4000 --area 42.1792",
        "4000,42.1792,4000.002,-0.002,-5E-05,42.1792,42.1792,0,0,44.2881,25,passes"},
    FigureRow{"WidthFoundByArea", "check --load 4000 --depth 7ft --width 6ft0.3072in",
        "4000,42.1792,4000.002,-0.002,-5E-05,42.1792,42.1792,0,0,44.2881,25,passes"},
    // 10 m 273.9754 mm is the width `area` finds for 18000 kg and a depth of
    // 12 m; its last place was rounded up, and goes in the car's favour.
    FigureRow{"LastPlaceOfAFoundSide",
        "check --metric --type freight --class B --load 18000 --depth 12m "
        "--width 10m273.9754mm",
        "18000,123.2878,18000.01,-0.01,-5.6E-05,123.2877,123.2877,0,0,129.452,passes"}), CaseName{});

} // namespace
} // namespace ratedload::cli::test
