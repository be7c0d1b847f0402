// SPDX-License-Identifier: MIT
// check: for an existing car, the load its platform requires, the area its
// plated load permits, the margin of each and the verdict.

#include "cli/Command.h"
#include "cli/Margins.h"
#include "cli/Reading.h"

#include "calc/MaximumPlatformArea.h"
#include "calc/MinimumRatedLoad.h"

#include "rules/NumberText.h"

namespace ratedload::cli {

namespace {

class CheckCommand : public CarCommand {
public:
    std::string_view Name() const override { return "check"; }
    std::string_view Summary() const override
    {
        return "check an existing car: the load its platform requires, the area its plated "
               "load permits, the margins of each and a verdict";
    }
    std::vector<std::string_view> Examples() const override
    {
        return { "ratedload-cli check --load 2500 --depth 7ft4in --width 5ft8in",
            "ratedload-cli check --metric --load 1000 --area 2.4",
            "ratedload-cli check --batch --format csv < fleet.csv   (columns such as "
            "id,load,depth,width)" };
    }
    std::vector<std::string_view> OptionNames() const override
    {
        return { "type", "class", "truck", "load", "area", "depth", "width" };
    }

    Layout LayoutFor(
        const Options &options, const std::vector<std::string> &batchColumns) const override
    {
        return { PassengerColumn(options, batchColumns), false };
    }

    std::vector<Column> Columns(rules::Units units, const Layout &layout) const override
    {
        const bool imperial = units == rules::Units::Imperial;
        const std::string area = imperial ? "sq ft" : "sq m";
        const std::string load = imperial ? "lb" : "kg";
        std::vector<Column> columns { Figure(
                                          "rated_load", "Rated load", "Rated load (plated)", load),
            Figure("area", "Area", "Inside net platform area", area),
            Figure("min_rated_load", "Min. load", "Minimum rated load", load),
            Figure("load_margin", "Load margin", "Load margin", load),
            Figure("load_margin_pct", "Load margin", "Load margin / minimum rated load", "%"),
            Figure("max_area", "Max. area", "Maximum inside net platform area", area),
            Figure("area_margin", "Area margin", "Area margin", area),
            Figure("area_margin_pct", "Area margin", "Area margin / maximum area", "%") };
        if (layout.passengers)
            columns.push_back(
                Figure("passengers", "Passengers", "Maximum number of passengers", ""));
        columns.push_back(Word("verdict", "Verdict", "Verdict"));
        return columns;
    }

    Row Answer(rules::Units units, const Options &options, const Layout &layout,
        int &status) const override
    {
        const calc::Run required = calc::MinimumRatedLoad(RatedLoadEntriesOf(units, options));
        const calc::MaximumAreaEntries plated = MaximumAreaEntriesOf(units, options);
        StopAtEnd(required);
        const calc::Run permitted = calc::MaximumPlatformArea(plated);
        StopAtEnd(permitted);

        const std::string area = required.Written(calc::Field::Area).value_or("0");
        const std::string minimum = required.Written(calc::Field::Load).value_or("0");
        const std::string maximum = permitted.Written(calc::Field::Area).value_or("0");
        const std::string loadMargin = Difference(plated.loadText, minimum);
        const std::string areaMargin = Difference(maximum, area);
        const bool fails = rules::ReadNumber(loadMargin) < 0 || rules::ReadNumber(areaMargin) < 0;
        status = fails ? kCheckFails : kSuccess;
        Row row { AsWritten(plated.loadText), area, minimum, loadMargin,
            Percent(loadMargin, minimum), maximum, areaMargin, Percent(areaMargin, maximum) };
        if (layout.passengers)
            row.push_back(permitted.Written(calc::Field::Passengers));
        row.emplace_back(fails ? "fails" : "passes");
        return row;
    }
};

const CheckCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 4);

} // namespace

} // namespace ratedload::cli
