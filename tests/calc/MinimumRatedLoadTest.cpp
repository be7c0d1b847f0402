// SPDX-License-Identifier: MIT
// Calculate in the minimum-rated-load mode: entries in, the steps taken and
// the message that ended it out.

#include "tests/calc/StepsText.h"
#include "tests/rules/CaseNames.h"

#include "calc/MinimumRatedLoad.h"

#include <gtest/gtest.h>

namespace ratedload::calc::test {
namespace {

using rules::FreightClass;
using rules::Units;

struct RatedLoadRow {
    const char *name;
    RatedLoadEntries entries;
    const char *steps;
};

void PrintTo(const RatedLoadRow &row, std::ostream *out)
{
    *out << row.name;
}

RatedLoadEntries Typed(const char *area, ElevatorType type = ElevatorType::Passenger)
{
    RatedLoadEntries entries;
    entries.type = type;
    entries.areaText = area;
    return entries;
}

RatedLoadEntries WithLists(RatedLoadEntries entries, rules::DimensionTexts lists)
{
    entries.lists = std::move(lists);
    return entries;
}

RatedLoadEntries Freight(RatedLoadEntries entries, std::optional<FreightClass> freightClass,
    const char *truck = "")
{
    entries.type = ElevatorType::Freight;
    entries.freightClass = freightClass;
    entries.truckText = truck;
    return entries;
}

RatedLoadEntries WithTruck(RatedLoadEntries entries, bool yes, const char *truck)
{
    entries.type = ElevatorType::FreightPassenger;
    entries.carriesTruck = yes;
    entries.truckText = truck;
    return entries;
}

RatedLoadEntries Metric(RatedLoadEntries entries)
{
    entries.units = Units::Metric;
    return entries;
}

class MinimumRatedLoadTest : public testing::TestWithParam<RatedLoadRow> {};

TEST_P(MinimumRatedLoadTest, TakesItsStepsInOrder)
{
    EXPECT_EQ(StepsText(MinimumRatedLoad(GetParam().entries)), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Steps, MinimumRatedLoadTest, testing::Values(
    RatedLoadRow{"TypedArea", Typed("50"),
        "clear lists; area 50; load 5002.5; passengers 31"},
    RatedLoadRow{"BothWaysTheMessageThenTheTypedArea",
        WithLists(Typed("50"), {"10", "0", "0", "0", "0", "0", "0", "0"}),
        "show BothWaysGiven; clear lists; focus area; clear lists; area 50; load 5002.5; "
        "passengers 31"},
    RatedLoadRow{"SidesKeepTheLists",
        WithLists(Freight(Typed(""), FreightClass::A), {"7", "4", "0", "0", "5", "8", "0", "0"}),
        "area 41.55556; load 2077.778"},
    RatedLoadRow{"NegativeTypedAreaTakesTheSides",
        WithLists(Typed("-5"), {"10", "0", "0", "0", "5", "0", "0", "0"}),
        "area 50; load 5002.5; passengers 31"},
    RatedLoadRow{"MetricListsOfTheOtherSystemCountForBothWays",
        Metric(WithLists(Typed("4.65"), {"0", "3", "0", "0", "0", "0", "0", "0"})),
        "show BothWaysGiven; clear lists; focus area; clear lists; area 4.65; load 2268.038; "
        "passengers 31"},
    RatedLoadRow{"C1WithoutTruckWeight", Freight(Typed("40"), FreightClass::C1),
        "clear lists; area 40; show NoTruckWeight; focus truck | NoTruckWeight"},
    RatedLoadRow{"C2HeavierTruck", Freight(Typed("40"), FreightClass::C2, "2500"),
        "clear lists; area 40; load 2500"},
    RatedLoadRow{"FreightWithoutClassWritesNoLoad", Freight(Typed("40"), std::nullopt),
        "clear lists; area 40"},
    RatedLoadRow{"TruckAnsweredYesWithoutWeight", WithTruck(Typed("10"), true, ""),
        "clear lists; area 10; load 733.7; show NoTruckWeight; focus truck | NoTruckWeight"},
    RatedLoadRow{"HeavierTruckGovernsLoadAndCount", WithTruck(Typed("10"), true, "3199.5"),
        "clear lists; area 10; load 733.7; load 3199.5; passengers 20"},
    RatedLoadRow{"LighterTruck", WithTruck(Typed("10"), true, "700"),
        "clear lists; area 10; load 733.7; passengers 4"},
    RatedLoadRow{"TruckCountsWhateverTheAnswer", WithTruck(Typed("10"), false, "5000"),
        "clear lists; area 10; load 733.7; load 5000; passengers 31"},
    RatedLoadRow{"NothingEnteredAnswersThenTheMessage", Typed(""),
        "area 0; load 0; passengers 0; show NoArea; empty area; focus area | NoArea"},
    RatedLoadRow{"FreightOfNoArea", Freight(Typed("0"), FreightClass::B),
        "area 0; load 0; show NoArea; empty area; focus area | NoArea"},
    RatedLoadRow{"CountBeyond32BitsStopsAfterTheLoad", WithTruck(Typed("10"), true, "3E9"),
        "clear lists; area 10; load 733.7; load 3000000000 | error"},
    RatedLoadRow{"TypedAreaBeyondSingle", Typed("1e39"), "clear lists | error"},
    RatedLoadRow{"ListsBeyondSingleBeforeAnyStep",
        WithLists(Typed("5"), {"1e39", "0", "0", "0", "0", "0", "0", "0"}), " | error"}),
    CaseName{});

} // namespace
} // namespace ratedload::calc::test
