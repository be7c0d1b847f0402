// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ratedload::calc {

// Places after the decimal point of a number text as the text rule writes it:
// "4989.167" has 3, "1.234568E+07" none, "1E-05" five.
int DecimalPlaces(std::string_view numberText);

// a - b for two number texts, rounded to the places of the finer of them (so
// that 5000 - 4989.167 is 10.833, not a binary neighbour), written by the
// number-to-text rule for double precision. RunTimeError when it overflows.
std::string Difference(std::string_view a, std::string_view b);

// part / whole in percent, to 2 decimal places, by the number-to-text rule;
// a share that is not zero but would round to 0 keeps 2 significant digits
// instead, so that no margin reads 0 that is not. Nothing when whole is 0.
std::optional<std::string> Percent(std::string_view part, std::string_view whole);

// 105 % of a maximum area text, rounded down to 4 decimal places (and to the
// 15 significant digits a text holds), worked out on its decimal digits: the
// limit of the allowance never exceeds 105 % of the area. "13.8296" gives
// "14.521", not the 14.5211 that rounding to nearest would show.
std::string WithAllowance(std::string_view maximumArea);

} // namespace ratedload::calc
