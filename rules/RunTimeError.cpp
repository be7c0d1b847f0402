// SPDX-License-Identifier: MIT
#include "rules/RunTimeError.h"

#include <cfloat>
#include <cmath>

namespace ratedload::rules {

namespace {

// Halfway between FLT_MAX and the next power of two: from here on, rounding to
// single precision gives infinity.
constexpr double kSingleOverflow = 0x1.ffffffp127;

} // namespace

float ToSingle(double value)
{
    if (std::isnan(value) || std::fabs(value) >= kSingleOverflow)
        throw RunTimeError("overflow: value beyond the range of single precision");
    // Between FLT_MAX and the halfway point the value rounds to FLT_MAX; say so
    // explicitly rather than convert a value outside float's range.
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

std::int32_t ToInt32(double value)
{
    if (std::isnan(value))
        throw RunTimeError("overflow: not a number");
    double whole = std::floor(value);
    const double rest = value - whole; // exactly 0.5 only for a true half
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < -2147483648.0 || whole > 2147483647.0)
        throw RunTimeError("overflow: value beyond the range of a 32-bit integer");
    return static_cast<std::int32_t>(whole);
}

double Divide(double dividend, double divisor)
{
    if (divisor == 0.0)
        throw RunTimeError("division by zero");
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient))
        throw RunTimeError("overflow in a division");
    return quotient;
}

double SquareRoot(double value)
{
    if (std::isnan(value) || value < 0.0)
        throw RunTimeError("square root of a negative number");
    return std::sqrt(value);
}

} // namespace ratedload::rules
