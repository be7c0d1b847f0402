// SPDX-License-Identifier: MIT
#pragma once

// How the command line reads the texts of its options into the entries of
// the calculations; what it refuses, it refuses with a Failure that names the
// option.

#include "cli/Options.h"

#include "calc/Entries.h"
#include "calc/MaximumPlatformArea.h"
#include "calc/MinimumRatedLoad.h"
#include "calc/Run.h"

#include "rules/Dimensions.h"
#include "rules/FreightLoad.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratedload::cli {

[[noreturn]] void Refuse(std::string_view option, const std::string &reason);

// --type; passenger when not given.
calc::ElevatorType TypeOf(const std::optional<std::string> &text);
std::string_view TypeName(calc::ElevatorType type);

// --class, for --type freight only; class A when not given, as the window
// chooses class A with the type.
std::optional<rules::FreightClass> ClassOf(
    const std::optional<std::string> &text, calc::ElevatorType type);

// --truck, refused where no loaded truck counts; empty when not given.
std::string TruckOf(const Options &options, calc::ElevatorType type,
    const std::optional<rules::FreightClass> &freightClass);

// A number as typed, trimmed: one number in the whole text, greater than 0,
// with its exponent written E, and neither beyond the range of double
// precision nor below its smallest normal number. The window reads such
// texts as they stand; given to the command line they are refused. `what`
// names what is expected: "a rated load".
std::string PositiveNumber(std::string_view option, const std::string &text, std::string_view what);

// A number as typed, written back by the number-to-text rule.
std::string AsWritten(const std::string &typed);

// The platform of a load or a check: --area, or --depth and --width.
void CheckPlatform(const Options &options);

// The eight lists with the sides given put into their rows.
rules::DimensionTexts ListsOf(const Options &options, rules::Units units);

// The entries of Calculate for a platform, as the window's fields would hold
// them: the type, class and truck, and --area or --depth and --width.
calc::RatedLoadEntries RatedLoadEntriesOf(rules::Units units, const Options &options);

// The entries of the maximum area for --load, with the type and class.
calc::MaximumAreaEntries MaximumAreaEntriesOf(rules::Units units, const Options &options);

// Whether the answers have a passenger count: for the types that carry
// passengers, and in a batch whose header has a type column.
bool PassengerColumn(const Options &options, const std::vector<std::string> &batchColumns);

// A message of the calculation as the command line says it: naming the
// option to give or mend.
std::string MessageFor(calc::Message message, const Options &options);

// Raises the message or the run-time error that ended a calculation.
void StopAtEnd(const calc::Run &run, const Options &options);

// The numbers given, such as "--area 10, --truck 3E9", to say where an
// overflow came from. The option named `series` (a table's row option) is
// written with its plural name.
std::string NumbersGiven(const Options &options, std::string_view series = {});

} // namespace ratedload::cli
