// SPDX-License-Identifier: MIT
#include "rules/MaximumArea.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include "tests/rules/CaseNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ratedload::rules {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

struct AreaRow {
    const char *name;
    Units units;
    AreaRule rule;
    double load;
    const char *shown;
};

class MaximumAreaTest : public testing::TestWithParam<AreaRow> {};

TEST_P(MaximumAreaTest, ShowsTheRoundedArea) {
    const AreaRow &row = GetParam();
    const auto area = MaximumArea(row.units, row.rule, row.load);
    ASSERT_TRUE(area.has_value());
    EXPECT_EQ(DoubleToText(*area), row.shown);
}

INSTANTIATE_TEST_SUITE_P(Imperial, MaximumAreaTest, testing::Values(
    AreaRow{"Passenger2500", Units::Imperial, AreaRule::Passenger, 2500, "29.0451"},
    AreaRow{"FreightPassenger2500", Units::Imperial, AreaRule::FreightPassenger, 2500, "29.0451"},
    AreaRow{"Passenger5000TakesTheFirstFormula", Units::Imperial, AreaRule::Passenger, 5000, "49.9813"},
    AreaRow{"PassengerJustAbove5000TakesTheSecond", Units::Imperial, AreaRule::Passenger,
            std::nextafter(5000.0, 6000.0), "50.002"},
    AreaRow{"Passenger5001", Units::Imperial, AreaRule::Passenger, 5001, "50.0097"},
    AreaRow{"ClassA5000", Units::Imperial, AreaRule::ClassA, 5000, "100"},
    AreaRow{"ClassB3000", Units::Imperial, AreaRule::ClassB, 3000, "100"},
    AreaRow{"PassengerZeroLoadRoundsToZero", Units::Imperial, AreaRule::Passenger, 0, "0"},
    AreaRow{"ClassANegativeLoad", Units::Imperial, AreaRule::ClassA, -100, "-2"},
    AreaRow{"PassengerAtTheRootsEdge", Units::Imperial, AreaRule::Passenger, -1667.50278, "-50.0001"}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(Metric, MaximumAreaTest, testing::Values(
    AreaRow{"Passenger1000", Units::Metric, AreaRule::Passenger, 1000, "2.4372"},
    AreaRow{"Passenger2269TakesTheFirstFormula", Units::Metric, AreaRule::Passenger, 2269, "4.6515"},
    AreaRow{"PassengerJustAbove2269TakesTheSecond", Units::Metric, AreaRule::Passenger,
            std::nextafter(2269.0, 3000.0), "4.6492"},
    AreaRow{"Passenger2270IsSmallerThanAt2269", Units::Metric, AreaRule::Passenger, 2270, "4.6508"},
    AreaRow{"Passenger110", Units::Metric, AreaRule::Passenger, 110, "0.3269"},
    AreaRow{"FreightPassenger110", Units::Metric, AreaRule::FreightPassenger, 110, "0.3269"},
    AreaRow{"ClassA1000", Units::Metric, AreaRule::ClassA, 1000, "4.0984"},
    AreaRow{"ClassB1000", Units::Metric, AreaRule::ClassB, 1000, "6.8493"},
    AreaRow{"PassengerAtTheRootsEdge", Units::Metric, AreaRule::Passenger, -754.4643, "-4.6429"}),
    CaseName{});

TEST(MaximumAreaTest, NoRuleGivesNothing) {
    EXPECT_FALSE(MaximumArea(Units::Imperial, AreaRule::None, 5000).has_value());
    EXPECT_FALSE(MaximumArea(Units::Metric, AreaRule::None, 1000).has_value());
}

TEST(MaximumAreaTest, RootOfANegativeNumberIsAnError) {
    EXPECT_THROW(MaximumArea(Units::Imperial, AreaRule::Passenger, -1667.6), RunTimeError);
    EXPECT_THROW(MaximumArea(Units::Imperial, AreaRule::FreightPassenger, -1667.6), RunTimeError);
    EXPECT_THROW(MaximumArea(Units::Metric, AreaRule::Passenger, -754.5), RunTimeError);
}

TEST(MaximumAreaTest, InfiniteLoadIsAnError) {
    for (Units units : {Units::Imperial, Units::Metric}) {
        for (AreaRule rule : {AreaRule::Passenger, AreaRule::FreightPassenger, AreaRule::ClassA,
                              AreaRule::ClassB}) {
            EXPECT_THROW(MaximumArea(units, rule, Inf), RunTimeError)
                << "units " << static_cast<int>(units) << " rule " << static_cast<int>(rule);
        }
    }
    EXPECT_THROW(MaximumArea(Units::Imperial, AreaRule::ClassA, -Inf), RunTimeError);
}

} // namespace
} // namespace ratedload::rules
