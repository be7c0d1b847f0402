// SPDX-License-Identifier: MIT
#include "rules/FreightLoad.h"
#include "rules/Dimensions.h"
#include "rules/RunTimeError.h"

#include "tests/rules/CaseNames.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace ratedload::rules {
namespace {

const float Imperial7Ft4InBy5Ft8In = AreaFromSides(Units::Imperial, 88.0f, 68.0f);
const float Metric2m50By1m350 = AreaFromSides(Units::Metric, 2.05f, 1.35f);

struct FreightRow {
    const char *name;
    Units units;
    float area;
    FreightClass freightClass;
    const char *truck;
    const char *shown;
};

class FreightLoadTest : public testing::TestWithParam<FreightRow> {};

TEST_P(FreightLoadTest, ShowsTheGoverningLoad) {
    const FreightRow &row = GetParam();
    const auto load = FreightLoad(row.units, row.freightClass, row.area, row.truck);
    ASSERT_TRUE(load.has_value());
    EXPECT_EQ(*load, row.shown);
}

INSTANTIATE_TEST_SUITE_P(Imperial, FreightLoadTest, testing::Values(
    FreightRow{"ClassA", Units::Imperial, 40.0f, FreightClass::A, "", "2000"},
    FreightRow{"ClassAIgnoresTheTruck", Units::Imperial, 40.0f, FreightClass::A, "99999", "2000"},
    FreightRow{"ClassB", Units::Imperial, 40.0f, FreightClass::B, "99999", "1200"},
    FreightRow{"ClassC3", Units::Imperial, 40.0f, FreightClass::C3, "99999", "2000"},
    FreightRow{"ClassC1HeavierTruckGoverns", Units::Imperial, 40.0f, FreightClass::C1, "2500", "2500"},
    FreightRow{"ClassC2LighterTruck", Units::Imperial, 40.0f, FreightClass::C2, "1500", "2000"},
    FreightRow{"ClassC1EqualTruck", Units::Imperial, 40.0f, FreightClass::C1, "2000", "2000"},
    // 2000.00001 is 2000 in single precision; 2000.0001 is not.
    FreightRow{"ClassC1TruckEqualInSingle", Units::Imperial, 40.0f, FreightClass::C1, "2000.00001", "2000"},
    FreightRow{"ClassC1TruckAboveInSingle", Units::Imperial, 40.0f, FreightClass::C1, "2000.0001", "2000.0001"},
    FreightRow{"TruckWrittenWithFifteenDigits", Units::Imperial, 10.0f, FreightClass::C1, "1234.56789",
               "1234.56789"},
    FreightRow{"CommaEndsTheTruckWeight", Units::Imperial, 40.0f, FreightClass::C1, "2,500", "2000"},
    FreightRow{"BlankTruckReadsAsZero", Units::Imperial, 40.0f, FreightClass::C1, "  ", "2000"},
    FreightRow{"ClassAFromSides", Units::Imperial, Imperial7Ft4InBy5Ft8In, FreightClass::A, "", "2077.778"},
    FreightRow{"ClassBFromSides", Units::Imperial, Imperial7Ft4InBy5Ft8In, FreightClass::B, "", "1246.667"}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(Metric, FreightLoadTest, testing::Values(
    FreightRow{"ClassA", Units::Metric, 4.0f, FreightClass::A, "", "976"},
    FreightRow{"ClassB", Units::Metric, 4.0f, FreightClass::B, "", "584"},
    FreightRow{"ClassC3", Units::Metric, 4.0f, FreightClass::C3, "5000", "976"},
    FreightRow{"ClassAFromSides", Units::Metric, Metric2m50By1m350, FreightClass::A, "", "675.27"},
    FreightRow{"ClassBFromSides", Units::Metric, Metric2m50By1m350, FreightClass::B, "", "404.055"},
    FreightRow{"ClassC1TextTruckReadsAsZero", Units::Metric, 4.0f, FreightClass::C1, "abc", "976"},
    FreightRow{"ClassC2HeavierTruckGoverns", Units::Metric, 4.0f, FreightClass::C2, "1000", "1000"}),
    CaseName{});

TEST(FreightLoadTest, EmptyTruckTextGivesNoAnswerForC1AndC2) {
    EXPECT_FALSE(FreightLoad(Units::Imperial, FreightClass::C1, 40.0f, "").has_value());
    EXPECT_FALSE(FreightLoad(Units::Imperial, FreightClass::C2, 40.0f, "").has_value());
    EXPECT_FALSE(FreightLoad(Units::Metric, FreightClass::C1, 4.0f, "").has_value());
    // The missing truck weight is found before any load is formed.
    EXPECT_FALSE(FreightLoad(Units::Imperial, FreightClass::C1, FLT_MAX, "").has_value());
}

TEST(FreightLoadTest, ClassLoadBeyondSinglePrecisionIsAnError) {
    EXPECT_THROW(FreightLoad(Units::Imperial, FreightClass::A, FLT_MAX, ""), RunTimeError);
    EXPECT_THROW(FreightLoad(Units::Imperial, FreightClass::B, FLT_MAX, ""), RunTimeError);
    EXPECT_THROW(FreightLoad(Units::Metric, FreightClass::C3, FLT_MAX, ""), RunTimeError);
    EXPECT_THROW(FreightLoad(Units::Imperial, FreightClass::C1, FLT_MAX, "1"), RunTimeError);
    EXPECT_THROW(FreightLoad(Units::Metric, FreightClass::C2, FLT_MAX, "1"), RunTimeError);
}

} // namespace
} // namespace ratedload::rules
