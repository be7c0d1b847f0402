// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ratedload::rules {

// The leading-number rule. Reads the number at the start of the text: blanks,
// tabs and line feeds are skipped wherever they stand, then an optional sign,
// digits with at most one ".", and an optional exponent (E or D). Reading stops
// at the first character that cannot continue the number; a text that does not
// begin with a number reads as 0. Never throws: a number beyond the range of
// double reads as an infinity of its sign, which every later narrowing refuses.
double ReadNumber(std::string_view text);

// The strict reading: apart from blanks around it, the whole text must be one
// number of the form that SingleToText and DoubleToText write. Anything else,
// the empty text included, raises RunTimeError; so does a number beyond the
// range of double.
double StrictNumber(std::string_view text);

// The number-to-text rule: general form with at most 7 (single) or 15
// (double) significant digits, exponent form "1.234568E+07" / "1E-05" for very
// large and very small magnitudes, no trailing zeros, never "-0". The decimal
// point is always ".". DoubleToText raises RunTimeError for a value that is
// not finite.
std::string SingleToText(float value);
std::string DoubleToText(double value);

// What the text that SingleToText writes reads back as, with ReadNumber:
// the double nearest to the float's 7 digits, worked out without the text.
double SingleAsShown(float value);

// Whether DoubleToText writes the number of a text as that text itself: a
// plain decimal of at most 15 digits without a leading or trailing zero
// that the rule drops, and no smaller than 1E-04 ("2500", "-41.25").
bool IsWrittenAsTyped(std::string_view text);

// What DoubleToText writes for units / 10^places, where units has at most
// 15 digits (below 10^15) and places is 0 to 22, written from the digits:
// that decimal is the only one of 15 digits or fewer that reads back as the
// quotient, so it is the quotient's text.
std::string DecimalText(long long units, int places);

// The powers of ten that a double holds exactly, 10^0 to 10^22: a whole
// number below 2^53 over one of them is the double nearest to that decimal.
inline constexpr std::array<double, 23> kExactPowersOfTen { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
    1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };

// Rounds to 4 decimal places, a tie going to the even last digit. A value is
// taken as the decimal of 15 significant digits that DoubleToText shows for
// it, so a double that is only nearly a tie in binary (0.00005) rounds as the
// tie that a person reads in it.
double RoundTo4Places(double value);

// DoubleToText(RoundTo4Places(value)), most often without the division.
std::string FourPlacesText(double value);

} // namespace ratedload::rules
