// SPDX-License-Identifier: MIT
#include "calc/RuleApplied.h"

#include "rules/FreightLoad.h"
#include "rules/MaximumArea.h"
#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

namespace ratedload::calc {

namespace {

using rules::FreightClass;
using rules::Units;

// The formulas as the code writes them; the tests hold each against the rule
// it names.
struct PassengerTexts {
    std::string_view lower; // up to the threshold, or up to the load bound
    std::string_view upper;
};
constexpr PassengerTexts kImperialLoad { "0.667 A² + 66.7 A", "0.0467 A² + 125 A − 1367" };
constexpr PassengerTexts kMetricLoad { "35 A² + 325 A", "2.45 A² + 610 A − 620" };
constexpr PassengerTexts kImperialArea { "(√(L + 1667.50278) − 40.83507) / 0.8167",
    "(√(L + 85012.6086) − 289.2155) / 0.21610183" };
constexpr PassengerTexts kMetricArea { "(√(L + 754.4643) − 27.4675132) / 5.9160798",
    "(√(L + 38589.386849) − 194.85735) / 1.5652476" };

// "50 lb per sq ft"
std::string RateText(Units units, FreightClass freightClass)
{
    return rules::DoubleToText(rules::FreightRate(units, freightClass)) + " "
        + std::string(LoadUnit(units)) + " per " + std::string(AreaUnit(units));
}

int LoadWrites(const Run &run)
{
    int writes = 0;
    for (const Step &step : run.steps) {
        if (const auto *write = std::get_if<Write>(&step); write && write->field == Field::Load)
            ++writes;
    }
    return writes;
}

// The load the run wrote first: the rule's, before a heavier truck replaced it.
std::optional<std::string> FirstLoad(const Run &run)
{
    for (const Step &step : run.steps) {
        if (const auto *write = std::get_if<Write>(&step); write && write->field == Field::Load)
            return write->text;
    }
    return std::nullopt;
}

} // namespace

std::string_view AreaUnit(Units units)
{
    return units == Units::Imperial ? "sq ft" : "sq m";
}

std::string_view LoadUnit(Units units)
{
    return units == Units::Imperial ? "lb" : "kg";
}

std::optional<LoadRuleApplied> LoadRuleOf(const RatedLoadEntries &entries)
{
    const Run run = MinimumRatedLoad(entries);
    const std::optional<std::string> first = FirstLoad(run);
    if (run.error || !first)
        return std::nullopt;
    const std::string load = run.Written(Field::Load).value_or(*first);
    const Units units = entries.units;
    LoadRuleApplied applied;
    try {
        const float area = PlatformArea(entries);
        if (CarriesPassengers(entries.type)) {
            const float threshold = rules::PassengerThreshold(units);
            const PassengerTexts &texts = units == Units::Imperial ? kImperialLoad : kMetricLoad;
            const bool above = area > threshold;
            applied.rule = std::string(above ? texts.upper : texts.lower) + ", A "
                + (above ? ">" : "≤") + " " + rules::SingleToText(threshold) + " "
                + std::string(AreaUnit(units));
            applied.ruleLoad = *first;
            // The truck's weight is a second answer in the load field.
            applied.truckGoverns = LoadWrites(run) > 1;
        } else {
            const FreightClass freightClass = *entries.freightClass;
            applied.rule = "Class " + std::string(ClassName(freightClass)) + ": "
                + RateText(units, freightClass)
                + (IsTruckClass(freightClass) ? "; a heavier loaded truck governs" : "");
            applied.ruleLoad = rules::SingleToText(rules::ClassLoad(units, freightClass, area));
            applied.truckGoverns = IsTruckClass(freightClass) && load != applied.ruleLoad;
        }
    } catch (const rules::RunTimeError &) {
        return std::nullopt;
    }
    return applied;
}

std::optional<std::string> AreaRuleOf(const MaximumAreaEntries &entries)
{
    const Run run = MaximumPlatformArea(entries);
    if (run.Ended() || !run.Written(Field::Area))
        return std::nullopt;
    const Units units = entries.units;
    if (CarriesPassengers(entries.type)) {
        const double bound = rules::PassengerLoadBound(units);
        const bool above = rules::ReadNumber(entries.loadText) > bound;
        const PassengerTexts &texts = units == Units::Imperial ? kImperialArea : kMetricArea;
        return std::string(above ? texts.upper : texts.lower) + ", L " + (above ? ">" : "≤") + " "
            + rules::DoubleToText(bound) + " " + std::string(LoadUnit(units));
    }
    const FreightClass freightClass = *entries.freightClass;
    return "L / " + rules::DoubleToText(rules::FreightRate(units, freightClass)) + " (class "
        + std::string(ClassName(freightClass)) + ": " + RateText(units, freightClass)
        + (IsTruckClass(freightClass) ? "; the loaded truck plays no part" : "") + ")";
}

} // namespace ratedload::calc
