// SPDX-License-Identifier: MIT
#pragma once

// How the texts of the entries are read into the entries of the
// calculations; what is refused is refused with a Refusal that names the entry.

#include "answers/Entries.h"

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

namespace ratedload::answers {

// The type; passenger when not given.
calc::ElevatorType TypeOf(const std::optional<std::string> &text);
// The type as it is given: passenger, freight or freight-passenger.
std::string_view TypeName(calc::ElevatorType type);

// The class, for the type freight only; class A when not given, as the
// window chooses class A with the type.
std::optional<rules::FreightClass> ClassOf(
    const std::optional<std::string> &text, calc::ElevatorType type);

// The truck weight, refused where no loaded truck counts; empty when not given.
std::string TruckOf(const Entries &entries, calc::ElevatorType type,
    const std::optional<rules::FreightClass> &freightClass);

// A number as typed, trimmed: one number in the whole text, greater than 0,
// with its exponent written E, neither beyond the range of double precision
// nor below its smallest normal number, nor 0 in single precision. The
// window reads such texts as they stand; given here they are refused.
// `what` names what is expected: "a rated load".
std::string PositiveNumber(std::string_view field, const std::string &text, std::string_view what);

// A number as typed, written back by the number-to-text rule.
std::string AsWritten(const std::string &typed);

// The platform of a load or a check: an area, or a depth and a width.
void CheckPlatform(const Entries &entries);

// The side that finds the other: the depth or the width, not both.
void CheckOneSide(const Entries &entries);

// The eight lists with the sides given put into their rows.
rules::DimensionTexts ListsOf(const Entries &entries);

// The entries of Calculate for a platform, as the window's fields would hold
// them: the type, class and truck, and the area or the depth and width.
calc::RatedLoadEntries RatedLoadEntriesOf(const Entries &entries);

// The entries of the maximum area for the rated load, with the type and class;
// of a platform's, already read, for the car that a check reads both of.
calc::MaximumAreaEntries MaximumAreaEntriesOf(const Entries &entries);
calc::MaximumAreaEntries MaximumAreaEntriesOf(
    const Entries &entries, const calc::RatedLoadEntries &platform);

// Whether the answers have a passenger count: for the types that carry
// passengers, and in a batch whose header has a type column.
bool PassengerColumn(const Entries &entries, const std::vector<std::string> &batchColumns);

// Raises the message (naming the entry to give or mend) or the run-time
// error that ended a calculation.
void StopAtEnd(const calc::Run &run, const Entries &entries);

} // namespace ratedload::answers
