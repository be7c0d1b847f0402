// SPDX-License-Identifier: MIT
// check: for an existing car, the load its platform requires, the area its
// plated load permits, the margin of each and the verdict.

#include "cli/Command.h"
#include "cli/Reading.h"

#include "calc/Check.h"

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
    std::string_view Notes() const override
    {
        return "The verdict: the car passes when its inside net platform area is at most the "
               "maximum area permitted for its plated load, the two compared at 4 decimal "
               "places, the precision the maximum area is given in. A platform given by its "
               "sides is compared with the area of the sides as given; sides are given to 4 "
               "decimal places of an inch (of a millimetre), as area gives a found side, and "
               "where that last place decides the verdict it goes in the car's favour. A car "
               "whose area is larger but at most 105 % of the maximum area passes within the "
               "5 % allowance (exit status 3); the limit is 105 % of the maximum area rounded "
               "down to 4 decimal places, never up, and the car is compared with the limit as "
               "shown. A larger car fails (exit status 1), and so does a car plated for less "
               "than the weight of the loaded truck it takes (--truck). The minimum rated load "
               "of the platform and the load margin are shown beside the verdict.";
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
            Figure("area_compared", "Area compared", "Area compared (4 places)", area),
            Figure("area_margin", "Area margin", "Area margin", area),
            Figure("area_margin_pct", "Area margin", "Area margin / maximum area", "%"),
            Figure("max_area_allowance", "Max. area +5 %", "Maximum area with the 5 % allowance",
                area) };
        if (layout.passengers)
            columns.push_back(
                Figure("passengers", "Passengers", "Maximum number of passengers", ""));
        columns.push_back(Word("verdict", "Verdict", "Verdict"));
        return columns;
    }

    Row Answer(rules::Units units, const Options &options, const Layout &layout,
        int &status) const override
    {
        const calc::RatedLoadEntries platform = RatedLoadEntriesOf(units, options);
        const calc::MaximumAreaEntries plated = MaximumAreaEntriesOf(units, options);
        const calc::CheckAnswers check = calc::Check(platform, plated);
        StopAtEnd(check.required, options);
        StopAtEnd(check.permitted, options);
        if (check.error)
            throw Failure(Failure::Kind::Overflow, *check.error);

        status = StatusOf(check.verdict);
        Row row { AsWritten(plated.loadText), check.area, check.minimumLoad, check.loadMargin,
            check.loadMarginPercent, check.maximumArea, check.areaCompared, check.areaMargin,
            check.areaMarginPercent, check.maximumWithAllowance };
        if (layout.passengers)
            row.push_back(check.passengers);
        row.emplace_back(calc::VerdictText(check.verdict));
        return row;
    }

private:
    static int StatusOf(calc::Verdict verdict)
    {
        switch (verdict) {
        case calc::Verdict::Passes:
            return kSuccess;
        case calc::Verdict::PassesWithinAllowance:
            return kCheckWithinAllowance;
        case calc::Verdict::Fails:
            break;
        }
        return kCheckFails;
    }
};

const CheckCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 4);

} // namespace

} // namespace ratedload::cli
