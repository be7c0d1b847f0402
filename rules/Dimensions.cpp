// SPDX-License-Identifier: MIT
#include "rules/Dimensions.h"

#include "rules/NumberText.h"
#include "rules/RunTimeError.h"

namespace ratedload::rules {

namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kMetresPerMillimetre = 0.001;

} // namespace

float SideInches(std::string_view feet, std::string_view inches, std::string_view fraction)
{
    return ToSingle(SideInchesAsGiven(feet, inches, fraction));
}

float SideMetres(std::string_view metres, std::string_view millimetres)
{
    return ToSingle(SideMetresAsGiven(metres, millimetres));
}

double SideInchesAsGiven(std::string_view feet, std::string_view inches, std::string_view fraction)
{
    return kInchesPerFoot * ReadNumber(feet) + ReadNumber(inches) + ReadNumber(fraction);
}

double SideMetresAsGiven(std::string_view metres, std::string_view millimetres)
{
    return ReadNumber(metres) + ReadNumber(millimetres) * kMetresPerMillimetre;
}

float AreaFromSides(Units units, float depth, float width)
{
    // A side enters the area as the double nearest to the decimal that is
    // shown for it, not as its binary single-precision value.
    const double widthShown = SingleAsShown(width);
    const double depthShown = SingleAsShown(depth);
    const double product = depthShown * widthShown;
    if (units == Units::Imperial)
        return ToSingle(product / kSquareInchesPerSquareFoot);
    return ToSingle(product);
}

float TypedArea(std::string_view text)
{
    return ToSingle(ReadNumber(text));
}

bool AreaWasTyped(std::string_view areaText)
{
    return ReadNumber(areaText) > 0.0;
}

bool DimensionsWereEntered(const DimensionTexts &texts)
{
    double sum = 0.0;
    for (const std::string &text : texts)
        sum += ReadNumber(text);
    return ToSingle(sum) > 0.0f;
}

} // namespace ratedload::rules
