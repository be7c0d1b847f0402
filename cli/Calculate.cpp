// SPDX-License-Identifier: MIT
#include "cli/Calculate.h"

#include "rules/MaximumArea.h"
#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

namespace ratedload::cli {

using namespace ratedload::rules;

namespace {

// Positions in DimensionTexts.
constexpr std::size_t kDepth = 0;
constexpr std::size_t kWidth = 4;
constexpr std::size_t kWhole = 0; // feet or metres
constexpr std::size_t kInches = 1;
constexpr std::size_t kFraction = 2;
constexpr std::size_t kMillimetres = 3;

bool CarriesPassengers(ElevatorType type)
{
    return type == ElevatorType::Passenger || type == ElevatorType::FreightPassenger;
}

float SideOf(Units units, const DimensionTexts &lists, std::size_t row)
{
    if (units == Units::Imperial)
        return SideInches(lists[row + kWhole], lists[row + kInches], lists[row + kFraction]);
    return SideMetres(lists[row + kWhole], lists[row + kMillimetres]);
}

// The steps up to the first message; answers are written as they are found.
void RatedLoadSteps(const RatedLoadEntries &entries, RatedLoadAnswers &answers)
{
    const Units units = entries.units;
    const bool typed = AreaWasTyped(entries.areaText);
    const bool listsEntered = DimensionsWereEntered(entries.lists);
    answers.bothWaysGiven = typed && listsEntered;

    // With both, the lists are set back to "0" and the typed area is used.
    const float area = typed
        ? TypedArea(entries.areaText)
        : AreaFromSides(units, SideOf(units, entries.lists, kDepth),
              SideOf(units, entries.lists, kWidth));
    answers.area = SingleToText(area);

    const bool passengers = CarriesPassengers(entries.type);
    float load = 0;
    if (passengers) {
        load = PassengerLoad(units, area);
        answers.load = SingleToText(load);
    } else if (entries.freightClass) {
        answers.load = FreightLoad(units, *entries.freightClass, area, entries.truckText);
        if (!answers.load) {
            answers.message = messages::kNoTruckWeight;
            return;
        }
    }

    if (passengers) {
        if (entries.carriesTruck && entries.truckText.empty()) {
            answers.message = messages::kNoTruckWeight;
            return;
        }
        // The truck weight is read whatever the answer to the truck question.
        const double truck = ReadNumber(entries.truckText);
        if (ToSingle(truck) > load) {
            answers.load = DoubleToText(truck);
            answers.passengers = PassengerCount(units, entries.truckText);
        } else {
            answers.passengers = PassengerCount(units, *answers.load);
        }
    }

    if (ReadNumber(entries.areaText) <= 0 && area <= 0)
        answers.message = messages::kNoArea;
}

void MaximumAreaSteps(const MaximumAreaEntries &entries, MaximumAreaAnswers &answers)
{
    if (entries.loadText.empty() || entries.loadText == "0") {
        answers.message = messages::kNoRatedLoad;
        return;
    }
    const Units units = entries.units;
    const double load = ReadNumber(entries.loadText);
    const auto cls = entries.freightClass;
    auto writeArea = [&](AreaRule rule) {
        answers.area = DoubleToText(*MaximumArea(units, rule, load));
    };

    // Each test stands alone; a later answer replaces an earlier one.
    if (entries.type == ElevatorType::Freight
        && (cls == FreightClass::A || cls == FreightClass::C1 || cls == FreightClass::C2
            || cls == FreightClass::C3))
        writeArea(AreaRule::ClassA);
    if (cls == FreightClass::B)
        writeArea(AreaRule::ClassB);
    if (entries.type == ElevatorType::Passenger) {
        writeArea(AreaRule::Passenger);
        answers.passengers = PassengerCount(units, entries.loadText);
    }
    if (entries.type == ElevatorType::FreightPassenger) {
        writeArea(AreaRule::FreightPassenger);
        answers.passengers = PassengerCount(units, entries.loadText);
    }
}

void MissingSideSteps(Units units, std::string_view areaText, const DimensionTexts &lists,
    MissingSideAnswers &answers)
{
    const float depth = SideOf(units, lists, kDepth);
    const float width = SideOf(units, lists, kWidth);
    switch (MissingSide(depth, width)) {
    case SideOutcome::BothGiven:
        answers.side.outcome = SideOutcome::BothGiven;
        answers.message = units == Units::Imperial ? messages::kOnlyOneDimensionImperial
                                                   : messages::kOnlyOneDimensionMetric;
        return;
    case SideOutcome::NoneGiven:
        answers.side.outcome = SideOutcome::NoneGiven;
        answers.message = messages::kNoDimension;
        return;
    case SideOutcome::DepthFound:
    case SideOutcome::WidthFound:
        break;
    }
    answers.side = DorWFromArea(units, StrictNumber(areaText), depth, width);
}

} // namespace

RatedLoadAnswers CalculateRatedLoad(const RatedLoadEntries &entries)
{
    RatedLoadAnswers answers;
    try {
        RatedLoadSteps(entries, answers);
    } catch (const RunTimeError &error) {
        answers.error = error.what();
    }
    return answers;
}

MaximumAreaAnswers CalculateMaximumArea(const MaximumAreaEntries &entries)
{
    MaximumAreaAnswers answers;
    try {
        MaximumAreaSteps(entries, answers);
    } catch (const RunTimeError &error) {
        answers.error = error.what();
    }
    return answers;
}

bool HoldsArea(std::string_view areaText)
{
    return areaText > std::string_view("0");
}

MissingSideAnswers FindMissingSide(
    Units units, std::string_view areaText, const DimensionTexts &lists)
{
    MissingSideAnswers answers;
    try {
        MissingSideSteps(units, areaText, lists, answers);
    } catch (const RunTimeError &error) {
        answers.side = FoundSide {};
        answers.error = error.what();
    }
    return answers;
}

} // namespace ratedload::cli
