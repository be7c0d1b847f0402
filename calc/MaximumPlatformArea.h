// SPDX-License-Identifier: MIT
#pragma once

#include "calc/Entries.h"
#include "calc/Run.h"

#include "rules/FreightLoad.h"

#include <optional>
#include <string>
#include <string_view>

namespace ratedload::calc {

// The entries of Calculate in the maximum-platform-area mode.
struct MaximumAreaEntries {
    rules::Units units = rules::Units::Imperial;
    ElevatorType type = ElevatorType::Passenger;
    std::optional<rules::FreightClass> freightClass;
    std::string loadText; // the rated load entry
    std::string areaShown; // the area answer as it stands before the press
};

// The text of the area answer counts as a found area when it sorts after "0"
// character by character: "0", and a blank, a minus sign or a point in front,
// do not count.
bool HoldsArea(std::string_view areaText);

// Calculate in the maximum-platform-area mode: with an area already on show,
// straight to the missing side; else the maximum area for the rated load,
// the passengers for the types that carry them, and then the missing side
// when an area greater than zero was found (a FindSide step).
Run MaximumPlatformArea(const MaximumAreaEntries &entries);

} // namespace ratedload::calc
