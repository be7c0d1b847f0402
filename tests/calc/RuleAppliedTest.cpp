// SPDX-License-Identifier: MIT
// Which rule gave the minimum rated load and the maximum area, as a sheet
// writes it; and each formula written there held against the rule it names.

#include "tests/rules/CaseNames.h"

#include "calc/RuleApplied.h"

#include "rules/MaximumArea.h"
#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

namespace ratedload::calc::test {
namespace {

using rules::FreightClass;
using rules::Units;

RatedLoadEntries Platform(Units units, ElevatorType type, const char *area,
    std::optional<FreightClass> freightClass = std::nullopt, const char *truck = "")
{
    RatedLoadEntries entries;
    entries.units = units;
    entries.type = type;
    entries.areaText = area;
    entries.freightClass = freightClass;
    entries.truckText = truck;
    entries.carriesTruck = type == ElevatorType::FreightPassenger && *truck;
    return entries;
}

constexpr auto P = ElevatorType::Passenger;
constexpr auto F = ElevatorType::Freight;
constexpr auto FP = ElevatorType::FreightPassenger;
constexpr auto Imp = Units::Imperial;
constexpr auto Met = Units::Metric;

struct LoadRuleRow {
    const char *name;
    RatedLoadEntries entries;
    const char *rule; // nullptr: no rule applies
    const char *ruleLoad;
    bool truckGoverns;
};

void PrintTo(const LoadRuleRow &row, std::ostream *out)
{
    *out << row.name;
}

class LoadRuleTest : public testing::TestWithParam<LoadRuleRow> {};

TEST_P(LoadRuleTest, NamesTheRuleAndItsLoad)
{
    const LoadRuleRow &row = GetParam();
    const std::optional<LoadRuleApplied> applied = LoadRuleOf(row.entries);
    if (!row.rule) {
        EXPECT_FALSE(applied) << applied->rule;
        return;
    }
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->rule, row.rule);
    EXPECT_EQ(applied->ruleLoad, row.ruleLoad);
    EXPECT_EQ(applied->truckGoverns, row.truckGoverns);
}

const char *const kImperialLower = "0.667 A² + 66.7 A, A ≤ 50 sq ft";
const char *const kImperialUpper = "0.0467 A² + 125 A − 1367, A > 50 sq ft";

INSTANTIATE_TEST_SUITE_P(Passengers, LoadRuleTest, testing::Values(
    LoadRuleRow{"Imperial40", Platform(Imp, P, "40"), kImperialLower, "3735.2", false},
    LoadRuleRow{"Imperial50TakesTheLowerFormula", Platform(Imp, P, "50"), kImperialLower,
        "5002.5", false},
    // 50.000003 is the single-precision area next above 50, shown as "50".
    LoadRuleRow{"ImperialJustAbove50TakesTheUpperFormula", Platform(Imp, P, "50.000003"),
        kImperialUpper, "4999.75", false},
    LoadRuleRow{"Imperial100", Platform(Imp, FP, "100"), kImperialUpper, "11600", false},
    LoadRuleRow{"HeavierTruckGoverns", Platform(Imp, FP, "10", std::nullopt, "3199.5"),
        kImperialLower, "733.7", true},
    LoadRuleRow{"LighterTruckDoesNot", Platform(Imp, FP, "10", std::nullopt, "700"),
        kImperialLower, "733.7", false},
    LoadRuleRow{"Metric4_65TakesTheLowerFormula", Platform(Met, P, "4.65"),
        "35 A² + 325 A, A ≤ 4.65 sq m", "2268.038", false},
    LoadRuleRow{"Metric4_651", Platform(Met, FP, "4.651"), "2.45 A² + 610 A − 620, A > 4.65 sq m",
        "2270.108", false}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(Freight, LoadRuleTest, testing::Values(
    LoadRuleRow{"ClassA", Platform(Imp, F, "40", FreightClass::A), "Class A: 50 lb per sq ft",
        "2000", false},
    LoadRuleRow{"ClassB", Platform(Imp, F, "40", FreightClass::B), "Class B: 30 lb per sq ft",
        "1200", false},
    LoadRuleRow{"ClassC1HeavierTruck", Platform(Imp, F, "40", FreightClass::C1, "2500"),
        "Class C1: 50 lb per sq ft; a heavier loaded truck governs", "2000", true},
    LoadRuleRow{"ClassC2LighterTruck", Platform(Imp, F, "40", FreightClass::C2, "1500"),
        "Class C2: 50 lb per sq ft; a heavier loaded truck governs", "2000", false},
    LoadRuleRow{"ClassC3Metric", Platform(Met, F, "4", FreightClass::C3),
        "Class C3: 244 kg per sq m", "976", false},
    LoadRuleRow{"ClassBMetric", Platform(Met, F, "4", FreightClass::B),
        "Class B: 146 kg per sq m", "584", false},
    LoadRuleRow{"ClassC1WithoutTruckWeightHasNoLoad", Platform(Imp, F, "40", FreightClass::C1),
        nullptr, "", false},
    LoadRuleRow{"NoClassNoLoad", Platform(Imp, F, "40"), nullptr, "", false}),
    CaseName{});

TEST(LoadRuleTest, AreaOfTheSidesGivesTheRule)
{
    RatedLoadEntries entries = Platform(Imp, F, "", FreightClass::A);
    entries.lists = { "7", "4", "0", "0", "5", "8", "0", "0" };
    const std::optional<LoadRuleApplied> applied = LoadRuleOf(entries);
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->ruleLoad, "2077.778");
}

struct AreaRuleRow {
    const char *name;
    Units units;
    ElevatorType type;
    std::optional<FreightClass> freightClass;
    const char *load;
    const char *rule; // nullptr: none
};

class AreaRuleTest : public testing::TestWithParam<AreaRuleRow> {};

TEST_P(AreaRuleTest, NamesTheRuleOfTheMaximumArea)
{
    const AreaRuleRow &row = GetParam();
    MaximumAreaEntries entries;
    entries.units = row.units;
    entries.type = row.type;
    entries.freightClass = row.freightClass;
    entries.loadText = row.load;
    const std::optional<std::string> rule = AreaRuleOf(entries);
    if (!row.rule) {
        EXPECT_FALSE(rule) << *rule;
        return;
    }
    ASSERT_TRUE(rule);
    EXPECT_EQ(*rule, row.rule);
}

INSTANTIATE_TEST_SUITE_P(Rules, AreaRuleTest, testing::Values(
    AreaRuleRow{"Imperial5000", Imp, P, std::nullopt, "5000",
        "(√(L + 1667.50278) − 40.83507) / 0.8167, L ≤ 5000 lb"},
    AreaRuleRow{"Imperial5001", Imp, FP, std::nullopt, "5001",
        "(√(L + 85012.6086) − 289.2155) / 0.21610183, L > 5000 lb"},
    AreaRuleRow{"Metric2269", Met, P, std::nullopt, "2269",
        "(√(L + 754.4643) − 27.4675132) / 5.9160798, L ≤ 2269 kg"},
    AreaRuleRow{"Metric2270", Met, FP, std::nullopt, "2270",
        "(√(L + 38589.386849) − 194.85735) / 1.5652476, L > 2269 kg"},
    AreaRuleRow{"ClassB", Imp, F, FreightClass::B, "3000", "L / 30 (class B: 30 lb per sq ft)"},
    AreaRuleRow{"ClassC1Metric", Met, F, FreightClass::C1, "1000",
        "L / 244 (class C1: 244 kg per sq m; the loaded truck plays no part)"},
    AreaRuleRow{"NoRatedLoad", Imp, P, std::nullopt, "0", nullptr},
    AreaRuleRow{"NegativeRootIsAnError", Imp, P, std::nullopt, "-2000", nullptr}),
    CaseName{});

// The numbers of a formula as the sheet writes it.
std::vector<double> NumbersIn(const std::string &text)
{
    std::vector<double> numbers;
    const std::regex number(R"([0-9]+(\.[0-9]+)?)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stod(it->str()));
    return numbers;
}

// "a A² + b A [− k], A ..." evaluated as the rule evaluates it.
float Quadratic(const std::string &rule, float area)
{
    const std::vector<double> n = NumbersIn(rule.substr(0, rule.find(',')));
    const double a = area;
    const bool constant = rule.find("−") < rule.find(',');
    // n: a, b[, k]
    return rules::ToSingle(n[0] * (a * a) + (n[1] * a - (constant ? n[2] : 0.0)));
}

TEST(FormulaTextTest, EachLoadFormulaWrittenIsTheRule)
{
    for (const Units units : { Imp, Met }) {
        for (const float area : { 0.5f, 3.0f, 4.65f, 10.0f, 40.0f, 50.0f, 50.01f, 100.0f }) {
            const std::string text = rules::DoubleToText(area);
            const std::optional<LoadRuleApplied> applied
                = LoadRuleOf(Platform(units, P, text.c_str()));
            ASSERT_TRUE(applied);
            EXPECT_EQ(rules::SingleToText(Quadratic(applied->rule, area)),
                rules::SingleToText(rules::PassengerLoad(units, area)))
                << applied->rule << " at " << text;
        }
    }
}

TEST(FormulaTextTest, EachAreaFormulaWrittenIsTheRule)
{
    for (const Units units : { Imp, Met }) {
        for (const double load : { 500.0, 1000.0, 2269.0, 2270.0, 5000.0, 5001.0, 12000.0 }) {
            MaximumAreaEntries entries;
            entries.units = units;
            entries.loadText = rules::DoubleToText(load);
            const std::optional<std::string> rule = AreaRuleOf(entries);
            ASSERT_TRUE(rule);
            // n: p, q, r, then the bound
            const std::vector<double> n = NumbersIn(*rule);
            const double area = (std::sqrt(load + n[0]) - n[1]) / n[2];
            EXPECT_EQ(rules::RoundTo4Places(area),
                *rules::MaximumArea(units, rules::AreaRule::Passenger, load))
                << *rule;
        }
    }
}

TEST(UnitsTest, AreAsTheSheetWritesThem)
{
    EXPECT_EQ(AreaUnit(Imp), "sq ft");
    EXPECT_EQ(AreaUnit(Met), "sq m");
    EXPECT_EQ(LoadUnit(Imp), "lb");
    EXPECT_EQ(LoadUnit(Met), "kg");
}

} // namespace
} // namespace ratedload::calc::test
