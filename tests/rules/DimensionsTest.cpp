// SPDX-License-Identifier: MIT
#include "rules/Dimensions.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include "tests/rules/CaseNames.h"

#include <gtest/gtest.h>

namespace ratedload::rules {
namespace {


TEST(SideInchesTest, AddsTwelveTimesFeetInchesAndFraction) {
    EXPECT_EQ(SideInches("7", "4", "0"), 88.0f);
    EXPECT_EQ(SideInches("4", "3", ".5"), 51.5f);
    EXPECT_EQ(SideInches("5", "8", ".250"), 68.25f);
    EXPECT_EQ(SideInches("7.5", "0", "0"), 90.0f); // feet typed over with a decimal
    EXPECT_EQ(SideInches("abc", "", "1/2"), 1.0f);
    EXPECT_EQ(SideInches("-3", "0", "0"), -36.0f);
}

TEST(SideInchesTest, OverflowOfTheSingleSideIsAnError) {
    EXPECT_THROW(SideInches("1E38", "0", "0"), RunTimeError); // 12 x 1E38
    EXPECT_THROW(SideInches("0", "1E999", "0"), RunTimeError);
}

TEST(SideMetresTest, AddsMetresAndThousandthsOfMillimetres) {
    EXPECT_EQ(SideMetres("2", "50"), 2.05f);
    EXPECT_EQ(SideMetres("1", "350"), 1.35f);
    EXPECT_EQ(SideMetres("1", "550"), 1.55f);
    EXPECT_EQ(SideMetres("3", "0"), 3.0f);
    EXPECT_EQ(SideMetres("0", "1600"), 1.6f);
    EXPECT_THROW(SideMetres("1E39", "0"), RunTimeError);
}


struct AreaRow {
    const char *name;
    Units units;
    float depth;
    float width;
    const char *shown;
};

class AreaFromSidesTest : public testing::TestWithParam<AreaRow> {};

TEST_P(AreaFromSidesTest, ShowsTheSinglePrecisionArea) {
    const AreaRow &row = GetParam();
    EXPECT_EQ(SingleToText(AreaFromSides(row.units, row.depth, row.width)), row.shown);
}

INSTANTIATE_TEST_SUITE_P(Sides, AreaFromSidesTest, testing::Values(
    AreaRow{"Imperial7Ft4InBy5Ft8In", Units::Imperial, 88.0f, 68.0f, "41.55556"},
    AreaRow{"ImperialWithEighths", Units::Imperial, 88.5f, 68.25f, "41.94531"},
    AreaRow{"Imperial10FtBy5Ft", Units::Imperial, 120.0f, 60.0f, "50"},
    AreaRow{"Metric2m50By1m350", Units::Metric, 2.05f, 1.35f, "2.7675"},
    AreaRow{"Metric3mBy1m550", Units::Metric, 3.0f, 1.55f, "4.65"},
    // Each side enters as its 7-digit decimal; multiplying the single values
    // themselves would show 5.329999 and 4.409999.
    AreaRow{"Metric2m50By2m600UsesDecimalSides", Units::Metric, 2.05f, 2.6f, "5.33"},
    AreaRow{"Metric2m100Squared", Units::Metric, 2.1f, 2.1f, "4.41"}),
    CaseName{});

TEST(AreaFromSidesTest, ThresholdAreasComeOutExactly) {
    EXPECT_EQ(AreaFromSides(Units::Imperial, 120.0f, 60.0f), 50.0f);
    EXPECT_EQ(AreaFromSides(Units::Metric, SideMetres("3", "0"), SideMetres("1", "550")), 4.65f);
}

TEST(AreaFromSidesTest, OverflowOfTheAreaIsAnError) {
    EXPECT_THROW(AreaFromSides(Units::Imperial, 1e30f, 1e30f), RunTimeError);
    EXPECT_THROW(AreaFromSides(Units::Metric, 1e20f, 1e19f), RunTimeError);
}


TEST(TypedAreaTest, ReadsTheLeadingNumberInSinglePrecision) {
    EXPECT_EQ(TypedArea("12.5ft"), 12.5f);
    EXPECT_EQ(TypedArea("1,5"), 1.0f);
    EXPECT_EQ(TypedArea("abc"), 0.0f);
    EXPECT_EQ(TypedArea("4.65"), 4.65f);
    EXPECT_EQ(TypedArea("-5"), -5.0f);
    EXPECT_THROW(TypedArea("1E39"), RunTimeError);
    EXPECT_THROW(TypedArea("1E999"), RunTimeError);
}

TEST(AreaWasTypedTest, OnlyAPositiveReadingCounts) {
    EXPECT_TRUE(AreaWasTyped("50"));
    EXPECT_TRUE(AreaWasTyped("0.0001"));
    EXPECT_TRUE(AreaWasTyped("1E-300")); // positive as a double, though 0 as a single
    EXPECT_FALSE(AreaWasTyped(""));
    EXPECT_FALSE(AreaWasTyped("0"));
    EXPECT_FALSE(AreaWasTyped("-5"));
    EXPECT_FALSE(AreaWasTyped("abc"));
}


struct EnteredRow {
    const char *name;
    DimensionTexts texts;
    bool entered;
};

class DimensionsWereEnteredTest : public testing::TestWithParam<EnteredRow> {};

TEST_P(DimensionsWereEnteredTest, SumsAllEightLists) {
    EXPECT_EQ(DimensionsWereEntered(GetParam().texts), GetParam().entered);
}

INSTANTIATE_TEST_SUITE_P(Lists, DimensionsWereEnteredTest, testing::Values(
    EnteredRow{"AllZero", {"0", "0", "0", "0", "0", "0", "0", "0"}, false},
    EnteredRow{"AllEmpty", {"", "", "", "", "", "", "", ""}, false},
    EnteredRow{"OneFoot", {"1", "0", "0", "0", "0", "0", "0", "0"}, true},
    EnteredRow{"WidthFraction", {"0", "0", "0", "0", "0", "0", ".125", "0"}, true},
    EnteredRow{"MillimetresCountInEitherSystem", {"0", "0", "0", "50", "0", "0", "0", "0"}, true},
    EnteredRow{"NegativeEntryLowersTheSum", {"-5", "0", "0", "0", "3", "0", "0", "0"}, false},
    EnteredRow{"NegativeOutweighed", {"-3", "0", "0", "0", "10", "0", "0", "0"}, true},
    EnteredRow{"SumVanishesInSinglePrecision", {"1E-46", "0", "0", "0", "0", "0", "0", "0"}, false},
    EnteredRow{"TextsReadAsZero", {"abc", "x", "", " ", "0", "0", "0", "0"}, false}),
    CaseName{});

TEST(DimensionsWereEnteredTest, OverflowOfTheSumIsAnError) {
    EXPECT_THROW(DimensionsWereEntered({"1E39", "0", "0", "0", "0", "0", "0", "0"}), RunTimeError);
    // Each fits in single precision, their sum does not.
    EXPECT_THROW(DimensionsWereEntered({"3E38", "0", "0", "0", "3E38", "0", "0", "0"}), RunTimeError);
}

} // namespace
} // namespace ratedload::rules
