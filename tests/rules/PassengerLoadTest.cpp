// SPDX-License-Identifier: MIT
#include "rules/PassengerLoad.h"
#include "rules/Dimensions.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include "tests/rules/CaseNames.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace ratedload::rules {
namespace {


struct LoadRow {
    const char *name;
    Units units;
    float area;
    const char *load;
    const char *passengers;
};

class PassengerLoadTest : public testing::TestWithParam<LoadRow> {};

TEST_P(PassengerLoadTest, ShowsLoadAndCountOfTheLoadShown) {
    const LoadRow &row = GetParam();
    const std::string load = SingleToText(PassengerLoad(row.units, row.area));
    EXPECT_EQ(load, row.load);
    EXPECT_EQ(PassengerCount(row.units, load), row.passengers);
}

INSTANTIATE_TEST_SUITE_P(Imperial, PassengerLoadTest, testing::Values(
    LoadRow{"Area10", Units::Imperial, 10.0f, "733.7", "4"},
    LoadRow{"Area20", Units::Imperial, 20.0f, "1600.8", "10"},
    LoadRow{"Area40", Units::Imperial, 40.0f, "3735.2", "23"},
    LoadRow{"Area49_9", Units::Imperial, 49.9f, "4989.167", "31"},
    LoadRow{"Area50UsesLowerFormula", Units::Imperial, 50.0f, "5002.5", "31"},
    LoadRow{"Area50_01UsesUpperFormula", Units::Imperial, 50.01f, "5001.046", "31"},
    LoadRow{"Area50_1", Units::Imperial, 50.1f, "5012.717", "31"},
    LoadRow{"Area100", Units::Imperial, 100.0f, "11600", "72"},
    LoadRow{"Area0_1", Units::Imperial, 0.1f, "6.67667", "0"},
    LoadRow{"ZeroArea", Units::Imperial, 0.0f, "0", "0"},
    LoadRow{"NegativeAreaGoesThroughTheFormula", Units::Imperial, -10.0f, "-600.3", "-3"}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(Metric, PassengerLoadTest, testing::Values(
    LoadRow{"Area0_5", Units::Metric, 0.5f, "171.25", "2"},
    LoadRow{"Area1", Units::Metric, 1.0f, "360", "4"},
    LoadRow{"Area2", Units::Metric, 2.0f, "790", "10"},
    LoadRow{"Area3", Units::Metric, 3.0f, "1290", "17"},
    LoadRow{"Area4_65UsesLowerFormula", Units::Metric, 4.65f, "2268.038", "31"},
    LoadRow{"Area4_651", Units::Metric, 4.651f, "2270.108", "31"},
    LoadRow{"Area4_66", Units::Metric, 4.66f, "2275.803", "31"},
    LoadRow{"Area10", Units::Metric, 10.0f, "5725", "78"}),
    CaseName{});

TEST(PassengerLoadThresholdTest, ImperialAboveFiftySquareFeetUsesTheUpperFormula) {
    EXPECT_EQ(SingleToText(PassengerLoad(Units::Imperial, 50.0f)), "5002.5");
    EXPECT_EQ(SingleToText(PassengerLoad(Units::Imperial, std::nextafter(50.0f, 100.0f))), "4999.75");
    EXPECT_EQ(SingleToText(PassengerLoad(Units::Imperial, AreaFromSides(Units::Imperial, 120.0f, 60.0f))),
              "5002.5");
}

TEST(PassengerLoadThresholdTest, MetricComparesWithTheSingleValueOf4_65) {
    EXPECT_EQ(SingleToText(PassengerLoad(Units::Metric, TypedArea("4.65"))), "2268.038");
    const float threeBy1550 = AreaFromSides(Units::Metric, SideMetres("3", "0"), SideMetres("1", "550"));
    EXPECT_EQ(SingleToText(PassengerLoad(Units::Metric, threeBy1550)), "2268.038");
    EXPECT_EQ(SingleToText(PassengerLoad(Units::Metric, std::nextafter(4.65f, 10.0f))), "2269.476");
}

TEST(PassengerLoadTest, LoadBeyondSinglePrecisionIsAnError) {
    EXPECT_THROW(PassengerLoad(Units::Imperial, 1e20f), RunTimeError);
    EXPECT_THROW(PassengerLoad(Units::Imperial, -1e20f), RunTimeError);
    EXPECT_THROW(PassengerLoad(Units::Imperial, FLT_MAX), RunTimeError);
    EXPECT_THROW(PassengerLoad(Units::Metric, 2e19f), RunTimeError);
}


struct CountRow {
    const char *name;
    Units units;
    const char *load;
    const char *passengers;
};

class PassengerCountTest : public testing::TestWithParam<CountRow> {};

TEST_P(PassengerCountTest, CountsFromTheLoadText) {
    EXPECT_EQ(PassengerCount(GetParam().units, GetParam().load), GetParam().passengers);
}

INSTANTIATE_TEST_SUITE_P(Imperial, PassengerCountTest, testing::Values(
    CountRow{"HalfRoundsUpToEven160", Units::Imperial, "159.5", "1"},
    CountRow{"BelowHalfRoundsDown", Units::Imperial, "159.4", "0"},
    CountRow{"HalfRoundsDownToEven3200", Units::Imperial, "3200.5", "20"},
    CountRow{"HalfRoundsUpTo3200", Units::Imperial, "3199.5", "20"},
    CountRow{"JustBelow3200", Units::Imperial, "3199.4", "19"},
    CountRow{"RatedLoad2500", Units::Imperial, "2500", "15"},
    CountRow{"NegativeCutTowardZero", Units::Imperial, "-100", "0"},
    CountRow{"NegativeQuotientCutTowardZero", Units::Imperial, "-240", "-1"},
    CountRow{"LargestInteger", Units::Imperial, "2147483647.4", "13421772"},
    CountRow{"SmallestIntegerByEvenRounding", Units::Imperial, "-2147483648.5", "-13421772"},
    CountRow{"TextReadsAsZero", Units::Imperial, "abc", "0"},
    CountRow{"TruckWeightWithUnit", Units::Imperial, "3199.5 lb", "20"}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(Metric, PassengerCountTest, testing::Values(
    CountRow{"ExactQuotient", Units::Metric, "2175", "30"},
    CountRow{"QuotientRoundsUpInSinglePrecision", Units::Metric, "2174.99999", "30"},
    CountRow{"RatedLoad1000", Units::Metric, "1000", "13"},
    CountRow{"JustBelowOnePassenger", Units::Metric, "72.4999", "0"},
    CountRow{"NegativeTakesTheFloor", Units::Metric, "-100", "-2"},
    CountRow{"TextReadsAsZero", Units::Metric, "abc", "0"}),
    CaseName{});

TEST(PassengerCountTest, OverflowIsAnError) {
    EXPECT_THROW(PassengerCount(Units::Imperial, "3E9"), RunTimeError);
    EXPECT_THROW(PassengerCount(Units::Imperial, "2147483647.5"), RunTimeError);
    EXPECT_THROW(PassengerCount(Units::Imperial, "-2147483649"), RunTimeError);
    EXPECT_THROW(PassengerCount(Units::Imperial, "1E999"), RunTimeError);
    EXPECT_THROW(PassengerCount(Units::Metric, "1E300"), RunTimeError);
}

} // namespace
} // namespace ratedload::rules
