// SPDX-License-Identifier: MIT
#pragma once

#include "rules/Units.h"

#include <array>
#include <string>
#include <string_view>

namespace ratedload::rules {

// One side from its row of lists: 12 x feet + inches + fraction, in inches.
float SideInches(std::string_view feet, std::string_view inches, std::string_view fraction);

// One side from its row of lists: metres + millimetres x 0.001, in metres.
float SideMetres(std::string_view metres, std::string_view millimetres);

// The same sides in double precision, before they are narrowed: as they are
// given, for checks that need more than single precision's 7 digits.
double SideInchesAsGiven(std::string_view feet, std::string_view inches, std::string_view fraction);
double SideMetresAsGiven(std::string_view metres, std::string_view millimetres);

// The area of a depth by a width: square feet from sides in inches, or square
// metres from sides in metres. Each side enters as its 7-digit decimal.
float AreaFromSides(Units units, float depth, float width);

// The area typed into the area entry, in square feet or square metres.
float TypedArea(std::string_view text);

// An area was typed: the entry reads as greater than 0.
bool AreaWasTyped(std::string_view areaText);

// The texts of the eight dimension lists, in the order depth feet/metres,
// inches, fraction, millimetres, then the same four of the width.
using DimensionTexts = std::array<std::string, 8>;

// Dimensions were entered: the single-precision sum of all eight lists, those
// of the other unit system included, is greater than 0.
bool DimensionsWereEntered(const DimensionTexts &texts);

} // namespace ratedload::rules
