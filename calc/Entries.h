// SPDX-License-Identifier: MIT
#pragma once

// What the procedures read: the texts of the entries as they stand, the
// option chosen and the unit system.

#include "rules/Dimensions.h"
#include "rules/Units.h"

namespace ratedload::calc {

enum class ElevatorType { Passenger, Freight, FreightPassenger };

// Passenger and Freight / Passenger carry passengers and get a count.
bool CarriesPassengers(ElevatorType type);

// The rows of the dimension lists.
enum class Row { Depth, Width };

// The texts of the eight dimension lists with nothing entered.
rules::DimensionTexts NoDimensions();

// One side from its row of lists, in inches or metres: imperial reads feet,
// inches and fraction; metric reads metres and millimetres.
float SideOf(rules::Units units, const rules::DimensionTexts &lists, Row row);

} // namespace ratedload::calc
