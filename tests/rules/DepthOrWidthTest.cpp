// SPDX-License-Identifier: MIT
#include "rules/DepthOrWidth.h"
#include "rules/RunTimeError.h"

#include "tests/rules/CaseNames.h"

#include <gtest/gtest.h>

namespace ratedload::rules {
namespace {


struct MissingRow {
    const char *name;
    float depth;
    float width;
    SideOutcome outcome;
};

class MissingSideTest : public testing::TestWithParam<MissingRow> {};

TEST_P(MissingSideTest, ChoosesTheSideToFind) {
    EXPECT_EQ(MissingSide(GetParam().depth, GetParam().width), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Entries, MissingSideTest, testing::Values(
    MissingRow{"BothPositive", 120.0f, 108.0f, SideOutcome::BothGiven},
    MissingRow{"BothZero", 0.0f, 0.0f, SideOutcome::NoneGiven},
    MissingRow{"NegativeZeroCountsAsZero", -0.0f, 0.0f, SideOutcome::NoneGiven},
    MissingRow{"DepthZero", 0.0f, 108.0f, SideOutcome::DepthFound},
    MissingRow{"WidthZero", 120.0f, 0.0f, SideOutcome::WidthFound},
    MissingRow{"NegativeDepthIsOverwritten", -36.0f, 120.0f, SideOutcome::DepthFound},
    MissingRow{"ZeroBesideNegativeWidth", 0.0f, -36.0f, SideOutcome::WidthFound},
    MissingRow{"BothNegativeDepthLower", -36.0f, -24.0f, SideOutcome::DepthFound},
    MissingRow{"BothNegativeEqual", -36.0f, -36.0f, SideOutcome::DepthFound},
    MissingRow{"BothNegativeWidthLower", -24.0f, -36.0f, SideOutcome::WidthFound}),
    CaseName{});


struct FoundRow {
    const char *name;
    Units units;
    double area;
    float depth;
    float width;
    SideOutcome outcome;
    const char *whole;
    const char *inches;      // imperial only
    const char *fraction;    // imperial only
    const char *millimetres; // metric only
};

class DorWFromAreaTest : public testing::TestWithParam<FoundRow> {};

TEST_P(DorWFromAreaTest, SplitsTheFoundSide) {
    const FoundRow &row = GetParam();
    const FoundSide found = DorWFromArea(row.units, row.area, row.depth, row.width);
    EXPECT_EQ(found.outcome, row.outcome);
    EXPECT_EQ(found.whole, row.whole);
    if (row.units == Units::Imperial) {
        EXPECT_EQ(found.inches, row.inches);
        EXPECT_EQ(found.fraction, row.fraction);
    } else {
        EXPECT_EQ(found.millimetres, row.millimetres);
        EXPECT_EQ(found.inches, "");
        EXPECT_EQ(found.fraction, "");
    }
}

constexpr auto Imp = Units::Imperial;
constexpr auto Met = Units::Metric;
constexpr auto Depth = SideOutcome::DepthFound;
constexpr auto Width = SideOutcome::WidthFound;

INSTANTIATE_TEST_SUITE_P(Imperial, DorWFromAreaTest, testing::Values(
    FoundRow{"WholeFeet", Imp, 100, 120.0f, 0.0f, Width, "10", "0", "0", ""},
    FoundRow{"ThirdOfAnInch", Imp, 100, 0.0f, 108.0f, Depth, "11", "1", "0.3333", ""},
    FoundRow{"FromMaximumArea", Imp, 29.0451, 0.0f, 60.0f, Depth, "5", "9", "0.7082", ""},
    FoundRow{"GivenSideWithFraction", Imp, 24.5, 51.5f, 0.0f, Width, "5", "8", "0.5049", ""},
    FoundRow{"FractionCarriesIntoInches", Imp, 50, 0.0f, 90.0f, Depth, "6", "8", "0", ""},
    FoundRow{"TwelveInchesCarryIntoFeet", Imp, 174.9999, 0.0f, 300.0f, Depth, "7", "0", "0", ""},
    FoundRow{"NegativeEntryIsOverwritten", Imp, 100, -36.0f, 120.0f, Depth, "10", "0", "0", ""},
    FoundRow{"BothNegativeWholeFeet", Imp, 100, -36.0f, -24.0f, Depth, "-50", "0", "0", ""},
    FoundRow{"BothNegativeFeetRoundDown", Imp, 100, -200.0f, -108.0f, Depth, "-12", "10", "0.6667", ""}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(Metric, DorWFromAreaTest, testing::Values(
    FoundRow{"ThirdOfAMetre", Met, 10, 3.0f, 0.0f, Width, "3", "", "", "333.3333"},
    FoundRow{"GivenSide1m600", Met, 2.5, 0.0f, 1.6f, Depth, "1", "", "", "562.5"},
    FoundRow{"NegativeEntryIsOverwritten", Met, 10, -1.0f, 2.0f, Depth, "5", "", "", "0"},
    // R = -2E-08: Int gives -1 and 999.99998 mm, which rounds to 1000 and
    // carries into the metres. A positive found side never rounds to 1000 mm:
    // single precision leaves no value close enough below a whole metre.
    FoundRow{"MillimetresCarryIntoMetres", Met, 2e-8, -2.0f, -1.0f, Depth, "0", "", "", "0"},
    FoundRow{"BothNegative", Met, 10, -1.0f, -0.5f, Depth, "-20", "", "", "0"}),
    CaseName{});

TEST(DorWFromAreaTest, NothingIsComputedWhenBothOrNoneAreGiven) {
    const FoundSide both = DorWFromArea(Units::Imperial, 100, 120.0f, 108.0f);
    EXPECT_EQ(both.outcome, SideOutcome::BothGiven);
    EXPECT_EQ(both.whole, "");
    const FoundSide none = DorWFromArea(Units::Metric, 10, 0.0f, 0.0f);
    EXPECT_EQ(none.outcome, SideOutcome::NoneGiven);
    EXPECT_EQ(none.whole, "");
    EXPECT_EQ(none.millimetres, "");
}

TEST(DorWFromAreaTest, GivenSideOfZeroIsADivisionByZero) {
    EXPECT_THROW(DorWFromArea(Units::Imperial, 100, 0.0f, -36.0f), RunTimeError);
    EXPECT_THROW(DorWFromArea(Units::Metric, 10, 0.0f, -1.0f), RunTimeError);
}

TEST(DorWFromAreaTest, FoundSideBeyondSinglePrecisionIsAnError) {
    EXPECT_THROW(DorWFromArea(Units::Imperial, 1e300, 0.0f, 12.0f), RunTimeError);
    EXPECT_THROW(DorWFromArea(Units::Metric, 1e39, 0.0f, 1.0f), RunTimeError);
}

} // namespace
} // namespace ratedload::rules
