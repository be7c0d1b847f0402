// SPDX-License-Identifier: MIT
#include "rules/FreightLoad.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

namespace ratedload::rules {

std::string_view ClassName(FreightClass freightClass)
{
    static constexpr std::string_view kNames[] = { "A", "B", "C1", "C2", "C3" };
    return kNames[static_cast<int>(freightClass)];
}

bool IsTruckClass(FreightClass freightClass)
{
    return freightClass == FreightClass::C1 || freightClass == FreightClass::C2;
}

// The metric rates are constants of their own, not conversions of the
// imperial ones.
double FreightRate(Units units, FreightClass freightClass)
{
    const bool motorVehicle = freightClass == FreightClass::B;
    if (units == Units::Imperial)
        return motorVehicle ? 30.0 : 50.0;
    return motorVehicle ? 146.0 : 244.0;
}

float ClassLoad(Units units, FreightClass freightClass, float area)
{
    return ToSingle(area * FreightRate(units, freightClass));
}

std::optional<std::string> FreightLoad(
    Units units, FreightClass freightClass, float area, std::string_view truckText)
{
    const bool truckClass = IsTruckClass(freightClass);
    if (truckClass && truckText.empty())
        return std::nullopt;
    const float classLoad = ClassLoad(units, freightClass, area);
    if (!truckClass)
        return SingleToText(classLoad);

    const double truck = ReadNumber(truckText);
    if (ToSingle(truck) > classLoad)
        return DoubleToText(truck);
    return SingleToText(classLoad);
}

} // namespace ratedload::rules
