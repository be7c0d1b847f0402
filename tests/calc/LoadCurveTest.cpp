// SPDX-License-Identifier: MIT
// The curve of a chart: the rules' loads, in pieces split where the
// passenger formulas meet.

#include "tests/rules/CaseNames.h"

#include "calc/LoadCurve.h"

#include "rules/FreightLoad.h"
#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

#include <gtest/gtest.h>

namespace ratedload::calc::test {
namespace {

using rules::FreightClass;
using rules::Units;

struct CurveRow {
    const char *name;
    Units units;
    ElevatorType type;
    std::optional<FreightClass> freightClass;
    double from;
    double to;
    std::size_t pieces;
    const char *threshold; // nullptr: none in the range
    const char *lastOfFirstPiece; // "area load", as the window writes them
    const char *firstOfLastPiece;
    const char *last;
};

class LoadCurveTest : public testing::TestWithParam<CurveRow> {};

std::string Text(const CurvePoint &point)
{
    return rules::SingleToText(static_cast<float>(point.area)) + " "
        + rules::SingleToText(static_cast<float>(point.load));
}

TEST_P(LoadCurveTest, FollowsTheRulesInPieces)
{
    const CurveRow &row = GetParam();
    const LoadCurve curve = LoadCurveOf(row.units, row.type, row.freightClass, row.from, row.to);
    ASSERT_EQ(curve.pieces.size(), row.pieces);
    if (row.threshold) {
        ASSERT_TRUE(curve.threshold);
        EXPECT_EQ(rules::SingleToText(static_cast<float>(*curve.threshold)), row.threshold);
    } else {
        EXPECT_FALSE(curve.threshold);
    }
    EXPECT_EQ(Text(curve.pieces.front().back()), row.lastOfFirstPiece);
    EXPECT_EQ(Text(curve.pieces.back().front()), row.firstOfLastPiece);
    EXPECT_EQ(Text(curve.pieces.back().back()), row.last);
    EXPECT_EQ(curve.pieces.front().front().area, row.from);

    // Every point is the rule's load for its area, and the areas rise.
    double previous = -1e30;
    for (const auto &piece : curve.pieces) {
        for (const CurvePoint &point : piece) {
            const float area = static_cast<float>(point.area);
            const float load = CarriesPassengers(row.type)
                ? rules::PassengerLoad(row.units, area)
                : rules::ClassLoad(row.units, row.freightClass.value_or(FreightClass::A), area);
            EXPECT_EQ(point.load, load) << point.area;
            EXPECT_GT(point.area, previous);
            previous = point.area;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Curves, LoadCurveTest, testing::Values(
    // Just above 50 sq ft the upper formula gives 4999.75 lb, less than 5002.5.
    CurveRow{"ImperialPassengerSplitsAt50", Units::Imperial, ElevatorType::Passenger,
        std::nullopt, 0, 120, 2, "50", "50 5002.5", "50 4999.75", "120 14305.48"},
    CurveRow{"MetricFreightPassengerSplitsAt4_65", Units::Metric,
        ElevatorType::FreightPassenger, std::nullopt, 0, 12, 2, "4.65", "4.65 2268.038",
        "4.650001 2269.476", "12 7052.8"},
    CurveRow{"BelowTheThresholdOnePiece", Units::Imperial, ElevatorType::Passenger,
        std::nullopt, 0, 40, 1, nullptr, "40 3735.2", "0 0", "40 3735.2"},
    CurveRow{"AboveTheThresholdOnePiece", Units::Imperial, ElevatorType::Passenger,
        std::nullopt, 60, 100, 1, nullptr, "100 11600", "60 6301.12", "100 11600"},
    CurveRow{"ClassBOneLine", Units::Imperial, ElevatorType::Freight, FreightClass::B, 0, 120,
        1, nullptr, "120 3600", "0 0", "120 3600"},
    CurveRow{"ClassC1IgnoresTheTruck", Units::Metric, ElevatorType::Freight, FreightClass::C1,
        0, 10, 1, nullptr, "10 2440", "0 0", "10 2440"}),
    CaseName{});

TEST(LoadCurveTest, ALoadBeyondSinglePrecisionIsAnError)
{
    EXPECT_THROW(LoadCurveOf(Units::Imperial, ElevatorType::Passenger, std::nullopt, 0, 1e30),
        rules::RunTimeError);
}

} // namespace
} // namespace ratedload::calc::test
