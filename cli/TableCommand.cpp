// SPDX-License-Identifier: MIT
// table: one row per rated load, with the columns of area, or per area, with
// the columns of load.

#include "cli/Command.h"
#include "cli/Ranges.h"
#include "cli/Reading.h"

#include <ostream>

namespace ratedload::cli {

namespace {

class TableCommand : public Command {
public:
    std::string_view Name() const override { return "table"; }
    std::string_view Summary() const override
    {
        return "one row per rated load (the columns of area) or per area (the columns of load)";
    }
    std::vector<std::string_view> Examples() const override
    {
        return { "ratedload-cli table --loads 1000:5000:500",
            "ratedload-cli table --loads 2000,2500,3500 --depth 7ft --format csv",
            "ratedload-cli table --areas 10:100:10 --type freight --class B",
            "ratedload-cli table --metric --loads 450:2500:50" };
    }
    std::vector<std::string_view> OptionNames() const override
    {
        return { "type", "class", "truck", "loads", "areas", "depth", "width" };
    }
    int Run(const Request &request, const Streams &streams) const override
    {
        const Options &options = request.options;
        if (!options.loads && !options.areas) {
            Say(streams.err, "give --loads or --areas: the rows of the table");
            return kBadInput;
        }
        try {
            RefuseMixedRows(options);
        } catch (const InputError &error) {
            Say(streams.err, error.what());
            return kBadInput;
        }
        const std::string series = options.loads ? "load" : "area";
        std::vector<std::string> values;
        try {
            values = ExpandValues(options.loads ? *options.loads : *options.areas);
        } catch (const InputError &error) {
            Say(streams.err, "--" + series + "s: " + error.what());
            return kBadInput;
        }
        try {
            for (const std::string &value : values)
                PositiveNumber(series + "s", value, options.loads ? "rated loads" : "areas");
        } catch (const InputError &error) {
            Say(streams.err, error.what());
            return kBadInput;
        }

        const CarCommand &rows = RowCommand(options);
        Options row = RowOptions(options);
        *TextOf(row, series) = values.front();
        const Layout layout = rows.LayoutFor(row, {});
        RecordWriter writer(
            streams.out, request.format, rows.Columns(request.units, layout), false);
        bool anyBad = false;
        for (const std::string &value : values) {
            *TextOf(row, series) = value;
            const cli::Answer answer = rows.Calculate(request.units, row, layout);
            if (answer.failure && answer.failure->kind() == Failure::Kind::Input) {
                // The same for every row: said once.
                Report(streams.err, "", *answer.failure, row);
                return kBadInput;
            }
            if (answer.failure) {
                Report(streams.err, "--" + series + "s " + value, *answer.failure, row, series);
                anyBad = true;
                continue;
            }
            writer.Write(answer.row);
        }
        writer.Finish();
        return anyBad ? kBadInput : kSuccess;
    }

private:
    // A table of loads has the rows of area, a table of areas those of load.
    static const CarCommand &RowCommand(const Options &options)
    {
        return CarCommandNamed(options.loads ? "area" : "load");
    }

    static Options RowOptions(Options options)
    {
        options.loads.reset();
        options.areas.reset();
        return options;
    }

    static void RefuseMixedRows(const Options &options)
    {
        if (options.loads && options.areas)
            throw InputError("--areas excludes --loads: a table has rows of loads or of areas");
        if (options.loads && options.truck)
            throw InputError("--truck: the maximum area does not depend on a truck weight");
        if (options.areas && (options.depth || options.width))
            throw InputError(std::string(options.depth ? "--depth" : "--width")
                + ": a table of areas takes the area of each row, not sides");
    }
};

const TableCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 3);

} // namespace

} // namespace ratedload::cli
