// SPDX-License-Identifier: MIT
#pragma once

#include "rules/Units.h"

#include <string>

namespace ratedload::rules {

enum class SideOutcome { BothGiven, NoneGiven, DepthFound, WidthFound };

// Which side is to be found from the depth and width entered (inches or metres).
SideOutcome MissingSide(float depth, float width);

// The found side split into the parts of its row of lists, as the texts to
// show: imperial whole feet, inches and the decimal fraction of an inch;
// metric whole metres and millimetres (inches and fraction then stay empty).
struct FoundSide {
    SideOutcome outcome = SideOutcome::NoneGiven;
    std::string whole;
    std::string inches;
    std::string fraction;
    std::string millimetres;
};

// The side that gives the area with the side entered. For BothGiven and
// NoneGiven nothing is computed and only the outcome is set.
FoundSide DorWFromArea(Units units, double area, float depth, float width);

} // namespace ratedload::rules
