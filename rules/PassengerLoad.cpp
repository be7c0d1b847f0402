// SPDX-License-Identifier: MIT
#include "rules/PassengerLoad.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

#include <cmath>

namespace ratedload::rules {

namespace {

constexpr float kImperialThreshold = 50.0f; // square feet
constexpr float kMetricThreshold = 4.65f; // square metres, as single precision
constexpr double kPoundsPerPassenger = 160.0;
constexpr double kKilogramsPerPassenger = 72.5;

} // namespace

float PassengerLoad(Units units, float area)
{
    const double a = area;
    const double squared = a * a; // exact: a has 24 significant bits
    const bool above = area > PassengerThreshold(units);
    if (units == Units::Imperial) {
        if (above)
            return ToSingle(0.0467 * squared + (125 * a - 1367));
        return ToSingle(0.667 * squared + 66.7 * a);
    }
    if (above)
        return ToSingle(2.45 * squared + (610 * a - 620));
    return ToSingle(35 * squared + 325 * a);
}

float PassengerThreshold(Units units)
{
    return units == Units::Imperial ? kImperialThreshold : kMetricThreshold;
}

std::string PassengerCount(Units units, std::string_view loadText)
{
    const double load = ReadNumber(loadText);
    if (units == Units::Imperial) {
        // Integer division cuts toward zero, as the count does.
        const std::int32_t passengers
            = ToInt32(load) / static_cast<std::int32_t>(kPoundsPerPassenger);
        return std::to_string(passengers);
    }
    const float quotient = ToSingle(load / kKilogramsPerPassenger);
    return SingleToText(std::floor(quotient));
}

} // namespace ratedload::rules
