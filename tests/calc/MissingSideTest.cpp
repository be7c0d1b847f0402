// SPDX-License-Identifier: MIT
// The missing side, found from the area on show and the side given.

#include "tests/calc/StepsText.h"
#include "tests/rules/CaseNames.h"

#include "calc/MissingSide.h"

#include <gtest/gtest.h>

namespace ratedload::calc::test {
namespace {

using rules::Units;

struct SideRow {
    const char *name;
    SideEntries entries;
    const char *steps;
};

void PrintTo(const SideRow &row, std::ostream *out)
{
    *out << row.name;
}

SideEntries Imperial(const char *area, rules::DimensionTexts lists)
{
    return { Units::Imperial, area, std::move(lists) };
}

SideEntries Metric(const char *area, rules::DimensionTexts lists)
{
    return { Units::Metric, area, std::move(lists) };
}

class MissingSideTest : public testing::TestWithParam<SideRow> {};

TEST_P(MissingSideTest, TakesItsStepsInOrder)
{
    EXPECT_EQ(StepsText(MissingSide(GetParam().entries)), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Steps, MissingSideTest, testing::Values(
    SideRow{"WidthOfDepth10ft", Imperial("100", {"10", "0", "0", "0", "0", "0", "0", "0"}),
        "width whole 10; width inches 0; width fraction 0; side found"},
    SideRow{"DepthOfWidth9ft", Imperial("100", {"0", "0", "0", "0", "9", "0", "0", "0"}),
        "depth whole 11; depth inches 1; depth fraction 0.3333; side found"},
    SideRow{"FractionCarried", Imperial("50", {"0", "0", "0", "0", "7", "6", "0", "0"}),
        "depth whole 6; depth inches 8; depth fraction 0; side found"},
    SideRow{"NegativeEntryIsOverwritten",
        Imperial("100", {"-3", "0", "0", "0", "10", "0", "0", "0"}),
        "depth whole 10; depth inches 0; depth fraction 0; side found"},
    SideRow{"MetricWidth", Metric("10", {"3", "0", "0", "0", "0", "0", "0", "0"}),
        "width whole 3; width mm 333.3333; side found"},
    SideRow{"MetricDepth", Metric("2.5", {"0", "0", "0", "0", "1", "0", "0", "600"}),
        "depth whole 1; depth mm 562.5; side found"},
    SideRow{"BothGivenImperialClearsTheLists",
        Imperial("100", {"10", "0", "0", "0", "9", "0", "0", "0"}),
        "show OnlyOneDimensionImperial; clear lists | OnlyOneDimensionImperial"},
    SideRow{"BothGivenMetricKeepsThem", Metric("10", {"3", "0", "0", "0", "2", "0", "0", "0"}),
        "show OnlyOneDimensionMetric | OnlyOneDimensionMetric"},
    SideRow{"NoSide", Imperial("100", {"0", "0", "0", "0", "0", "0", "0", "0"}),
        "show NoDimension; focus depth | NoDimension"},
    SideRow{"MetricReadsOnlyItsLists", Metric("10", {"0", "5", "0", "0", "0", "0", "0", "0"}),
        "show NoDimension; focus depth | NoDimension"},
    SideRow{"GivenSideOfZeroDividesByZero",
        Imperial("100", {"0", "0", "0", "0", "-3", "0", "0", "0"}), " | error"},
    SideRow{"AreaThatIsNoNumber", Imperial("12abc", {"10", "0", "0", "0", "0", "0", "0", "0"}),
        " | error"}),
    CaseName{});

} // namespace
} // namespace ratedload::calc::test
