// SPDX-License-Identifier: MIT
// load: the minimum rated load of a platform, with the area used and the
// maximum number of passengers.

#include "cli/Command.h"
#include "cli/Reading.h"

#include "calc/MinimumRatedLoad.h"

namespace ratedload::cli {

namespace {

class LoadCommand : public CarCommand {
public:
    std::string_view Name() const override { return "load"; }
    std::string_view Summary() const override
    {
        return "minimum rated load of a platform, with the maximum number of passengers";
    }
    std::vector<std::string_view> Examples() const override
    {
        return { "ratedload-cli load --area 50",
            "ratedload-cli load --depth 7ft4in --width 5ft8in --type freight --class B",
            "ratedload-cli load --metric --depth 2m50mm --width 1350mm",
            "ratedload-cli load --type freight --class C1 --truck 2500 --area 40" };
    }
    std::vector<std::string_view> OptionNames() const override
    {
        return { "type", "class", "truck", "area", "depth", "width" };
    }

    Layout LayoutFor(
        const Options &options, const std::vector<std::string> &batchColumns) const override
    {
        return { PassengerColumn(options, batchColumns), false };
    }

    std::vector<Column> Columns(rules::Units units, const Layout &layout) const override
    {
        const bool imperial = units == rules::Units::Imperial;
        std::vector<Column> columns {
            Figure("area", "Area", "Inside net platform area", imperial ? "sq ft" : "sq m"),
            Figure(
                "min_rated_load", "Min. rated load", "Minimum rated load", imperial ? "lb" : "kg"),
        };
        if (layout.passengers)
            columns.push_back(
                Figure("passengers", "Passengers", "Maximum number of passengers", ""));
        return columns;
    }

    Row Answer(
        rules::Units units, const Options &options, const Layout &layout, int &) const override
    {
        const calc::Run run = calc::MinimumRatedLoad(RatedLoadEntriesOf(units, options));
        StopAtEnd(run, options);
        Row row { run.Written(calc::Field::Area), run.Written(calc::Field::Load) };
        if (layout.passengers)
            row.push_back(run.Written(calc::Field::Passengers));
        return row;
    }
};

const LoadCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 1);

} // namespace

} // namespace ratedload::cli
