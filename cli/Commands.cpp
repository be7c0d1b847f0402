// SPDX-License-Identifier: MIT
#include "cli/Commands.h"

#include "cli/InputError.h"
#include "cli/Margins.h"
#include "cli/Sides.h"
#include "cli/Text.h"

#include "cli/Calculate.h"
#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace ratedload::cli {

namespace rules = ratedload::rules;

namespace {

using rules::FreightClass;

[[noreturn]] void Refuse(std::string_view option, const std::string &reason)
{
    throw InputError("--" + std::string(option) + ": " + reason);
}

ElevatorType TypeOf(const std::optional<std::string> &text)
{
    if (!text)
        return ElevatorType::Passenger;
    const std::string type = Lower(Trimmed(*text));
    if (type == "passenger")
        return ElevatorType::Passenger;
    if (type == "freight")
        return ElevatorType::Freight;
    if (type == "freight-passenger")
        return ElevatorType::FreightPassenger;
    Refuse("type", "expected passenger, freight or freight-passenger, got '" + *text + "'");
}

std::string_view TypeName(ElevatorType type)
{
    switch (type) {
    case ElevatorType::Passenger:
        return "passenger";
    case ElevatorType::Freight:
        return "freight";
    case ElevatorType::FreightPassenger:
        break;
    }
    return "freight-passenger";
}

constexpr std::array<std::pair<std::string_view, FreightClass>, 5> kClasses { {
    { "A", FreightClass::A },
    { "B", FreightClass::B },
    { "C1", FreightClass::C1 },
    { "C2", FreightClass::C2 },
    { "C3", FreightClass::C3 },
} };

std::string_view ClassName(FreightClass freightClass)
{
    for (const auto &[name, value] : kClasses) {
        if (value == freightClass)
            return name;
    }
    return "A";
}

// A freight elevator without a class is of class A, as the window chooses
// class A with the type.
std::optional<FreightClass> ClassOf(const std::optional<std::string> &text, ElevatorType type)
{
    if (text && type != ElevatorType::Freight)
        Refuse("class", "a class of loading is for --type freight, not for --type "
                + std::string(TypeName(type)));
    if (type != ElevatorType::Freight)
        return std::nullopt;
    if (!text)
        return FreightClass::A;
    const std::string name = Lower(Trimmed(*text));
    for (const auto &[className, value] : kClasses) {
        if (name == Lower(className))
            return value;
    }
    Refuse("class", "expected A, B, C1, C2 or C3, got '" + *text + "'");
}

bool TruckClass(const std::optional<FreightClass> &freightClass)
{
    return freightClass == FreightClass::C1 || freightClass == FreightClass::C2;
}

// A number as typed: trimmed, and one number in the whole text.
std::string NumberText(std::string_view option, const std::string &text)
{
    const std::string trimmed(Trimmed(text));
    try {
        rules::StrictNumber(trimmed);
    } catch (const rules::RunTimeError &) {
        if (!trimmed.empty() && std::isinf(rules::ReadNumber(trimmed)))
            Refuse(option, "'" + text + "' is beyond the range of double precision");
        Refuse(option, "expected a number, got '" + text + "'");
    }
    return trimmed;
}

void PutSideOption(rules::DimensionTexts &lists, int row, std::string_view option,
    const std::optional<std::string> &text, rules::Units units)
{
    if (!text)
        return;
    try {
        PutSide(lists, row, ReadSide(*text, units));
    } catch (const InputError &error) {
        Refuse(option, error.what());
    }
}

// The platform of a Load or Check: an area, or a depth and a width.
void CheckPlatform(const Options &options)
{
    if (options.area && (options.depth || options.width))
        throw InputError(options.depth ? "--area excludes --depth" : "--area excludes --width");
    if (options.depth && !options.width)
        throw InputError("--depth requires --width");
    if (options.width && !options.depth)
        throw InputError("--width requires --depth");
    if (!options.area && !options.depth)
        throw InputError("the platform is missing: give --area, or --depth and --width");
}

// The entries as the window's fields would hold them.
struct Entries {
    ElevatorType type = ElevatorType::Passenger;
    std::optional<FreightClass> freightClass;
    std::optional<std::string> truck;
    std::string area;
    std::string load;
    rules::DimensionTexts lists = NoDimensions();
    bool sideGiven = false;
};

Entries Validate(Command command, rules::Units units, const Options &options)
{
    Entries entries;
    entries.type = TypeOf(options.type);
    entries.freightClass = ClassOf(options.freightClass, entries.type);
    if (options.truck) {
        if (command == Command::Area)
            throw InputError("--truck: the maximum area does not depend on a truck weight");
        if (entries.type == ElevatorType::Passenger)
            Refuse("truck", "--type passenger carries no loaded truck; a truck weight is for "
                            "--type freight-passenger and for classes C1 and C2");
        if (entries.type == ElevatorType::Freight && !TruckClass(entries.freightClass))
            Refuse("truck", "class " + std::string(ClassName(*entries.freightClass))
                    + " does not consider a loaded truck; a truck weight is for classes C1 and "
                      "C2 and for --type freight-passenger");
        entries.truck = NumberText("truck", *options.truck);
    }
    if (command == Command::Area) {
        if (options.area)
            throw InputError("--area: the maximum area is found from --load");
        if (options.depth && options.width)
            throw InputError("--depth excludes --width: give one side to find the other");
    } else {
        CheckPlatform(options);
    }
    if (command == Command::Load && options.load)
        throw InputError("--load: the minimum rated load is found from the platform");
    if (command != Command::Load) {
        if (!options.load)
            throw InputError("--load is required");
        entries.load = NumberText("load", *options.load);
    }
    if (options.area)
        entries.area = NumberText("area", *options.area);
    PutSideOption(entries.lists, 0, "depth", options.depth, units);
    PutSideOption(entries.lists, 1, "width", options.width, units);
    entries.sideGiven = options.depth || options.width;
    return entries;
}

// A number as typed, written back by the number-to-text rule.
std::string AsWritten(const std::string &typed)
{
    return rules::DoubleToText(rules::ReadNumber(typed));
}

struct Failed {
    Failure failure;
    std::string reason;
};

// The first message or error of an answer of the rules ends the calculation.
template <class Answers> void StopAt(const Answers &answers)
{
    if (answers.message)
        throw Failed { Failure::Message, std::string(*answers.message) };
    if (answers.error)
        throw Failed { Failure::Overflow, *answers.error };
}

RatedLoadAnswers RatedLoadOf(rules::Units units, const Entries &entries)
{
    RatedLoadEntries window;
    window.units = units;
    window.type = entries.type;
    window.freightClass = entries.freightClass;
    window.carriesTruck = entries.type == ElevatorType::FreightPassenger && entries.truck;
    window.truckText = entries.truck.value_or("");
    window.areaText = entries.area;
    window.lists = entries.lists;
    RatedLoadAnswers answers = CalculateRatedLoad(window);
    StopAt(answers);
    return answers;
}

MaximumAreaAnswers MaximumAreaOf(rules::Units units, const Entries &entries)
{
    MaximumAreaEntries window;
    window.units = units;
    window.type = entries.type;
    window.freightClass = entries.freightClass;
    window.loadText = entries.load;
    MaximumAreaAnswers answers = CalculateMaximumArea(window);
    StopAt(answers);
    return answers;
}

void AddSide(rules::Units units, const Entries &entries, const std::string &area, Row &row)
{
    const bool imperial = units == rules::Units::Imperial;
    const std::size_t parts = imperial ? 4 : 3;
    if (!entries.sideGiven || !HoldsArea(area)) {
        // No area to find a side for (zero or negative): nothing is found.
        row.insert(row.end(), parts, std::nullopt);
        return;
    }
    const MissingSideAnswers answers = FindMissingSide(units, area, entries.lists);
    StopAt(answers);
    const rules::FoundSide &side = answers.side;
    row.emplace_back(side.outcome == rules::SideOutcome::DepthFound ? "depth" : "width");
    row.emplace_back(side.whole);
    if (imperial) {
        row.emplace_back(side.inches);
        row.emplace_back(side.fraction);
    } else {
        row.emplace_back(side.millimetres);
    }
}

Row Answers(Command command, rules::Units units, const Entries &entries, const Layout &layout,
    bool &fails)
{
    Row row;
    switch (command) {
    case Command::Load: {
        const RatedLoadAnswers answers = RatedLoadOf(units, entries);
        row = { answers.area, answers.load };
        if (layout.passengers)
            row.push_back(answers.passengers);
        break;
    }
    case Command::Area: {
        const MaximumAreaAnswers answers = MaximumAreaOf(units, entries);
        row = { AsWritten(entries.load), answers.area };
        if (layout.passengers)
            row.push_back(answers.passengers);
        if (layout.side)
            AddSide(units, entries, answers.area.value_or(""), row);
        break;
    }
    case Command::Check: {
        const RatedLoadAnswers required = RatedLoadOf(units, entries);
        const MaximumAreaAnswers permitted = MaximumAreaOf(units, entries);
        const std::string area = required.area.value_or("0");
        const std::string minimum = required.load.value_or("0");
        const std::string maximum = permitted.area.value_or("0");
        const std::string loadMargin = Difference(entries.load, minimum);
        const std::string areaMargin = Difference(maximum, area);
        fails = rules::ReadNumber(loadMargin) < 0 || rules::ReadNumber(areaMargin) < 0;
        row = { AsWritten(entries.load), area, minimum, loadMargin, Percent(loadMargin, minimum),
            maximum,
            areaMargin, Percent(areaMargin, maximum) };
        if (layout.passengers)
            row.push_back(permitted.passengers);
        row.emplace_back(fails ? "fails" : "passes");
        break;
    }
    }
    return row;
}

Column Figure(std::string key, std::string title, std::string label, std::string unit)
{
    return Column { std::move(key), std::move(title), std::move(label), std::move(unit),
        Kind::Number };
}

Column Word(std::string key, std::string title, std::string label)
{
    return Column { std::move(key), std::move(title), std::move(label), {}, Kind::Word };
}

} // namespace

const std::vector<std::string_view> &OptionNames(Command command)
{
    static const std::vector<std::string_view> kLoad { "type", "class", "truck", "area", "depth",
        "width" };
    static const std::vector<std::string_view> kArea { "type", "class", "load", "depth",
        "width" };
    static const std::vector<std::string_view> kCheck { "type", "class", "truck", "load", "area",
        "depth", "width" };
    switch (command) {
    case Command::Load:
        return kLoad;
    case Command::Area:
        return kArea;
    case Command::Check:
        break;
    }
    return kCheck;
}

std::optional<std::string> *OptionNamed(Options &options, std::string_view name)
{
    if (name == "type")
        return &options.type;
    if (name == "class")
        return &options.freightClass;
    if (name == "truck")
        return &options.truck;
    if (name == "area")
        return &options.area;
    if (name == "depth")
        return &options.depth;
    if (name == "width")
        return &options.width;
    if (name == "load")
        return &options.load;
    return nullptr;
}

Layout LayoutFor(Command command, const Options &options,
    const std::vector<std::string> &batchColumns)
{
    auto inBatch = [&](std::string_view name) {
        return std::find(batchColumns.begin(), batchColumns.end(), name) != batchColumns.end();
    };
    Layout layout;
    const std::string type = options.type ? Lower(Trimmed(*options.type)) : "passenger";
    layout.passengers = inBatch("type") || type != "freight";
    layout.side = command == Command::Area
        && (options.depth || options.width || inBatch("depth") || inBatch("width"));
    return layout;
}

std::vector<Column> AnswerColumns(Command command, rules::Units units, const Layout &layout)
{
    const bool imperial = units == rules::Units::Imperial;
    const std::string area = imperial ? "sq ft" : "sq m";
    const std::string load = imperial ? "lb" : "kg";
    const Column passengers = Figure("passengers", "Passengers", "Maximum number of passengers", "");
    std::vector<Column> columns;
    switch (command) {
    case Command::Load:
        columns = { Figure("area", "Area", "Inside net platform area", area),
            Figure("min_rated_load", "Min. rated load", "Minimum rated load", load) };
        if (layout.passengers)
            columns.push_back(passengers);
        break;
    case Command::Area:
        columns = { Figure("rated_load", "Rated load", "Rated load", load),
            Figure("max_area", "Max. area", "Maximum inside net platform area", area) };
        if (layout.passengers)
            columns.push_back(passengers);
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
        break;
    case Command::Check:
        columns = { Figure("rated_load", "Rated load", "Rated load (plated)", load),
            Figure("area", "Area", "Inside net platform area", area),
            Figure("min_rated_load", "Min. load", "Minimum rated load", load),
            Figure("load_margin", "Load margin", "Load margin", load),
            Figure("load_margin_pct", "Load margin", "Load margin / minimum rated load", "%"),
            Figure("max_area", "Max. area", "Maximum inside net platform area", area),
            Figure("area_margin", "Area margin", "Area margin", area),
            Figure("area_margin_pct", "Area margin", "Area margin / maximum area", "%") };
        if (layout.passengers)
            columns.push_back(passengers);
        columns.push_back(Word("verdict", "Verdict", "Verdict"));
        break;
    }
    return columns;
}

Answer Calculate(Command command, rules::Units units, const Options &options, const Layout &layout)
{
    Answer answer;
    try {
        const Entries entries = Validate(command, units, options);
        answer.row = Answers(command, units, entries, layout, answer.fails);
    } catch (const InputError &error) {
        answer.failure = Failure::Input;
        answer.reason = error.what();
    } catch (const Failed &failed) {
        answer.failure = failed.failure;
        answer.reason = failed.reason;
    } catch (const rules::RunTimeError &error) {
        answer.failure = Failure::Overflow;
        answer.reason = error.what();
    }
    if (answer.failure) {
        answer.row.clear();
        answer.fails = false;
    }
    return answer;
}

std::string NumbersGiven(const Options &options, std::string_view series)
{
    std::string given;
    auto add = [&](std::string_view name, const std::optional<std::string> &value) {
        if (!value)
            return;
        const bool plural = name == series;
        given += (given.empty() ? "--" : ", --") + std::string(name) + (plural ? "s " : " ")
            + *value;
    };
    add("area", options.area);
    add("depth", options.depth);
    add("width", options.width);
    add("load", options.load);
    add("truck", options.truck);
    return given;
}

} // namespace ratedload::cli
