// SPDX-License-Identifier: MIT
#include "calc/MinimumRatedLoad.h"

#include "rules/NumberText.h"
#include "rules/PassengerLoad.h"
#include "rules/RunTimeError.h"

namespace ratedload::calc {

namespace {

void EndWith(Run &run, Message message, Control focus)
{
    run.Add(Show { message });
    run.Add(MoveFocus { focus });
    run.message = message;
}

void Steps(const RatedLoadEntries &entries, Run &run)
{
    const rules::Units units = entries.units;

    // A platform given both ways: said, the lists set back, the typed area used.
    const bool areaTyped = rules::AreaWasTyped(entries.areaText);
    const bool dimensionsEntered = rules::DimensionsWereEntered(entries.lists);
    if (areaTyped && dimensionsEntered) {
        run.Add(Show { Message::BothWaysGiven });
        run.Add(ClearAllEntries {});
        run.Add(MoveFocus { Control::AreaEntry });
    }

    if (areaTyped)
        run.Add(ClearAllEntries {});
    const float area = PlatformArea(entries);
    run.Add(Write { Field::Area, rules::SingleToText(area) });

    const bool passengers = CarriesPassengers(entries.type);
    float load = 0;
    std::string loadText;
    if (passengers) {
        load = rules::PassengerLoad(units, area);
        loadText = rules::SingleToText(load);
        run.Add(Write { Field::Load, loadText });
    } else if (entries.freightClass) {
        const std::optional<std::string> freightLoad
            = rules::FreightLoad(units, *entries.freightClass, area, entries.truckText);
        if (!freightLoad)
            return EndWith(run, Message::NoTruckWeight, Control::TruckEntry);
        run.Add(Write { Field::Load, *freightLoad });
    }

    if (passengers) {
        if (entries.carriesTruck && entries.truckText.empty())
            return EndWith(run, Message::NoTruckWeight, Control::TruckEntry);
        // The truck weight counts whatever the answer to the truck question.
        const double truck = rules::ReadNumber(entries.truckText);
        if (rules::ToSingle(truck) > load) {
            run.Add(Write { Field::Load, rules::DoubleToText(truck) });
            run.Add(Write { Field::Passengers, rules::PassengerCount(units, entries.truckText) });
        } else {
            run.Add(Write { Field::Passengers, rules::PassengerCount(units, loadText) });
        }
    }

    // The answers of an area of 0 stay on show under the message.
    if (rules::ReadNumber(entries.areaText) <= 0 && area <= 0) {
        run.Add(Show { Message::NoArea });
        run.Add(EmptyAreaEntry {});
        run.Add(MoveFocus { Control::AreaEntry });
        run.message = Message::NoArea;
    }
}

} // namespace

float PlatformArea(const RatedLoadEntries &entries)
{
    const rules::Units units = entries.units;
    if (rules::AreaWasTyped(entries.areaText))
        return rules::TypedArea(entries.areaText);
    return rules::AreaFromSides(
        units, SideOf(units, entries.lists, Row::Depth), SideOf(units, entries.lists, Row::Width));
}

Run MinimumRatedLoad(const RatedLoadEntries &entries)
{
    return Trapped(Steps, entries);
}

} // namespace ratedload::calc
