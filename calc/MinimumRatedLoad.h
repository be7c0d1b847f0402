// SPDX-License-Identifier: MIT
#pragma once

#include "calc/Entries.h"
#include "calc/Run.h"

#include "rules/FreightLoad.h"

#include <optional>
#include <string>

namespace ratedload::calc {

// The entries of Calculate in the minimum-rated-load mode, as the fields hold them.
struct RatedLoadEntries {
    rules::Units units = rules::Units::Imperial;
    ElevatorType type = ElevatorType::Passenger;
    std::optional<rules::FreightClass> freightClass; // the class selected, if any
    bool carriesTruck = false; // the loaded-truck question answered Yes
    std::string truckText; // the weight of the loaded truck
    std::string areaText; // the area entry
    rules::DimensionTexts lists = NoDimensions();
};

// The area that Calculate takes: the one typed, else the one formed from the
// depth and the width.
float PlatformArea(const RatedLoadEntries &entries);

// Calculate in the minimum-rated-load mode: the area typed or formed from
// the depth and width, the passenger or freight load with the loaded-truck
// rule, the number of passengers, and the messages for a platform given both
// ways, a missing truck weight and a missing area.
Run MinimumRatedLoad(const RatedLoadEntries &entries);

} // namespace ratedload::calc
