// SPDX-License-Identifier: MIT
#pragma once

// The code's curve of the minimum rated load against the inside net platform
// area, for a chart: the rule's load, before any loaded truck, at areas
// across a range.

#include "calc/Entries.h"

#include "rules/FreightLoad.h"

#include <optional>
#include <vector>

namespace ratedload::calc {

struct CurvePoint {
    double area = 0; // square feet or square metres
    double load = 0; // pounds or kilograms
};

// The curve in pieces that are each drawn as one line. The passenger
// formulas meet at the threshold without joining, so each is a piece: the
// first ends at the threshold, the second starts at the next area above it.
struct LoadCurve {
    std::vector<std::vector<CurvePoint>> pieces;
    std::optional<double> threshold; // where the passenger formulas meet, within the range
};

// `samples` steps across from..to (from < to), and the areas on either side
// of the threshold; a freight class that is not given is class A. Raises
// rules::RunTimeError where a load is beyond single precision.
LoadCurve LoadCurveOf(rules::Units units, ElevatorType type,
    std::optional<rules::FreightClass> freightClass, double from, double to, int samples = 240);

} // namespace ratedload::calc
