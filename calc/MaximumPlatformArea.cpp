// SPDX-License-Identifier: MIT
#include "calc/MaximumPlatformArea.h"

#include "rules/MaximumArea.h"
#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

namespace ratedload::calc {

namespace {

using rules::FreightClass;

void Steps(const MaximumAreaEntries &entries, Run &run)
{
    if (HoldsArea(entries.areaShown)) {
        run.Add(FindSide {});
        return;
    }
    if (entries.loadText == "0" || entries.loadText.empty()) {
        run.Add(Show { Message::NoRatedLoad });
        run.Add(MoveFocus { Control::AreaEntry });
        run.message = Message::NoRatedLoad;
        return;
    }
    run.Add(ShowPassengers { CarriesPassengers(entries.type) });

    // Each test stands alone, and a later area replaces an earlier one.
    const rules::Units units = entries.units;
    const double load = rules::ReadNumber(entries.loadText);
    const std::optional<FreightClass> freightClass = entries.freightClass;
    auto writeArea = [&](rules::AreaRule rule) {
        run.Add(Write { Field::Area, rules::DoubleToText(*rules::MaximumArea(units, rule, load)) });
    };
    auto writePassengers = [&] {
        run.Add(Write { Field::Passengers, rules::PassengerCount(units, entries.loadText) });
    };
    if (entries.type == ElevatorType::Freight
        && (freightClass == FreightClass::A || freightClass == FreightClass::C1
            || freightClass == FreightClass::C2 || freightClass == FreightClass::C3))
        writeArea(rules::AreaRule::ClassA);
    if (freightClass == FreightClass::B)
        writeArea(rules::AreaRule::ClassB);
    if (entries.type == ElevatorType::Passenger) {
        writeArea(rules::AreaRule::Passenger);
        writePassengers();
    }
    if (entries.type == ElevatorType::FreightPassenger) {
        writeArea(rules::AreaRule::FreightPassenger);
        writePassengers();
    }

    const std::string *area = run.LastWritten(Field::Area);
    if (HoldsArea(area ? *area : entries.areaShown))
        run.Add(FindSide {});
}

} // namespace

bool HoldsArea(std::string_view areaText)
{
    return areaText > std::string_view("0");
}

Run MaximumPlatformArea(const MaximumAreaEntries &entries)
{
    return Trapped(Steps, entries);
}

} // namespace ratedload::calc
