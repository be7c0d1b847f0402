// SPDX-License-Identifier: MIT
// Every limit and default of the answers, at the step where it holds and
// the step past it, in both unit systems: a limit moved by one step, or a
// default changed, fails its row.

#include "tests/answers/Asked.h"

#include "answers/Batch.h"
#include "answers/Questions.h"
#include "answers/Ranges.h"
#include "answers/Sheet.h"

#include <gtest/gtest.h>

namespace ratedload::answers {
namespace {

struct LimitRow {
    const char *name;
    const char *asked; // a question and its entries, as the command line's words
    const char *refused; // the entry refused, or "" for an answer
    const char *verdict; // of a check answered, or ""
};

void PrintTo(const LimitRow &row, std::ostream *out)
{
    *out << row.asked;
}

class LimitTest : public testing::TestWithParam<LimitRow> {};

TEST_P(LimitTest, HoldsAtItsStepAndNotPastIt)
{
    const LimitRow &row = GetParam();
    const std::vector<std::string> words = test::Words(row.asked);
    try {
        const Reply reply = Ask(*QuestionNamed(words[0]), test::EntriesOf(words));
        EXPECT_STREQ(row.refused, "") << "answered";
        if (*row.verdict) {
            EXPECT_EQ(reply.answer.row.back(), row.verdict);
        }
    } catch (const Refusal &refusal) {
        EXPECT_EQ(refusal.field(), row.refused) << refusal.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Sides, LimitTest, testing::Values(
    LimitRow{"InchesJustUnder12", "load --depth 7ft11.9999in --width 5ft", "", ""},
    LimitRow{"Inches12AfterFeet", "load --depth 7ft12in --width 5ft", "depth", ""},
    LimitRow{"Inches12Alone", "load --depth 12in --width 5ft", "", ""},
    LimitRow{"FractionJustUnder1", "load --depth 7ft4-999/1000in --width 5ft", "", ""},
    LimitRow{"FractionOf1", "load --depth 7ft4-8/8in --width 5ft", "depth", ""},
    LimitRow{"MillimetresJustUnder1000", "load --metric --depth 2m999.9999mm --width 1m", "", ""},
    LimitRow{"Millimetres1000AfterMetres", "load --metric --depth 2m1000mm --width 1m", "depth", ""},
    LimitRow{"Millimetres1000Alone", "load --metric --depth 1000mm --width 1m", "", ""},
    // Half of the smallest float, 7.006E-46, rounds to 0 in single precision
    // (and 7.1E-46 does not: the reading of sides has its row of that).
    LimitRow{"SideZeroInSingle",
        "load --depth 0.0000000000000000000000000000000000000000000007in --width 5ft", "depth",
        ""},
    LimitRow{"MetricSideZeroInSingle",
        "load --metric --depth 0.0000000000000000000000000000000000000000000007m --width 1m",
        "depth", ""}));

INSTANTIATE_TEST_SUITE_P(Numbers, LimitTest, testing::Values(
    LimitRow{"AreaJustAboveZeroInSingle", "load --area 7.1e-46", "", ""},
    LimitRow{"AreaZeroInSingle", "load --area 7e-46", "area", ""},
    LimitRow{"MetricLoadZeroInSingle", "area --metric --load 7e-46", "load", ""},
    LimitRow{"SmallestNormalDouble", "area --load 2.2250738585072014e-308", "load", ""},
    LimitRow{"AreaZero", "load --area 0", "area", ""},
    // The class is A where none is given; C1 would ask for a truck.
    LimitRow{"ClassAByDefault", "load --type freight --area 40", "", ""},
    LimitRow{"PassengerByDefault", "load --truck 100 --area 40", "truck", ""}));

// Where the last place of a side decides, half a unit of it goes in the
// car's favour, and no more: 10 times as much would make these pass.
INSTANTIATE_TEST_SUITE_P(Verdict, LimitTest, testing::Values(
    LimitRow{"HalfAPlaceOfAnInch", "check --load 4000 --depth 7ft --width 6ft0.3074in", "",
        "passes within the 5 % allowance"},
    LimitRow{"HalfAPlaceOfAMillimetre",
        "check --metric --type freight --class B --load 18000 --depth 12m --width 10m273.9793mm",
        "", "passes within the 5 % allowance"}));

TEST(LimitTest, ATableHasAtMost100000Rows)
{
    EXPECT_EQ(ExpandValues("1:100000:1").size(), 100000u);
    EXPECT_THROW(ExpandValues("1:100001:1"), Refusal);
    EXPECT_THROW(ExpandValues("0:99999:1,1"), Refusal);
}

TEST(LimitTest, ChartsAndSheetsHaveTheirDefaultsAndBounds)
{
    EXPECT_EQ(ChartSize(std::nullopt), std::make_pair(1200, 800));
    EXPECT_EQ(ChartSize("400x300"), std::make_pair(400, 300));
    EXPECT_EQ(ChartSize("8000x8000"), std::make_pair(8000, 8000));
    for (const char *size : { "399x300", "400x299", "8001x8000", "8000x8001" })
        EXPECT_THROW(ChartSize(std::string(size)), Refusal) << size;
    Entries metric;
    metric.units = rules::Units::Metric;
    EXPECT_EQ(ChartOf({}, std::nullopt).toArea, 120);
    EXPECT_EQ(ChartOf(metric, std::nullopt).toArea, 12);
    EXPECT_EQ(ChartOf({}, std::nullopt).fromArea, 0);
    EXPECT_EQ(PaperOf(std::nullopt, rules::Units::Imperial), Paper::Letter);
    EXPECT_EQ(PaperOf(std::nullopt, rules::Units::Metric), Paper::A4);
}

// A chart's axes take in every car: past the last by 5 % of its area, and 3 %
// above the highest load; a car within the range leaves its end as it is.
TEST(LimitTest, TheAxesOfAChartTakeInEveryCar)
{
    ChartContent chart;
    chart.toArea = 125;
    chart.points = { { 120, 3000, Mark::Passes } };
    EXPECT_EQ(AreaAxisOf(chart, 6).high, 125);
    chart.points.push_back({ 130, 9000, Mark::Fails });
    const Axis areas = AreaAxisOf(chart, 6);
    const double areaStep = areas.ticks.at(1) - areas.ticks.at(0);
    EXPECT_GE(areas.high, 130 * 1.05);
    EXPECT_LT(areas.high, 130 * 1.05 + areaStep);
    const Axis loads = LoadAxisOf(chart, {}, 6);
    const double loadStep = loads.ticks.at(1) - loads.ticks.at(0);
    EXPECT_EQ(loads.low, 0);
    EXPECT_GE(loads.high, 9000 * 1.03);
    EXPECT_LT(loads.high, 9000 * 1.03 + loadStep);
    chart.points.push_back({ 10, -3.5, Mark::Platform });
    EXPECT_EQ(LoadAxisOf(chart, {}, 6).low, -4);
}

// A quoted cell of blanks is no entry: the option given for every line stands.
TEST(LimitTest, ABlankCellTakesTheDefault)
{
    Entries defaults;
    defaults.type = "freight";
    const Batch batch(LoadQuestion(), defaults, { "type", "area" });
    const LineAnswer answer = batch.Answer(2, { "  ", "40" });
    ASSERT_FALSE(answer.refusal) << answer.refusal->what();
    EXPECT_EQ(answer.row[1], "freight");
    EXPECT_EQ(answer.row[3], "2000");
}

} // namespace
} // namespace ratedload::answers
