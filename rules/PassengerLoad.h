// SPDX-License-Identifier: MIT
#pragma once

#include "rules/Units.h"

#include <string>
#include <string_view>

namespace ratedload::rules {

// Minimum rated load of a passenger (or freight/passenger) elevator for an
// inside net platform area, in pounds or kilograms.
float PassengerLoad(Units units, float area);

// The greatest area that takes the formula up to the threshold: 50 sq ft, or
// 4.65 sq m as single precision. The two formulas do not join there.
float PassengerThreshold(Units units);

// Maximum number of passengers for the load written in a field, as the text
// to show: imperial, the load rounded (halves to even) and divided by 160,
// cut toward zero; metric, the floor of load / 72.5 in single precision.
std::string PassengerCount(Units units, std::string_view loadText);

} // namespace ratedload::rules
