// SPDX-License-Identifier: MIT
#include "answers/Reading.h"

#include "answers/Refusal.h"
#include "answers/Sides.h"
#include "answers/Text.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace ratedload::answers {

using calc::ElevatorType;
using rules::FreightClass;

namespace {

void PutSideEntry(rules::DimensionTexts &lists, int row, std::string_view field,
    const std::optional<std::string> &text, rules::Units units)
{
    if (!text)
        return;
    try {
        PutSide(lists, row, ReadSide(*text, units));
    } catch (const Refusal &refusal) {
        Refuse(field, refusal.reason());
    }
}

const char *const kNotBoth = "give an area, or a depth and a width, not both";
const char *const kOneSide = "give the depth or the width, not both: one side finds the other";

// A message of the calculation, naming the entry to give or mend.
Refusal MessageFor(calc::Message message, const Entries &entries)
{
    auto said = [](std::string_view field, const std::string &reason) {
        return Refusal(Refusal::Kind::Message, std::string(field), reason);
    };
    switch (message) {
    case calc::Message::BothWaysGiven:
        return said("area", kNotBoth);
    case calc::Message::NoTruckWeight: {
        const ElevatorType type = TypeOf(entries.type);
        const std::optional<FreightClass> freightClass = ClassOf(entries.freightClass, type);
        const std::string who = freightClass
            ? "class " + std::string(ClassName(*freightClass))
            : "a freight/passenger car that carries a loaded truck";
        return said("truck", who + " needs the weight of the loaded truck");
    }
    case calc::Message::NoArea:
        return entries.area ? said("area", "the area is needed, greater than 0")
                            : said("depth", "the area of the depth and the width comes out as 0");
    case calc::Message::NoRatedLoad:
        return said("load", "the rated load is needed, greater than 0");
    case calc::Message::OnlyOneDimensionImperial:
    case calc::Message::OnlyOneDimensionMetric:
        return said("depth", kOneSide);
    case calc::Message::NoDimension:
        return said("depth", "one side is needed to find the other: the depth or the width");
    }
    return said("", std::string(calc::TextOf(message).prompt));
}

} // namespace

ElevatorType TypeOf(const std::optional<std::string> &text)
{
    if (!text)
        return ElevatorType::Passenger;
    const std::string_view type = Trimmed(*text);
    if (SameName(type, "passenger"))
        return ElevatorType::Passenger;
    if (SameName(type, "freight"))
        return ElevatorType::Freight;
    if (SameName(type, "freight-passenger"))
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
            "a class of loading is for the type freight, not for "
                + std::string(TypeName(type)));
    if (type != ElevatorType::Freight)
        return std::nullopt;
    if (!text)
        return FreightClass::A;
    const std::string_view name = Trimmed(*text);
    for (const FreightClass value : { FreightClass::A, FreightClass::B, FreightClass::C1,
             FreightClass::C2, FreightClass::C3 }) {
        if (SameName(name, ClassName(value)))
            return value;
    }
    Refuse("class", "expected A, B, C1, C2 or C3, got '" + *text + "'");
}

std::string TruckOf(
    const Entries &entries, ElevatorType type, const std::optional<FreightClass> &freightClass)
{
    if (!entries.truck)
        return {};
    if (type == ElevatorType::Passenger)
        Refuse("truck",
            "a passenger elevator carries no loaded truck; a truck weight is for the type "
            "freight-passenger and for classes C1 and C2");
    if (type == ElevatorType::Freight && !IsTruckClass(*freightClass))
        Refuse("truck",
            "class " + std::string(ClassName(*freightClass))
                + " does not consider a loaded truck; a truck weight is for classes C1 and C2 "
                  "and for the type freight-passenger");
    return PositiveNumber("truck", *entries.truck, "a truck weight");
}

std::string PositiveNumber(std::string_view field, const std::string &text, std::string_view what)
{
    const std::string trimmed(Trimmed(text));
    // Most numbers are plain decimals, which only 0 fails.
    const bool plain = !trimmed.empty()
        && std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return IsDigit(c) || c == '.'; });
    try {
        if (plain && rules::StrictNumber(trimmed) > 0)
            return trimmed;
    } catch (const rules::RunTimeError &) {
    }
    const std::string expected = "expected " + std::string(what) + " greater than 0";
    double value = 0;
    try {
        value = rules::StrictNumber(trimmed);
    } catch (const rules::RunTimeError &) {
        if (!trimmed.empty() && std::isinf(rules::ReadNumber(trimmed)))
            Refuse(field, "'" + text + "' is beyond the range of double precision");
        Refuse(field, "expected a number, got '" + text + "'");
    }
    // The window reads 25D2 as 2500; written here, a D is more likely a slip.
    if (trimmed.find_first_of("dD") != std::string::npos)
        Refuse(field, expected + ", got '" + text + "' (write an exponent with E, as in 2.5E3)");
    const bool zeroDigits = trimmed.find_first_of("123456789") == std::string::npos
        || trimmed.find_first_of("123456789") > trimmed.find_first_of("eE");
    if (value != 0 ? std::fabs(value) < DBL_MIN : !zeroDigits)
        Refuse(field, "'" + text + "' is below the smallest normal number of double precision");
    if (!(value > 0))
        Refuse(field, expected + ", got '" + text + "'");
    // The rules take it in single precision, where it would be 0.
    if (value < 1 && rules::ToSingle(value) == 0)
        Refuse(field, expected + ", got '" + text + "', which is 0 in single precision");
    return trimmed;
}

std::string AsWritten(const std::string &typed)
{
    if (rules::IsWrittenAsTyped(typed))
        return typed;
    return rules::DoubleToText(rules::ReadNumber(typed));
}

void CheckPlatform(const Entries &entries)
{
    if (entries.area && (entries.depth || entries.width))
        Refuse("area", kNotBoth);
    if (entries.depth && !entries.width)
        Refuse("depth", "a depth needs a width beside it, or give an area");
    if (entries.width && !entries.depth)
        Refuse("width", "a width needs a depth beside it, or give an area");
    if (!entries.area && !entries.depth)
        Refuse("area", "the platform is needed: an area, or a depth and a width");
}

void CheckOneSide(const Entries &entries)
{
    if (entries.depth && entries.width)
        Refuse("depth", kOneSide);
}

rules::DimensionTexts ListsOf(const Entries &entries)
{
    rules::DimensionTexts lists = calc::NoDimensions();
    PutSideEntry(lists, 0, "depth", entries.depth, entries.units);
    PutSideEntry(lists, 1, "width", entries.width, entries.units);
    return lists;
}

calc::RatedLoadEntries RatedLoadEntriesOf(const Entries &entries)
{
    calc::RatedLoadEntries calculation;
    calculation.units = entries.units;
    calculation.type = TypeOf(entries.type);
    calculation.freightClass = ClassOf(entries.freightClass, calculation.type);
    calculation.truckText = TruckOf(entries, calculation.type, calculation.freightClass);
    // A truck weight given for a freight/passenger car answers the truck question Yes.
    calculation.carriesTruck
        = calculation.type == ElevatorType::FreightPassenger && entries.truck.has_value();
    CheckPlatform(entries);
    if (entries.area)
        calculation.areaText = PositiveNumber("area", *entries.area, "an area");
    calculation.lists = ListsOf(entries);
    return calculation;
}

namespace {

calc::MaximumAreaEntries PlatedEntries(
    const Entries &entries, ElevatorType type, const std::optional<FreightClass> &freightClass)
{
    calc::MaximumAreaEntries calculation;
    calculation.units = entries.units;
    calculation.type = type;
    calculation.freightClass = freightClass;
    if (!entries.load)
        Refuse("load", "the rated load is needed");
    calculation.loadText = PositiveNumber("load", *entries.load, "a rated load");
    return calculation;
}

} // namespace

calc::MaximumAreaEntries MaximumAreaEntriesOf(const Entries &entries)
{
    const ElevatorType type = TypeOf(entries.type);
    return PlatedEntries(entries, type, ClassOf(entries.freightClass, type));
}

calc::MaximumAreaEntries MaximumAreaEntriesOf(
    const Entries &entries, const calc::RatedLoadEntries &platform)
{
    return PlatedEntries(entries, platform.type, platform.freightClass);
}

bool PassengerColumn(const Entries &entries, const std::vector<std::string> &batchColumns)
{
    const bool typeColumn
        = std::find(batchColumns.begin(), batchColumns.end(), "type") != batchColumns.end();
    return typeColumn || !entries.type || !SameName(Trimmed(*entries.type), "freight");
}

void StopAtEnd(const calc::Run &run, const Entries &entries)
{
    if (run.message)
        throw MessageFor(*run.message, entries);
    if (run.error)
        throw Refusal(Refusal::Kind::Overflow, "", *run.error);
}

} // namespace ratedload::answers
