// SPDX-License-Identifier: MIT
#pragma once

// The window's Calculate command as plain functions of the entries: what a
// press of Calculate writes into the answer fields and which message it shows,
// in the order the window takes its steps, so that the command line gives the
// window's answers for the same entries.

#include "rules/DepthOrWidth.h"
#include "rules/Dimensions.h"
#include "rules/FreightLoad.h"
#include "rules/Units.h"

#include <optional>
#include <string>
#include <string_view>

namespace ratedload::cli {

using rules::DimensionTexts;
using rules::FoundSide;
using rules::FreightClass;
using rules::Units;

enum class ElevatorType { Passenger, Freight, FreightPassenger };

// The messages of the calculations, word for word, leading blanks included.
namespace messages {
inline constexpr std::string_view kBothWaysGiven
    = "Please enter the platform area or the depth and width ...but not both.";
inline constexpr std::string_view kNoTruckWeight
    = "Did you make an entry in the truck weight text box?";
inline constexpr std::string_view kNoArea
    = "Please enter the platform area or the depth and width.";
inline constexpr std::string_view kNoRatedLoad = "             Please enter the rated load.";
inline constexpr std::string_view kOnlyOneDimensionImperial
    = "        Please enter only one dimension.";
inline constexpr std::string_view kOnlyOneDimensionMetric
    = "        Please enter only one dimension";
inline constexpr std::string_view kNoDimension = "      Please enter the depth or the width.";
} // namespace messages

// The eight dimension lists with nothing entered.
inline DimensionTexts NoDimensions()
{
    return { "0", "0", "0", "0", "0", "0", "0", "0" };
}

// The entries of a minimum-rated-load calculation, as the texts of the fields.
struct RatedLoadEntries {
    Units units = Units::Imperial;
    ElevatorType type = ElevatorType::Passenger;
    std::optional<FreightClass> freightClass; // the class chosen, if any (freight)
    bool carriesTruck = false; // the loaded-truck question answered Yes
    std::string truckText; // weight of the loaded truck
    std::string areaText; // the typed area
    DimensionTexts lists = NoDimensions();
};

// What one calculation wrote and said. An answer left unwritten is nullopt.
// The calculation ends at a message or at a run-time error; the answers
// written before that point are kept, as on the screen.
struct RatedLoadAnswers {
    bool bothWaysGiven = false; // kBothWaysGiven shown; the typed area was used
    std::optional<std::string> area;
    std::optional<std::string> load;
    std::optional<std::string> passengers;
    std::optional<std::string_view> message; // the message that ended the calculation
    std::optional<std::string> error; // the run-time error that ended it silently
};

// Minimum rated load: the area typed or formed from the lists, the passenger
// or freight load with the loaded-truck rule, the passenger count, and the
// message for a missing truck weight or a missing area.
RatedLoadAnswers CalculateRatedLoad(const RatedLoadEntries &entries);

// The entries of a maximum-platform-area calculation.
struct MaximumAreaEntries {
    Units units = Units::Imperial;
    ElevatorType type = ElevatorType::Passenger;
    std::optional<FreightClass> freightClass;
    std::string loadText; // the rated load typed
};

struct MaximumAreaAnswers {
    std::optional<std::string> area;
    std::optional<std::string> passengers;
    std::optional<std::string_view> message;
    std::optional<std::string> error;
};

// Maximum inside net platform area for a rated load, with the passenger count
// for the types that carry passengers; kNoRatedLoad for an empty load or "0".
MaximumAreaAnswers CalculateMaximumArea(const MaximumAreaEntries &entries);

// The text of the area answer counts as a found area: it sorts after "0"
// character by character. After it the missing side can be looked for.
bool HoldsArea(std::string_view areaText);

struct MissingSideAnswers {
    // outcome DepthFound or WidthFound with its parts, or BothGiven/NoneGiven.
    FoundSide side;
    std::optional<std::string_view> message;
    std::optional<std::string> error;
};

// The side missing from the lists for the area shown (read strictly): the
// message for both sides or no side given, else the found side's parts.
MissingSideAnswers FindMissingSide(
    Units units, std::string_view areaText, const DimensionTexts &lists);

} // namespace ratedload::cli
