// SPDX-License-Identifier: MIT
#pragma once

#include "rules/Units.h"

#include <optional>

namespace ratedload::rules {

// Which rule turns a rated load into an area. ClassA covers classes A, C1, C2
// and C3, which share the rate of 50 lb per sq ft (244 kg per sq m).
enum class AreaRule { Passenger, FreightPassenger, ClassA, ClassB, None };

// The maximum inside net platform area that a rated load permits, rounded to
// 4 decimal places; nothing for AreaRule::None.
std::optional<double> MaximumArea(Units units, AreaRule rule, double load);

// The greatest passenger load that takes the first root formula: 5000 lb or
// 2269 kg.
double PassengerLoadBound(Units units);

} // namespace ratedload::rules
