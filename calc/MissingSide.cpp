// SPDX-License-Identifier: MIT
#include "calc/MissingSide.h"

#include "rules/DepthOrWidth.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

namespace ratedload::calc {

namespace {

void Steps(const SideEntries &entries, Run &run)
{
    const rules::Units units = entries.units;
    const bool imperial = units == rules::Units::Imperial;
    const float depth = SideOf(units, entries.lists, Row::Depth);
    const float width = SideOf(units, entries.lists, Row::Width);

    switch (rules::MissingSide(depth, width)) {
    case rules::SideOutcome::BothGiven: {
        const Message message
            = imperial ? Message::OnlyOneDimensionImperial : Message::OnlyOneDimensionMetric;
        run.Add(Show { message });
        if (imperial)
            run.Add(ClearAllEntries {});
        run.message = message;
        return;
    }
    case rules::SideOutcome::NoneGiven:
        run.Add(Show { Message::NoDimension });
        run.Add(MoveFocus { Control::DepthList });
        run.message = Message::NoDimension;
        return;
    case rules::SideOutcome::DepthFound:
    case rules::SideOutcome::WidthFound:
        break;
    }

    const double area = rules::StrictNumber(entries.areaText);
    const rules::FoundSide found = rules::DorWFromArea(units, area, depth, width);
    const Row row = found.outcome == rules::SideOutcome::DepthFound ? Row::Depth : Row::Width;
    run.Add(Write { Field::Whole, found.whole, row });
    if (imperial) {
        run.Add(Write { Field::Inches, found.inches, row });
        run.Add(Write { Field::Fraction, found.fraction, row });
    } else {
        run.Add(Write { Field::Millimetres, found.millimetres, row });
    }
    run.Add(SideFound {});
}

} // namespace

std::optional<Row> FoundRow(const Run &run)
{
    for (const Step &step : run.steps) {
        if (const auto *write = std::get_if<Write>(&step); write && write->field == Field::Whole)
            return write->row;
    }
    return std::nullopt;
}

Run MissingSide(const SideEntries &entries)
{
    return Trapped(Steps, entries);
}

} // namespace ratedload::calc
