// SPDX-License-Identifier: MIT
// Calculate in the maximum-platform-area mode.

#include "tests/calc/StepsText.h"
#include "tests/rules/CaseNames.h"

#include "calc/MaximumPlatformArea.h"

#include <gtest/gtest.h>

namespace ratedload::calc::test {
namespace {

using rules::FreightClass;
using rules::Units;

struct AreaRow {
    const char *name;
    MaximumAreaEntries entries;
    const char *steps;
};

void PrintTo(const AreaRow &row, std::ostream *out)
{
    *out << row.name;
}

MaximumAreaEntries Load(const char *load, ElevatorType type = ElevatorType::Passenger,
    std::optional<FreightClass> freightClass = std::nullopt, const char *areaShown = "")
{
    MaximumAreaEntries entries;
    entries.type = type;
    entries.freightClass = freightClass;
    entries.loadText = load;
    entries.areaShown = areaShown;
    return entries;
}

MaximumAreaEntries Metric(MaximumAreaEntries entries)
{
    entries.units = Units::Metric;
    return entries;
}

class MaximumPlatformAreaTest : public testing::TestWithParam<AreaRow> {};

TEST_P(MaximumPlatformAreaTest, TakesItsStepsInOrder)
{
    EXPECT_EQ(StepsText(MaximumPlatformArea(GetParam().entries)), GetParam().steps);
}

constexpr auto kFreight = ElevatorType::Freight;

INSTANTIATE_TEST_SUITE_P(Steps, MaximumPlatformAreaTest, testing::Values(
    AreaRow{"PassengerThenTheSide", Load("2500"),
        "passengers shown; area 29.0451; passengers 15; find side"},
    AreaRow{"FreightPassengerMetric", Metric(Load("110", ElevatorType::FreightPassenger)),
        "passengers shown; area 0.3269; passengers 1; find side"},
    AreaRow{"ClassB", Load("3000", kFreight, FreightClass::B),
        "passengers hidden; area 100; find side"},
    AreaRow{"ClassC2TakesTheRateOfA", Load("5000", kFreight, FreightClass::C2),
        "passengers hidden; area 100; find side"},
    AreaRow{"FreightWithoutClassWritesNothing", Load("5000", kFreight), "passengers hidden"},
    AreaRow{"NegativeAreaNoSide", Load("-100", kFreight, FreightClass::A),
        "passengers hidden; area -2"},
    AreaRow{"LettersReadAsZero", Load("abc", kFreight, FreightClass::A),
        "passengers hidden; area 0"},
    AreaRow{"ZeroPointZeroIsALoad", Load("0.0"), "passengers shown; area 0; passengers 0"},
    AreaRow{"EmptyLoad", Load(""), "show NoRatedLoad; focus area | NoRatedLoad"},
    AreaRow{"ZeroLoad", Load("0"), "show NoRatedLoad; focus area | NoRatedLoad"},
    AreaRow{"AreaOnShowGoesStraightToTheSide", Load("", ElevatorType::Passenger, {}, "0.327"),
        "find side"},
    AreaRow{"ZeroOnShowIsNoArea", Load("5000", kFreight, FreightClass::A, "0"),
        "passengers hidden; area 100; find side"},
    AreaRow{"BlankFirstIsNoArea", Load("5000", kFreight, FreightClass::A, " 5"),
        "passengers hidden; area 100; find side"},
    AreaRow{"RootOfNegative", Load("-2000"), "passengers shown | error"},
    AreaRow{"CountBeyond32BitsAfterTheArea", Load("3E9", kFreight, FreightClass::B),
        "passengers hidden; area 100000000; find side"}),
    CaseName{});

} // namespace
} // namespace ratedload::calc::test
