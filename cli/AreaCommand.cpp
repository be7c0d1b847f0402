// SPDX-License-Identifier: MIT
// area: the maximum inside net platform area for a rated load, with the
// maximum number of passengers; given one side, the other side.

#include "cli/Command.h"
#include "cli/Reading.h"

#include "calc/MaximumPlatformArea.h"
#include "calc/MissingSide.h"

#include "rules/NumberText.h"

#include <algorithm>

namespace ratedload::cli {

namespace {

class AreaCommand : public CarCommand {
public:
    std::string_view Name() const override { return "area"; }
    std::string_view Summary() const override
    {
        return "maximum inside net platform area for a rated load; with one side, the other "
               "side";
    }
    std::vector<std::string_view> Examples() const override
    {
        return { "ratedload-cli area --load 2500", "ratedload-cli area --load 2500 --width 5ft",
            "ratedload-cli area --metric --load 1000 --depth 1.6m",
            "ratedload-cli area --type freight --class B --load 3000" };
    }
    std::vector<std::string_view> OptionNames() const override
    {
        return { "type", "class", "load", "depth", "width" };
    }

    Layout LayoutFor(
        const Options &options, const std::vector<std::string> &batchColumns) const override
    {
        auto inBatch = [&](std::string_view name) {
            return std::find(batchColumns.begin(), batchColumns.end(), name) != batchColumns.end();
        };
        return { PassengerColumn(options, batchColumns),
            options.depth || options.width || inBatch("depth") || inBatch("width") };
    }

    std::vector<Column> Columns(rules::Units units, const Layout &layout) const override
    {
        const bool imperial = units == rules::Units::Imperial;
        std::vector<Column> columns {
            Figure("rated_load", "Rated load", "Rated load", imperial ? "lb" : "kg"),
            Figure("max_area", "Max. area", "Maximum inside net platform area",
                imperial ? "sq ft" : "sq m"),
        };
        if (layout.passengers)
            columns.push_back(
                Figure("passengers", "Passengers", "Maximum number of passengers", ""));
        if (layout.side) {
            columns.push_back(Word("found", "Found", "Side found"));
            if (imperial) {
                columns.push_back(Figure("feet", "Feet", "Feet", ""));
                columns.push_back(Figure("inches", "Inches", "Inches", ""));
                columns.push_back(Figure("fraction", "Fraction", "Fraction of an inch", ""));
            } else {
                columns.push_back(Figure("metres", "Metres", "Metres", ""));
                columns.push_back(Figure("millimetres", "Millimetres", "Millimetres", ""));
            }
        }
        return columns;
    }

    Row Answer(
        rules::Units units, const Options &options, const Layout &layout, int &) const override
    {
        const calc::MaximumAreaEntries entries = EntriesOf(units, options);
        const rules::DimensionTexts lists = ListsOf(options, units);
        const calc::Run run = calc::MaximumPlatformArea(entries);
        StopAtEnd(run, options);
        Row row { AsWritten(entries.loadText), run.Written(calc::Field::Area) };
        if (layout.passengers)
            row.push_back(run.Written(calc::Field::Passengers));
        if (layout.side)
            AddSide(units, options, lists, run, row);
        return row;
    }

private:
    static calc::MaximumAreaEntries EntriesOf(rules::Units units, const Options &options)
    {
        TypeOf(options.type);
        if (options.depth && options.width)
            throw InputError("--depth excludes --width: give one side to find the other");
        return MaximumAreaEntriesOf(units, options);
    }

    // The found side, or nothing where no side is given or no area was found
    // to find it for (zero or negative).
    static void AddSide(rules::Units units, const Options &options,
        const rules::DimensionTexts &lists, const calc::Run &area, Row &row)
    {
        const bool imperial = units == rules::Units::Imperial;
        if (!(options.depth || options.width) || !area.Has<calc::FindSide>()) {
            row.insert(row.end(), imperial ? 4 : 3, std::nullopt);
            return;
        }
        const calc::Run side
            = calc::MissingSide({ units, area.Written(calc::Field::Area).value_or(""), lists });
        StopAtEnd(side, options);
        const bool depthFound = calc::FoundRow(side) == calc::Row::Depth;
        // A side so long that the other comes out under an inch (a
        // millimetre) is no platform: 0 ft 0 in.
        auto part = [&side](calc::Field field) {
            return rules::ReadNumber(side.Written(field).value_or("0"));
        };
        const bool nothing = part(calc::Field::Whole) == 0
            && (imperial ? part(calc::Field::Inches) == 0 : part(calc::Field::Millimetres) < 1);
        // Said as a message of the calculation: it depends on the load too.
        if (nothing)
            throw Failure(Failure::Kind::Message,
                std::string(depthFound ? "--width: '" : "--depth: '")
                    + *(depthFound ? options.width : options.depth)
                    + "' is too long for an area of " + area.Written(calc::Field::Area).value_or("")
                    + ": the " + (depthFound ? "depth" : "width") + " found for it is under "
                    + (imperial ? "an inch" : "a millimetre"));
        row.emplace_back(depthFound ? "depth" : "width");
        row.push_back(side.Written(calc::Field::Whole));
        if (imperial) {
            row.push_back(side.Written(calc::Field::Inches));
            row.push_back(side.Written(calc::Field::Fraction));
        } else {
            row.push_back(side.Written(calc::Field::Millimetres));
        }
    }
};

const AreaCommand kCommand;
const bool kRegistered = RegisterCommand(kCommand, 2);

} // namespace

} // namespace ratedload::cli
