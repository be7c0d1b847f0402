// SPDX-License-Identifier: MIT
#include "cli/Reading.h"

#include "cli/Failure.h"
#include "cli/Sides.h"
#include "cli/Text.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace ratedload::cli {

using calc::ElevatorType;
using rules::FreightClass;

namespace {

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

} // namespace

void Refuse(std::string_view option, const std::string &reason)
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

std::optional<FreightClass> ClassOf(const std::optional<std::string> &text, ElevatorType type)
{
    if (text && type != ElevatorType::Freight)
        Refuse("class",
            "a class of loading is for --type freight, not for --type "
                + std::string(TypeName(type)));
    if (type != ElevatorType::Freight)
        return std::nullopt;
    if (!text)
        return FreightClass::A;
    const std::string name = Lower(Trimmed(*text));
    for (const FreightClass value : { FreightClass::A, FreightClass::B, FreightClass::C1,
             FreightClass::C2, FreightClass::C3 }) {
        if (name == Lower(ClassName(value)))
            return value;
    }
    Refuse("class", "expected A, B, C1, C2 or C3, got '" + *text + "'");
}

std::string TruckOf(
    const Options &options, ElevatorType type, const std::optional<FreightClass> &freightClass)
{
    if (!options.truck)
        return {};
    if (type == ElevatorType::Passenger)
        Refuse("truck",
            "--type passenger carries no loaded truck; a truck weight is for "
            "--type freight-passenger and for classes C1 and C2");
    if (type == ElevatorType::Freight && !IsTruckClass(*freightClass))
        Refuse("truck",
            "class " + std::string(ClassName(*freightClass))
                + " does not consider a loaded truck; a truck weight is for classes C1 and C2 "
                  "and for --type freight-passenger");
    return PositiveNumber("truck", *options.truck, "a truck weight");
}

std::string PositiveNumber(std::string_view option, const std::string &text, std::string_view what)
{
    const std::string trimmed(Trimmed(text));
    const std::string expected = "expected " + std::string(what) + " greater than 0";
    double value = 0;
    try {
        value = rules::StrictNumber(trimmed);
    } catch (const rules::RunTimeError &) {
        if (!trimmed.empty() && std::isinf(rules::ReadNumber(trimmed)))
            Refuse(option, "'" + text + "' is beyond the range of double precision");
        Refuse(option, "expected a number, got '" + text + "'");
    }
    // The window reads 25D2 as 2500; written here, a D is more likely a slip.
    if (trimmed.find_first_of("dD") != std::string::npos)
        Refuse(option, expected + ", got '" + text + "' (write an exponent with E, as in 2.5E3)");
    const bool zeroDigits = trimmed.find_first_of("123456789") == std::string::npos
        || trimmed.find_first_of("123456789") > trimmed.find_first_of("eE");
    if (value != 0 ? std::fabs(value) < DBL_MIN : !zeroDigits)
        Refuse(option, "'" + text + "' is below the smallest normal number of double precision");
    if (!(value > 0))
        Refuse(option, expected + ", got '" + text + "'");
    // The rules take it in single precision, where it would be 0.
    if (value < 1 && rules::ToSingle(value) == 0)
        Refuse(option, expected + ", got '" + text + "', which is 0 in single precision");
    return trimmed;
}

std::string AsWritten(const std::string &typed)
{
    return rules::DoubleToText(rules::ReadNumber(typed));
}

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

rules::DimensionTexts ListsOf(const Options &options, rules::Units units)
{
    rules::DimensionTexts lists = calc::NoDimensions();
    PutSideOption(lists, 0, "depth", options.depth, units);
    PutSideOption(lists, 1, "width", options.width, units);
    return lists;
}

calc::RatedLoadEntries RatedLoadEntriesOf(rules::Units units, const Options &options)
{
    calc::RatedLoadEntries entries;
    entries.units = units;
    entries.type = TypeOf(options.type);
    entries.freightClass = ClassOf(options.freightClass, entries.type);
    entries.truckText = TruckOf(options, entries.type, entries.freightClass);
    // A truck weight given for a freight/passenger car answers the truck question Yes.
    entries.carriesTruck = entries.type == ElevatorType::FreightPassenger && options.truck;
    CheckPlatform(options);
    if (options.area)
        entries.areaText = PositiveNumber("area", *options.area, "an area");
    entries.lists = ListsOf(options, units);
    return entries;
}

calc::MaximumAreaEntries MaximumAreaEntriesOf(rules::Units units, const Options &options)
{
    calc::MaximumAreaEntries entries;
    entries.units = units;
    entries.type = TypeOf(options.type);
    entries.freightClass = ClassOf(options.freightClass, entries.type);
    if (!options.load)
        throw InputError("--load is required");
    entries.loadText = PositiveNumber("load", *options.load, "a rated load");
    return entries;
}

bool PassengerColumn(const Options &options, const std::vector<std::string> &batchColumns)
{
    const bool typeColumn
        = std::find(batchColumns.begin(), batchColumns.end(), "type") != batchColumns.end();
    return typeColumn || !options.type || Lower(Trimmed(*options.type)) != "freight";
}

std::string MessageFor(calc::Message message, const Options &options)
{
    switch (message) {
    case calc::Message::BothWaysGiven:
        return "--area excludes --depth and --width";
    case calc::Message::NoTruckWeight: {
        const ElevatorType type = TypeOf(options.type);
        const std::optional<FreightClass> freightClass = ClassOf(options.freightClass, type);
        const std::string who = freightClass
            ? "class " + std::string(ClassName(*freightClass))
            : "a freight/passenger car that carries a loaded truck";
        return "--truck: " + who + " needs the weight of the loaded truck";
    }
    case calc::Message::NoArea:
        return options.area ? "--area: the area is needed, greater than 0"
                            : "--depth and --width: their area comes out as 0";
    case calc::Message::NoRatedLoad:
        return "--load: the rated load is needed, greater than 0";
    case calc::Message::OnlyOneDimensionImperial:
    case calc::Message::OnlyOneDimensionMetric:
        return "--depth excludes --width: give one side to find the other";
    case calc::Message::NoDimension:
        return "--depth or --width: one side is needed to find the other";
    }
    return std::string(calc::TextOf(message).prompt);
}

void StopAtEnd(const calc::Run &run, const Options &options)
{
    if (run.message)
        throw Failure(Failure::Kind::Message, MessageFor(*run.message, options));
    if (run.error)
        throw Failure(Failure::Kind::Overflow, *run.error);
}

std::string NumbersGiven(const Options &options, std::string_view series)
{
    std::string given;
    auto add = [&](std::string_view name, const std::optional<std::string> &value) {
        if (!value)
            return;
        const bool plural = name == series;
        given
            += (given.empty() ? "--" : ", --") + std::string(name) + (plural ? "s " : " ") + *value;
    };
    add("area", options.area);
    add("depth", options.depth);
    add("width", options.width);
    add("load", options.load);
    add("truck", options.truck);
    return given;
}

} // namespace ratedload::cli
