// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace ratedload::rules {

// The one error of the load rules: an overflow when a value is narrowed to
// single precision or to a 32-bit integer, a division by zero, the square root
// of a negative number, or a text that the strict reading refuses. The
// window's computing procedures trap exactly this type and end silently.
class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(const std::string &what)
        : std::runtime_error(what)
    {
    }
};

// Round-to-nearest narrowing to single precision; a value whose rounding would
// leave the range of float (or a NaN) raises RunTimeError instead of reaching
// an out-of-range conversion.
float ToSingle(double value);

// Rounds to the nearest whole number, halves to the even neighbour, and
// narrows to a signed 32-bit integer; RunTimeError when the result does not fit.
std::int32_t ToInt32(double value);

// Raises RunTimeError when the divisor is zero, and when the quotient is not finite.
double Divide(double dividend, double divisor);

// Raises RunTimeError for a negative argument.
double SquareRoot(double value);

} // namespace ratedload::rules
