// SPDX-License-Identifier: MIT
// ratedload-cli: the figures of the calculator for scripts, tables and
// inspections, on standard input and output only.

#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/InputError.h"
#include "cli/Output.h"
#include "cli/Ranges.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace ratedload::cli;
namespace rules = ratedload::rules;

constexpr const char *kProgram = "ratedload-cli";

const char *const kExitStatus = "Exit status: 0 answered (check: the car passes), 1 check: the "
                                "car fails, 2 bad input, a message of the calculation or an "
                                "overflow.";

// The options of one command as given on the command line.
struct Given {
    std::string format = "text";
    std::vector<std::pair<std::string, CLI::Option *>> options;
    CLI::Option *metric = nullptr;
    bool metricUnits = false;
    bool imperialUnits = false;
    bool batch = false;
    std::string loads;
    std::string areas;
    CLI::Option *loadsOption = nullptr;
    CLI::Option *areasOption = nullptr;
};

void Say(const std::string &text)
{
    const std::string line = std::string(kProgram) + ": " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

// Adds an option whose text is kept as it is given.
CLI::Option *AddText(CLI::App &command, Given &given, std::string name, std::string typeName,
    std::string help)
{
    CLI::Option *option = command.add_option("--" + name)
                              ->description(help)
                              ->type_name(typeName)
                              ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    given.options.emplace_back(name, option);
    return option;
}

void AddCommon(CLI::App &command, Given &given, bool truck)
{
    AddText(command, given, "type", "TYPE",
        "passenger (the default), freight or freight-passenger (a freight elevator permitted to "
        "carry passengers)");
    AddText(command, given, "class", "CLASS",
        "class of freight loading for --type freight: A (the default), B, C1, C2 or C3");
    if (truck)
        AddText(command, given, "truck", "WEIGHT",
            "weight of the loaded truck, in pounds or kilograms: for classes C1 and C2 (needed) "
            "and for --type freight-passenger (a car that carries a loaded truck)");
    given.metric = command.add_flag("--metric", given.metricUnits,
        "metric units: kilograms, square metres, metres and millimetres");
    CLI::Option *imperial = command.add_flag("--imperial", given.imperialUnits,
        "imperial units (the default): pounds, square feet, feet and inches");
    imperial->excludes(given.metric);
    command.add_option("--format", given.format, "text (an aligned table, the default), csv or "
                                                 "json (one object per line)")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({ "text", "csv", "json" }))
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

void AddSides(CLI::App &command, Given &given)
{
    AddText(command, given, "depth", "SIDE",
        "depth of the platform: 7ft4in, 7ft4-1/2in, 88in, 7.5ft; with --metric 2.05m, 2m50mm, "
        "2050mm");
    AddText(command, given, "width", "SIDE", "width of the platform, written as --depth");
}

void AddBatch(CLI::App &command, Given &given)
{
    command.add_flag("--batch", given.batch,
        "read CSV from standard input: a header naming options (and an optional id column), "
        "then one set of options per line; options given here are the defaults of every line");
}

Options OptionsOf(const Given &given)
{
    Options options;
    for (const auto &[name, option] : given.options) {
        if (option->count() > 0) {
            const std::vector<std::string> results = option->results();
            if (!results.empty())
                *OptionNamed(options, name) = results.back();
        }
    }
    return options;
}

Format FormatOf(const std::string &format)
{
    if (format == "csv")
        return Format::Csv;
    if (format == "json")
        return Format::Json;
    return Format::Text;
}

int RunOne(Command command, const Given &given, rules::Units units)
{
    const Options options = OptionsOf(given);
    const Format format = FormatOf(given.format);
    if (given.batch) {
        if (isatty(STDIN_FILENO)) {
            Say("--batch reads CSV lines from standard input; redirect a file or a pipe to it");
            return kBadInput;
        }
        return RunBatch(command, units, format, options, Streams { std::cin, stdout, stderr });
    }
    const Layout layout = LayoutFor(command, options);
    const Answer answer = Calculate(command, units, options, layout);
    if (answer.failure) {
        Report(stderr, "", answer, options);
        return kBadInput;
    }
    RecordWriter writer(stdout, format, AnswerColumns(command, units, layout), true);
    writer.Write(answer.row);
    writer.Finish();
    return answer.fails ? kCheckFails : kSuccess;
}

int RunTable(const Given &given, rules::Units units)
{
    const bool byLoad = given.loadsOption->count() > 0;
    if (!byLoad && given.areasOption->count() == 0) {
        Say("give --loads or --areas: the rows of the table");
        return kBadInput;
    }
    const std::string series = byLoad ? "load" : "area";
    std::vector<std::string> values;
    try {
        values = ExpandValues(byLoad ? given.loads : given.areas);
    } catch (const InputError &error) {
        Say("--" + series + "s: " + error.what());
        return kBadInput;
    }
    const Command command = byLoad ? Command::Area : Command::Load;
    Options options = OptionsOf(given);
    *OptionNamed(options, series) = values.front();
    const Layout layout = LayoutFor(command, options);
    RecordWriter writer(stdout, FormatOf(given.format), AnswerColumns(command, units, layout),
        false);
    bool anyBad = false;
    for (const std::string &value : values) {
        *OptionNamed(options, series) = value;
        const Answer answer = Calculate(command, units, options, layout);
        if (answer.failure == Failure::Input) {
            // The same for every row: say it once.
            Report(stderr, "", answer, options);
            return kBadInput;
        }
        if (answer.failure) {
            Report(stderr, "--" + series + "s " + value, answer, options, series);
            anyBad = true;
            continue;
        }
        writer.Write(answer.row);
    }
    writer.Finish();
    return anyBad ? kBadInput : kSuccess;
}

std::string Examples(std::initializer_list<const char *> lines)
{
    std::string text = "\nExamples:\n";
    for (const char *line : lines)
        text += std::string("  ") + line + "\n";
    return text + "\n" + kExitStatus + "\n";
}

} // namespace

int main(int argc, char **argv)
{
    CLI::App app { "Minimum rated load and maximum inside net platform area of elevator cars, "
                   "with the calculator's figures.",
        kProgram };
    app.set_version_flag("--version", std::string(kProgram) + " " + RATEDLOAD_VERSION);
    app.require_subcommand(0, 1);
    app.get_formatter()->label("SUBCOMMAND", "COMMAND");
    app.footer(Examples({ "ratedload-cli load --area 50",
        "ratedload-cli area --load 2500 --depth 7ft",
        "ratedload-cli table --loads 2000:5000:500 --format csv",
        "ratedload-cli check --load 2500 --depth 7ft4in --width 5ft8in",
        "ratedload-cli check --batch --format csv < fleet.csv",
        "Run 'ratedload-cli COMMAND --help' for the options of a command." }));

    Given load;
    CLI::App *loadCommand = app.add_subcommand("load",
        "minimum rated load of a platform, with the maximum number of passengers");
    AddCommon(*loadCommand, load, true);
    AddText(*loadCommand, load, "area", "AREA",
        "inside net platform area in square feet (square metres with --metric)");
    AddSides(*loadCommand, load);
    AddBatch(*loadCommand, load);
    loadCommand->footer(Examples({ "ratedload-cli load --area 50",
        "ratedload-cli load --depth 7ft4in --width 5ft8in --type freight --class B",
        "ratedload-cli load --metric --depth 2m50mm --width 1350mm",
        "ratedload-cli load --type freight --class C1 --truck 2500 --area 40" }));

    Given area;
    CLI::App *areaCommand = app.add_subcommand("area",
        "maximum inside net platform area for a rated load; with one side, the other side");
    AddCommon(*areaCommand, area, false);
    AddText(*areaCommand, area, "load", "LOAD", "rated load in pounds (kilograms with --metric)");
    AddSides(*areaCommand, area);
    AddBatch(*areaCommand, area);
    areaCommand->footer(Examples({ "ratedload-cli area --load 2500",
        "ratedload-cli area --load 2500 --width 5ft",
        "ratedload-cli area --metric --load 1000 --depth 1.6m",
        "ratedload-cli area --type freight --class B --load 3000" }));

    Given table;
    CLI::App *tableCommand = app.add_subcommand("table",
        "one row per rated load (the columns of area) or per area (the columns of load)");
    AddCommon(*tableCommand, table, true);
    table.loadsOption = tableCommand->add_option("--loads", table.loads,
        "rated loads: START:STOP:STEP, numbers, or both, separated by commas")->type_name("LIST");
    table.areasOption = tableCommand->add_option("--areas", table.areas,
        "areas: START:STOP:STEP, numbers, or both, separated by commas")->type_name("LIST");
    AddSides(*tableCommand, table);
    table.loadsOption->excludes(table.areasOption);
    for (const auto &[name, option] : table.options) {
        if (name == "truck")
            option->excludes(table.loadsOption);
        if (name == "depth" || name == "width")
            option->excludes(table.areasOption);
    }
    tableCommand->footer(Examples({ "ratedload-cli table --loads 1000:5000:500",
        "ratedload-cli table --loads 2000,2500,3500 --depth 7ft --format csv",
        "ratedload-cli table --areas 10:100:10 --type freight --class B",
        "ratedload-cli table --metric --loads 450:2500:50" }));

    Given check;
    CLI::App *checkCommand = app.add_subcommand("check",
        "check an existing car: the load its platform requires, the area its plated load "
        "permits, the margins of each and a verdict");
    AddCommon(*checkCommand, check, true);
    AddText(*checkCommand, check, "load", "LOAD", "the plated rated load, in pounds (kilograms "
                                                  "with --metric)");
    AddText(*checkCommand, check, "area", "AREA", "inside net platform area, instead of the "
                                                  "sides");
    AddSides(*checkCommand, check);
    AddBatch(*checkCommand, check);
    checkCommand->footer(Examples({ "ratedload-cli check --load 2500 --depth 7ft4in --width 5ft8in",
        "ratedload-cli check --metric --load 1000 --area 2.4",
        "ratedload-cli check --batch --format csv < fleet.csv   (columns such as "
        "id,load,depth,width)" }));

    for (CLI::App *command : { loadCommand, areaCommand, tableCommand, checkCommand })
        command->group("Commands");
    for (CLI::Option *option : { table.loadsOption, table.areasOption })
        option->multi_option_policy(CLI::MultiOptionPolicy::Throw);

    // Standard input is read only through std::cin.
    std::ios::sync_with_stdio(false);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp &e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion &e) {
        return app.exit(e);
    } catch (const CLI::ParseError &e) {
        Say(e.what());
        return kBadInput;
    }

    try {
        const auto unitsOf = [](const Given &given) {
            return given.metricUnits ? rules::Units::Metric : rules::Units::Imperial;
        };
        if (loadCommand->parsed())
            return RunOne(Command::Load, load, unitsOf(load));
        if (areaCommand->parsed())
            return RunOne(Command::Area, area, unitsOf(area));
        if (checkCommand->parsed())
            return RunOne(Command::Check, check, unitsOf(check));
        if (tableCommand->parsed())
            return RunTable(table, unitsOf(table));
    } catch (const std::exception &e) {
        Say(e.what());
        return kBadInput;
    }
    Say("a command is needed: load, area, table or check (see --help)");
    return kBadInput;
}
