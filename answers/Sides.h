// SPDX-License-Identifier: MIT
#pragma once

#include "rules/Dimensions.h"
#include "rules/Units.h"

#include <string>
#include <string_view>

namespace ratedload::answers {

// One side of the platform as the texts of its row of dimension lists: whole
// feet, inches and fraction of an inch, or whole metres and millimetres. The
// parts not used by the unit system stay "0".
struct SideTexts {
    std::string whole = "0";
    std::string inches = "0";
    std::string fraction = "0";
    std::string millimetres = "0";
};

// Reads a side written as a person writes it. Imperial: 7ft, 7ft4in,
// 7ft4.5in, 7ft4-1/2in, 7ft 4 1/2in, 88in, 7.5ft, 7'4", 7'-4" (ft or ', in or
// ").
// Metric: 2.05m, 2m50mm, 2050mm. Each number keeps the text it was written
// with, as if typed into its list. Refusal, of no field yet (the caller
// knows which side it is): a malformed side, a missing or unknown unit, or a
// unit of the other system.
SideTexts ReadSide(std::string_view text, rules::Units units);

// Puts a side into the depth (row 0) or width (row 1) of the eight lists.
void PutSide(rules::DimensionTexts &lists, int row, SideTexts side);

} // namespace ratedload::answers
